// The user store without a window: loading usuario.dat, selecting and
// searching, the password, the two savers and their frontier rules, adding,
// editing and deleting learners.
#include "Treino.h"

#include "app/EstadoCurso.h"
#include "app/PastaAplicacao.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>

class TstNucleoUsuarios : public QObject {
    Q_OBJECT
private slots:
    void carregarPulaLinhasEmBrancoECriaOPadrao();
    void selecaoETipoAdiante();
    void senha();
    void fronteiras();
    void salvarMantemALinhaDoAluno();
    void adicionarAlterarDeletar();
    void arquivoLidoEmParteNuncaEGravado();
    void discoCheioNaoMexeNoArquivo_data();
    void discoCheioNaoMexeNoArquivo();
};

void TstNucleoUsuarios::carregarPulaLinhasEmBrancoECriaOPadrao()
{
    {
        Treino t({QStringLiteral("Ana<0<1<100<95<0<0<0<0<0<0<0<0<1<1<a"), QString(),
                  QStringLiteral("Bia<0<1<100<95<0<0<0<0<0<0<0<0<1<1<b")});
        t.usuarios->Carregar();
        QCOMPARE(t.usuarios->Nomes(), (QStringList{QStringLiteral("Ana"), QStringLiteral("Bia")}));
        QCOMPARE(t.usuarios->Selecionado(), -1);
    }
    {
        Treino t; // no usuario.dat at all
        t.usuarios->Carregar();
        QCOMPARE(t.usuarios->vUsuario, QStringList{RegistroPadrao()});
        QCOMPARE(t.usuariosNoDisco(), QStringList{RegistroPadrao()});
    }
}

void TstNucleoUsuarios::selecaoETipoAdiante()
{
    Perfil joao;
    joao.nome = QStringLiteral("João");
    joao.acertos = 7;
    joao.velocidade = 33;
    joao.livre = 1;
    Treino t({Perfil().linha(), joao.linha()});
    CadastroUsuarios& u = *t.usuarios;
    u.Carregar();
    QSignalSpy selecionado(&u, &CadastroUsuarios::selecionado);
    QCOMPARE(u.BuscarPrefixo(QStringLiteral("j")), 1);
    QCOMPARE(u.BuscarPrefixo(QStringLiteral("AN")), 0);
    QCOMPARE(u.BuscarPrefixo(QStringLiteral("Jox")), -1);
    u.SelecionarUsuario(1);
    QCOMPARE(selecionado.count(), 1);
    QCOMPARE(u.Carregado().nome, QStringLiteral("João"));
    QVERIFY(u.Livre());
    QCOMPARE(Estado().Acertos, qint16(7));
    QCOMPARE(Estado().Velocidade, qint16(33));
    QCOMPARE(Estado().SenhaUsuario, QStringLiteral("segredo"));
    u.SelecionarUsuario(5); // no such row: nothing changes
    QCOMPARE(u.Selecionado(), 1);
    QCOMPARE(u.OutroComNome(QStringLiteral(" joão ")), 1);
    QCOMPARE(u.OutroComNome(QStringLiteral("João"), 1), -1);
}

void TstNucleoUsuarios::senha()
{
    Treino t({Perfil().linha()});
    t.usuarios->Carregar();
    t.usuarios->SelecionarUsuario(0);
    QVERIFY(t.usuarios->ConferirSenha(QStringLiteral(" SEGREDO ")));
    QVERIFY(t.usuarios->ConferirSenha(QStringLiteral("chavemestra")));
    QVERIFY(!t.usuarios->ConferirSenha(QStringLiteral("segred")));
}

void TstNucleoUsuarios::fronteiras()
{
    // Lesson 3 is the highest; practice moves the frontier only forward,
    // log-off sets it to the exercise on screen.
    Perfil p;
    p.licao = p.licaoMaxima = 3;
    Treino t({p.linha()});
    t.entrar();
    SessaoPratica& s = *t.sessao;
    t.completarExercicio();
    t.completarExercicio();
    QCOMPARE(Campo(t.usuariosNoDisco().value(0), 3), QStringLiteral("3"));
    QCOMPARE(Campo(t.usuariosNoDisco().value(0), 15), QStringLiteral("3"));
    s.ExercicioAnterior();
    QCOMPARE(Campo(t.usuariosNoDisco().value(0), 3), QStringLiteral("2"));
    QCOMPARE(Campo(t.usuariosNoDisco().value(0), 15), QStringLiteral("3"));
    t.usuarios->SalvarUsuario(s.ExercicioNaTela());
    QCOMPARE(Campo(t.usuariosNoDisco().value(0), 15), QStringLiteral("2"));
    QCOMPARE(Estado().ExercicioMaximo, qint16(2));

    // Below the highest lesson the frontier stays where it is.
    Perfil q;
    q.licao = 3;
    q.licaoMaxima = 5;
    q.exercicioMaximo = 4;
    Treino u({q.linha()});
    u.entrar();
    u.completarExercicio();
    u.usuarios->SalvarUsuario(u.sessao->ExercicioNaTela());
    const QString salvo = u.usuariosNoDisco().value(0);
    QCOMPARE(Campo(salvo, 3), QStringLiteral("2"));
    QCOMPARE(Campo(salvo, 14), QStringLiteral("5"));
    QCOMPARE(Campo(salvo, 15), QStringLiteral("4"));

    // With no lesson open (the introduction) a save keeps the stored exercise.
    Perfil r;
    r.licao = 0;
    r.exercicio = 7;
    Treino v({r.linha()});
    v.entrar();
    v.usuarios->SalvarUsuario(v.sessao->ExercicioNaTela());
    QCOMPARE(Campo(v.usuariosNoDisco().value(0), 3), QStringLiteral("7"));
}

void TstNucleoUsuarios::salvarMantemALinhaDoAluno()
{
    // Two learners whose lines read the same: saves stay on the learner's
    // own line, and nobody else's line changes.
    const QString primeira = QStringLiteral("Ana<3<1<100<95<0<4<5<1<3<200<48<0<3<2<a");
    const QString segunda = QStringLiteral("Ana<3<2<100<95<0<4<5<1<3<200<48<0<3<2<a");
    const QString outra = QStringLiteral("Bia<0<1<100<95<0<0<0<0<0<0<0<0<1<1<b");
    Treino t({primeira, segunda, outra});
    t.entrar(1);
    QCOMPARE(t.sessao->Modulo.indice, 1);
    t.sessao->ExercicioAnterior();
    QCOMPARE(t.usuariosNoDisco(), (QStringList{primeira, primeira, outra}));
    t.sessao->ProximoExercicio(false);
    QCOMPARE(t.usuariosNoDisco(), (QStringList{primeira, segunda, outra}));
    t.usuarios->SalvarUsuario(t.sessao->ExercicioNaTela());
    QCOMPARE(t.usuariosNoDisco(), (QStringList{primeira, segunda, outra}));
}

void TstNucleoUsuarios::adicionarAlterarDeletar()
{
    Treino t({Perfil().linha()});
    CadastroUsuarios& u = *t.usuarios;
    u.Carregar();
    u.Adicionar(RegistroNovo(QStringLiteral("Bia"), QStringLiteral("b")));
    QCOMPARE(u.Nomes(), (QStringList{QStringLiteral("Ana"), QStringLiteral("Bia")}));
    QCOMPARE(u.Selecionado(), 1);
    QCOMPARE(t.usuariosNoDisco(), u.vUsuario);

    // A profile edit keeps position, counters and frontier and follows the
    // new name.
    u.AlterarPerfil(QStringLiteral("Beatriz"), QStringLiteral("80"), QStringLiteral("90"), true,
                    QStringLiteral("nova"));
    const RegistroUsuario r = LerRegistro(t.usuariosNoDisco().value(1));
    QCOMPARE(r.nome, QStringLiteral("Beatriz"));
    QCOMPARE(r.velocidadeMinima, QStringLiteral("80"));
    QCOMPARE(r.precisaoMinima, QStringLiteral("90"));
    QCOMPARE(r.livre, qint16(1));
    QCOMPARE(r.senha, QStringLiteral("nova"));
    QCOMPARE(u.Selecionado(), 1);
    QCOMPARE(u.Carregado().nome, QStringLiteral("Beatriz"));

    u.Deletar();
    QCOMPARE(u.Nomes(), QStringList{QStringLiteral("Ana")});
    QCOMPARE(u.Selecionado(), 0);
    u.Deletar(); // the last one gone: the default user takes its place
    QCOMPARE(u.vUsuario, QStringList{RegistroPadrao()});
    QCOMPARE(t.usuariosNoDisco(), QStringList{RegistroPadrao()});
}

void TstNucleoUsuarios::arquivoLidoEmParteNuncaEGravado()
{
    // More learners than the reader takes: the run goes on with those read,
    // the learner is told once, and nothing is written over the file, so no
    // learner beyond the cut is lost. A new user is then not shown as saved.
    QStringList muitos;
    for (int i = 0; i < 32800; ++i)
        muitos << QStringLiteral("A%1<1<1<100<95<0<0<0<0<0<0<0<0<1<1<a").arg(i);
    Treino t(muitos);
    QSignalSpy avisos(t.usuarios.get(), &CadastroUsuarios::aviso);
    const QByteArray antes = [&] {
        QFile f(t.caminho(QStringLiteral("usuario.dat")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    t.entrar();
    QCOMPARE(avisos.count(), 1);
    QVERIFY(avisos.at(0).at(0).toString().contains(QStringLiteral("o progresso não será salvo")));
    t.completarExercicio();
    t.usuarios->SalvarUsuario(t.sessao->ExercicioNaTela());
    QVERIFY(!t.usuarios->Adicionar(RegistroNovo(QStringLiteral("Bia"), QStringLiteral("b"))));
    QCOMPARE(t.usuarios->ListCount(), 32768);
    QCOMPARE(avisos.count(), 1);
    QFile f(t.caminho(QStringLiteral("usuario.dat")));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), antes);
}

void TstNucleoUsuarios::discoCheioNaoMexeNoArquivo_data()
{
    QTest::addColumn<bool>("tmpfs"); // a real small file system, or a failure put behind the writes
    QTest::addColumn<QString>("acao");
    for (const bool tmpfs : {false, true})
        for (const char* acao : {"exercicio", "novo aluno", "primeira copia"})
            QTest::addRow("%s, %s", tmpfs ? "tmpfs" : "falha injetada", acao) << tmpfs << QString::fromLatin1(acao);
}

void TstNucleoUsuarios::discoCheioNaoMexeNoArquivo()
{
    // A small class (a file well under 16 KiB) on a full disk: finishing an
    // exercise, adding a learner and the first copy into the per-user folder
    // each leave usuario.dat byte for byte as it was, and the learner hears
    // of it once (a new learner's failure is FrmAdd's to tell).
    QFETCH(bool, tmpfs);
    QFETCH(QString, acao);
    QTemporaryDir raiz;
    DiscoPequeno disco(raiz.filePath(QStringLiteral("disco")));
    if (tmpfs && !disco.Montado())
        QSKIP("no small file system can be mounted here (it needs root)");
    const bool copia = acao == QLatin1String("primeira copia");
    // The first copy goes from an application folder that cannot keep data
    // (no lessons beside it) to the per-user folder on the small disk.
    const QString app = copia ? raiz.filePath(QStringLiteral("app")) : raiz.filePath(QStringLiteral("disco"));
    QDir(app).mkpath(copia ? QStringLiteral(".") : QStringLiteral("Modulos"));
    const QByteArray dadosAntes = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(raiz.filePath(QStringLiteral("disco"))));
    DefinirPastaAplicacao(app);
    ReiniciarEstado();
    Perfil bia, caio;
    bia.nome = QStringLiteral("Bia");
    caio.nome = QStringLiteral("Caio");
    const QByteArray antes = CodificarWindows1252(QStringList{Perfil().linha(), bia.linha(), caio.linha()}.join(
                                                      QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    const QString arquivo = QDir(app).filePath(QStringLiteral("usuario.dat"));
    {
        QFile f(arquivo);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(antes) == antes.size());
    }
    {
        std::optional<DiscoComFalha> falha;
        auto encher = [&] {
            // Before the first copy, room for the file's lock alone.
            if (tmpfs)
                disco.Encher(copia ? 1 : 0);
            else
                falha.emplace(DiscoComFalha::Falha::Reserva);
        };
        CadastroUsuarios u;
        QSignalSpy avisos(&u, &CadastroUsuarios::aviso);
        if (copia)
            encher();
        u.Carregar();
        QCOMPARE(u.ListCount(), 3);
        u.SelecionarUsuario(0);
        if (!copia)
            encher();
        if (acao == QLatin1String("novo aluno")) {
            QVERIFY(!u.Adicionar(RegistroNovo(QStringLiteral("Nina"), QStringLiteral("n"))));
            QCOMPARE(u.Nomes(), (QStringList{QStringLiteral("Ana"), QStringLiteral("Bia"), QStringLiteral("Caio")}));
            QVERIFY2(u.FalhaAoSalvar(QStringLiteral("o novo usuário")).endsWith(QStringLiteral(": o disco está cheio")),
                     qPrintable(u.FalhaAoSalvar(QStringLiteral("o novo usuário"))));
        } else {
            u.Entrar();
            u.SalvarProgresso(2);
            u.SalvarProgresso(3);
        }
        QCOMPARE(avisos.size(), acao == QLatin1String("novo aluno") ? 0 : 1);
        if (!avisos.isEmpty())
            QVERIFY2(avisos.at(0).at(0).toString().contains(QStringLiteral("o disco está cheio")),
                     qPrintable(avisos.at(0).at(0).toString()));
    }
    QFile f(arquivo);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), antes);
    QStringList deixados = QDir(app).entryList(QDir::Files);
    deixados.removeOne(QStringLiteral("enchimento"));
    QCOMPARE(deixados, QStringList{QStringLiteral("usuario.dat")});
    // No half copy is left to be taken for the list at the next start.
    QVERIFY(!QFile::exists(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                           + QStringLiteral("/usuario.dat")));
    DefinirPastaAplicacao(QString());
    qputenv("XDG_DATA_HOME", dadosAntes);
}

QTEST_GUILESS_MAIN(TstNucleoUsuarios)
#include "tst_nucleo_usuarios.moc"
