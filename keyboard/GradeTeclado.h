#pragma once
// The on-screen keyboard as data: where every key lies (in twips of the main
// window's client area, 15 twips to a pixel), which red image belongs to it
// and what its cap shows in each of the three layouts. Everything that draws
// or places a key reads it from here.
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

// Keyboard layouts, numbered as the course state's TipoTeclado and the
// "SelTeclado" setting. Any other number shows the ABNT2 keyboard.
namespace Layout {
constexpr int ABNT2 = 0;
constexpr int BR = 1;     // no Ç key (US arrangement)
constexpr int Portugues = 2;
}

constexpr int TwipsPorPixel = 15;

// The area of the keyboard picture (ImgTeclado), in twips.
constexpr QRect AreaTecladoTwips() { return QRect(2175, 4575, 7650, 2625); }

// Outline of a key. The Enter keys span rows 2 and 3: the ABNT2 one is wide
// on top and narrow below (an upside-down L), the BR one narrow on top and
// wide below.
enum class FormaTecla { Retangular, EnterAbnt2, EnterBr };

struct Tecla {
    // Virtual-key code of the red image that lies on this key; 0 for keys
    // without an overlay (right Shift, Alt Gr, right Ctrl, extra keys).
    int codigo = 0;
    QRect twips;
    // Legends as on a real keycap: cima is the upper (shifted) character,
    // baixo the lower one, terceiro the small character at the lower right.
    // A letter has only cima. A named key (Shift, Enter, ...) carries its
    // name in cima; the space bar has no legend.
    QString cima;
    QString baixo;
    QString terceiro;
    FormaTecla forma = FormaTecla::Retangular;

    bool nomeada() const { return cima.size() > 1; }
};

// The 57 key codes that have a red image, in ascending order.
QList<int> CodigosVermelhos();
bool TemVermelha(int codigo);

// Every key drawn on the keyboard picture of a layout, row by row, left to right.
QList<Tecla> TeclasDoLayout(int tipoTeclado);

// Where the red image of key `codigo` lies in that layout (the BR layout
// moves 220 and widens Enter and the left Shift); a null rectangle for
// codes without a red image.
QRect RetanguloVermelha(int codigo, int tipoTeclado);
// The key the red image of `codigo` shows in that layout: its rectangle,
// outline and legends. codigo 0 when there is no red image.
Tecla TeclaVermelhaDoLayout(int codigo, int tipoTeclado);

// The 32 yellow highlight images: "A".."Z", "Ç", "Virgula", "Ponto",
// "DoisPontos", "Enter", "Space".
QStringList NomesAmarelas();
// The key a yellow image lies on (always its ABNT2 place); 0 if unknown.
int CodigoAmarela(const QString& nome);
// Where a yellow image lies; a null rectangle for unknown names.
QRect RetanguloAmarela(const QString& nome);
// The key a yellow image shows in a layout: ABNT2 place and outline, the
// layout's legends (Enter stays the ABNT2 Enter). codigo 0 for unknown names.
Tecla TeclaAmarelaDoLayout(const QString& nome, int tipoTeclado);

// The finger-tip rings: "S1".."S5" on the left hand, "D1".."D5" on the right
// (1 thumb, 2 index, 3 middle, 4 ring, 5 little finger).
QStringList NomesDedos();
// Where a ring lies, in twips; a null rectangle for unknown names.
QRect RetanguloDedo(const QString& nome);
