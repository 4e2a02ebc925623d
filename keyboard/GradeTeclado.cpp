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
    t << tecla(CodigoTecla::ShiftDireito, 9075, 3, 735, QStringLiteral("Shift"));
    // Row 5
    t << tecla(17, Esquerda, 4, 990, QStringLiteral("Ctrl"));
    t << tecla(18, 3210, 4, 990, QStringLiteral("Alt"));
    t << tecla(32, 4230, 4, 3540, QString());
    t << tecla(CodigoTecla::AltGr, 7800, 4, 990, QStringLiteral("Alt Gr"));
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

Tecla& shiftDireito(QList<Tecla>& t) { return t[indice(t, CodigoTecla::ShiftDireito)]; }

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
    // Alt Gr gives other characters here than on ABNT2 (us(intl)): the
    // small ABNT2 legends of the number row are not on this keyboard.
    for (int codigo : {49, 50, 51, 52, 53, 187})
        t[indice(t, codigo)].terceiro.clear();
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
    // What Alt Gr types on the number row (engraved at the lower right).
    const char* terceiros[] = {"", "@", "\u00A3", "\u00A7", "", "", "{", "[", "]"};
    for (int i = 0; i < 9; ++i)
        legendas(t, 49 + i, QString::fromLatin1(superiores[i]), QString::number(i + 1),
                 QString::fromUtf8(terceiros[i]));
    legendas(t, 48, QStringLiteral("="), QStringLiteral("0"), QStringLiteral("}"));
    legendas(t, 189, QStringLiteral("?"), QStringLiteral("'"));
    legendas(t, 187, QStringLiteral("\u00BB"), QStringLiteral("\u00AB"));
    legendas(t, 219, QStringLiteral("*"), QStringLiteral("+"), QStringLiteral("\u00A8"));
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

// The first 32 yellow images, named after what they mark; they lie on
// their ABNT2 place in every layout.
struct Amarela {
    const char* nome;
    int codigo;
};

const QList<Amarela>& amarelasNomeadas()
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

// The keys a text may ask for besides those: every key of the ABNT2 grid
// that types a character, both Shifts and Alt Gr.
bool outraAmarela(int codigo)
{
    switch (codigo) {
    case 8: case 9: case 17: case 18: case 20: case 0:
        return false;
    default:
        return codigo == CodigoTecla::ShiftEsquerdo || codigo == CodigoTecla::ShiftDireito
            || codigo == CodigoTecla::AltGr || procurar(teclasDe(Layout::ABNT2), codigo) != nullptr;
    }
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
    return codigo != CodigoTecla::ShiftDireito && codigo != CodigoTecla::AltGr
        && procurar(teclasDe(Layout::ABNT2), codigo) != nullptr;
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

QList<TeclaMorta> TeclasMortas(int tipoTeclado)
{
    using A = Acento;
    using N = Nivel;
    switch (tipoTeclado) {
    case Layout::BR:
        return {{222, N::Base, A::Agudo}, {222, N::Shift, A::Trema}, {192, N::Base, A::Grave},
                {192, N::Shift, A::Til},   {54, N::Shift, A::Circunflexo}};
    case Layout::Portugues:
        return {{221, N::Base, A::Agudo}, {221, N::Shift, A::Grave}, {220, N::Base, A::Til},
                {220, N::Shift, A::Circunflexo}, {219, N::AltGr, A::Trema}};
    default:
        return {{219, N::Base, A::Agudo}, {219, N::Shift, A::Grave}, {222, N::Base, A::Til},
                {222, N::Shift, A::Circunflexo}, {54, N::Shift, A::Trema}};
    }
}

QString DedoDaTecla(int codigo)
{
    // Letters by column of the QWERTY block.
    static const char* letras[26] = {
        "S5", "S2", "S3", "S3", "S3", "S2", "S2", "D2", "D3", "D2", "D3", "D4", "D2",
        //A    B     C     D     E     F     G     H     I     J     K     L     M
        "D2", "D4", "D5", "S5", "S2", "S4", "S2", "D2", "S2", "S4", "S4", "D2", "S5"};
        //N    O     P     Q     R     S     T     U     V     W     X     Y     Z
    if (codigo >= 'A' && codigo <= 'Z')
        return QString::fromLatin1(letras[codigo - 'A']);
    switch (codigo) {
    // The number row: 1 and the key left of it with the little finger, 6
    // with the left index, 7 with the right one, 0 and what follows with
    // the right little finger.
    case 192: case 49: return QStringLiteral("S5");
    case 50: return QStringLiteral("S4");
    case 51: return QStringLiteral("S3");
    case 52: case 53: case 54: return QStringLiteral("S2");
    case 55: return QStringLiteral("D2");
    case 56: return QStringLiteral("D3");
    case 57: return QStringLiteral("D4");
    case 48: case 189: case 187: return QStringLiteral("D5");
    case 226: return QStringLiteral("S5");
    case 188: return QStringLiteral("D3");
    case 190: return QStringLiteral("D4");
    case 219: case 221: case 186: case 222: case 220: case 191: case 193: case 13:
        return QStringLiteral("D5");
    case CodigoTecla::ShiftEsquerdo: return QStringLiteral("S5");
    case CodigoTecla::ShiftDireito: return QStringLiteral("D5");
    // The space bar and Alt Gr with the right thumb.
    case 32: case CodigoTecla::AltGr: return QStringLiteral("D1");
    default: return QString();
    }
}

QStringList NomesAmarelas()
{
    static const QStringList nomes = [] {
        QStringList n;
        QList<int> nomeadas;
        for (const Amarela& a : amarelasNomeadas()) {
            n << QString::fromUtf8(a.nome);
            nomeadas << a.codigo;
        }
        QList<int> outras{CodigoTecla::ShiftEsquerdo, CodigoTecla::ShiftDireito, CodigoTecla::AltGr};
        for (const Tecla& t : teclasDe(Layout::ABNT2))
            if (!nomeadas.contains(t.codigo) && !outras.contains(t.codigo) && outraAmarela(t.codigo))
                outras << t.codigo;
        for (int codigo : outras)
            n << QStringLiteral("K%1").arg(codigo);
        return n;
    }();
    return nomes;
}

QString NomeAmarela(int codigo)
{
    static const QHash<int, QString> nomes = [] {
        QHash<int, QString> h;
        for (const Amarela& a : amarelasNomeadas())
            h.insert(a.codigo, QString::fromUtf8(a.nome));
        return h;
    }();
    if (const auto i = nomes.constFind(codigo); i != nomes.constEnd())
        return *i;
    return outraAmarela(codigo) ? QStringLiteral("K%1").arg(codigo) : QString();
}

int CodigoAmarela(const QString& nome)
{
    for (const Amarela& a : amarelasNomeadas())
        if (nome == QString::fromUtf8(a.nome))
            return a.codigo;
    if (nome.size() > 1 && nome.at(0) == QLatin1Char('K')) {
        bool ok = false;
        const int codigo = nome.mid(1).toInt(&ok);
        if (ok && outraAmarela(codigo) && NomeAmarela(codigo) == nome)
            return codigo;
    }
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
    const Tecla* proprio = procurar(teclasDe(tipoTeclado), codigo);
    if (nome.at(0) == QLatin1Char('K') && nome.size() > 1)
        return proprio ? *proprio : *abnt2;
    Tecla t = *abnt2;
    if (codigo != 13 && proprio) {
        t.cima = proprio->cima;
        t.baixo = proprio->baixo;
        t.terceiro = proprio->terceiro;
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
