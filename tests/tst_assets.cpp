// The files the program loads beside its executable: the five feedback
// sounds and the help manual. Checked at their source in assets/ and, after
// a build, in the application folder where the program looks for them.
#include "app/PastaAplicacao.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {

const QString PastaFontes = QStringLiteral(TECLOMATIC_SOURCE_DIR);

QString CaminhoSom(const QString& nome)
{
    return PastaFontes + QStringLiteral("/assets/sounds/") + nome + QStringLiteral(".wav");
}

QString CaminhoManual()
{
    return PastaFontes + QStringLiteral("/assets/help/Ajuda.html");
}

QByteArray LerTudo(const QString& caminho)
{
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

// A RIFF/WAVE file as far as playing it needs: its format chunk and its
// samples. `erro` says what is wrong when the file is not a valid PCM wave.
struct Wave {
    QString erro;
    quint16 formato = 0;
    quint16 canais = 0;
    quint32 taxa = 0;
    quint32 bytesPorSegundo = 0;
    quint16 alinhamento = 0;
    quint16 bits = 0;
    QList<qint16> amostras;

    double segundos() const { return taxa ? double(amostras.size()) / taxa : 0.0; }
    int pico() const
    {
        int p = 0;
        for (qint16 a : amostras)
            p = qMax(p, qAbs(int(a)));
        return p;
    }
};

Wave LerWave(const QByteArray& b)
{
    Wave w;
    auto u16 = [&](qsizetype i) { return qFromLittleEndian<quint16>(b.constData() + i); };
    auto u32 = [&](qsizetype i) { return qFromLittleEndian<quint32>(b.constData() + i); };

    if (b.size() < 12 || b.left(4) != "RIFF" || b.mid(8, 4) != "WAVE") {
        w.erro = QStringLiteral("no RIFF/WAVE header");
        return w;
    }
    if (qsizetype(u32(4)) + 8 != b.size()) {
        w.erro = QStringLiteral("RIFF size %1 does not match the file size %2").arg(u32(4)).arg(b.size());
        return w;
    }
    bool temFmt = false;
    bool temDados = false;
    qsizetype i = 12;
    while (i + 8 <= b.size()) {
        const QByteArray id = b.mid(i, 4);
        const qsizetype tam = u32(i + 4);
        const qsizetype corpo = i + 8;
        if (corpo + tam > b.size()) {
            w.erro = QStringLiteral("chunk '%1' runs past the end of the file").arg(QString::fromLatin1(id));
            return w;
        }
        if (id == "fmt ") {
            if (tam < 16) {
                w.erro = QStringLiteral("format chunk too short");
                return w;
            }
            w.formato = u16(corpo);
            w.canais = u16(corpo + 2);
            w.taxa = u32(corpo + 4);
            w.bytesPorSegundo = u32(corpo + 8);
            w.alinhamento = u16(corpo + 12);
            w.bits = u16(corpo + 14);
            temFmt = true;
        } else if (id == "data") {
            if (!temFmt) {
                w.erro = QStringLiteral("data chunk before the format chunk");
                return w;
            }
            if (w.bits == 16) {
                for (qsizetype k = corpo; k + 1 < corpo + tam; k += 2)
                    w.amostras << qint16(u16(k));
            }
            temDados = true;
        }
        i = corpo + tam + (tam & 1); // chunks are padded to an even size
    }
    if (!temFmt)
        w.erro = QStringLiteral("no format chunk");
    else if (!temDados)
        w.erro = QStringLiteral("no data chunk");
    return w;
}

bool Utf8Valido(const QByteArray& b)
{
    QStringDecoder dec(QStringDecoder::Utf8);
    const QString s = dec.decode(b);
    Q_UNUSED(s);
    return !dec.hasError();
}

QString TextoManual()
{
    return QString::fromUtf8(LerTudo(CaminhoManual()));
}

QSet<QString> Ids(const QString& html)
{
    QSet<QString> ids;
    static const QRegularExpression re(QStringLiteral("\\bid=\"([^\"]+)\""));
    for (const auto& m : re.globalMatch(html))
        ids.insert(m.captured(1));
    return ids;
}

QString Sumario(const QString& html)
{
    static const QRegularExpression re(QStringLiteral("<nav id=\"sumario\"[^>]*>(.*?)</nav>"),
                                       QRegularExpression::DotMatchesEverythingOption);
    return re.match(html).captured(1);
}

} // namespace

class TstAssets : public QObject {
    Q_OBJECT
private slots:
    void sonsSaoWavesPcmCurtosEAudiveis_data()
    {
        QTest::addColumn<QString>("nome");
        for (const char* n : {"bip", "login", "logoff", "erro", "fim"})
            QTest::newRow(n) << QString::fromLatin1(n);
    }
    void sonsSaoWavesPcmCurtosEAudiveis()
    {
        QFETCH(QString, nome);
        const QString caminho = CaminhoSom(nome);
        QVERIFY2(QFileInfo::exists(caminho), qPrintable(caminho + " is missing"));

        const Wave w = LerWave(LerTudo(caminho));
        QVERIFY2(w.erro.isEmpty(), qPrintable(w.erro));
        QCOMPARE(w.formato, quint16(1)); // PCM
        QCOMPARE(w.canais, quint16(1));
        QCOMPARE(w.bits, quint16(16));
        QVERIFY2(w.taxa == 44100 || w.taxa == 22050, qPrintable(QString::number(w.taxa)));
        QCOMPARE(w.alinhamento, quint16(2));
        QCOMPARE(w.bytesPorSegundo, w.taxa * 2);

        QVERIFY(!w.amostras.isEmpty());
        QVERIFY2(w.segundos() < 1.5, qPrintable(QString::number(w.segundos())));

        // Audible: some sample above -20 dBFS. Not clipped: the peak stays
        // below -0.5 dBFS.
        QVERIFY2(w.pico() > 3277, qPrintable(QString::number(w.pico())));
        QVERIFY2(w.pico() < 30935, qPrintable(QString::number(w.pico())));

        // Faded in and out: a sound that starts or stops away from zero
        // clicks in the speaker.
        QVERIFY2(qAbs(int(w.amostras.first())) < 328, qPrintable(QString::number(w.amostras.first())));
        QVERIFY2(qAbs(int(w.amostras.last())) < 328, qPrintable(QString::number(w.amostras.last())));
    }

    void sonsFrequentesSaoMaisBaixos()
    {
        // The click and the error sound are heard over and over while
        // practising; they must stay quieter than the chimes.
        const int login = LerWave(LerTudo(CaminhoSom(QStringLiteral("login")))).pico();
        const int bip = LerWave(LerTudo(CaminhoSom(QStringLiteral("bip")))).pico();
        const int erro = LerWave(LerTudo(CaminhoSom(QStringLiteral("erro")))).pico();
        QVERIFY(login > 0);
        QVERIFY2(bip < login, qPrintable(QStringLiteral("bip %1, login %2").arg(bip).arg(login)));
        QVERIFY2(erro < login, qPrintable(QStringLiteral("erro %1, login %2").arg(erro).arg(login)));
    }

    void leitorRecusaWavesInvalidos()
    {
        // The parser above is what the sound checks rest on: it must see
        // through a truncated or mislabelled file.
        const QByteArray bom = LerTudo(CaminhoSom(QStringLiteral("bip")));
        QVERIFY(LerWave(bom).erro.isEmpty());
        QVERIFY(!LerWave(bom.left(bom.size() - 10)).erro.isEmpty());
        QByteArray semWave = bom;
        semWave.replace(8, 4, "AVI ");
        QVERIFY(!LerWave(semWave).erro.isEmpty());
        QVERIFY(!LerWave(QByteArray()).erro.isEmpty());
    }

    void manualEhUtf8ComTitulo()
    {
        const QByteArray bytes = LerTudo(CaminhoManual());
        QVERIFY2(!bytes.isEmpty(), qPrintable(CaminhoManual() + " is missing or empty"));
        QVERIFY(Utf8Valido(bytes));
        QVERIFY(!Utf8Valido(QByteArray("Li\xe7\xe3o"))); // Windows-1252, not UTF-8

        const QString html = QString::fromUtf8(bytes);
        QVERIFY(html.contains(QStringLiteral("<meta charset=\"utf-8\">"), Qt::CaseInsensitive));
        QVERIFY(html.contains(QStringLiteral("lang=\"pt-BR\"")));
        static const QRegularExpression titulo(QStringLiteral("<title>([^<]*)</title>"));
        const auto m = titulo.match(html);
        QVERIFY(m.hasMatch());
        QVERIFY(!m.captured(1).trimmed().isEmpty());

        // Accents written once, not encoded twice ("LiÃ§Ã£o").
        QVERIFY(html.contains(QStringLiteral("Lição")));
        QVERIFY(!html.contains(QStringLiteral("Ã")));
    }

    void manualTemUmaSecaoPorAssunto_data()
    {
        QTest::addColumn<QString>("ancora");
        const char* ancoras[] = {
            "primeiros-passos", // first start, default user and password
            "usuarios", "entrar", "novo-usuario", "excluir-usuario", "logoff",
            "perfil",           // name, password, Curso Livre, the two criteria
            "curso",            // introduction and 52 lessons
            "exercicios",       // key drills and running texts, "#" for Enter
            "teclado",          // yellow key, lit finger, red key
            "layouts",          // ABNT2, BR, Portugal; keys by position
            "acentos",          // dead keys, digits, symbols on each keyboard
            "indicadores",      // hits, errors, points, TPM, rhythm bar
            "resultado", "notas", "aprovacao",
            "navegacao",        // buttons, free-course rule, refusals
            "opcoes",           // keyboard layout and screen mode
            "som",
            "progresso",        // usuario.dat and the settings file
            "copia-de-seguranca",
        };
        for (const char* a : ancoras)
            QTest::newRow(a) << QString::fromLatin1(a);
    }
    void manualTemUmaSecaoPorAssunto()
    {
        QFETCH(QString, ancora);
        const QString html = TextoManual();
        QVERIFY2(Ids(html).contains(ancora), qPrintable("no element with id=\"" + ancora + "\""));
        QVERIFY2(Sumario(html).contains(QStringLiteral("href=\"#%1\"").arg(ancora)),
                 qPrintable("the table of contents does not link #" + ancora));
    }

    void manualNaoTemLinksQuebradosNemIdsRepetidos()
    {
        const QString html = TextoManual();
        QVERIFY(!html.isEmpty());

        static const QRegularExpression reId(QStringLiteral("\\bid=\"([^\"]+)\""));
        QStringList repetidos;
        QSet<QString> vistos;
        for (const auto& m : reId.globalMatch(html)) {
            if (vistos.contains(m.captured(1)))
                repetidos << m.captured(1);
            vistos.insert(m.captured(1));
        }
        QVERIFY2(repetidos.isEmpty(), qPrintable(repetidos.join(", ")));

        static const QRegularExpression reLink(QStringLiteral("href=\"#([^\"]*)\""));
        QStringList quebrados;
        for (const auto& m : reLink.globalMatch(html)) {
            if (!vistos.contains(m.captured(1)))
                quebrados << m.captured(1);
        }
        QVERIFY2(quebrados.isEmpty(), qPrintable(quebrados.join(", ")));
    }

    void manualFuncionaSemInternet()
    {
        // Everything the page uses is inside it or beside it in the help
        // folder: no web addresses, and every relative file exists.
        const QString html = TextoManual();
        QVERIFY(!html.isEmpty());
        static const QRegularExpression reRef(QStringLiteral("\\b(?:src|href)=\"([^\"#][^\"]*)\""));
        static const QRegularExpression reCss(QStringLiteral("url\\(\\s*['\"]?([^'\")]+)"));
        const QDir pasta(PastaFontes + QStringLiteral("/assets/help"));
        QStringList problemas;
        auto conferir = [&](const QString& ref) {
            if (ref.startsWith(QLatin1String("data:")))
                return;
            if (ref.contains(QLatin1String("://")) || ref.startsWith(QLatin1String("//")))
                problemas << ref + QStringLiteral(" (external)");
            else if (!QFileInfo::exists(pasta.filePath(ref)))
                problemas << ref + QStringLiteral(" (missing)");
        };
        for (const auto& m : reRef.globalMatch(html))
            conferir(m.captured(1));
        for (const auto& m : reCss.globalMatch(html)) {
            if (!m.captured(1).startsWith(QLatin1Char('#')))
                conferir(m.captured(1));
        }
        QVERIFY2(problemas.isEmpty(), qPrintable(problemas.join(", ")));
    }

    void manualCitaOQueOProgramaUsa()
    {
        // The names a learner or teacher has to type or look for must be
        // exactly the program's own (line breaks of the source aside).
        const QString html = TextoManual().simplified();
        for (const QString& s : {QStringLiteral("Usuário Padrão"), QStringLiteral("comeco"),
                                 QStringLiteral("usuario.dat"), QStringLiteral("~/.config/Teclomatic.conf"),
                                 QStringLiteral("Curso Livre"), QStringLiteral("100 toques por minuto"),
                                 QStringLiteral("95 %"), QStringLiteral("Senha não confere!"),
                                 QStringLiteral("Você não concluiu a lição, e por isso não é possível ir para a próxima lição."),
                                 QStringLiteral("Você não concluiu o exercício, e por isso não é possível ir para o próximo exercício.")})
            QVERIFY2(html.contains(s), qPrintable(s));
    }

    void arquivosCopiadosParaAPastaDoPrograma()
    {
        // The build lays the sounds and the help beside the executable,
        // where the program opens them by name.
        const QDir app(QStringLiteral(TECLOMATIC_APP_DIR));
        QStringList arquivos;
        for (const char* n : {"bip", "login", "logoff", "erro", "fim"})
            arquivos << QStringLiteral("assets/sounds/%1.wav").arg(QLatin1String(n));
        const QDir help(PastaFontes + QStringLiteral("/assets/help"));
        for (const QString& f : help.entryList(QDir::Files))
            arquivos << QStringLiteral("assets/help/") + f;
        QVERIFY(arquivos.contains(QStringLiteral("assets/help/Ajuda.html")));
        for (const QString& rel : arquivos) {
            const QString copia = app.filePath(QFileInfo(rel).fileName());
            QVERIFY2(QFileInfo::exists(copia), qPrintable(copia + " is missing: build the teclomatic_assets target"));
            QVERIFY2(LerTudo(copia) == LerTudo(PastaFontes + QLatin1Char('/') + rel),
                     qPrintable(copia + " differs from " + rel));
        }
    }

    void arquivosAchadosNaPastaDoProgramaOuNaInstalacao()
    {
        // A portable folder is searched first, then share/teclomatic beside
        // the bin/ folder of an installed program.
        const QString exe = QCoreApplication::applicationDirPath();
        const QStringList pastas = PastasRecursos();
        QCOMPARE(pastas.value(0), QDir::toNativeSeparators(exe));
        QVERIFY2(pastas.contains(QDir::toNativeSeparators(QDir::cleanPath(exe + QStringLiteral("/../share/teclomatic")))),
                 qPrintable(pastas.join(QLatin1Char(' '))));

        // The first folder holding the file wins; when none holds it, the
        // path names the first folder.
        QTemporaryDir portatil, instalada;
        const QString rel = QStringLiteral("Modulos/mod1.mod");
        QVERIFY(QDir(instalada.path()).mkpath(QStringLiteral("Modulos")));
        QVERIFY(QFile(instalada.filePath(rel)).open(QIODevice::WriteOnly));
        const QStringList ordem{portatil.path(), instalada.path()};
        QCOMPARE(LocalizarRecurso(rel, ordem), QDir::toNativeSeparators(instalada.filePath(rel)));
        QVERIFY(QDir(portatil.path()).mkpath(QStringLiteral("Modulos")));
        QVERIFY(QFile(portatil.filePath(rel)).open(QIODevice::WriteOnly));
        QCOMPARE(LocalizarRecurso(rel, ordem), QDir::toNativeSeparators(portatil.filePath(rel)));
        QCOMPARE(LocalizarRecurso(QStringLiteral("fim.wav"), ordem), QDir::toNativeSeparators(portatil.filePath(QStringLiteral("fim.wav"))));

        // A test's application folder is the only place looked at.
        DefinirPastaAplicacao(instalada.path());
        QCOMPARE(PastasRecursos(), QStringList{QDir::toNativeSeparators(instalada.path())});
        QCOMPARE(CaminhoRecurso(QStringLiteral("bip.wav")), QDir::toNativeSeparators(instalada.filePath(QStringLiteral("bip.wav"))));
        DefinirPastaAplicacao(QString());
    }
};

QTEST_MAIN(TstAssets)
#include "tst_assets.moc"
