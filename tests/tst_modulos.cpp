#include "app/EstadoCurso.h"
#include "course/ModFun.h"
#include "course/TextoExercicio.h"
#include "fakes/Fakes.h"

#include <QFile>
#include <QProcess>
#include <QtTest>

#include <cstring>
#include <functional>
#include <sys/stat.h>

namespace {

// Every character a lesson may hold.
const QString CaracteresDaLicao = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZçÇ,.;# ");

QString Ferramenta()
{
    return QStringLiteral(TECLOMATIC_TOOLS_DIR "/teclomod");
}

struct Execucao {
    int codigo = -1;
    QByteArray saida;
    QString erros;
};

Execucao Rodar(const QStringList& argumentos)
{
    QProcess processo;
    processo.start(Ferramenta(), argumentos);
    Execucao r;
    if (!processo.waitForFinished(60000) || processo.exitStatus() != QProcess::NormalExit)
        return r;
    r.codigo = processo.exitCode();
    r.saida = processo.readAllStandardOutput();
    r.erros = QString::fromUtf8(processo.readAllStandardError());
    return r;
}

// Hands out its pieces one read at a time, runs an action before each
// piece, then fails every read once the pieces run out (when told to).
class DispositivoEmPedacos : public QIODevice {
public:
    QList<QByteArray> pedacos;
    QList<std::function<void()>> antes;
    bool falharNoFim = false;

    qint64 readData(char* dados, qint64 maximo) override
    {
        if (pedacos.isEmpty())
            return falharNoFim ? -1 : 0;
        if (!antes.isEmpty())
            antes.takeFirst()();
        const QByteArray p = pedacos.takeFirst();
        Q_ASSERT(p.size() <= maximo);
        memcpy(dados, p.constData(), size_t(p.size()));
        return p.size();
    }
    qint64 writeData(const char*, qint64) override { return -1; }
    bool isSequential() const override { return true; }
};

} // namespace

class TstModulos : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(Ferramenta()), "build the teclomod target first");
    }

    // ---- key values and the scrambling ----

    void chavesCarregamTodoCaractereDaLicao()
    {
        const QByteArray codigos = CodificarWindows1252(CaracteresDaLicao);
        QCOMPARE(DecodificarWindows1252(codigos), CaracteresDaLicao);
        for (int licao = 1; licao <= 52; ++licao) {
            const int chave = ChaveModulo(licao);
            QVERIFY(chave >= 1 && chave <= 254);
            QCOMPARE(ChaveEfetiva(chave), chave);
            for (const char c : codigos) {
                const int guardado = (static_cast<unsigned char>(c) + chave) % 255;
                // Never a line break, never a byte a reader could drop or trim.
                for (int proibido : {0, 9, 10, 13, 26, 32})
                    QVERIFY2(guardado != proibido,
                             qPrintable(QStringLiteral("lesson %1, code %2").arg(licao).arg(uchar(c))));
            }
        }
        QCOMPARE(ChaveModulo(ChaveModuloFixa::Limite - 1) - (ChaveModuloFixa::Limite - 1),
                 ChaveModuloFixa::DeslocamentoAbaixo);
        QCOMPARE(ChaveModulo(ChaveModuloFixa::Limite) - ChaveModuloFixa::Limite, ChaveModuloFixa::DeslocamentoAcima);
    }

    void cifrarEDecifrarIdaEVolta()
    {
        // Every code 0..254, between two letters so the trim leaves it alone.
        QByteArray todos("x");
        for (int b = 0; b <= 254; ++b)
            todos.append(char(b));
        todos.append('x');
        const QString texto = DecodificarWindows1252(todos);
        for (int chave = 1; chave <= 254; ++chave) {
            int k1 = chave, k2 = chave;
            const QString cifrado = Cifrar(texto, k1);
            QCOMPARE(Decifrar(cifrado, k2), texto);
            QCOMPARE(k2, chave);
            int k3 = chave, k4 = chave;
            QCOMPARE(DecifrarBytes(CifrarBytes(todos, k3), k4), todos);
        }

        // The rule itself: v = a - key, plus 255 when negative; a == key gives 0.
        int chave = 10;
        QCOMPARE(DecifrarBytes(QByteArray("\x05\x0A\x0B"), chave), QByteArray("\xFA\x00\x01", 3));

        // Key 0 means the default, a key above 254 means 254; both are written back.
        const QString linha = QStringLiteral("Ação;#");
        int padrao = ChaveModuloFixa::Padrao;
        const QString comPadrao = Cifrar(linha, padrao);
        int zero = 0;
        QCOMPARE(Decifrar(comPadrao, zero), linha);
        QCOMPARE(zero, ChaveModuloFixa::Padrao);
        int k254 = 254;
        const QString com254 = Cifrar(linha, k254);
        int grande = 300;
        QCOMPARE(Decifrar(com254, grande), linha);
        QCOMPARE(grande, 254);

        // Only spaces (code 32) are trimmed, at both ends.
        int k = 50;
        const QString espacos = Cifrar(QStringLiteral("  \tasdf\t  "), k);
        k = 50;
        QCOMPARE(Decifrar(espacos, k), QStringLiteral("\tasdf\t"));
    }

    void windows1252()
    {
        QByteArray todos;
        for (int b = 0; b <= 255; ++b)
            todos.append(char(b));
        const QString texto = DecodificarWindows1252(todos);
        QCOMPARE(texto.size(), 256);
        QCOMPARE(CodificarWindows1252(texto), todos);
        QCOMPARE(texto.at(0x80), QChar(0x20AC));
        QCOMPARE(texto.at(0xE7), QChar(0x00E7));
        QCOMPARE(CodigoWindows1252(U'€'), 0x80);
        QCOMPARE(CodigoWindows1252(U'Ç'), 0xC7);
        QCOMPARE(CodigoWindows1252(U'ā'), -1);
        QCOMPARE(CodigoWindows1252(U'☺'), -1);
    }

    // ---- LerArquivo on real files ----

    void fimDeLinha_data()
    {
        QTest::addColumn<QByteArray>("conteudo");
        QTest::addColumn<QStringList>("linhas");
        QTest::newRow("CR LF") << QByteArray("um\r\ndois\r\n") << QStringList{"um", "dois"};
        QTest::newRow("lone CR") << QByteArray("um\rdois\r") << QStringList{"um", "dois"};
        QTest::newRow("lone LF stays") << QByteArray("um\ndois\r\ntres") << QStringList{"um\ndois", "tres"};
        QTest::newRow("no final terminator") << QByteArray("um\r\ndois") << QStringList{"um", "dois"};
        QTest::newRow("empty lines kept") << QByteArray("a\r\n\r\n\rb\r\n") << QStringList{"a", "", "", "b"};
        QTest::newRow("CR CR LF") << QByteArray("a\r\r\nb") << QStringList{"a", "", "b"};
        QTest::newRow("only a terminator") << QByteArray("\r\n") << QStringList{""};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("windows-1252") << QByteArray("a\xE7\xE3o \x80\r\n") << QStringList{QStringLiteral("ação €")};
    }

    void fimDeLinha()
    {
        QFETCH(QByteArray, conteudo);
        QFETCH(QStringList, linhas);
        AmbienteTeste ambiente;
        ambiente.escrever(QStringLiteral("usuario.dat"), conteudo);
        QStringList lidas;
        QVERIFY(LerArquivo(ambiente.caminho(QStringLiteral("usuario.dat")), lidas, true));
        QCOMPARE(lidas, linhas);
    }

    void linhasLongasEBlocos()
    {
        // A CR LF that straddles the reader's 64 KiB blocks is one terminator.
        AmbienteTeste ambiente;
        const QByteArray longa(65535, 'x');
        ambiente.escrever(QStringLiteral("longo.dat"), longa + "\r\nfim");
        QStringList lidas;
        QVERIFY(LerArquivo(ambiente.caminho(QStringLiteral("longo.dat")), lidas, true));
        QCOMPARE(lidas, (QStringList{QString::fromLatin1(longa), QStringLiteral("fim")}));
    }

    void leituraPlanaEArquivoAusente()
    {
        AmbienteTeste ambiente;
        Estado().LicaoAtual = 5;
        // Plain reading keeps the spaces and does not unscramble.
        ambiente.escrever(QStringLiteral("usuario.dat"), "  Ana<1<2  \r\n\x01\x02 \r\n");
        QStringList registros{QStringLiteral("antes")};
        QVERIFY(LerArquivo(ambiente.caminho(QStringLiteral("usuario.dat")), registros, true));
        QCOMPARE(registros, (QStringList{"antes", "  Ana<1<2  ", QStringLiteral("\x01\x02 ")}));

        // A missing file leaves the list as it was.
        QStringList lista{QStringLiteral("fica")};
        QVERIFY(!LerArquivo(ambiente.caminho(QStringLiteral("Modulos/mod9.mod")), lista, false));
        QCOMPARE(lista, QStringList{QStringLiteral("fica")});
    }

    void leituraCifradaUsaAChaveDaLicaoAtual()
    {
        AmbienteTeste ambiente;
        Estado().LicaoAtual = 3;
        int chave = ChaveModulo(3);
        QByteArray arquivo = CifrarBytes(CodificarWindows1252(QStringLiteral("  asdf ")), chave) + "\r\n";
        chave = ChaveModulo(3);
        arquivo += CifrarBytes(CodificarWindows1252(QStringLiteral("a caça")), chave);
        ambiente.escrever(QStringLiteral("Modulos/mod3.mod"), arquivo);
        QStringList linhas;
        QVERIFY(LerArquivo(CaminhoModulo(3), linhas, false));
        QCOMPARE(linhas, (QStringList{"asdf", QStringLiteral("a caça")}));
        // The same file read as lesson 30 gives other text.
        Estado().LicaoAtual = 30;
        QStringList outra;
        QVERIFY(LerArquivo(CaminhoModulo(3), outra, false));
        QVERIFY(outra.value(0) != QStringLiteral("asdf"));
    }

    void chaveRecalculadaPorLinhaEFalhaDeLeitura()
    {
        AmbienteTeste ambiente;
        int k3 = ChaveModulo(3), k40 = ChaveModulo(40);
        DispositivoEmPedacos dispositivo;
        dispositivo.pedacos = {CifrarBytes("asdf", k3) + "\r\n", CifrarBytes("jkl;", k40) + "\r\n",
                               CifrarBytes("parte", k40)};
        dispositivo.antes = {[] { Estado().LicaoAtual = 3; }, [] { Estado().LicaoAtual = 40; }, [] {}};
        dispositivo.falharNoFim = true;
        QVERIFY(dispositivo.open(QIODevice::ReadOnly));
        QStringList linhas;
        // The read fails after the third piece: the whole lines stay, the
        // cut-off one is not added.
        QVERIFY(!LerLinhas(dispositivo, linhas, false));
        QCOMPARE(linhas, (QStringList{"asdf", "jkl;"}));
    }

    void limiteDeLinhas()
    {
        AmbienteTeste ambiente;
        QByteArray conteudo;
        for (int i = 0; i < MaximoLinhasArquivo + 2; ++i)
            conteudo += QByteArray::number(i) + "\r\n";
        ambiente.escrever(QStringLiteral("grande.dat"), conteudo);
        QStringList linhas;
        QVERIFY(!LerArquivo(ambiente.caminho(QStringLiteral("grande.dat")), linhas, true));
        QCOMPARE(linhas.size(), MaximoLinhasArquivo);
        QCOMPARE(linhas.last(), QString::number(MaximoLinhasArquivo - 1));
    }

    void moduloSoArquivoComumEAteOLimite()
    {
        // A module is read up to 1 MiB with lines of up to 4 KiB; the lines
        // within the cap stay and the lesson says why it is short.
        AmbienteTeste ambiente;
        Estado().LicaoAtual = 3;
        int chave = ChaveModulo(3);
        const QByteArray texto = QByteArray("asdf ").repeated(20).trimmed();
        const QByteArray linha = CifrarBytes(texto, chave) + "\r\n";
        ambiente.escrever(QStringLiteral("Modulos/mod3.mod"),
                          linha.repeated(int(MaximoBytesModulo / linha.size()) + 1));
        QStringList linhas;
        ResultadoLeitura r = LerArquivo(CaminhoModulo(3), linhas, false, LimitesModulo);
        QCOMPARE(r.estado, EstadoLeitura::Grande);
        QCOMPARE(linhas.size(), int(MaximoBytesModulo / linha.size()));
        QCOMPARE(linhas.last(), QString::fromLatin1(texto));
        QCOMPARE(MensagemLeituraModulo(CaminhoModulo(3), r),
                 QStringLiteral("Não foi possível ler a lição em %1: o arquivo passa de 1 MiB").arg(CaminhoModulo(3)));

        ambiente.escrever(QStringLiteral("Modulos/mod3.mod"), linha);
        linhas.clear();
        r = LerArquivo(CaminhoModulo(3), linhas, false, LimitesModulo);
        QCOMPARE(r.estado, EstadoLeitura::Completo);
        QCOMPARE(r.motivo, QString());
        QCOMPARE(linhas, QStringList{QString::fromLatin1(texto)});

        // A module link may point anywhere (an installed copy), but only to
        // a regular file: not to a device, a FIFO or a folder.
        QVERIFY(::mkfifo(QFile::encodeName(ambiente.caminho(QStringLiteral("fifo"))).constData(), 0600) == 0);
        const QStringList alvos{QStringLiteral("/dev/zero"), ambiente.caminho(QStringLiteral("fifo")),
                                ambiente.pasta()};
        for (const QString& alvo : alvos) {
            QFile::remove(CaminhoModulo(3));
            QVERIFY(QFile::link(alvo, CaminhoModulo(3)));
            linhas.clear();
            r = LerArquivo(CaminhoModulo(3), linhas, false, LimitesModulo);
            QCOMPARE(r.estado, EstadoLeitura::NaoRegular);
            QCOMPARE(r.motivo, QStringLiteral("não é um arquivo comum"));
            QVERIFY(!LerArquivo(CaminhoModulo(3), linhas, false));
            QCOMPARE(linhas, QStringList{});
        }
        QCOMPARE(LerArquivo(CaminhoModulo(4), linhas, false, LimitesModulo).estado, EstadoLeitura::Ausente);
    }

    // ---- the teclomod tool ----

    void ferramentaCarregaTodoCaractereEmTodasAsLicoes()
    {
        AmbienteTeste ambiente;
        const QStringList fonte{QStringLiteral("abcdefghijklmnopqrstuvwxyz"),
                                QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"),
                                QStringLiteral("ç,Ç.;#a b"),
                                QStringLiteral("asdf"),
                                CaracteresDaLicao.trimmed() + QStringLiteral(" ") + CaracteresDaLicao.trimmed()};
        // CR LF line breaks and no final break: both are accepted.
        ambiente.escrever(QStringLiteral("licao.txt"), fonte.join(QStringLiteral("\r\n")).toUtf8());
        for (int licao = 1; licao <= 52; ++licao) {
            const QString destino = CaminhoModulo(licao);
            const Execucao r = Rodar({"build", ambiente.caminho(QStringLiteral("licao.txt")), QString::number(licao),
                                      destino});
            QVERIFY2(r.codigo == 0, qPrintable(r.erros));

            QFile modulo(destino);
            QVERIFY(modulo.open(QIODevice::ReadOnly));
            const QByteArray bytes = modulo.readAll();
            QCOMPARE(bytes.count('\r'), fonte.size());
            QCOMPARE(bytes.count('\n'), fonte.size());
            QVERIFY(bytes.endsWith("\r\n"));

            Estado().LicaoAtual = qint16(licao);
            QStringList lidas;
            QVERIFY(LerArquivo(destino, lidas, false));
            QCOMPARE(lidas, fonte);
        }
    }

    void ferramentaImprimeAFonte()
    {
        AmbienteTeste ambiente;
        const QByteArray fonte = QStringLiteral("asdf\njklç\na casa caça\n").toUtf8();
        ambiente.escrever(QStringLiteral("licao07.txt"), fonte);
        const QString modulo = CaminhoModulo(7);
        QCOMPARE(Rodar({"build", ambiente.caminho(QStringLiteral("licao07.txt")), "7", modulo}).codigo, 0);
        const Execucao r = Rodar({"print", modulo, "7"});
        QCOMPARE(r.codigo, 0);
        QCOMPARE(r.saida, fonte);
        // Printed with the wrong lesson the text is not the source.
        QVERIFY(Rodar({"print", modulo, "8"}).saida != fonte);
    }

    void ferramentaRecusa_data()
    {
        // The character that the key of lesson 20 would store as CR.
        const QString viraCR = DecodificarWindows1252(QByteArray(1, char(13 - ChaveModulo(20) + 255)));
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QStringList>("esperado");
        QTest::newRow("not in Windows-1252") << QStringLiteral("asdf\nbom dia ☺ ok\n")
                                             << QStringList{"fonte.txt:2:9:", "U+263A", "Windows-1252"};
        QTest::newRow("stored as CR") << QStringLiteral("asdf\nasdf\nab") + viraCR + QStringLiteral("\n")
                                      << QStringList{"fonte.txt:3:3:", "CR", "lesson 20"};
        QTest::newRow("trailing space") << QStringLiteral("asdf \n") << QStringList{"fonte.txt:1:5:", "space"};
        QTest::newRow("leading space") << QStringLiteral("asdf\n casa\n") << QStringList{"fonte.txt:2:1:", "space"};
        QTest::newRow("empty line") << QStringLiteral("asdf\n\njklç\n") << QStringList{"fonte.txt:2:", "empty"};
        QTest::newRow("control character") << QStringLiteral("as\tdf\n") << QStringList{"fonte.txt:1:3:", "U+0009"};
        QTest::newRow("empty source") << QString() << QStringList{"fonte.txt:", "no exercises"};
        // What the program would refuse to read.
        QTest::newRow("line over 4 KiB") << QStringLiteral("asdf\n") + QString(5000, u'a') + QStringLiteral("\n")
                                         << QStringList{"fonte.txt:2:", "5000 characters", "4096"};
        QTest::newRow("module over 1 MiB") << QString(QString(4000, u'a') + u'\n').repeated(300)
                                           << QStringList{"fonte.txt:", "1200600 bytes", "1048576"};
    }

    void ferramentaRecusa()
    {
        QFETCH(QString, texto);
        QFETCH(QStringList, esperado);
        AmbienteTeste ambiente;
        ambiente.escrever(QStringLiteral("fonte.txt"), texto.toUtf8());
        const QString destino = ambiente.caminho(QStringLiteral("mod20.mod"));
        const Execucao r = Rodar({"build", ambiente.caminho(QStringLiteral("fonte.txt")), "20", destino});
        QCOMPARE(r.codigo, 1);
        for (const QString& e : esperado)
            QVERIFY2(r.erros.contains(e), qPrintable(r.erros));
        QVERIFY(!QFile::exists(destino));
    }

    void ferramentaRecusaUtf8InvalidoENumeroDeLicao()
    {
        AmbienteTeste ambiente;
        ambiente.escrever(QStringLiteral("fonte.txt"), "asdf\nab\xC3(\n");
        const QString fonte = ambiente.caminho(QStringLiteral("fonte.txt"));
        const QString destino = ambiente.caminho(QStringLiteral("mod1.mod"));
        Execucao r = Rodar({"build", fonte, "1", destino});
        QCOMPARE(r.codigo, 1);
        QVERIFY2(r.erros.contains(QStringLiteral("fonte.txt:2:")) && r.erros.contains(QStringLiteral("UTF-8")),
                 qPrintable(r.erros));
        for (const char* n : {"0", "53", "7x"}) {
            r = Rodar({"build", fonte, QString::fromLatin1(n), destino});
            QCOMPARE(r.codigo, 2);
            QVERIFY2(r.erros.contains(QStringLiteral("1 to 52")), qPrintable(r.erros));
        }
        QCOMPARE(Rodar({"print", ambiente.caminho(QStringLiteral("nada.mod")), "1"}).codigo, 2);
        QVERIFY(!QFile::exists(destino));
    }

    // ---- lesson kind and exercise text ----

    void classificacao()
    {
        QStringList teclas{"asdf", "jklç", "qwer"};
        QCOMPARE(ClassificarModulo(teclas), 1);
        QCOMPARE(teclas.size(), 3);

        QStringList comCinco{"asdf", "jklç", "qwert", "zxcv"};
        QCOMPARE(ClassificarModulo(comCinco), 2);

        QStringList vazia;
        QCOMPARE(ClassificarModulo(vazia), 2);
        QCOMPARE(vazia.size(), 100);
        QCOMPARE(vazia.count(QStringLiteral("arquivo nao encontrado. reinstale o programa para corrigir o erro.")), 100);

        // A stored " asdf " is trimmed to asdf and counts as four characters;
        // a blank line (a module edited by hand) is no exercise and is
        // skipped, so the drill stays a drill.
        AmbienteTeste ambiente;
        Estado().LicaoAtual = 12;
        QByteArray arquivo;
        for (const char* l : {" asdf ", "", "   ", "jkl;", ""}) {
            int chave = ChaveModulo(12);
            arquivo += CifrarBytes(l, chave) + "\r\n";
        }
        ambiente.escrever(QStringLiteral("Modulos/mod12.mod"), arquivo);
        QStringList modulo;
        QVERIFY(LerArquivo(CaminhoModulo(12), modulo, false));
        QCOMPARE(modulo, (QStringList{"asdf", "jkl;"}));
        QCOMPARE(ClassificarModulo(modulo), 1);
    }

    void textoDoExercicio()
    {
        // A drill is its four keys and the space bar, eight times, as written.
        QCOMPARE(TextoTeclas(QStringLiteral("asdf"), 0), QStringLiteral("asdf ").repeated(8));
        QCOMPARE(TextoTeclas(QStringLiteral("jklç"), 2), QStringLiteral("jklç ").repeated(8));
        // The BR keyboard drills the keys at the ABNT2 places: its ";" key
        // right of L, its "/" key right of the period.
        QCOMPARE(TextoTeclas(QStringLiteral("klç;"), 1), QStringLiteral("kl;/ ").repeated(8));

        QCOMPARE(TextoCorrido(QStringLiteral("a casa"), 0), QStringLiteral("a casa"));
        QCOMPARE(TextoCorrido(QStringLiteral("a caça, Ça"), 1), QStringLiteral("a caca, Ca"));
        QCOMPARE(TextoCorrido(QStringLiteral("a caça"), 0), QStringLiteral("a caça"));
        QCOMPARE(TextoCorrido(QStringLiteral("a caça"), 2), QStringLiteral("a caça"));
        // "#" is Enter; "/" is a slash.
        QCOMPARE(TextoCorrido(QStringLiteral("10/12.#fim"), 0), QStringLiteral("10/12.\nfim"));
    }

    void tituloECaminho()
    {
        QCOMPARE(LinhaTitulo(QStringLiteral("Ana"), 3, 1, 10),
                 QStringLiteral("Usuário: Ana \\ Lição: 3 de 52 \\ Exercicio: 2 de 10"));
        QCOMPARE(LinhaTitulo(QStringLiteral("Ana"), 7, 0, 100),
                 QStringLiteral("Usuário: Ana \\ Lição: 7 de 52 \\ Exercicio: 1 de 100"));

        AmbienteTeste ambiente;
        const QString caminho = CaminhoModulo(7);
        QVERIFY2(caminho.endsWith(QStringLiteral("Modulos/mod7.mod")), qPrintable(caminho));
        QVERIFY(caminho.startsWith(ambiente.pasta()));
        QVERIFY(CaminhoModulo(52).endsWith(QStringLiteral("/mod52.mod")));
    }
};

QTEST_MAIN(TstModulos)
#include "tst_modulos.moc"
