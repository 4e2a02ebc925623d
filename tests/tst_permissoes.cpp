// The user file and the settings on machines where this account may not
// write everywhere: a read-only application folder, a folder that cannot
// take a temporary file, a shared folder with the sticky bit, a read-only
// home. Permissions do not bind root, so each scenario runs in a child copy
// of this program that first becomes the unprivileged account "nobody"
// (when started as root) and reports what it saw on its output.
#include "app/PastaAplicacao.h"
#include "app/platform/ServicosReais.h"
#include "users/SessaoUsuarios.h"
#include "Treino.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <optional>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const VariavelPasta = "TECLOMATIC_TESTE_PASTA";   // application folder
const char* const VariavelNovo = "TECLOMATIC_TESTE_NOVO";     // record to add and save
const char* const VariavelFalha = "TECLOMATIC_TESTE_FALHA";   // the disk fills up at the n-th file written
constexpr uid_t Ninguem = 65534;

bool Root() { return ::geteuid() == 0; }

// Child mode: as "nobody", one start of the program's user file and one
// save of the options; every finding goes out as "name=value".
[[noreturn]] void Filho()
{
    if (Root() && (::setgroups(0, nullptr) != 0 || ::setgid(Ninguem) != 0 || ::setuid(Ninguem) != 0))
        _exit(99);
    QCoreApplication::setApplicationName(QStringLiteral("Teclomatic"));
    DefinirPastaAplicacao(qEnvironmentVariable(VariavelPasta));
    QTextStream saida(stdout);
    auto dizer = [&saida](const char* nome, const QString& valor) {
        saida << nome << '=' << valor << '\n';
    };

    {
        SessaoUsuarios sessao;
        QStringList registros;
        const ResultadoLeitura leitura = sessao.Abrir(registros);
        dizer("arquivo", sessao.Caminho());
        dizer("copiado", QString::number(sessao.Local().copiado));
        dizer("estado", QString::number(int(leitura.estado)));
        dizer("registros", registros.join(u'|'));
        const QString novo = qEnvironmentVariable(VariavelNovo);
        if (!novo.isEmpty()) {
            registros << novo;
            std::optional<DiscoComFalha> falha;
            if (const int n = qEnvironmentVariableIntValue(VariavelFalha))
                falha.emplace(DiscoComFalha::Falha::Escrita, 30, n);
            dizer("gravou", QString::number(sessao.Gravar(registros)));
            dizer("aviso", sessao.Aviso());
            // A second failing save (the next exercise) says nothing more.
            dizer("gravou2", QString::number(sessao.Gravar(registros)));
            dizer("aviso2", sessao.Aviso());
        }
    } // the session ends: its lock goes
    ConfiguracaoQt configuracao;
    dizer("opcoes", QString::number(configuracao.Gravar(QStringLiteral("SelTela"), QStringLiteral("1"))));
    saida.flush();
    _exit(0);
}

const QByteArray Lista("Ana<3<2<100<95<0<0<0<0<0<0<0<0<3<2<a\r\nBia<1<1<100<95<0<0<0<0<0<0<0<0<1<1<b\r\n");
const QString Novo = QStringLiteral("Caio<0<1<100<95<0<0<0<0<0<0<0<0<1<1<c");

// A folder tree the child can walk: raiz/app (the application folder) and
// raiz/home (the child's home), each with the owner and mode asked for.
// Ownership only changes when running as root; elsewhere the modes alone
// make the scenario.
struct Cenario {
    QTemporaryDir raiz;
    QString app = raiz.filePath(QStringLiteral("app"));
    QString home = raiz.filePath(QStringLiteral("home"));

    Cenario()
    {
        // A portable application folder: the lessons beside the program.
        QDir().mkpath(app + QStringLiteral("/Modulos"));
        QDir().mkpath(home);
        ::chmod(QFile::encodeName(raiz.path()).constData(), 0755);
    }
    ~Cenario()
    {
        // Writable again, so the temporary folder can go.
        for (const QString& p : {app, home, home + QStringLiteral("/.local"), home + QStringLiteral("/.config")})
            ::chmod(QFile::encodeName(p).constData(), 0755);
    }
    // Gives caminho to the child's account or to another one. Not running as
    // root, everything is this account's: "another account's" then means
    // that this account gets only the rights modo gives to others.
    static void dono(const QString& caminho, bool doFilho, mode_t modo)
    {
        const QByteArray c = QFile::encodeName(caminho);
        if (Root())
            QVERIFY(::chown(c.constData(), doFilho ? Ninguem : 0, doFilho ? Ninguem : 0) == 0);
        else if (!doFilho)
            modo = (modo & ~mode_t(0700)) | ((modo & 07) << 6);
        QVERIFY(::chmod(c.constData(), modo) == 0);
    }
    void escrever(const QString& caminho, const QByteArray& bytes)
    {
        QFile f(caminho);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // The list in another account's usuario.dat (mode modoArquivo), in
    // another account's application folder (modoPasta), with a home that
    // is the child's own (0700) or another account's read-only one; returns
    // the file's path.
    QString comLista(mode_t modoArquivo, mode_t modoPasta, bool homeDoFilho = true)
    {
        const QString arquivo = app + QStringLiteral("/usuario.dat");
        escrever(arquivo, Lista);
        dono(arquivo, false, modoArquivo);
        dono(app, false, modoPasta);
        dono(home, homeDoFilho, homeDoFilho ? 0700 : 0555);
        return arquivo;
    }
    static QByteArray ler(const QString& caminho)
    {
        QFile f(caminho);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<ausente>");
    }

    // Runs the child once (one start of the program) and returns its report.
    QMap<QString, QString> rodar(const QString& novo = QString(), int falha = 0)
    {
        QProcess filho;
        QProcessEnvironment amb = QProcessEnvironment::systemEnvironment();
        amb.insert(QString::fromLatin1(VariavelPasta), app);
        amb.insert(QString::fromLatin1(VariavelNovo), novo);
        amb.insert(QString::fromLatin1(VariavelFalha), QString::number(falha));
        amb.insert(QStringLiteral("HOME"), home);
        amb.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
        amb.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
        filho.setProcessEnvironment(amb);
        filho.start(QCoreApplication::applicationFilePath(), {});
        QMap<QString, QString> relato;
        if (!filho.waitForFinished(60000) || filho.exitCode() != 0) {
            relato[QStringLiteral("falha")] = QString::fromUtf8(filho.readAllStandardError());
            return relato;
        }
        for (const QString& linha : QString::fromUtf8(filho.readAllStandardOutput()).split(u'\n')) {
            const qsizetype igual = linha.indexOf(u'=');
            if (igual > 0)
                relato[linha.left(igual)] = linha.mid(igual + 1);
        }
        return relato;
    }
};


} // namespace

class TstPermissoes : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (!qEnvironmentVariableIsEmpty(VariavelPasta))
            Filho();
    }

    void pastaDaAplicacaoSomenteLeitura()
    {
        // Installed read-only: the list goes to the per-user data folder,
        // copied from the application folder once, and is found there at
        // the next start; the installed file is never touched.
        Cenario c;
        c.comLista(0644, 0755);
        const QString pessoal = c.home + QStringLiteral("/.local/share/Teclomatic/usuario.dat");

        QMap<QString, QString> r = c.rodar(Novo);
        QCOMPARE(r.value(QStringLiteral("falha")), QString());
        QCOMPARE(r.value(QStringLiteral("arquivo")), pessoal);
        QCOMPARE(r.value(QStringLiteral("copiado")), QStringLiteral("1"));
        QCOMPARE(r.value(QStringLiteral("registros")), QString::fromLatin1(Lista).trimmed().replace("\r\n", "|"));
        QCOMPARE(r.value(QStringLiteral("gravou")), QStringLiteral("1"));
        QCOMPARE(r.value(QStringLiteral("aviso")), QString());
        QCOMPARE(r.value(QStringLiteral("opcoes")), QStringLiteral("1"));

        r = c.rodar();
        QCOMPARE(r.value(QStringLiteral("arquivo")), pessoal);
        QCOMPARE(r.value(QStringLiteral("copiado")), QStringLiteral("0"));
        QVERIFY(r.value(QStringLiteral("registros")).endsWith(QStringLiteral("|") + Novo));
        QCOMPARE(Cenario::ler(c.app + QStringLiteral("/usuario.dat")), Lista);
    }

    void pastaSemLugarParaTemporario()
    {
        // The file itself is writable, but the folder will not let this
        // account replace it (sticky bit, another account's file): it is
        // rewritten in place behind a complete copy beside it, which then
        // goes. Where the folder takes no new file at all (read-only), no
        // such copy can be made: the file is not written, and the learner is
        // told why.
        struct Caso {
            mode_t modoPasta;
            bool grava;
        };
        for (const Caso& caso : {Caso{01777, true}, Caso{0755, false}}) {
            Cenario c;
            const QString arquivo = c.comLista(0666, caso.modoPasta);

            const QMap<QString, QString> r = c.rodar(Novo);
            QCOMPARE(r.value(QStringLiteral("falha")), QString());
            QCOMPARE(r.value(QStringLiteral("arquivo")), arquivo);
            QCOMPARE(r.value(QStringLiteral("gravou")), caso.grava ? QStringLiteral("1") : QStringLiteral("0"));
            QCOMPARE(r.value(QStringLiteral("aviso")),
                     caso.grava ? QString()
                                : QStringLiteral("Não foi possível salvar o progresso em %1: a pasta não permite criar, "
                                                 "ao lado dele, a trava e a cópia que protegem a gravação").arg(arquivo));
            QCOMPARE(Cenario::ler(arquivo), caso.grava ? Lista + Novo.toLatin1() + "\r\n" : Lista);
            QCOMPARE(QDir(c.app).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("usuario.dat")});
            QVERIFY(!QFile::exists(c.home + QStringLiteral("/.local")));
        }
    }

    void gravacaoNoLugarCortadaEhCompletada()
    {
        // The disk fills up half-way through an in-place rewrite (the third
        // file written: the new copy Qt cannot put in place, the copy kept
        // beside the file, then the file itself). The save says so; the next
        // start completes the file from the copy.
        if (!Root())
            QSKIP("an in-place rewrite needs another account's file in a shared folder (run as root)");
        Cenario c;
        const QString arquivo = c.comLista(0666, 01777);

        QMap<QString, QString> r = c.rodar(Novo, 3);
        QCOMPARE(r.value(QStringLiteral("gravou")), QStringLiteral("0"));
        QCOMPARE(r.value(QStringLiteral("aviso")),
                 QStringLiteral("Não foi possível salvar o progresso em %1: o disco está cheio").arg(arquivo));
        QVERIFY(QFile::exists(arquivo + QStringLiteral(".novo")));

        r = c.rodar();
        QCOMPARE(r.value(QStringLiteral("registros")), QString::fromLatin1(Lista + Novo.toLatin1()).trimmed().replace("\r\n", "|"));
        QCOMPARE(Cenario::ler(arquivo), Lista + Novo.toLatin1() + "\r\n");
        QCOMPARE(QDir(c.app).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("usuario.dat")});
    }

    void nadaPodeSerGravadoAvisaUmaVez()
    {
        // Read-only application folder and a read-only home: the list is
        // still read and practice goes on; the first failed save is told
        // once, in Portuguese, and so is the settings store.
        Cenario c;
        const QString arquivo = c.comLista(0644, 0755, false);

        const QMap<QString, QString> r = c.rodar(Novo);
        QCOMPARE(r.value(QStringLiteral("falha")), QString());
        QCOMPARE(r.value(QStringLiteral("arquivo")), arquivo);
        QCOMPARE(r.value(QStringLiteral("registros")).count(u'|'), 1);
        QCOMPARE(r.value(QStringLiteral("gravou")), QStringLiteral("0"));
        QCOMPARE(r.value(QStringLiteral("aviso")),
                 QStringLiteral("Não foi possível salvar o progresso em %1: não foi possível criar a pasta %2")
                     .arg(arquivo, c.home + QStringLiteral("/.local/share/Teclomatic")));
        QCOMPARE(r.value(QStringLiteral("gravou2")), QStringLiteral("0"));
        QCOMPARE(r.value(QStringLiteral("aviso2")), QString());
        QCOMPARE(r.value(QStringLiteral("opcoes")), QStringLiteral("0"));
        QCOMPARE(Cenario::ler(arquivo), Lista);
    }

    void arquivoSemPermissaoDeLeituraNaoEhRegravado()
    {
        // A file this account cannot read is not an empty list: the session
        // says so and writes nothing over it.
        Cenario c;
        const QString arquivo = c.comLista(0600, 01777);

        const QMap<QString, QString> r = c.rodar(Novo);
        QCOMPARE(r.value(QStringLiteral("falha")), QString());
        QCOMPARE(r.value(QStringLiteral("arquivo")), arquivo);
        QCOMPARE(r.value(QStringLiteral("estado")), QString::number(int(EstadoLeitura::Cortado)));
        QCOMPARE(r.value(QStringLiteral("gravou")), QStringLiteral("0"));
        QCOMPARE(r.value(QStringLiteral("aviso")),
                 QStringLiteral("Não foi possível ler o arquivo de usuários %1: sem permissão para ler. Para não "
                                "perder nenhum aluno, o progresso não será salvo até o Teclomatic ser aberto de novo.")
                     .arg(arquivo));
        ::chmod(QFile::encodeName(arquivo).constData(), 0600);
        QCOMPARE(Cenario::ler(arquivo), Lista);
    }
};

QTEST_GUILESS_MAIN(TstPermissoes)
#include "tst_permissoes.moc"
