#include "keyboard/GradeTeclado.h"

#include <QHash>

namespace {

// Key grid: a normal key is 480 x 495, keys in a row are 510 apart.
constexpr int Largura = 480;
constexpr int Altura = 495;
constexpr int Passo = 510;
constexpr int Linha[5] = {4590, 5115, 5640, 6165, 6690};
constexpr int Esquerda = 2190;

Tecla tecla(int codigo, int left, int linha, int largura, const QString& cima,
            const QString& baixo = QString(), const QString& terceiro = QString())
{
    Tecla t;
    t.codigo = codigo;
    t.twips = QRect(left, Linha[linha], largura, Altura);
    t.cima = cima;
    t.baixo = baixo;
    t.terceiro = terceiro;
    return t;
}

Tecla enter(int left, int largura, FormaTecla forma)
{
    Tecla t;
    t.codigo = 13;
    t.twips = QRect(left, Linha[1], largura, Linha[2] + Altura - Linha[1]);
    t.cima = QStringLiteral("Enter");
    t.forma = forma;
    return t;
}

void letras(QList<Tecla>& teclas, const char* sequencia, int left, int linha)
{
    for (int i = 0; sequencia[i]; ++i) {
        const QChar c = QLatin1Char(sequencia[i]);
        teclas << tecla(c.unicode(), left + i * Passo, linha, Largura, QString(c));
    }
}

QList<Tecla> montarAbnt2()
{
    QList<Tecla> t;
    // Row 1
    t << tecla(192, Esquerda, 0, Largura, QStringLiteral("\""), QStringLiteral("'"));
    const char* superiores[] = {"!", "@", "#", "$", "%", "\u00A8", "&", "*", "("};
    const char* terceiros[] = {"\u00B9", "\u00B2", "\u00B3", "\u00A3", "\u00A2", "\u00AC", "", "", ""};
    for (int i = 0; i < 9; ++i)
        t << tecla(49 + i, 2700 + i * Passo, 0, Largura, QString::fromUtf8(superiores[i]),
                   QString::number(i + 1), QString::fromUtf8(terceiros[i]));
    t << tecla(48, 7290, 0, Largura, QStringLiteral(")"), QStringLiteral("0"));
    t << tecla(189, 7800, 0, Largura, QStringLiteral("_"), QStringLiteral("-"));
    t << tecla(187, 8310, 0, Largura, QStringLiteral("+"), QStringLiteral("="), QStringLiteral("\u00A7"));
    t << tecla(8, 8820, 0, 990, QStringLiteral("Backspace"));
    // Row 2
    t << tecla(9, Esquerda, 1, 735, QStringLiteral("Tab"));
    letras(t, "QWERTYUIOP", 2955, 1);
    t << tecla(219, 8055, 1, Largura, QStringLiteral("`"), QStringLiteral("\u00B4"));
    t << tecla(221, 8565, 1, Largura, QStringLiteral("{"), QStringLiteral("["), QStringLiteral("\u00AA"));
    t << enter(9075, 735, FormaTecla::EnterAbnt2);
    // Row 3
    t << tecla(20, Esquerda, 2, 990, QStringLiteral("Caps Lock"));
    letras(t, "ASDFGHJKL", 3210, 2);
    t << tecla(186, 7800, 2, Largura, QStringLiteral("\u00C7"));
    t << tecla(222, 8310, 2, Largura, QStringLiteral("^"), QStringLiteral("~"));
    t << tecla(220, 8820, 2, Largura, QStringLiteral("}"), QStringLiteral("]"), QStringLiteral("\u00BA"));
    // Row 4
    t << tecla(16, Esquerda, 3, 735, QStringLiteral("Shift"));
    t << tecla(226, 2955, 3, Largura, QStringLiteral("|"), QStringLiteral("\\"));
    letras(t, "ZXCVBNM", 3465, 3);
    t << tecla(188, 7035, 3, Largura, QStringLiteral("<"), QStringLiteral(","));
    t << tecla(190, 7545, 3, Largura, QStringLiteral(">"), QStringLiteral("."));
    t << tecla(191, 8055, 3, Largura, QStringLiteral(":"), QStringLiteral(";"));
    t << tecla(193, 8565, 3, Largura, QStringLiteral("?"), QStringLiteral("/"), QStringLiteral("\u00B0"));
    t << tecla(0, 9075, 3, 735, QStringLiteral("Shift"));
    // Row 5
    t << tecla(17, Esquerda, 4, 990, QStringLiteral("Ctrl"));
    t << tecla(18, 3210, 4, 990, QStringLiteral("Alt"));
    t << tecla(32, 4230, 4, 3540, QString());
    t << tecla(0, 7800, 4, 990, QStringLiteral("Alt Gr"));
    t << tecla(0, 8820, 4, 990, QStringLiteral("Ctrl"));
    return t;
}

int indice(const QList<Tecla>& t, int codigo)
{
    for (int i = 0; i < t.size(); ++i)
        if (t[i].codigo == codigo)
            return i;
    return -1;
}

void legendas(QList<Tecla>& t, int codigo, const QString& cima, const QString& baixo,
              const QString& terceiro = QString())
{
    Tecla& k = t[indice(t, codigo)];
    k.cima = cima;
    k.baixo = baixo;
    k.terceiro = terceiro;
}

void remover(QList<Tecla>& t, int codigo) { t.removeAt(indice(t, codigo)); }

// The right Shift of row 4, the only key of the grid without an overlay
// whose place changes between layouts.
Tecla& shiftDireito(QList<Tecla>& t)
{
    for (Tecla& k : t)
        if (k.codigo == 0 && k.twips.top() == Linha[3])
            return k;
    Q_UNREACHABLE();
}

QList<Tecla> montarBr()
{
    QList<Tecla> t = montarAbnt2();
    legendas(t, 192, QStringLiteral("~"), QStringLiteral("`"));
    legendas(t, 54, QStringLiteral("^"), QStringLiteral("6"));
    legendas(t, 219, QStringLiteral("{"), QStringLiteral("["));
    legendas(t, 221, QStringLiteral("}"), QStringLiteral("]"));
    legendas(t, 186, QStringLiteral(":"), QStringLiteral(";"));
    legendas(t, 222, QStringLiteral("\""), QStringLiteral("'"));
    legendas(t, 191, QStringLiteral("?"), QStringLiteral("/"));
    t[indice(t, 13)] = enter(8820, 990, FormaTecla::EnterBr);
    // The bar key leaves row 3 (Enter takes its place) for the end of row 4.
    Tecla barra = t.takeAt(indice(t, 220));
    barra.twips.moveTo(9330, Linha[3]);
    barra.cima = QStringLiteral("|");
    barra.baixo = QStringLiteral("\\");
    barra.terceiro.clear();
    // No extra keys beside the Shifts: the left Shift is wide.
    remover(t, 226);
    remover(t, 193);
    t[indice(t, 16)].twips.setWidth(1245);
    Tecla& direito = shiftDireito(t);
    direito.twips.moveLeft(8565);
    const int depois = int(&direito - t.data()) + 1;
    t.insert(depois, barra);
    return t;
}

QList<Tecla> montarPortugues()
{
    QList<Tecla> t = montarAbnt2();
    legendas(t, 192, QStringLiteral("|"), QStringLiteral("\\"));
    const char* superiores[] = {"!", "\"", "#", "$", "%", "&", "/", "(", ")"};
    for (int i = 0; i < 9; ++i)
        legendas(t, 49 + i, QString::fromLatin1(superiores[i]), QString::number(i + 1));
    legendas(t, 48, QStringLiteral("="), QStringLiteral("0"));
    legendas(t, 189, QStringLiteral("?"), QStringLiteral("'"));
    legendas(t, 187, QStringLiteral("\u00BB"), QStringLiteral("\u00AB"));
    legendas(t, 219, QStringLiteral("*"), QStringLiteral("+"));
    legendas(t, 221, QStringLiteral("`"), QStringLiteral("\u00B4"));
    legendas(t, 222, QStringLiteral("\u00AA"), QStringLiteral("\u00BA"));
    legendas(t, 220, QStringLiteral("^"), QStringLiteral("~"));
    legendas(t, 226, QStringLiteral(">"), QStringLiteral("<"));
    legendas(t, 188, QStringLiteral(";"), QStringLiteral(","));
    legendas(t, 190, QStringLiteral(":"), QStringLiteral("."));
    legendas(t, 191, QStringLiteral("_"), QStringLiteral("-"));
    // No extra key beside the right Shift, which is wide.
    remover(t, 193);
    Tecla& direito = shiftDireito(t);
    direito.twips.setLeft(8565);
    return t;
}

const QList<Tecla>& teclasDe(int tipoTeclado)
{
    static const QList<Tecla> abnt2 = montarAbnt2();
    static const QList<Tecla> br = montarBr();
    static const QList<Tecla> portugues = montarPortugues();
    switch (tipoTeclado) {
    case Layout::BR: return br;
    case Layout::Portugues: return portugues;
    default: return abnt2;
    }
}

const Tecla* procurar(const QList<Tecla>& t, int codigo)
{
    if (codigo <= 0)
        return nullptr;
    const int i = indice(t, codigo);
    return i < 0 ? nullptr : &t[i];
}

struct Amarela {
    const char* nome;
    int codigo;
};

const QList<Amarela>& amarelas()
{
    static const QList<Amarela> lista = [] {
        QList<Amarela> l;
        static const char* letras[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I",
                                       "J", "K", "L", "M", "N", "O", "P", "Q", "R",
                                       "S", "T", "U", "V", "W", "X", "Y", "Z"};
        for (int i = 0; i < 26; ++i)
            l << Amarela{letras[i], 'A' + i};
        l << Amarela{"\u00C7", 186} << Amarela{"Virgula", 188} << Amarela{"Ponto", 190}
          << Amarela{"DoisPontos", 191} << Amarela{"Enter", 13} << Amarela{"Space", 32};
        return l;
    }();
    return lista;
}

} // namespace

QList<int> CodigosVermelhos()
{
    QList<int> c{8, 9, 13, 16, 17, 18, 20, 32};
    for (int i = 48; i <= 57; ++i)
        c << i;
    for (int i = 65; i <= 90; ++i)
        c << i;
    for (int i = 186; i <= 193; ++i)
        c << i;
    for (int i = 219; i <= 222; ++i)
        c << i;
    c << 226;
    return c;
}

bool TemVermelha(int codigo)
{
    return procurar(teclasDe(Layout::ABNT2), codigo) != nullptr;
}

QList<Tecla> TeclasDoLayout(int tipoTeclado) { return teclasDe(tipoTeclado); }

Tecla TeclaVermelhaDoLayout(int codigo, int tipoTeclado)
{
    // A key the layout's keyboard has shows as drawn there; a red image for a
    // key the layout lacks keeps the ABNT2 key.
    if (const Tecla* t = procurar(teclasDe(tipoTeclado), codigo))
        return *t;
    if (const Tecla* t = procurar(teclasDe(Layout::ABNT2), codigo))
        return *t;
    return Tecla();
}

QRect RetanguloVermelha(int codigo, int tipoTeclado)
{
    const Tecla t = TeclaVermelhaDoLayout(codigo, tipoTeclado);
    return t.codigo ? t.twips : QRect();
}

QStringList NomesAmarelas()
{
    QStringList nomes;
    for (const Amarela& a : amarelas())
        nomes << QString::fromUtf8(a.nome);
    return nomes;
}

int CodigoAmarela(const QString& nome)
{
    for (const Amarela& a : amarelas())
        if (nome == QString::fromUtf8(a.nome))
            return a.codigo;
    return 0;
}

QRect RetanguloAmarela(const QString& nome)
{
    const Tecla* t = procurar(teclasDe(Layout::ABNT2), CodigoAmarela(nome));
    return t ? t->twips : QRect();
}

Tecla TeclaAmarelaDoLayout(const QString& nome, int tipoTeclado)
{
    const int codigo = CodigoAmarela(nome);
    const Tecla* abnt2 = procurar(teclasDe(Layout::ABNT2), codigo);
    if (!abnt2)
        return Tecla();
    Tecla t = *abnt2;
    if (codigo != 13) {
        if (const Tecla* proprio = procurar(teclasDe(tipoTeclado), codigo)) {
            t.cima = proprio->cima;
            t.baixo = proprio->baixo;
            t.terceiro = proprio->terceiro;
        }
    }
    return t;
}

QStringList NomesDedos()
{
    return {QStringLiteral("S1"), QStringLiteral("S2"), QStringLiteral("S3"), QStringLiteral("S4"),
            QStringLiteral("S5"), QStringLiteral("D1"), QStringLiteral("D2"), QStringLiteral("D3"),
            QStringLiteral("D4"), QStringLiteral("D5")};
}

QRect RetanguloDedo(const QString& nome)
{
    static const QHash<QString, QPoint> cantos{
        {QStringLiteral("S1"), {1425, 6495}},  {QStringLiteral("S2"), {900, 5715}},
        {QStringLiteral("S3"), {510, 5655}},   {QStringLiteral("S4"), {300, 5865}},
        {QStringLiteral("S5"), {195, 6165}},   {QStringLiteral("D1"), {10185, 6495}},
        {QStringLiteral("D2"), {10710, 5715}}, {QStringLiteral("D3"), {11100, 5655}},
        {QStringLiteral("D4"), {11310, 5865}}, {QStringLiteral("D5"), {11415, 6165}}};
    const auto i = cantos.constFind(nome);
    if (i == cantos.constEnd())
        return QRect();
    return QRect(*i, QSize(375, 360));
}
