#include "keyboard/Digitacao.h"

#include "keyboard/MapaTeclas.h"

#include <QHash>

#include <algorithm>

namespace {

int chaveToque(int tecla, Nivel nivel) { return tecla * 4 + int(nivel); }

QChar combinante(Acento a)
{
    switch (a) {
    case Acento::Agudo: return QChar(0x0301);
    case Acento::Grave: return QChar(0x0300);
    case Acento::Circunflexo: return QChar(0x0302);
    case Acento::Til: return QChar(0x0303);
    case Acento::Trema: return QChar(0x0308);
    }
    return QChar();
}

// The letter with the accent as one character of the Windows-1252 range
// (Latin-1 letters), or a null character.
QChar comAcento(QChar letra, Acento a)
{
    const QString composto =
        (QString(letra) + combinante(a)).normalized(QString::NormalizationForm_C);
    if (composto.size() != 1 || composto.at(0).unicode() > 0xFF)
        return QChar();
    return composto.at(0);
}

struct Tabela {
    QHash<char16_t, Sequencia> porCaractere;
    QHash<int, QChar> nomes; // chaveToque -> name
    QHash<char16_t, Toque> porNome;

    void juntar(QChar c, const Sequencia& s)
    {
        if (!c.isNull() && !porCaractere.contains(c.unicode()))
            porCaractere.insert(c.unicode(), s);
    }
    void juntar(QChar c, const Toque& t)
    {
        Sequencia s;
        s.anexar(t);
        juntar(c, s);
    }
    void nomear(const Toque& t)
    {
        nomes.insert(chaveToque(t.tecla, t.nivel), t.nome);
        if (!porNome.contains(t.nome.unicode()))
            porNome.insert(t.nome.unicode(), t);
    }
};

Tabela montar(int tipoTeclado)
{
    Tabela tab;
    const QList<TeclaMorta> mortas = TeclasMortas(tipoTeclado);
    auto morta = [&mortas](int codigo, Nivel nivel) {
        for (const TeclaMorta& m : mortas)
            if (m.codigo == codigo && m.nivel == nivel)
                return true;
        return false;
    };

    Toque espaco;
    for (const Tecla& k : TeclasDoLayout(tipoTeclado)) {
        if (k.codigo == CodigoTecla::Espaco || k.codigo == CodigoTecla::Enter) {
            Toque t;
            t.tecla = k.codigo;
            t.livre = true;
            t.nome = k.codigo == CodigoTecla::Espaco ? QLatin1Char(' ') : QLatin1Char('\n');
            tab.juntar(t.nome, t);
            tab.nomear(t);
            if (k.codigo == CodigoTecla::Espaco)
                espaco = t;
            continue;
        }
        if (k.codigo == 0 || k.nomeada())
            continue;
        if (k.baixo.isEmpty() && k.cima.size() == 1 && k.cima.at(0).isLetter()) {
            // A letter: the same key with or without Shift.
            Toque t;
            t.tecla = k.codigo;
            t.livre = true;
            t.nome = k.cima.at(0).toUpper();
            tab.nomear(t);
            tab.nomes.insert(chaveToque(k.codigo, Nivel::Shift), t.nome);
            tab.juntar(t.nome.toLower(), t);
            t.maiuscula = true;
            tab.juntar(t.nome, t);
            continue;
        }
        const std::array<std::pair<Nivel, const QString*>, 3> niveis{
            {{Nivel::Base, &k.baixo}, {Nivel::Shift, &k.cima}, {Nivel::AltGr, &k.terceiro}}};
        for (const auto& [nivel, legenda] : niveis) {
            if (legenda->size() != 1)
                continue;
            Toque t;
            t.tecla = k.codigo;
            t.nivel = nivel;
            t.nome = legenda->at(0);
            t.morta = morta(k.codigo, nivel);
            tab.nomear(t);
            if (!t.morta)
                tab.juntar(t.nome, t);
        }
    }

    // The dead keys: the accent alone, then the accented letters.
    for (const TeclaMorta& m : mortas) {
        const QChar nome = tab.nomes.value(chaveToque(m.codigo, m.nivel));
        if (nome.isNull())
            continue;
        const Toque morto = tab.porNome.value(nome.unicode());
        Sequencia sozinho;
        sozinho.anexar(morto);
        sozinho.anexar(espaco);
        tab.juntar(nome, sozinho);
        for (const char16_t base : u"aeiouynAEIOUYN") {
            const QChar letra(base);
            const QChar acentuada = comAcento(letra, m.acento);
            const Sequencia l = tab.porCaractere.value(letra.unicode());
            if (acentuada.isNull() || l.tamanho != 1)
                continue;
            Sequencia s;
            s.anexar(morto);
            s.anexar(l[0]);
            tab.juntar(acentuada, s);
        }
    }
    return tab;
}

const Tabela& tabela(int tipoTeclado)
{
    static const Tabela abnt2 = montar(Layout::ABNT2);
    static const Tabela br = montar(Layout::BR);
    static const Tabela portugues = montar(Layout::Portugues);
    switch (tipoTeclado) {
    case Layout::BR: return br;
    case Layout::Portugues: return portugues;
    default: return abnt2;
    }
}

} // namespace

Sequencia SequenciaDe(QChar c, int tipoTeclado)
{
    return tabela(tipoTeclado).porCaractere.value(c.unicode());
}

QString CaracteresDigitaveis(int tipoTeclado)
{
    QList<char16_t> codigos = tabela(tipoTeclado).porCaractere.keys();
    std::sort(codigos.begin(), codigos.end());
    QString r;
    for (const char16_t c : codigos)
        r += QChar(c);
    return r;
}

bool Confere(const Toque& esperado, int tecla, Modificadores m)
{
    if (!esperado.valido() || tecla != esperado.tecla)
        return false;
    if (esperado.livre)
        return true;
    switch (esperado.nivel) {
    case Nivel::Base: return !m.shift && !m.altGr;
    case Nivel::Shift: return m.shift && !m.altGr;
    case Nivel::AltGr: return m.altGr && !m.shift;
    }
    return false;
}

QChar NomeDoToque(int tecla, Modificadores m, int tipoTeclado)
{
    const Tabela& t = tabela(tipoTeclado);
    const Nivel nivel = m.altGr ? Nivel::AltGr : m.shift ? Nivel::Shift : Nivel::Base;
    const QChar nome = t.nomes.value(chaveToque(tecla, nivel));
    if (!nome.isNull())
        return nome;
    // Letters, the space bar and Enter type the same at every level.
    const QChar base = t.nomes.value(chaveToque(tecla, Nivel::Base));
    if (!base.isNull() && t.porNome.value(base.unicode()).livre)
        return base;
    return QChar();
}

Toque ToqueDoNome(QChar nome, int tipoTeclado)
{
    return tabela(tipoTeclado).porNome.value(nome.unicode());
}

int PosicaoDaTecla(int codigo, int tipoTeclado)
{
    return tipoTeclado == Layout::Portugues ? RemapearPortugues(codigo) : codigo;
}

int CodigoDaPosicao(int posicao, int tipoTeclado)
{
    if (tipoTeclado != Layout::Portugues)
        return posicao;
    static const QHash<int, int> inverso = [] {
        QHash<int, int> m;
        for (int codigo = 0; codigo < 256; ++codigo)
            if (RemapearPortugues(codigo) != codigo)
                m.insert(RemapearPortugues(codigo), codigo);
        return m;
    }();
    return inverso.value(posicao, posicao);
}

Guia GuiaDoToque(const Toque& t)
{
    Guia g;
    if (!t.valido())
        return g;
    g.teclas[0] = t.tecla;
    g.dedos[0] = DedoDaTecla(t.tecla);
    if (t.nivel == Nivel::AltGr) {
        g.teclas[1] = CodigoTecla::AltGr;
        g.dedos[1] = DedoDaTecla(CodigoTecla::AltGr);
    } else if (t.nivel == Nivel::Shift || t.maiuscula) {
        // The Shift of the other hand, with its little finger.
        const bool esquerda = g.dedos[0].startsWith(QLatin1Char('S'));
        g.teclas[1] = esquerda ? CodigoTecla::ShiftDireito : CodigoTecla::ShiftEsquerdo;
        g.dedos[1] = DedoDaTecla(g.teclas[1]);
    }
    return g;
}
