#include "course/ModFun.h"
#include "users/ArquivoUsuarios.h"
#include "users/Deslizador.h"
#include "users/LocalUsuarios.h"
#include "users/RegistroUsuario.h"
#include "users/SessaoUsuarios.h"
#include "app/PastaAplicacao.h"
#include "app/platform/InstanciaUnica.h"
#include "users/CadastroUsuarios.h"
#include "fakes/Fakes.h"
#include "Treino.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QThread>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <unistd.h>
#include <sys/resource.h>
#include <sys/stat.h>

extern "C" CanalInstancia* teclomatic_criar_canal();

namespace {

const char* const VariavelGravador = "TECLOMATIC_TESTE_GRAVADOR";
const char* const VariavelTrava = "TECLOMATIC_TESTE_TRAVA";

QByteArray LerBytes(const QString& caminho)
{
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

// The records of a user file as the program reads them back.
QStringList LerLinhas(const QString& caminho)
{
    QStringDecoder decodificador("windows-1252");
    QStringList linhas = QString(decodificador.decode(LerBytes(caminho))).split(QStringLiteral("\r\n"));
    if (!linhas.isEmpty() && linhas.last().isEmpty())
        linhas.removeLast();
    return linhas;
}

// A long user list; the marca makes two lists of the same size differ.
QStringList ListaGrande(QChar marca, int quantos)
{
    QStringList lista;
    for (int i = 0; i < quantos; ++i) {
        RegistroUsuario r = RegistroNovo(QStringLiteral("Aluno %1 %2 João").arg(marca).arg(i, 5, 10, QChar(u'0')),
                                         QStringLiteral("senha%1").arg(marca));
        r.licao = qint16(i % 53);
        lista << MontarRegistro(r);
    }
    return lista;
}

QByteArray BytesDe(const QStringList& lista)
{
    return CodificarWindows1252(lista.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

// Child mode: rewrite the file with two lists in turn until killed, telling
// the parent after each finished write.
[[noreturn]] void GravarSemParar(const QString& caminho)
{
    const QStringList a = ListaGrande(u'A', 30000);
    const QStringList b = ListaGrande(u'B', 30000);
    for (int i = 0; i < 5000; ++i) {
        GravarUsuarios(caminho, i % 2 ? b : a);
        std::printf("gravado %d\n", i);
        std::fflush(stdout);
    }
    _exit(0);
}

// Child mode: hold the lock of the application folder's file until killed.
[[noreturn]] void TravarEEsperar(const QString& pasta)
{
    DefinirPastaAplicacao(pasta);
    SessaoUsuarios sessao;
    std::printf("trava %d\n", int(sessao.Travar()));
    std::fflush(stdout);
    for (;;)
        ::pause();
}

// The local socket's channel, built into this test (the program loads it
// as a module).
std::unique_ptr<CanalInstancia> Canal() { return std::unique_ptr<CanalInstancia>(teclomatic_criar_canal()); }

// The copy an in-place rewrite keeps beside the file: a header with the
// content's length and SHA-256, then the content.
QByteArray CopiaNova(const QByteArray& conteudo)
{
    return "Teclomatic usuario.dat " + QByteArray::number(conteudo.size()) + ' '
        + QCryptographicHash::hash(conteudo, QCryptographicHash::Sha256).toHex() + '\n' + conteudo;
}

} // namespace

class TstUsuariosArquivo : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        const QString alvo = qEnvironmentVariable(VariavelGravador);
        if (!alvo.isEmpty())
            GravarSemParar(alvo);
        if (const QString pasta = qEnvironmentVariable(VariavelTrava); !pasta.isEmpty())
            TravarEEsperar(pasta);
    }

    void gravacaoQueFalhaMantemOArquivo_data()
    {
        QTest::addColumn<DiscoComFalha::Falha>("falha");
        QTest::addColumn<qint64>("depois");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("disco cheio") << DiscoComFalha::Falha::Reserva << qint64(0) << QStringLiteral("o disco está cheio");
        QTest::newRow("escrita recusada") << DiscoComFalha::Falha::Escrita << qint64(0) << QStringLiteral("o disco está cheio");
        QTest::newRow("escrita curta") << DiscoComFalha::Falha::Escrita << qint64(50) << QStringLiteral("o disco está cheio");
        QTest::newRow("sincronia") << DiscoComFalha::Falha::Sincronia << qint64(0) << QStringLiteral("erro de gravação no disco");
    }

    void gravacaoQueFalhaMantemOArquivo()
    {
        // A small list (under Qt's 16 KiB buffer) whose write fails at any
        // step: the old bytes stay, no temporary file is left, and the save
        // says why.
        QFETCH(DiscoComFalha::Falha, falha);
        QFETCH(qint64, depois);
        QFETCH(QString, motivo);
        AmbienteTeste amb;
        const QByteArray anterior = BytesDe({RegistroPadrao(), QStringLiteral("Ana<0<1<100<95<0<0<0<0<0<0<0<0<1<1<a")});
        amb.escrever(QStringLiteral("usuario.dat"), anterior);
        ResultadoGravacao r;
        {
            DiscoComFalha disco(falha, depois);
            r = GravarArquivoUsuarios(CaminhoUsuarios(), ListaGrande(u'N', 3));
        }
        QVERIFY(!r);
        QCOMPARE(r.motivo, motivo);
        QCOMPARE(amb.ler(QStringLiteral("usuario.dat")), anterior);
        QCOMPARE(QDir(amb.pasta()).entryList(QDir::Files), QStringList{QStringLiteral("usuario.dat")});
    }

    void gravacaoNoLugarInterrompida_data()
    {
        QTest::addColumn<bool>("copiaInteira"); // the copy beside the file was finished
        QTest::addColumn<bool>("refazFalha");   // completing the file fails again
        QTest::newRow("copia inteira") << true << false;
        QTest::newRow("copia cortada") << false << false;
        QTest::newRow("completar falha") << true << true;
    }

    void gravacaoNoLugarInterrompida()
    {
        // An in-place rewrite (a folder that will not let the new file take
        // the old one's place) cut short: with its complete copy beside the
        // file, the next start completes the file from it; with the copy
        // itself unfinished, the file was never touched. Either way no
        // learner is lost, and the copy goes once it has served.
        QFETCH(bool, copiaInteira);
        QFETCH(bool, refazFalha);
        AmbienteTeste amb;
        const QStringList antes = ListaGrande(u'A', 3);
        const QStringList depois = ListaGrande(u'B', 4);
        const QByteArray novo = BytesDe(depois);
        const QByteArray copia = CopiaNova(novo);
        // The file as the rewrite left it: its first bytes new, the rest old.
        amb.escrever(QStringLiteral("usuario.dat"), novo.left(40) + BytesDe(antes).mid(40));
        const QByteArray cortado = amb.ler(QStringLiteral("usuario.dat"));
        amb.escrever(QStringLiteral("usuario.dat.novo"), copiaInteira ? copia : copia.left(copia.size() - 9));
        if (!copiaInteira)
            amb.escrever(QStringLiteral("usuario.dat"), BytesDe(antes));

        SessaoUsuarios sessao;
        QStringList registros;
        {
            DiscoComFalha disco(refazFalha ? DiscoComFalha::Falha::Escrita : DiscoComFalha::Falha::Sincronia, 10,
                                refazFalha ? 1 : 99);
            sessao.Abrir(registros);
        }
        QCOMPARE(registros, copiaInteira ? depois : antes);
        QCOMPARE(sessao.SomenteLeitura(), refazFalha);
        if (refazFalha) {
            // Kept for the next start, and nothing is written meanwhile.
            QCOMPARE(amb.ler(QStringLiteral("usuario.dat.novo")), copia);
            QVERIFY(sessao.Aviso().contains(QStringLiteral("uma gravação interrompida não pôde ser completada")));
            QVERIFY(!sessao.Gravar(registros));
            return;
        }
        QCOMPARE(amb.ler(QStringLiteral("usuario.dat")), copiaInteira ? novo : BytesDe(antes));
        QVERIFY(!QFile::exists(amb.caminho(QStringLiteral("usuario.dat.novo"))));
        QCOMPARE(sessao.Aviso(), QString());
        Q_UNUSED(cortado);
    }

    void umProgramaPorArquivo()
    {
        AmbienteTeste amb;
        const QByteArray antes = BytesDe({QStringLiteral("Ana<0<1<100<95<0<0<0<0<0<0<0<0<1<1<a")});
        amb.escrever(QStringLiteral("usuario.dat"), antes);
        const QString trava = CaminhoUsuarios() + QStringLiteral(".lock");
        auto primeiro = std::make_unique<CadastroUsuarios>();
        primeiro->Carregar();
        QVERIFY(QFile::exists(trava));

        // A second start on the same file reads nothing, writes nothing and
        // says so; the first one's running window is asked to the front.
        auto segundoRecusado = [&] {
            CadastroUsuarios segundo;
            QSignalSpy avisos(&segundo, &CadastroUsuarios::aviso);
            segundo.Carregar();
            QCOMPARE(segundo.ListCount(), 0);
            QCOMPARE(avisos.size(), 1);
            QCOMPARE(avisos.at(0).at(0).toString(), QStringLiteral("O Teclomatic já está aberto."));
            QVERIFY(!segundo.Adicionar(RegistroNovo(QStringLiteral("Maria"), QStringLiteral("m"))));
            QCOMPARE(amb.ler(QStringLiteral("usuario.dat")), antes);
        };
        segundoRecusado();
        InstanciaUnica aberta(CaminhoUsuarios(), Canal());
        QVERIFY(aberta.Escutar());
        QSignalSpy pedidos(&aberta, &InstanciaUnica::mostrarPedido);
        QVERIFY(InstanciaUnica(CaminhoUsuarios(), Canal()).PedirParaMostrar());
        QTRY_COMPARE(pedidos.size(), 1);

        // Another folder (another account's data) is another file.
        {
            QTemporaryDir outra;
            QVERIFY(QDir(outra.path()).mkpath(QStringLiteral("Modulos")));
            DefinirPastaAplicacao(outra.path());
            QVERIFY(!InstanciaUnica(CaminhoUsuarios(), Canal()).PedirParaMostrar(200));
            CadastroUsuarios conta;
            conta.Carregar();
            QCOMPARE(conta.vUsuario, QStringList{RegistroPadrao()});
            DefinirPastaAplicacao(amb.pasta());
        }

        // The lock goes with its program, even one killed outright.
        primeiro.reset();
        QVERIFY(!QFile::exists(trava));
        QProcess filho;
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QString::fromLatin1(VariavelTrava), amb.pasta());
        filho.setProcessEnvironment(ambiente);
        filho.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(filho.waitForReadyRead(30000));
        QByteArray linha;
        while (!linha.startsWith("trava ") && (filho.canReadLine() || filho.waitForReadyRead(30000)))
            linha = filho.readLine();
        QCOMPARE(linha.trimmed(), QByteArray("trava ") + QByteArray::number(int(TravaUsuarios::Estado::Travada)));
        segundoRecusado();
        filho.kill();
        QVERIFY(filho.waitForFinished());
        QVERIFY(QFile::exists(trava)); // left behind
        CadastroUsuarios depois;
        QSignalSpy avisos(&depois, &CadastroUsuarios::aviso);
        depois.Carregar();
        QCOMPARE(depois.Nomes(), QStringList{QStringLiteral("Ana")});
        QVERIFY(depois.Adicionar(RegistroNovo(QStringLiteral("Maria"), QStringLiteral("m"))));
        QCOMPARE(avisos.size(), 0);
    }

    void pastaDosDados_data()
    {
        QTest::addColumn<QString>("executavel"); // the program's folder, under the root below
        QTest::addColumn<QStringList>("pastas"); // what else is there
        QTest::addColumn<bool>("naPastaAplicacao");
        QTest::newRow("portatil") << QStringLiteral("teclomatic") << QStringList{QStringLiteral("teclomatic/Modulos")} << true;
        QTest::newRow("instalado") << QStringLiteral("usr/bin")
                                   << QStringList{QStringLiteral("usr/share/teclomatic/Modulos"),
                                                  QStringLiteral("usr/bin/Modulos")}
                                   << false;
        QTest::newRow("sem licoes ao lado") << QStringLiteral("opt") << QStringList{} << false;
    }

    void pastaDosDados()
    {
        // Only a portable folder (the lessons beside the program) keeps the
        // learners; an installed program never does, however writable its
        // folder (root runs it), and its old list is copied to the per-user
        // folder and left untouched.
        QFETCH(QString, executavel);
        QFETCH(QStringList, pastas);
        QFETCH(bool, naPastaAplicacao);
        AmbienteTeste amb;
        QTemporaryDir raiz;
        const QString app = raiz.filePath(executavel);
        for (const QString& p : pastas + QStringList{executavel})
            QVERIFY(QDir(raiz.path()).mkpath(p));
        const QByteArray lista = BytesDe({QStringLiteral("Ana<0<1<100<95<0<0<0<0<0<0<0<0<1<1<a")});
        QFile f(app + QStringLiteral("/usuario.dat"));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(lista) == lista.size());
        f.close();
        DefinirPastaAplicacao(app);

        const QString pessoal = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/usuario.dat");
        {
            SessaoUsuarios sessao;
            QStringList registros;
            sessao.Abrir(registros);
            QCOMPARE(sessao.Local().naPastaAplicacao, naPastaAplicacao);
            QCOMPARE(sessao.Caminho(), naPastaAplicacao ? app + QStringLiteral("/usuario.dat") : pessoal);
            QCOMPARE(registros, QStringList{QStringLiteral("Ana<0<1<100<95<0<0<0<0<0<0<0<0<1<1<a")});
            QVERIFY(sessao.Gravar(registros + QStringList{QStringLiteral("Bia<0<1<100<95<0<0<0<0<0<0<0<0<1<1<b")}));
        }
        QCOMPARE(f.open(QIODevice::ReadOnly) && f.readAll() == lista, !naPastaAplicacao);
        QDir(QFileInfo(pessoal).path()).removeRecursively();
    }

    void usuarioPadraoNoDisco()
    {
        AmbienteTeste amb;
        QCOMPARE(RegistroPadrao(), QStringLiteral("Usuário Padrão<0<1<100<95<0<0<0<0<0<0<0<0<1<1<comeco"));
        QVERIFY(GravarUsuarios(CaminhoUsuarios(), {RegistroPadrao()}));
        QCOMPARE(amb.ler(QStringLiteral("usuario.dat")),
                 QByteArray("Usu\xE1rio Padr\xE3o<0<1<100<95<0<0<0<0<0<0<0<0<1<1<comeco\r\n"));

        // A rewrite replaces the whole content, in list order.
        QVERIFY(GravarUsuarios(CaminhoUsuarios(), {QStringLiteral("B"), QStringLiteral("A")}));
        QCOMPARE(amb.ler(QStringLiteral("usuario.dat")), QByteArray("B\r\nA\r\n"));
        QVERIFY(GravarUsuarios(CaminhoUsuarios(), {}));
        QCOMPARE(amb.ler(QStringLiteral("usuario.dat")), QByteArray());
        QCOMPARE(QDir(amb.pasta()).entryList(QDir::Files), QStringList{QStringLiteral("usuario.dat")});
    }

    void novoUsuario()
    {
        const RegistroUsuario r = RegistroNovo(QStringLiteral("  Ana  Lima "), QStringLiteral("   "));
        QCOMPARE(MontarRegistro(r), QStringLiteral("Ana  Lima<0<1<100<95<0<0<0<0<0<0<0<0<1<1<"));
        QCOMPARE(MontarRegistro(RegistroNovo(QStringLiteral("Bia"), QStringLiteral(" Se Nha "))),
                 QStringLiteral("Bia<0<1<100<95<0<0<0<0<0<0<0<0<1<1<Se Nha"));

        bool completo = false;
        QCOMPARE(LerRegistro(MontarRegistro(r), &completo), r);
        QVERIFY(completo);
        QCOMPARE(LerRegistro(RegistroPadrao()).senha, QStringLiteral("comeco"));
    }

    void numerosNegativosEExtremosVoltamDoArquivo()
    {
        AmbienteTeste amb;
        RegistroUsuario r = RegistroNovo(QStringLiteral("Çélia"), QStringLiteral("x"));
        r.pontos = -300;
        r.licao = 52;
        r.exercicio = 12;
        r.teclasDigitadas = 32767;
        r.contadorExtra = -32768;
        r.velocidadeMinima = QStringLiteral("120");
        r.precisaoMinima = QStringLiteral("70");
        r.livre = 1;
        QVERIFY(MontarRegistro(r).contains(QStringLiteral("<-300<")));

        QVERIFY(GravarUsuarios(CaminhoUsuarios(), {RegistroPadrao(), MontarRegistro(r)}));
        const QStringList linhas = LerLinhas(CaminhoUsuarios());
        QCOMPARE(linhas.size(), 2);
        bool completo = false;
        QCOMPARE(LerRegistro(linhas.at(1), &completo), r);
        QVERIFY(completo);
    }

    void fronteiraDoProgresso()
    {
        // Lesson 3 is the highest reached, frontier at exercise 1.
        qint16 licaoMaxima = 3, exercicioMaximo = 1;
        FronteiraProgresso(licaoMaxima, exercicioMaximo, 3, 2);
        QCOMPARE(exercicioMaximo, qint16(2));
        FronteiraProgresso(licaoMaxima, exercicioMaximo, 3, 3);
        QCOMPARE(exercicioMaximo, qint16(3));
        FronteiraProgresso(licaoMaxima, exercicioMaximo, 3, 2);
        QCOMPARE(exercicioMaximo, qint16(3));
        QCOMPARE(licaoMaxima, qint16(3));
        // Log-off at exercise 2 of the highest lesson lowers the frontier.
        FronteiraUsuario(licaoMaxima, exercicioMaximo, 3, 2);
        QCOMPARE(exercicioMaximo, qint16(2));
        QCOMPARE(licaoMaxima, qint16(3));

        // Practice below the highest lesson touches neither.
        for (auto salvar : {FronteiraProgresso, FronteiraUsuario}) {
            qint16 lm = 5, em = 4;
            salvar(lm, em, 3, 9);
            QCOMPARE(lm, qint16(5));
            QCOMPARE(em, qint16(4));
        }

        // Entering a higher lesson raises the lesson; during practice the
        // frontier exercise keeps its value, at log-off it follows the screen.
        licaoMaxima = 3;
        exercicioMaximo = 9;
        FronteiraProgresso(licaoMaxima, exercicioMaximo, 4, 1);
        QCOMPARE(licaoMaxima, qint16(4));
        QCOMPARE(exercicioMaximo, qint16(9));
        FronteiraUsuario(licaoMaxima, exercicioMaximo, 4, 1);
        QCOMPARE(exercicioMaximo, qint16(1));
    }

    void registrosDanificados_data()
    {
        QTest::addColumn<QString>("linha");
        QTest::addColumn<QString>("esperado");

        QTest::newRow("cortado") << QStringLiteral("Ana<3<7<80")
                                 << QStringLiteral("Ana<3<7<80<95<0<0<0<0<0<0<0<0<1<1<");
        QTest::newRow("vazio") << QString() << QStringLiteral("<0<1<100<95<0<0<0<0<0<0<0<0<1<1<");
        QTest::newRow("so o nome") << QStringLiteral("Ana") << QStringLiteral("Ana<0<1<100<95<0<0<0<0<0<0<0<0<1<1<");
        QTest::newRow("sem numeros")
            << QStringLiteral("Ana<x<<rapido<muito<sim<a<b<c<d<e<f<g<h<i<s")
            << QStringLiteral("Ana<0<1<100<95<0<0<0<0<0<0<0<0<1<1<s");
        QTest::newRow("fora de 16 bits")
            << QStringLiteral("Ana<40000<2<100<95<0<0<0<0<0<-40000<0<0<1<1<s")
            << QStringLiteral("Ana<0<2<100<95<0<0<0<0<0<0<0<0<1<1<s");
        QTest::newRow("decimal") << QStringLiteral("Ana<2<3.5<90.5<95<0<0<0<0<0<0<0<0<4<2<s")
                                 << QStringLiteral("Ana<2<1<100<95<0<0<0<0<0<0<0<0<4<2<s");
        // A "<" typed into the name shifts the fields: they are taken by position.
        QTest::newRow("separador no nome")
            << QStringLiteral("A<na<3<2<100<95<0<0<0<0<0<0<0<0<3<2<s")
            << QStringLiteral("A<0<3<2<100<95<0<0<0<0<0<0<0<0<3<2");
        QTest::newRow("separador na senha")
            << QStringLiteral("Ana<3<2<100<95<0<0<0<0<0<0<0<0<3<2<s<t")
            << QStringLiteral("Ana<3<2<100<95<0<0<0<0<0<0<0<0<3<2<s");
    }

    void registrosDanificados()
    {
        QFETCH(QString, linha);
        QFETCH(QString, esperado);
        bool completo = true;
        QCOMPARE(MontarRegistro(LerRegistro(linha, &completo)), esperado);
        QVERIFY(!completo);
    }

    void linhaEnormeDeLixo()
    {
        QByteArray lixo(2 * 1024 * 1024, Qt::Uninitialized);
        QRandomGenerator gerador(1234);
        for (char& c : lixo)
            c = static_cast<char>(gerador.bounded(1, 256));
        QStringDecoder decodificador("windows-1252");
        const QString texto = decodificador.decode(lixo);

        bool completo = true;
        const RegistroUsuario r = LerRegistro(texto, &completo);
        QVERIFY(!completo);
        QVERIFY(r.nome.size() < texto.size());

        const QString semSeparador = QString(2 * 1024 * 1024, u'x');
        QCOMPARE(LerRegistro(semSeparador).nome.size(), semSeparador.size());
        QCOMPARE(LerRegistro(QString(2 * 1024 * 1024, u'<')).licaoMaxima, qint16(1));
    }

    void textoQueCabeNoRegistro()
    {
        QVERIFY(CabeNoRegistro(QStringLiteral("Usuário Padrão")));
        QVERIFY(CabeNoRegistro(QStringLiteral("Conceição € “aspas”")));
        QVERIFY(CabeNoRegistro(QString()));
        QVERIFY(!CabeNoRegistro(QStringLiteral("a<b")));
        QVERIFY(!CabeNoRegistro(QStringLiteral("a\nb")));
        QVERIFY(!CabeNoRegistro(QStringLiteral("Łukasz")));
        QVERIFY(!CabeNoRegistro(QStringLiteral("ana 😀")));
    }

    void falhaDeGravacaoMantemArquivoAnterior()
    {
        AmbienteTeste amb;
        const QByteArray anterior = BytesDe({RegistroPadrao()});
        amb.escrever(QStringLiteral("usuario.dat"), anterior);
        const QStringList novo = ListaGrande(u'N', 20000);

        // The disk refuses the write half-way (file size limit): the new
        // content is dropped and the old file stays as it was.
        {
            struct rlimit antes {};
            QCOMPARE(getrlimit(RLIMIT_FSIZE, &antes), 0);
            struct rlimit limite = antes;
            limite.rlim_cur = 64 * 1024;
            auto sinalAntes = std::signal(SIGXFSZ, SIG_IGN);
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &limite), 0);
            const ResultadoGravacao gravou = GravarArquivoUsuarios(CaminhoUsuarios(), novo);
            setrlimit(RLIMIT_FSIZE, &antes);
            std::signal(SIGXFSZ, sinalAntes);
            QVERIFY(!gravou);
            QCOMPARE(MensagemFalhaGravacao(CaminhoUsuarios(), gravou.motivo),
                     QStringLiteral("Não foi possível salvar o progresso em %1: o arquivo ficou grande demais "
                                    "para o disco").arg(CaminhoUsuarios()));
            QCOMPARE(amb.ler(QStringLiteral("usuario.dat")), anterior);
            QCOMPARE(QDir(amb.pasta()).entryList(QDir::Files), QStringList{QStringLiteral("usuario.dat")});
        }

        // Impossible paths: a folder that is a file, a file that is a folder.
        amb.escrever(QStringLiteral("arquivo"), "x");
        QVERIFY(!GravarUsuarios(amb.caminho(QStringLiteral("arquivo/usuario.dat")), novo));
        QCOMPARE(amb.ler(QStringLiteral("arquivo")), QByteArray("x"));
        QVERIFY(QDir(amb.pasta()).mkdir(QStringLiteral("pasta.dat")));
        QCOMPARE(GravarArquivoUsuarios(amb.caminho(QStringLiteral("pasta.dat")), novo).motivo,
                 QStringLiteral("não é um arquivo comum"));
        QVERIFY(QFileInfo(amb.caminho(QStringLiteral("pasta.dat"))).isDir());

        // And the file is still writable afterwards.
        QVERIFY(GravarUsuarios(CaminhoUsuarios(), novo));
        QCOMPARE(amb.ler(QStringLiteral("usuario.dat")), BytesDe(novo));
    }

    void leituraIncompletaNaoEhRegravada()
    {
        // Every way of reading less than the whole file leaves it as it is
        // for the rest of the session, and the learner is told once.
        struct Caso {
            QByteArray conteudo;
            EstadoLeitura estado;
            QString motivo;
            int linhas;
        };
        QByteArray muitas;
        for (int i = 0; i <= MaximoLinhasArquivo; ++i)
            muitas += "Aluno " + QByteArray::number(i) + "<0<1\r\n";
        const QByteArray linha4000 = QByteArray(4000, 'x') + "\r\n";
        const QByteArray enorme = linha4000.repeated(int(MaximoBytesUsuarios / linha4000.size()) + 1);
        const QList<Caso> casos{
            {muitas, EstadoLeitura::Cortado, QStringLiteral("o arquivo tem mais de 32768 linhas"), MaximoLinhasArquivo},
            {enorme, EstadoLeitura::Grande, QStringLiteral("o arquivo passa de 16 MiB"),
             int(MaximoBytesUsuarios / linha4000.size())},
            {"Ana<1\r\n" + QByteArray(5000, 'y') + "\r\nBia<2\r\n", EstadoLeitura::Grande,
             QStringLiteral("uma linha passa de 4 KiB"), 3},
        };
        for (const Caso& caso : casos) {
            AmbienteTeste amb;
            amb.escrever(QStringLiteral("usuario.dat"), caso.conteudo);
            SessaoUsuarios sessao;
            QStringList registros;
            const ResultadoLeitura r = sessao.Abrir(registros);
            QCOMPARE(r.estado, caso.estado);
            QCOMPARE(r.motivo, caso.motivo);
            QCOMPARE(registros.size(), caso.linhas);
            QVERIFY(registros.at(registros.size() - 1).size() <= MaximoBytesLinha);
            QVERIFY(sessao.SomenteLeitura());
            QCOMPARE(sessao.Aviso(), QStringLiteral("Não foi possível ler o arquivo de usuários %1: %2. Para não perder "
                                                    "nenhum aluno, o progresso não será salvo até o Teclomatic ser "
                                                    "aberto de novo.").arg(CaminhoUsuarios(), caso.motivo));
            QVERIFY(!sessao.Gravar(registros));
            QCOMPARE(sessao.Aviso(), QString());
            QCOMPARE(amb.ler(QStringLiteral("usuario.dat")), caso.conteudo);
        }

        // Read whole, or no file at all: written as usual, in the
        // application folder it can write to, and nothing is said.
        AmbienteTeste amb;
        SessaoUsuarios sessao;
        QStringList registros;
        QCOMPARE(sessao.Abrir(registros).estado, EstadoLeitura::Ausente);
        QCOMPARE(sessao.Local().naPastaAplicacao, true);
        QCOMPARE(sessao.Caminho(), CaminhoUsuarios());
        QVERIFY(sessao.Gravar({RegistroPadrao()}));
        QCOMPARE(sessao.Aviso(), QString());
        QVERIFY(!QFileInfo::exists(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
        QStringList relidos;
        const ResultadoLeitura r = LerArquivoUsuarios(CaminhoUsuarios(), relidos);
        QCOMPARE(r.estado, EstadoLeitura::Completo);
        QVERIFY(r.podeRegravar());
        QCOMPARE(relidos, QStringList{RegistroPadrao()});
    }

    void soArquivosComunsSaoLidosOuGravados()
    {
        // A FIFO would hang the start-up, a device would be read forever:
        // neither is opened, and neither is written over.
        AmbienteTeste amb;
        QVERIFY(::mkfifo(QFile::encodeName(CaminhoUsuarios()).constData(), 0600) == 0);
        QStringList registros;
        const ResultadoLeitura r = LerArquivoUsuarios(CaminhoUsuarios(), registros);
        QCOMPARE(r.estado, EstadoLeitura::NaoRegular);
        QCOMPARE(r.motivo, QStringLiteral("não é um arquivo comum"));
        QVERIFY(!r.podeRegravar());
        QCOMPARE(GravarArquivoUsuarios(CaminhoUsuarios(), {RegistroPadrao()}).motivo,
                 QStringLiteral("não é um arquivo comum"));
        QVERIFY(QFileInfo(CaminhoUsuarios()).isFile() == false);
        QVERIFY(!LerArquivo(CaminhoUsuarios(), registros, true));
        QCOMPARE(registros, QStringList{});
    }

    void linksSoDentroDaPasta()
    {
        AmbienteTeste amb;
        QTemporaryDir fora;
        const QString alheio = fora.filePath(QStringLiteral("alheio.dat"));
        QFile(alheio).open(QIODevice::WriteOnly);
        const QByteArray lista = BytesDe({RegistroPadrao()});
        amb.escrever(QStringLiteral("dados.dat"), lista);
        auto ligar = [&](const QString& alvo) {
            QFile::remove(CaminhoUsuarios());
            QVERIFY(QFile::link(alvo, CaminhoUsuarios()));
        };

        // To a file of the same folder: read and written through the link,
        // which stays a link.
        ligar(QStringLiteral("dados.dat"));
        QStringList registros;
        QCOMPARE(LerArquivoUsuarios(CaminhoUsuarios(), registros).estado, EstadoLeitura::Completo);
        QCOMPARE(registros, QStringList{RegistroPadrao()});
        QVERIFY(GravarUsuarios(CaminhoUsuarios(), {QStringLiteral("Ana")}));
        QCOMPARE(amb.ler(QStringLiteral("dados.dat")), QByteArray("Ana\r\n"));
        QVERIFY(QFileInfo(CaminhoUsuarios()).isSymLink());

        // Out of the folder (another account's file, a device): neither
        // read nor written.
        for (const QString& alvo : {alheio, QStringLiteral("/dev/zero")}) {
            ligar(alvo);
            const ResultadoLeitura r = LerArquivoUsuarios(CaminhoUsuarios(), registros);
            QCOMPARE(r.estado, EstadoLeitura::NaoRegular);
            QCOMPARE(r.motivo, QStringLiteral("é um atalho para fora da sua pasta"));
            QCOMPARE(GravarArquivoUsuarios(CaminhoUsuarios(), {QStringLiteral("Ana")}).motivo, r.motivo);
        }
        QCOMPARE(QFileInfo(alheio).size(), 0);

        // To nothing, here or elsewhere: the target is never created.
        for (const QString& alvo : {amb.caminho(QStringLiteral("novo.dat")), fora.filePath(QStringLiteral("novo.dat"))}) {
            ligar(alvo);
            QCOMPARE(GravarArquivoUsuarios(CaminhoUsuarios(), {QStringLiteral("Ana")}).motivo,
                     QStringLiteral("é um atalho para um arquivo que não existe"));
            QVERIFY(!QFileInfo::exists(alvo));
        }
    }

    void sobrasDeGravacaoInterrompidaSaoRemovidas()
    {
        // Only the names Qt gives the temporary copy of a save (the file's
        // name, a dot, six letters) and only regular files; however recent,
        // since the file's lock says no save is under way.
        AmbienteTeste amb;
        amb.escrever(QStringLiteral("usuario.dat"), BytesDe({RegistroPadrao()}));
        const QStringList ficam{QStringLiteral("usuario.dat.Ab1dEf"), QStringLiteral("usuario.dat.AbCdEfG"),
                                QStringLiteral("outro.dat.AbCdEf")};
        for (const QString& n : ficam + QStringList{QStringLiteral("usuario.dat.AbCdEf"), QStringLiteral("usuario.dat.RecEnt")})
            amb.escrever(n, "meio gravado");
        QVERIFY(QDir(amb.pasta()).mkdir(QStringLiteral("usuario.dat.QwErTy")));
        QVERIFY(QFile::link(amb.caminho(QStringLiteral("outro.dat.AbCdEf")), amb.caminho(QStringLiteral("usuario.dat.ZxCvBn"))));

        SessaoUsuarios sessao;
        QStringList registros;
        QCOMPARE(sessao.Abrir(registros).estado, EstadoLeitura::Completo);
        QVERIFY(!QFileInfo::exists(amb.caminho(QStringLiteral("usuario.dat.AbCdEf"))));
        QVERIFY(!QFileInfo::exists(amb.caminho(QStringLiteral("usuario.dat.RecEnt"))));
        for (const QString& n : ficam + QStringList{QStringLiteral("usuario.dat.QwErTy"), QStringLiteral("usuario.dat.ZxCvBn")})
            QVERIFY2(QFileInfo::exists(amb.caminho(n)), qPrintable(n));
    }

    void processoMortoNoMeioDaGravacao()
    {
        AmbienteTeste amb;
        const QByteArray a = BytesDe(ListaGrande(u'A', 30000));
        const QByteArray b = BytesDe(ListaGrande(u'B', 30000));
        QCOMPARE(a.size(), b.size());
        amb.escrever(QStringLiteral("usuario.dat"), a);

        for (int rodada = 0; rodada < 10; ++rodada) {
            QProcess filho;
            QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
            ambiente.insert(QString::fromLatin1(VariavelGravador), CaminhoUsuarios());
            filho.setProcessEnvironment(ambiente);
            filho.setProcessChannelMode(QProcess::SeparateChannels);
            filho.start(QCoreApplication::applicationFilePath(), {});
            QVERIFY(filho.waitForStarted());

            // Let it finish a few rewrites.
            int gravados = 0;
            while (gravados < 2 + rodada % 3) {
                if (!filho.canReadLine() && !filho.waitForReadyRead(60000))
                    QFAIL("the writer process stopped reporting");
                while (filho.canReadLine()) {
                    if (filho.readLine().startsWith("gravado "))
                        ++gravados;
                }
            }
            // Then kill it the moment the file looks unfinished, or after a
            // while (a rewrite takes tens of milliseconds; the wait differs
            // per round so the kill falls at different points of it).
            for (int espera = 0; espera < 25 * (rodada + 1); ++espera) {
                if (QFileInfo(CaminhoUsuarios()).size() != a.size())
                    break;
                QThread::usleep(200);
            }
            filho.kill();
            QVERIFY(filho.waitForFinished());

            const QByteArray restou = amb.ler(QStringLiteral("usuario.dat"));
            QVERIFY2(restou == a || restou == b, "usuario.dat is not one of the two whole versions");
        }
    }

    void deslizadores()
    {
        QCOMPARE(VelocidadeDaPosicao(405), 79);
        QCOMPARE(VelocidadeDaPosicao(1020), 100);
        QCOMPARE(VelocidadeDaPosicao(5550), 251);
        QCOMPARE(PrecisaoDaPosicao(405), 70);
        QCOMPARE(PrecisaoDaPosicao(514), 70);
        QCOMPARE(PrecisaoDaPosicao(515), 72);
        QCOMPARE(PrecisaoDaPosicao(4635), 95);
        QCOMPARE(PrecisaoDaPosicao(5550), 100);
        QCOMPARE(LarguraBarra(PosicaoVelocidadeRecomendada), 770);

        // Exact halves go to the even neighbour: 99.5 -> 100, 100.5 -> 100.
        QCOMPARE(VelocidadeDaPosicao(1015), 100);
        QCOMPARE(VelocidadeDaPosicao(1045), 100);
        QCOMPARE(VelocidadeDaPosicao(1046), 101);
        QCOMPARE(PosicaoDaVelocidade(100), 1015);
        QCOMPARE(PosicaoDaVelocidade(101), 1046);

        // Every value of the track is found at its first position.
        for (int v = 79; v <= 251; ++v) {
            const int p = PosicaoDaVelocidade(v);
            QCOMPARE(VelocidadeDaPosicao(p), v);
            QVERIFY(p == PosicaoMinimaDeslizador || VelocidadeDaPosicao(p - 1) != v);
        }
        for (int v = 72; v <= 100; ++v) {
            const int p = PosicaoDaPrecisao(v);
            QCOMPARE(PrecisaoDaPosicao(p), v);
            QVERIFY(PrecisaoDaPosicao(p - 1) != v);
        }
        QCOMPARE(PosicaoDaPrecisao(72), 515);
        QCOMPARE(PosicaoDaPrecisao(70), 405);

        // Values the track cannot show stop at the nearer end.
        QCOMPARE(PosicaoDaVelocidade(78), 405);
        QCOMPARE(PosicaoDaVelocidade(-32768), 405);
        QCOMPARE(PosicaoDaVelocidade(252), 5550);
        QCOMPARE(PosicaoDaVelocidade(32767), 5550);
        QCOMPARE(PosicaoDaPrecisao(71), 405);
        QCOMPARE(PosicaoDaPrecisao(69), 405);
        QCOMPARE(PosicaoDaPrecisao(101), 5550);
    }
};

QTEST_MAIN(TstUsuariosArquivo)
#include "tst_usuarios_arquivo.moc"
