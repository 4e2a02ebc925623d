#include "practice/TreinoPersonalizado.h"

#include "course/ModFun.h"
#include "course/TextoExercicio.h"
#include "keyboard/Digitacao.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>
#include <cmath>
#include <random>

QList<TeclaFraca> EscolherTeclasFracas(const MapaTeclas& historico, const QSet<QChar>& ensinados, int minimoToques,
                                       int maximo)
{
    QList<TeclaFraca> candidatas;
    for (auto i = historico.cbegin(); i != historico.cend(); ++i) {
        const QChar k = i.key();
        if (k == QLatin1Char(' ') || k == QLatin1Char('\n') || !ensinados.contains(k)
            || i->total() < minimoToques)
            continue;
        TeclaFraca t;
        t.tecla = k;
        t.contagem = *i;
        int vezes = 0;
        for (auto x = i->trocas.cbegin(); x != i->trocas.cend(); ++x)
            if (x.value() > vezes && x.key().size() == 1) {
                vezes = x.value();
                t.troca = x.key().at(0);
            }
        candidatas << t;
    }
    const auto maisLenta = [](const TeclaFraca& a, const TeclaFraca& b) {
        if (a.contagem.msMedio() != b.contagem.msMedio())
            return a.contagem.msMedio() > b.contagem.msMedio();
        return a.tecla < b.tecla;
    };
    QList<TeclaFraca> comErros, semErros;
    for (const TeclaFraca& t : std::as_const(candidatas))
        (t.contagem.erros > 0 ? comErros : semErros) << t;
    std::sort(comErros.begin(), comErros.end(), [&](const TeclaFraca& a, const TeclaFraca& b) {
        if (a.contagem.taxaErro() != b.contagem.taxaErro())
            return a.contagem.taxaErro() > b.contagem.taxaErro();
        return maisLenta(a, b);
    });
    std::sort(semErros.begin(), semErros.end(), maisLenta);
    QList<TeclaFraca> r = comErros.mid(0, maximo);
    for (const TeclaFraca& t : std::as_const(semErros))
        if (r.size() < qMin(3, maximo) && t.contagem.msAmostras > 0)
            r << t;
    return r;
}

int ToquesParaTreino(int tpm)
{
    return qBound(150, int(std::lround(tpm * 2.5)), 600);
}

bool TemToque(const QString& palavra, const QSet<QChar>& toques, int tipoTeclado)
{
    for (const QChar c : TextoCorrido(palavra, tipoTeclado)) {
        const Sequencia s = SequenciaDe(c, tipoTeclado);
        for (int i = 0; i < s.tamanho; ++i)
            if (toques.contains(s[i].nome))
                return true;
    }
    return false;
}

namespace {

int Toques(const QString& texto, int tipoTeclado)
{
    int n = 0;
    for (const QChar c : TextoCorrido(texto, tipoTeclado))
        n += qMax(1, SequenciaDe(c, tipoTeclado).tamanho);
    return n;
}

// A character that a keystroke starts: the letter of a letter key, an
// accented a for a dead key, the character itself otherwise.
QString Representante(QChar nome, int tipoTeclado)
{
    const Toque t = ToqueDoNome(nome, tipoTeclado);
    if (!t.valido() || nome == QLatin1Char(' ') || nome == QLatin1Char('\n') || nome == QLatin1Char('#'))
        return QString();
    if (t.morta) {
        for (const QChar c : QStringLiteral("áàâãäéêíóôõú")) {
            const Sequencia s = SequenciaDe(c, tipoTeclado);
            if (s.tamanho == 2 && s[0].nome == nome)
                return QString(c);
        }
        return QString();
    }
    return nome.isLetter() ? QString(nome.toLower()) : QString(nome);
}

// A short drill of two keys a learner mixes up: "kl lk kkl llk".
QString DrillDoPar(const QString& a, const QString& b)
{
    return a + b + QLatin1Char(' ') + b + a + QLatin1Char(' ') + a + a + b + QLatin1Char(' ') + b + b + a;
}

struct Sorteio {
    QStringList itens;
    std::vector<double> pesos;
    bool vazio() const { return itens.isEmpty(); }
};

} // namespace

TreinoDeTeclas MontarTreino(const Vocabulario& vocabulario, const QList<TeclaFraca>& fracas, int tipoTeclado,
                            int toquesAlvo, quint32 semente, int maximoCaracteres)
{
    TreinoDeTeclas r;
    r.teclas = fracas;
    QSet<QChar> nomes;
    for (const TeclaFraca& t : fracas)
        nomes.insert(t.tecla);

    // The words holding each weak key, and the common words without any.
    // A word's weight grows with how often the course uses it and with how
    // many weak keystrokes it holds.
    std::vector<Sorteio> porTecla(fracas.size());
    Sorteio comuns;
    for (const PalavraDoCurso& p : vocabulario.palavras) {
        if (p.palavra.size() < 2 || !vocabulario.Digitavel(p.palavra, tipoTeclado))
            continue;
        const double peso = std::sqrt(double(p.vezes));
        QList<QChar> toques;
        for (const QChar c : TextoCorrido(p.palavra, tipoTeclado)) {
            const Sequencia s = SequenciaDe(c, tipoTeclado);
            for (int i = 0; i < s.tamanho; ++i)
                toques << s[i].nome;
        }
        int fracasNaPalavra = 0;
        for (const QChar t : std::as_const(toques))
            fracasNaPalavra += nomes.contains(t);
        if (fracasNaPalavra == 0) {
            if (comuns.itens.size() < 300) {
                comuns.itens << p.palavra;
                comuns.pesos.push_back(peso);
            }
            continue;
        }
        for (qsizetype k = 0; k < fracas.size(); ++k)
            if (toques.contains(fracas.at(k).tecla)) {
                porTecla[k].itens << p.palavra;
                porTecla[k].pesos.push_back(peso * (1 + fracasNaPalavra));
            }
    }
    // Which weak key a word is drawn for: each by its error rate, a key
    // that is only slow by a little, so a rare key (K, a dead key) gets its
    // share however few words hold it.
    std::vector<double> pesoDaTecla;
    for (qsizetype k = 0; k < fracas.size(); ++k)
        pesoDaTecla.push_back(porTecla[k].vazio() ? 0.0 : fracas.at(k).contagem.taxaErro() + 0.05);
    const bool comFracas = std::any_of(pesoDaTecla.cbegin(), pesoDaTecla.cend(), [](double v) { return v > 0; });
    QStringList drills;
    for (const TeclaFraca& t : fracas) {
        const QString a = Representante(t.tecla, tipoTeclado);
        const QString b = t.troca.isNull() ? QString() : Representante(t.troca, tipoTeclado);
        if (!a.isEmpty() && !b.isEmpty() && a != b)
            drills << DrillDoPar(a, b);
    }
    if (!comFracas && comuns.vazio() && drills.isEmpty())
        return r;

    std::mt19937 gerador(semente);
    const auto sortear = [&gerador](const Sorteio& s) {
        std::discrete_distribution<int> d(s.pesos.cbegin(), s.pesos.cend());
        return s.itens.at(d(gerador));
    };
    std::bernoulli_distribution fraca(2.0 / 3.0);

    QStringList itens;
    int toques = 0;
    QString anterior;
    for (int i = 0; toques < toquesAlvo && i < 10000; ++i) {
        QString item;
        bool palavra = true;
        if (!drills.isEmpty() && i % 8 == 7) {
            item = drills.at(int(gerador() % drills.size()));
            palavra = false;
        } else if (comFracas && (comuns.vazio() || fraca(gerador))) {
            std::discrete_distribution<int> tecla(pesoDaTecla.cbegin(), pesoDaTecla.cend());
            item = sortear(porTecla[tecla(gerador)]);
        } else if (!comuns.vazio()) {
            item = sortear(comuns);
        } else {
            continue;
        }
        if (item == anterior)
            continue;
        anterior = item;
        itens << item;
        toques += Toques(item, tipoTeclado) + 1;
        if (palavra) {
            ++r.palavras;
            r.palavrasComFracas += TemToque(item, nomes, tipoTeclado);
        }
    }

    // Lines of whole items, each no longer than the limit.
    QString linha;
    for (const QString& item : std::as_const(itens)) {
        if (!linha.isEmpty() && linha.size() + 1 + item.size() > maximoCaracteres) {
            r.linhas << linha;
            linha.clear();
        }
        linha += (linha.isEmpty() ? QString() : QStringLiteral(" ")) + item;
    }
    if (!linha.isEmpty())
        r.linhas << linha;
    return r;
}

QString DecodificarTexto(const QByteArray& bytes)
{
    QByteArray b = bytes;
    if (b.startsWith("\xEF\xBB\xBF"))
        b.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString texto = utf8.decode(b);
    return utf8.hasError() ? DecodificarWindows1252(b) : texto;
}

TextoLimpo LimparTexto(const QString& texto, int tipoTeclado, const std::function<bool(const QString&)>& cabe)
{
    TextoLimpo r;
    // What the keyboard types in place of typographic characters.
    QString t;
    t.reserve(texto.size());
    for (const QChar c : texto) {
        switch (c.unicode()) {
        case u'\u201C': case u'\u201D': case u'\u201E': case u'\u201F': case u'\u00AB': case u'\u00BB':
            t += QLatin1Char('"'); break;
        case u'\u2018': case u'\u2019': case u'\u201A': case u'\u201B': case u'\u2032':
            t += QLatin1Char('\''); break;
        case u'\u2010': case u'\u2011': case u'\u2012': case u'\u2013': case u'\u2014': case u'\u2015': case u'\u2212':
            t += QLatin1Char('-'); break;
        case u'\u2026':
            t += QStringLiteral("..."); break;
        case u'\t': case u'\u00A0': case u'\u2002': case u'\u2003': case u'\u2009': case u'\u202F':
            t += QLatin1Char(' '); break;
        case u'\u00AD': case u'\r': case u'\uFEFF':
            break; // soft hyphen, carriage return, byte order mark
        default:
            t += c;
        }
    }

    // Paragraphs (separated by blank lines), their lines joined, and what no
    // key types dropped.
    QStringList paragrafos;
    QHash<char16_t, bool> digitaveis;
    static const QRegularExpression linhaEmBranco(QStringLiteral("\\n[ ]*\\n"));
    for (const QString& bloco : t.split(linhaEmBranco, Qt::SkipEmptyParts)) {
        QString p;
        const QString linhaUnica = QString(bloco).replace(QLatin1Char('\n'), QLatin1Char(' '));
        for (qsizetype i = 0; i < linhaUnica.size(); ++i) {
            const QChar c = linhaUnica.at(i);
            // A character beyond the basic plane (an emoji) is a pair of
            // code units, dropped and reported as one.
            if (c.isHighSurrogate() && i + 1 < linhaUnica.size() && linhaUnica.at(i + 1).isLowSurrogate()) {
                const QString par = linhaUnica.mid(i++, 2);
                ++r.quantosRemovidos;
                if (!r.removidos.contains(par))
                    r.removidos += par;
                continue;
            }
            // A text holds few distinct characters: each is judged once.
            auto aceito = digitaveis.constFind(c.unicode());
            if (aceito == digitaveis.cend())
                aceito = digitaveis.insert(c.unicode(), c == QLatin1Char(' ')
                                               || (c != QLatin1Char('#')
                                                   && Digitavel(TextoCorrido(QString(c), tipoTeclado).at(0), tipoTeclado)));
            if (!*aceito) {
                ++r.quantosRemovidos;
                if (!r.removidos.contains(c))
                    r.removidos += c;
                continue;
            }
            p += c;
        }
        p = p.simplified();
        if (!p.isEmpty())
            paragrafos << p;
    }

    // Lines past the last one practised are not wrapped at all.
    const auto cheio = [&r] { return r.linhas.size() > MaximoLinhasTexto; };
    // A word wider than the panel is cut where it stops fitting (the
    // longest start that fits, found by halves: a pasted run of thousands of
    // characters without a space is no slower to cut).
    const auto cortar = [&](QString& linha) {
        while (!cheio() && !cabe(linha)) {
            int cabem = 1, naoCabem = int(linha.size());
            while (naoCabem - cabem > 1) {
                const int meio = (cabem + naoCabem) / 2;
                (cabe(linha.left(meio)) ? cabem : naoCabem) = meio;
            }
            r.linhas << linha.left(cabem);
            linha = linha.mid(cabem);
        }
    };
    for (const QString& p : std::as_const(paragrafos)) {
        QString linha;
        for (const QString& palavra : p.split(QLatin1Char(' '))) {
            if (cheio())
                break;
            const QString junta = linha.isEmpty() ? palavra : linha + QLatin1Char(' ') + palavra;
            if (linha.isEmpty() || cabe(junta)) {
                linha = junta;
            } else {
                r.linhas << linha;
                linha = palavra;
            }
            cortar(linha);
        }
        if (!linha.isEmpty() && !cheio())
            r.linhas << linha;
        if (cheio())
            break;
    }
    if (r.linhas.size() > MaximoLinhasTexto) {
        r.linhas = r.linhas.mid(0, MaximoLinhasTexto);
        r.cortado = true;
    }
    return r;
}

int ToquesDasLinhas(const QStringList& linhas, int tipoTeclado)
{
    int n = 0;
    for (const QString& l : linhas)
        n += Toques(l, tipoTeclado);
    return n;
}

int ComparacaoTecla::Tendencia() const
{
    if (!digitada)
        return 0;
    const long antes = std::lround(taxaAntes * 100), agora = std::lround(taxaAgora * 100);
    if (antes != agora)
        return agora < antes ? 1 : -1;
    if (msAntes <= 0 || msAgora <= 0 || std::abs(msAgora - msAntes) <= msAntes / 20)
        return 0;
    return msAgora < msAntes ? 1 : -1;
}

QList<ComparacaoTecla> CompararTeclas(const ResultadoTreino& resultado)
{
    QList<ComparacaoTecla> r;
    for (const TeclaFraca& f : resultado.fracas) {
        ComparacaoTecla c;
        c.tecla = f.tecla;
        c.taxaAntes = f.contagem.taxaErro();
        c.msAntes = f.contagem.msMedio();
        const auto agora = resultado.teclas.constFind(f.tecla);
        c.digitada = agora != resultado.teclas.cend() && agora->total() > 0;
        if (c.digitada) {
            c.taxaAgora = agora->taxaErro();
            c.msAgora = agora->msMedio();
        }
        r << c;
    }
    return r;
}

