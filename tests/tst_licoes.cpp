// Checks the 52 lesson sources of the course (lessons/licaoNN.txt) like a
// schema: every exercise can be typed on ABNT2, BR and Portuguese keyboards,
// the lesson kind comes out as intended, the running texts are correctly
// spelled Portuguese (after the 2009 spelling agreement), every line fits
// the text panel, no running text asks for a keystroke (a key, a dead key,
// Shift) before a key drill has practised it, drills alternate fingers and
// hands, the texts grow steadily longer, read like real Portuguese (accents,
// ç, -ção words, digits, questions and exclamations, the rare letters) and
// no exercise appears twice in the course.
//
// Every failure names the lesson file and line, and all problems of a check
// are reported together so a teacher can fix a lesson in one pass.

#include "course/TextoExercicio.h"
#include "course/Vocabulario.h"
#include "keyboard/Digitacao.h"

#include <hunspell.hxx>

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

constexpr int kTotalLicoes = 52;
constexpr int kMinExercicios = 8;
constexpr int kMaxExercicios = 20;
// The running-text panel is 783 logical pixels wide; keep a margin.
constexpr int kLarguraMaxima = 740;
// The lesson whose text introduces the Enter key ("#").
constexpr int kLicaoEnter = 36;
// Running texts: never too short to be worth a lesson, and each one at least
// 9/10 and at most 5/4 of the running text before it.
constexpr int kMinTeclasTexto = 300;
// The closing lessons are long texts of longer words.
constexpr int kPrimeiraLicaoLonga = 41;
constexpr int kMinCaracteresLonga = 800;
constexpr int kMaxCaracteresLonga = 1200;
constexpr int kLetrasPalavraLonga = 10;
constexpr double kParcelaPalavrasLongas = 0.05;
// At most this share of the closing lessons' long words are -mente adverbs.
constexpr double kParcelaMente = 0.10;
// Once every accent has been drilled, each running text has at least these
// shares of its letters accented and "ç".
constexpr double kParcelaAcentos = 0.025;
constexpr double kParcelaCedilha = 0.005;
// Distinct -ção/-ções words over the course.
constexpr int kMinPalavrasCao = 30;
// Running texts with digits once the digits have been drilled, and with a
// question and with an exclamation once those have.
constexpr int kMinTextosComNumeros = 8;
constexpr int kMinTextosComPergunta = 5;
// The rare letters come back in the texts after the letters are all in.
constexpr int kUltimaLicaoDasLetras = 23;
constexpr int kMinLetrasRaras = 10;

// Names and words that the Brazilian dictionary lacks but the course uses.
const QStringList kPermitidas = {
    QStringLiteral("Enter"), // the key's name, as printed on it
    QStringLiteral("Shift"), // likewise
    QStringLiteral("Alt"),   // likewise (Alt Gr)
    QStringLiteral("Gr"),
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

// The keystrokes of a character with the reference keyboard, ABNT2 ("#"
// is Enter).
Sequencia Toques(QChar c)
{
    return SequenciaDe(c == QLatin1Char('#') ? QChar(u'\n') : c, Layout::ABNT2);
}

// What the learner types for a lesson, in keystrokes: a key drill line is
// typed eight times, each followed by the space bar; a running-text line is
// typed as it stands, an accented letter being two keystrokes (its dead
// key, then the letter) and "#" one press of Enter. Shift is no keystroke.
int Teclas(const Licao& l)
{
    int n = 0;
    for (const QString& s : l.linhas) {
        int linha = 0;
        for (const QChar c : AparaEspacos(s))
            linha += qMax(1, Toques(c).tamanho);
        n += l.tipo == 1 ? 8 * (linha + 1) : linha;
    }
    return n;
}

// A keystroke as a drill practises it: a key at a level (letters at any
// level), and Shift and Alt Gr as keystrokes of their own.
constexpr int kShift = -1;
constexpr int kAltGr = -2;
QList<int> TeclasDoCaractere(QChar c)
{
    QList<int> r;
    const Sequencia s = Toques(c);
    for (int i = 0; i < s.tamanho; ++i) {
        const Toque& t = s[i];
        r << t.tecla * 4 + (t.livre ? 0 : int(t.nivel));
        if (t.nivel == Nivel::Shift || t.maiuscula)
            r << kShift;
        if (t.nivel == Nivel::AltGr)
            r << kAltGr;
    }
    return r;
}

QString NomeDaTecla(int id)
{
    if (id == kShift)
        return QStringLiteral("Shift");
    if (id == kAltGr)
        return QStringLiteral("Alt Gr");
    const Nivel nivel = Nivel(id % 4);
    const QChar c = NomeDoToque(id / 4, {nivel == Nivel::Shift, nivel == Nivel::AltGr}, Layout::ABNT2);
    return c == QLatin1Char(' ') ? QStringLiteral("espaço") : QString(c);
}

// A letter typed with a dead key: á, ê, ã, à, ü ...
bool Acentuada(QChar c)
{
    const Sequencia s = Toques(c);
    return c.isLetter() && s.tamanho == 2 && s[0].morta;
}

// The fingers a drill line uses (Shift's with its key).
QSet<QString> Dedos(const QString& linha)
{
    QSet<QString> dedos;
    for (const QChar c : linha) {
        const Sequencia s = Toques(c);
        for (int i = 0; i < s.tamanho; ++i) {
            const Guia g = GuiaDoToque(s[i]);
            for (const QString& d : g.dedos)
                if (!d.isEmpty())
                    dedos.insert(d);
        }
    }
    return dedos;
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
    std::unique_ptr<Hunspell> dicionario;

    // Each lesson that was read, for the checks that look at content.
    QList<const Licao*> lidas() const
    {
        QList<const Licao*> r;
        for (const Licao& l : licoes)
            if (l.lida)
                r << &l;
        return r;
    }

    // Known to the dictionary (which takes a capital at a sentence start),
    // or allowed; a hyphenated word whole or part by part (levá-lo).
    bool palavraConhecida(const QString& p) const
    {
        if (kPermitidas.contains(p) || dicionario->spell(p.toStdString()))
            return true;
        if (!p.contains(QLatin1Char('-')))
            return false;
        for (const QString& parte : p.split(QLatin1Char('-')))
            if (!kPermitidas.contains(parte) && !dicionario->spell(parte.toStdString()))
                return false;
        return true;
    }

    // The running texts after lesson `depois`.
    QList<const Licao*> textosDepois(int depois) const
    {
        QList<const Licao*> r;
        for (const Licao* l : lidas())
            if (l->tipo == 2 && l->numero > depois)
                r << l;
        return r;
    }

    // The first lesson whose key drills, with those before, have practised
    // every keystroke of every character of `caracteres`; 0 when none has.
    int treinadosNaLicao(const QString& caracteres) const
    {
        QSet<int> treinadas;
        for (const Licao* l : lidas()) {
            if (l->tipo != 1)
                continue;
            for (const QString& s : l->linhas)
                for (const QChar c : s)
                    for (int id : TeclasDoCaractere(c))
                        treinadas.insert(id);
            bool todos = true;
            for (const QChar c : caracteres)
                for (int id : TeclasDoCaractere(c))
                    todos = todos && treinadas.contains(id);
            if (todos)
                return l->numero;
        }
        return 0;
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

        // The Brazilian dictionary of hunspell follows the 2009 spelling
        // agreement (ideia, voo, linguiça).
        const QString aff = QStringLiteral("/usr/share/hunspell/pt_BR.aff");
        const QString dic = QStringLiteral("/usr/share/hunspell/pt_BR.dic");
        QVERIFY2(QFile::exists(aff) && QFile::exists(dic),
                 "the Brazilian dictionary /usr/share/hunspell/pt_BR.dic is missing (package hunspell-pt-br)");
        dicionario = std::make_unique<Hunspell>(QFile::encodeName(aff).constData(), QFile::encodeName(dic).constData());
        QVERIFY(palavraConhecida(QStringLiteral("criança")));
        QVERIFY(palavraConhecida(QStringLiteral("ideia")));
        QVERIFY(!palavraConhecida(QStringLiteral("idéia")));
        QVERIFY(!palavraConhecida(QStringLiteral("voce")));
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

    // Every word of a running text is in the Brazilian dictionary (spelled
    // with its accents, so a stripped accent shows up as an unknown word).
    void palavras()
    {
        QStringList problemas;
        for (const Licao* l : lidas()) {
            if (l->tipo != 2)
                continue;
            for (int i = 0; i < l->linhas.size(); ++i)
                for (const QString& p : PalavrasDaLinha(l->linhas.at(i)))
                    if (!palavraConhecida(p))
                        problemas << Onde(*l, i) + QStringLiteral(" unknown word \"%1\"").arg(p);
        }
        REPORTAR(problemas);
    }

    // Written text reads like text: single spaces; punctuation stuck to the
    // word before it and followed by a space, an Enter, a closing quote or
    // parenthesis or the end of line (a comma, period or colon between two
    // digits is part of a number: 10,50, 1.200, 10:30); no space inside
    // parentheses; no space around an Enter.
    void tipografia()
    {
        const QRegularExpression regras[] = {
            QRegularExpression(QStringLiteral("  ")),
            QRegularExpression(QStringLiteral(" [,.;:?!#)]")),
            QRegularExpression(QStringLiteral("[;?!](?=[^ #)\".?!])|[,.:](?=[^ #)\".?!\\d])|(?<!\\d)[,.:](?=\\d)")),
            QRegularExpression(QStringLiteral("# ")),
            QRegularExpression(QStringLiteral("^[,.;:?!#)]")),
            QRegularExpression(QStringLiteral("\\( | \\)")),
        };
        const char* motivos[] = {
            " double space",
            " space before punctuation, a closing parenthesis or Enter",
            " punctuation not followed by a space, Enter or the end of line",
            " space after an Enter",
            " starts with punctuation or Enter",
            " space inside parentheses",
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
                // Enter shows as a return sign as wide as an M.
                const int w = medida.horizontalAdvance(QString(l->linhas.at(i)).replace(QLatin1Char('#'), QLatin1Char('M')));
                if (w > kLarguraMaxima)
                    problemas << Onde(*l, i)
                            + QStringLiteral(" is %1 px wide (at most %2)").arg(w).arg(kLarguraMaxima);
            }
        }
        REPORTAR(problemas);
    }

    // Every keystroke is practised in a key drill before a running text asks
    // for it: the keys, the dead key of each accent, and Shift (capitals and
    // the characters above the digits) and Alt Gr. The reference is the
    // ABNT2 keyboard; on the BR one a text's "ç" is typed as "c", so "c" is
    // drilled too. Enter ("#") first appears in the lesson that explains it.
    void teclasTreinadasAntes()
    {
        const QList<int> espaco = TeclasDoCaractere(QLatin1Char(' '));
        QSet<int> treinadas(espaco.cbegin(), espaco.cend());
        QStringList problemas;
        for (const Licao* l : lidas()) {
            if (l->tipo == 1) {
                for (const QString& s : l->linhas)
                    for (const QChar c : s)
                        for (int id : TeclasDoCaractere(c))
                            treinadas.insert(id);
                continue;
            }
            for (int i = 0; i < l->linhas.size(); ++i) {
                QStringList faltam;
                if (l->numero < kLicaoEnter && l->linhas.at(i).contains(QLatin1Char('#')))
                    problemas << Onde(*l, i)
                            + QStringLiteral(" uses Enter before lesson %1 introduces it").arg(kLicaoEnter);
                for (const QChar c : l->linhas.at(i)) {
                    if (c == QLatin1Char('#'))
                        continue;
                    QList<int> ids = TeclasDoCaractere(c);
                    if (c == QChar(u'ç') || c == QChar(u'Ç'))
                        ids << TeclasDoCaractere(QLatin1Char('c'));
                    for (int id : std::as_const(ids))
                        if (!treinadas.contains(id)) {
                            const QString falta = NomeDaTecla(id) + QStringLiteral(" (") + c + QLatin1Char(')');
                            if (!faltam.contains(falta))
                                faltam << falta;
                        }
                }
                if (!faltam.isEmpty())
                    problemas << Onde(*l, i)
                            + QStringLiteral(" uses keystrokes not yet drilled: %1").arg(faltam.join(QStringLiteral(", ")));
            }
        }
        REPORTAR(problemas);

        bool enterNaLicao = false;
        for (const QString& s : licoes.value(kLicaoEnter - 1).linhas)
            enterNaLicao = enterNaLicao || s.contains(QLatin1Char('#'));
        QVERIFY2(enterNaLicao, "the Enter lesson has no line with '#'");
    }

    // Drills move between fingers and hands: never two lines in a row for
    // one finger alone, and most lines of a drill use both hands.
    void treinosAlternamDedosEMaos()
    {
        QStringList problemas;
        for (const Licao* l : lidas()) {
            if (l->tipo != 1)
                continue;
            int duasMaos = 0;
            QSet<QString> anterior;
            for (int i = 0; i < l->linhas.size(); ++i) {
                const QSet<QString> dedos = Dedos(l->linhas.at(i));
                if (dedos.size() == 1 && dedos == anterior)
                    problemas << Onde(*l, i) + QStringLiteral(" is the second line in a row for one finger alone");
                bool esquerda = false, direita = false;
                for (const QString& d : dedos)
                    (d.startsWith(QLatin1Char('S')) ? esquerda : direita) = true;
                duasMaos += esquerda && direita;
                anterior = dedos;
            }
            if (2 * duasMaos <= l->linhas.size())
                problemas << l->arquivo
                        + QStringLiteral(": %1 of %2 lines use both hands (more than half wanted)")
                              .arg(duasMaos).arg(l->linhas.size());
        }
        REPORTAR(problemas);
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
            int caracteres = 0;
            for (const QString& s : l->linhas)
                caracteres += int(s.size());
            if (l->numero >= kPrimeiraLicaoLonga && (caracteres < kMinCaracteresLonga || caracteres > kMaxCaracteresLonga))
                problemas << l->arquivo
                        + QStringLiteral(": %1 characters (%2 to %3 wanted)")
                              .arg(caracteres).arg(kMinCaracteresLonga).arg(kMaxCaracteresLonga);
            anterior = n;
        }
        for (int n = kPrimeiraLicaoLonga; n <= kTotalLicoes; ++n)
            if (licoes.value(n - 1).lida && licoes.value(n - 1).tipo != 2)
                problemas << licoes.value(n - 1).arquivo + QStringLiteral(": a closing lesson must be running text");
        REPORTAR(problemas);
    }

    // The closing texts train long words too, from natural vocabulary: at
    // most one long word in ten is a -mente adverb.
    void palavrasLongas()
    {
        QStringList problemas;
        int longasNoFim = 0;
        int menteNoFim = 0;
        for (const Licao* l : lidas()) {
            if (l->numero < kPrimeiraLicaoLonga)
                continue;
            int palavras = 0;
            int longas = 0;
            for (const QString& s : l->linhas)
                for (const QString& p : PalavrasDaLinha(s)) {
                    ++palavras;
                    if (p.size() >= kLetrasPalavraLonga) {
                        ++longas;
                        menteNoFim += p.toLower().endsWith(QStringLiteral("mente"));
                    }
                }
            longasNoFim += longas;
            if (longas < kParcelaPalavrasLongas * palavras)
                problemas << l->arquivo
                        + QStringLiteral(": %1 of %2 words have %3 or more letters (at least %4 %)")
                              .arg(longas).arg(palavras).arg(kLetrasPalavraLonga).arg(kParcelaPalavrasLongas * 100);
        }
        if (menteNoFim > kParcelaMente * longasNoFim)
            problemas << QStringLiteral("lessons %1-%2: %3 of %4 long words end in -mente (at most %5 %)")
                             .arg(kPrimeiraLicaoLonga).arg(kTotalLicoes).arg(menteNoFim).arg(longasNoFim)
                             .arg(kParcelaMente * 100);
        REPORTAR(problemas);
    }

    // Once every accent has been drilled, the texts read like real
    // Brazilian prose: accented letters and "ç" at their usual shares.
    void acentosECedilha()
    {
        const int depois = treinadosNaLicao(QStringLiteral("áéíóúâêôãõà"));
        QVERIFY2(depois > 0, "no key drill practises every accent (á é í ó ú â ê ô ã õ à)");
        QStringList problemas;
        for (const Licao* l : textosDepois(depois)) {
            int letras = 0, acentos = 0, cedilhas = 0;
            for (const QString& s : l->linhas)
                for (const QChar c : s) {
                    letras += c.isLetter();
                    acentos += Acentuada(c);
                    cedilhas += c.toLower() == QChar(u'ç');
                }
            if (acentos < kParcelaAcentos * letras)
                problemas << l->arquivo + QStringLiteral(": %1 accented letters of %2 (at least %3 %)")
                                              .arg(acentos).arg(letras).arg(kParcelaAcentos * 100);
            if (cedilhas < kParcelaCedilha * letras)
                problemas << l->arquivo + QStringLiteral(": %1 ç of %2 letters (at least %3 %)")
                                              .arg(cedilhas).arg(letras).arg(kParcelaCedilha * 100);
        }
        REPORTAR(problemas);
    }

    // What a learner writes: many -ção and -ções words, digits in the texts
    // once the number row is drilled, dialogue with questions and
    // exclamations once those are, and W, Y and K back in the texts (names,
    // units, loanwords) after the letters.
    void textosDeVerdade()
    {
        QStringList problemas;
        QSet<QString> cao;
        for (const Licao* l : textosDepois(0))
            for (const QString& s : l->linhas)
                for (const QString& p : PalavrasDaLinha(s)) {
                    const QString m = p.toLower();
                    if (m.endsWith(QStringLiteral("ção")) || m.endsWith(QStringLiteral("ções")))
                        cao.insert(m);
                }
        if (cao.size() < kMinPalavrasCao)
            problemas << QStringLiteral("%1 different -ção/-ções words in the course (at least %2)")
                             .arg(cao.size()).arg(kMinPalavrasCao);

        const auto contar = [&](const QString& treinar, const std::function<bool(QChar)>& tem, int minimo,
                                const QString& oque) {
            const int depois = treinadosNaLicao(treinar);
            if (depois == 0) {
                problemas << QStringLiteral("no key drill practises %1").arg(oque);
                return;
            }
            int textos = 0;
            for (const Licao* l : textosDepois(depois))
                textos += std::any_of(l->linhas.cbegin(), l->linhas.cend(),
                                      [&](const QString& s) { return std::any_of(s.cbegin(), s.cend(), tem); });
            if (textos < minimo)
                problemas << QStringLiteral("%1 running texts after lesson %2 have %3 (at least %4)")
                                 .arg(textos).arg(depois).arg(oque).arg(minimo);
        };
        contar(QStringLiteral("0123456789"), [](QChar c) { return c.isDigit(); }, kMinTextosComNumeros,
               QStringLiteral("digits"));
        contar(QStringLiteral("?"), [](QChar c) { return c == QLatin1Char('?'); }, kMinTextosComPergunta,
               QStringLiteral("a question"));
        contar(QStringLiteral("!"), [](QChar c) { return c == QLatin1Char('!'); }, kMinTextosComPergunta,
               QStringLiteral("an exclamation"));

        for (const QChar rara : QStringLiteral("wyk")) {
            int vezes = 0;
            for (const Licao* l : textosDepois(kUltimaLicaoDasLetras))
                for (const QString& s : l->linhas)
                    for (const QChar c : s)
                        vezes += c.toLower() == rara;
            if (vezes < kMinLetrasRaras)
                problemas << QStringLiteral("the letter %1 appears %2 times in the texts after lesson %3 (at least %4)")
                                 .arg(rara).arg(vezes).arg(kUltimaLicaoDasLetras).arg(kMinLetrasRaras);
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
