// Checks the 52 lesson sources of the course (lessons/licaoNN.txt) like a
// schema: every exercise can be typed on ABNT2, BR and Portuguese keyboards,
// the lesson kind comes out as intended, the running texts are correctly
// spelled Portuguese, every line fits the text panel, no running text asks
// for a key before a key drill has practised it, the texts grow steadily
// longer and no exercise appears twice in the course.
//
// Every failure names the lesson file and line, and all problems of a check
// are reported together so a teacher can fix a lesson in one pass.

#include "course/TextoExercicio.h"
#include "keyboard/Digitacao.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QtTest>

namespace {

constexpr int kTotalLicoes = 52;
constexpr int kMinExercicios = 8;
constexpr int kMaxExercicios = 20;
// The running-text panel is 783 logical pixels wide; keep a margin.
constexpr int kLarguraMaxima = 740;
// The lesson whose text introduces the Enter key ("#").
constexpr int kLicaoEnter = 28;
// Running texts: never too short to be worth a lesson, and each one at least
// 9/10 and at most 5/4 of the running text before it.
constexpr int kMinTeclasTexto = 300;
// The closing lessons are long texts of longer words.
constexpr int kPrimeiraLicaoLonga = 41;
constexpr int kMinTeclasLonga = 800;
constexpr int kMaxTeclasLonga = 1200;
constexpr int kLetrasPalavraLonga = 10;
constexpr double kParcelaPalavrasLongas = 0.05;

// Names and words that the Brazilian word list lacks but the course uses.
const QStringList kPermitidas = {
    QStringLiteral("Enter"), // the key's name, as printed on it
    QStringLiteral("Shift"), // likewise
};

struct Licao {
    int numero = 0;
    QString arquivo;    // "licao07.txt"
    bool lida = false;  // file present, readable and valid UTF-8
    QByteArray bytes;
    QStringList linhas; // exercises, in order
    int tipo = 0;       // 1 key drill, 2 running text (as the program decides)
};

QString Onde(const Licao& l, int indice)
{
    return QStringLiteral("%1, linha %2: \"%3\"")
        .arg(l.arquivo)
        .arg(indice + 1)
        .arg(l.linhas.value(indice));
}

// The program's rule: kind 1 when every line is exactly 4 characters once
// the spaces at both ends are trimmed; anything else (an empty line too)
// makes the whole lesson kind 2.
QString AparaEspacos(const QString& s)
{
    qsizetype ini = 0;
    qsizetype fim = s.size();
    while (ini < fim && s.at(ini) == QLatin1Char(' '))
        ++ini;
    while (fim > ini && s.at(fim - 1) == QLatin1Char(' '))
        --fim;
    return s.mid(ini, fim - ini);
}

int TipoDaLicao(const QStringList& linhas)
{
    if (linhas.isEmpty())
        return 2;
    for (const QString& l : linhas)
        if (AparaEspacos(l).size() != 4)
            return 2;
    return 1;
}

// What the learner types for a lesson: a key drill line is typed eight
// times, each followed by the space bar; a running-text line is typed as it
// stands, "#" being one press of Enter.
int Teclas(const Licao& l)
{
    int n = 0;
    for (const QString& s : l.linhas)
        n += l.tipo == 1 ? 8 * (int(AparaEspacos(s).size()) + 1) : int(s.size());
    return n;
}

// The first character of a line that some keyboard cannot type, as the
// program builds the text for that keyboard (the BR one types "ç" as "c").
QString Intipavel(const Licao& l, const QString& linha)
{
    for (const int tipo : {Layout::ABNT2, Layout::BR, Layout::Portugues}) {
        const QString texto = l.tipo == 1 ? TextoTeclas(linha, tipo) : TextoCorrido(linha, tipo);
        for (const QChar c : texto)
            if (!Digitavel(c, tipo))
                return QStringLiteral("'%1' (U+%2) cannot be typed with the %3 keyboard")
                    .arg(c)
                    .arg(c.unicode(), 4, 16, QLatin1Char('0'))
                    .arg(QStringList{QStringLiteral("ABNT2"), QStringLiteral("BR"), QStringLiteral("Portugal")}.at(tipo));
    }
    return QString();
}

} // namespace

// Lists every problem on its own line (a failure message alone would be cut
// short) and fails when there is any.
#define REPORTAR(problemas)                                                            \
    do {                                                                               \
        for (const QString& p_ : problemas)                                            \
            qWarning().noquote() << p_;                                                \
        QVERIFY2((problemas).isEmpty(),                                                \
                 qPrintable(QStringLiteral("%1 problem(s), listed above").arg((problemas).size()))); \
    } while (false)

class TstLicoes : public QObject {
    Q_OBJECT

private:
    QList<Licao> licoes;
    QSet<QString> vocabulario;

    // Each lesson that was read, for the checks that look at content.
    QList<const Licao*> lidas() const
    {
        QList<const Licao*> r;
        for (const Licao& l : licoes)
            if (l.lida)
                r << &l;
        return r;
    }

    bool palavraConhecida(const QString& p) const
    {
        if (vocabulario.contains(p) || kPermitidas.contains(p))
            return true;
        // A capital only at the start of a sentence: "Hoje" is "hoje".
        const QString resto = p.mid(1);
        return p.at(0).isUpper() && resto == resto.toLower()
            && vocabulario.contains(p.toLower());
    }

private slots:
    void initTestCase()
    {
        const QString pasta = QStringLiteral(TECLOMATIC_SOURCE_DIR "/lessons");
        for (int n = 1; n <= kTotalLicoes; ++n) {
            Licao l;
            l.numero = n;
            l.arquivo = QStringLiteral("licao%1.txt").arg(n, 2, 10, QLatin1Char('0'));
            QFile f(pasta + QLatin1Char('/') + l.arquivo);
            if (f.open(QIODevice::ReadOnly)) {
                l.bytes = f.readAll();
                QStringDecoder utf8(QStringDecoder::Utf8);
                QString texto = utf8.decode(l.bytes);
                if (!utf8.hasError()) {
                    l.lida = true;
                    if (texto.endsWith(QLatin1Char('\n')))
                        texto.chop(1);
                    l.linhas = texto.split(QLatin1Char('\n'));
                    l.tipo = TipoDaLicao(l.linhas);
                }
            }
            licoes << l;
        }

        QFile dic(QStringLiteral("/usr/share/dict/brazilian"));
        QVERIFY2(dic.open(QIODevice::ReadOnly),
                 "the Brazilian word list /usr/share/dict/brazilian is missing (package wbrazilian)");
        // The list ships in UTF-8; older releases used ISO-8859-1.
        const QByteArray bruto = dic.readAll();
        QStringDecoder utf8(QStringDecoder::Utf8);
        QString palavras = utf8.decode(bruto);
        if (utf8.hasError())
            palavras = QString::fromLatin1(bruto);
        for (const QString& p : palavras.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            vocabulario.insert(p.trimmed());
        QVERIFY(vocabulario.contains(QStringLiteral("casa")));
        QVERIFY(vocabulario.contains(QStringLiteral("criança")));
    }

    // The 52 sources exist and are plain UTF-8 text with LF line ends and a
    // final newline, one non-empty exercise per line; no stray lesson files.
    void arquivos()
    {
        QStringList problemas;
        for (const Licao& l : std::as_const(licoes)) {
            if (!l.lida) {
                problemas << l.arquivo + QStringLiteral(": missing, unreadable or not valid UTF-8");
                continue;
            }
            if (l.bytes.contains('\r'))
                problemas << l.arquivo + QStringLiteral(": has CR characters; use LF line ends");
            if (!l.bytes.endsWith('\n'))
                problemas << l.arquivo + QStringLiteral(": the last line has no newline");
            if (l.bytes.startsWith("\xEF\xBB\xBF"))
                problemas << l.arquivo + QStringLiteral(": starts with a byte order mark");
            for (int i = 0; i < l.linhas.size(); ++i)
                if (l.linhas.at(i).isEmpty())
                    problemas << Onde(l, i) + QStringLiteral(" empty line (an exercise with nothing to type)");
        }
        const QDir pasta(QStringLiteral(TECLOMATIC_SOURCE_DIR "/lessons"));
        const QRegularExpression nome(QStringLiteral("^licao(\\d\\d)\\.txt$"));
        for (const QString& f : pasta.entryList({QStringLiteral("licao*")}, QDir::Files)) {
            const auto m = nome.match(f);
            const int n = m.hasMatch() ? m.captured(1).toInt() : 0;
            if (n < 1 || n > kTotalLicoes)
                problemas << f + QStringLiteral(": not a lesson source (expected licao01.txt to licao52.txt)");
        }
        REPORTAR(problemas);
    }

    // Only characters that every keyboard types, with its dead keys and
    // Shift: a character no key gives would leave the guide dark.
    void alfabeto()
    {
        QStringList problemas;
        for (const Licao* l : lidas())
            for (int i = 0; i < l->linhas.size(); ++i)
                if (const QString p = Intipavel(*l, l->linhas.at(i)); !p.isEmpty())
                    problemas << Onde(*l, i) + QLatin1Char(' ') + p;
        REPORTAR(problemas);
    }

    // The kind comes from the content: a lesson is a key drill only when
    // every line is 4 characters once trimmed, and running text otherwise.
    // Key drill lines have no space or Enter (the big key caps have no
    // picture for them); no line starts or ends with a space (the program
    // trims them, which changes the count); and a lesson of mostly
    // 4-character lines that came out as running text is a drill broken by
    // the lines named.
    void tipos()
    {
        QStringList problemas;
        for (const Licao* l : lidas()) {
            for (int i = 0; i < l->linhas.size(); ++i) {
                const QString& s = l->linhas.at(i);
                if (s.startsWith(QLatin1Char(' ')) || s.endsWith(QLatin1Char(' ')))
                    problemas << Onde(*l, i) + QStringLiteral(" starts or ends with a space");
                if (l->tipo == 1 && (s.contains(QLatin1Char(' ')) || s.contains(QLatin1Char('#'))))
                    problemas << Onde(*l, i) + QStringLiteral(" key drill line with a space or '#'");
            }
            if (l->tipo != 2)
                continue;
            // A lesson of mostly 4-character lines is a key drill that one
            // line turned into running text: name the lines that did it.
            QList<int> naoQuatro;
            for (int i = 0; i < l->linhas.size(); ++i)
                if (AparaEspacos(l->linhas.at(i)).size() != 4)
                    naoQuatro << i;
            if (naoQuatro.size() * 2 <= l->linhas.size())
                for (int i : std::as_const(naoQuatro))
                    problemas << Onde(*l, i)
                            + QStringLiteral(" is not 4 characters long and turns this key drill into running text");
        }
        REPORTAR(problemas);
    }

    void quantidadeDeExercicios()
    {
        QStringList problemas;
        for (const Licao* l : lidas()) {
            const int n = int(l->linhas.size());
            if (n < kMinExercicios || n > kMaxExercicios)
                problemas << l->arquivo
                        + QStringLiteral(": %1 exercises (%2 to %3 wanted)")
                              .arg(n).arg(kMinExercicios).arg(kMaxExercicios);
        }
        REPORTAR(problemas);
    }

    // Every word of a running text is in the Brazilian word list (spelled
    // with its accents, so a stripped accent shows up as an unknown word);
    // a capital is accepted at the start of a word for sentence starts.
    void palavras()
    {
        const QRegularExpression separador(QStringLiteral("[ ,.;#]+"));
        QStringList problemas;
        for (const Licao* l : lidas()) {
            if (l->tipo != 2)
                continue;
            for (int i = 0; i < l->linhas.size(); ++i)
                for (const QString& p : l->linhas.at(i).split(separador, Qt::SkipEmptyParts))
                    if (!palavraConhecida(p))
                        problemas << Onde(*l, i) + QStringLiteral(" unknown word \"%1\"").arg(p);
        }
        REPORTAR(problemas);
    }

    // Written text reads like text: single spaces, punctuation stuck to the
    // word before it and followed by a space, an Enter or the end of line,
    // and no space around an Enter.
    void tipografia()
    {
        const QRegularExpression regras[] = {
            QRegularExpression(QStringLiteral("  ")),
            QRegularExpression(QStringLiteral(" [,.;#]")),
            QRegularExpression(QStringLiteral("[,.;][^ #]")),
            QRegularExpression(QStringLiteral("# ")),
            QRegularExpression(QStringLiteral("^[,.;#]")),
        };
        const char* motivos[] = {
            " double space",
            " space before punctuation or Enter",
            " punctuation not followed by a space, Enter or the end of line",
            " space after an Enter",
            " starts with punctuation or Enter",
        };
        QStringList problemas;
        for (const Licao* l : lidas()) {
            if (l->tipo != 2)
                continue;
            for (int i = 0; i < l->linhas.size(); ++i)
                for (int r = 0; r < int(std::size(regras)); ++r)
                    if (regras[r].match(l->linhas.at(i)).hasMatch())
                        problemas << Onde(*l, i) + QLatin1String(motivos[r]);
        }
        REPORTAR(problemas);
    }

    // Each running-text line fits the text panel in the program's font.
    void largura()
    {
        QFont fonte(QStringLiteral("Liberation Sans"));
        fonte.setPointSize(18);
        if (QFontInfo(fonte).family() != QStringLiteral("Liberation Sans"))
            QFAIL(qPrintable(QStringLiteral("font Liberation Sans not installed (package fonts-liberation), "
                                            "got \"%1\": widths cannot be measured")
                                 .arg(QFontInfo(fonte).family())));
        const QFontMetrics medida(fonte);
        // A known width guards against a measurement that silently changed
        // scale (a different logical DPI would make every check meaningless).
        QCOMPARE(QFontInfo(fonte).pixelSize(), 24);

        QStringList problemas;
        for (const Licao* l : lidas()) {
            if (l->tipo != 2)
                continue;
            for (int i = 0; i < l->linhas.size(); ++i) {
                const int w = medida.horizontalAdvance(l->linhas.at(i));
                if (w > kLarguraMaxima)
                    problemas << Onde(*l, i)
                            + QStringLiteral(" is %1 px wide (at most %2)").arg(w).arg(kLarguraMaxima);
            }
        }
        REPORTAR(problemas);
    }

    // A key is practised in a key drill before any running text uses it.
    // On the BR keyboard a running text's "ç" is typed as "c", so it needs
    // both keys drilled. Enter ("#") first appears in the lesson that
    // explains it.
    void teclasTreinadasAntes()
    {
        QSet<QChar> treinadas;
        QStringList problemas;
        for (const Licao* l : lidas()) {
            if (l->tipo == 1) {
                for (const QString& s : l->linhas)
                    for (QChar c : s.toUpper())
                        treinadas.insert(c);
                continue;
            }
            for (int i = 0; i < l->linhas.size(); ++i) {
                QSet<QChar> faltam;
                for (QChar c : l->linhas.at(i).toUpper()) {
                    if (c == QLatin1Char(' '))
                        continue;
                    if (c == QLatin1Char('#')) {
                        if (l->numero < kLicaoEnter)
                            problemas << Onde(*l, i)
                                    + QStringLiteral(" uses Enter before lesson %1 introduces it").arg(kLicaoEnter);
                        continue;
                    }
                    if (!treinadas.contains(c))
                        faltam.insert(c);
                    if (c == QChar(0x00C7) && !treinadas.contains(QLatin1Char('C')))
                        faltam.insert(QLatin1Char('C'));
                }
                QStringList teclas;
                for (QChar c : std::as_const(faltam))
                    teclas << QString(c);
                teclas.sort();
                if (!teclas.isEmpty())
                    problemas << Onde(*l, i)
                            + QStringLiteral(" uses keys not yet drilled: %1").arg(teclas.join(QStringLiteral(" ")));
            }
        }
        REPORTAR(problemas);

        bool enterNaLicao = false;
        for (const QString& s : licoes.value(kLicaoEnter - 1).linhas)
            enterNaLicao = enterNaLicao || s.contains(QLatin1Char('#'));
        QVERIFY2(enterNaLicao, "the Enter lesson has no line with '#'");
    }

    // Lengths grow with the learner: every running text has something to
    // practise, none falls far below or leaps far above the text before it,
    // and the closing lessons are long.
    void comprimentos()
    {
        QStringList problemas;
        int anterior = 0;
        for (const Licao* l : lidas()) {
            if (l->tipo != 2)
                continue;
            const int n = Teclas(*l);
            if (n < kMinTeclasTexto)
                problemas << l->arquivo + QStringLiteral(": %1 keystrokes (at least %2)").arg(n).arg(kMinTeclasTexto);
            if (anterior > 0 && (10 * n < 9 * anterior || 4 * n > 5 * anterior))
                problemas << l->arquivo
                        + QStringLiteral(": %1 keystrokes after a running text of %2 (9/10 to 5/4 of it wanted)")
                              .arg(n).arg(anterior);
            if (l->numero >= kPrimeiraLicaoLonga && (n < kMinTeclasLonga || n > kMaxTeclasLonga))
                problemas << l->arquivo
                        + QStringLiteral(": %1 keystrokes (%2 to %3 wanted)").arg(n).arg(kMinTeclasLonga).arg(kMaxTeclasLonga);
            anterior = n;
        }
        for (int n = kPrimeiraLicaoLonga; n <= kTotalLicoes; ++n)
            if (licoes.value(n - 1).lida && licoes.value(n - 1).tipo != 2)
                problemas << licoes.value(n - 1).arquivo + QStringLiteral(": a closing lesson must be running text");
        REPORTAR(problemas);
    }

    // The closing texts train long words too.
    void palavrasLongas()
    {
        const QRegularExpression separador(QStringLiteral("[ ,.;#]+"));
        QStringList problemas;
        for (const Licao* l : lidas()) {
            if (l->numero < kPrimeiraLicaoLonga)
                continue;
            int palavras = 0;
            int longas = 0;
            for (const QString& s : l->linhas)
                for (const QString& p : s.split(separador, Qt::SkipEmptyParts)) {
                    ++palavras;
                    longas += p.size() >= kLetrasPalavraLonga;
                }
            if (longas < kParcelaPalavrasLongas * palavras)
                problemas << l->arquivo
                        + QStringLiteral(": %1 of %2 words have %3 or more letters (at least %4 %)")
                              .arg(longas).arg(palavras).arg(kLetrasPalavraLonga).arg(kParcelaPalavrasLongas * 100);
        }
        REPORTAR(problemas);
    }

    // No exercise is given twice anywhere in the course, whatever its case.
    void semRepeticao()
    {
        QHash<QString, QString> primeira;
        QStringList problemas;
        for (const Licao* l : lidas())
            for (int i = 0; i < l->linhas.size(); ++i) {
                const QString chave = l->linhas.at(i).toLower();
                const auto it = primeira.constFind(chave);
                if (it != primeira.cend())
                    problemas << Onde(*l, i) + QStringLiteral(" repeats %1").arg(*it);
                else
                    primeira.insert(chave, QStringLiteral("%1, linha %2").arg(l->arquivo).arg(i + 1));
            }
        REPORTAR(problemas);
    }
};

QTEST_MAIN(TstLicoes)
#include "tst_licoes.moc"
