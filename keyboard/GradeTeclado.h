#pragma once
// The on-screen keyboard as data: where every key lies (in twips of the main
// window's client area, 15 twips to a pixel), which red image belongs to it
// and what its cap shows in each of the three layouts. Everything that draws
// or places a key reads it from here.
#include <QList>
#include <QtGlobal>
#include <QRect>
#include <QString>
#include <QStringList>

// Keyboard layouts, numbered as the course state's TipoTeclado and the
// "SelTeclado" setting. Any other number shows the ABNT2 keyboard.
namespace Layout {
constexpr int ABNT2 = 0;
constexpr int BR = 1;     // no Ç key (US arrangement)
constexpr int Portugues = 2;
// The layout a number stands for: any number but 1 and 2 is ABNT2, as the
// key grid takes it.
constexpr int Valido(int tipo) { return tipo == BR || tipo == Portugues ? tipo : ABNT2; }
// "ABNT2", "BR" or "Portugal".
inline const char* Nome(int tipo)
{
    static const char* nomes[] = {"ABNT2", "BR", "Portugal"};
    return nomes[Valido(tipo)];
}
}

constexpr int TwipsPorPixel = 15;

// Keys named by the Windows codes of the left and right keys: the left
// Shift keeps the plain Shift code (its red image's), the right Shift and
// Alt Gr, which only the guide lights, have codes of their own.
namespace CodigoTecla {
constexpr int ShiftEsquerdo = 16;
constexpr int ShiftDireito = 161;
constexpr int AltGr = 165;
constexpr int Espaco = 32;
constexpr int Enter = 13;
}

// The level a key is pressed at: alone, with Shift, with Alt Gr.
enum class Nivel : quint8 { Base, Shift, AltGr };

// The accent a dead key puts on the letter typed after it.
enum class Acento : quint8 { Agudo, Grave, Circunflexo, Til, Trema };

// A dead key of a layout: the key and level that give the accent. It types
// nothing by itself; the next key gets the accent, and the space bar gives
// the accent alone (the legend engraved at that level).
struct TeclaMorta {
    int codigo;
    Nivel nivel;
    Acento acento;
};

// The area of the keyboard picture (ImgTeclado), in twips.
constexpr QRect AreaTecladoTwips() { return QRect(2175, 4575, 7650, 2625); }

// Outline of a key. The Enter keys span rows 2 and 3: the ABNT2 one is wide
// on top and narrow below (an upside-down L), the BR one narrow on top and
// wide below.
enum class FormaTecla { Retangular, EnterAbnt2, EnterBr };

struct Tecla {
    // Virtual-key code of the key, which also names its red image (the
    // right Shift and Alt Gr have codes but no red image); 0 for the right
    // Ctrl, which nothing asks for.
    int codigo = 0;
    QRect twips;
    // Legends as on a real keycap, and what the key types: cima is the
    // upper (shifted) character, baixo the lower one, terceiro the small
    // character at the lower right that Alt Gr types. A letter has only
    // cima. A named key (Shift, Enter, ...) carries its name in cima; the
    // space bar has no legend. Where a legend is a dead key, TeclasMortas
    // says so.
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

// The dead keys of a layout (the X layouts br(abnt2), us(intl) and pt):
// ABNT2 ´ and ` on the key right of P, ~ and ^ right of Ç, ¨ on Shift+6;
// BR ´ and ¨ on the key right of ;, ` and ~ left of 1, ^ on Shift+6;
// Portugal ´ and ` right of +, ~ and ^ right of º, ¨ on Alt Gr++.
QList<TeclaMorta> TeclasMortas(int tipoTeclado);

// The finger that presses a key: "S1".."S5" on the left hand, "D1".."D5" on
// the right (1 thumb .. 5 little finger); empty for a key no text asks for.
QString DedoDaTecla(int codigo);

// The yellow highlight images: "A".."Z", "Ç", "Virgula", "Ponto",
// "DoisPontos", "Enter", "Space" (the first 32, which lie on their ABNT2
// place in every layout), then "K" and the code for every other key a
// text may ask for (digits, symbols, dead keys, both Shifts, Alt Gr), which
// lie on the layout's own key.
QStringList NomesAmarelas();
// The name of the yellow image of a key; empty for a key without one.
QString NomeAmarela(int codigo);
// The key a yellow image lies on (always its ABNT2 place); 0 if unknown.
int CodigoAmarela(const QString& nome);
// Where a yellow image lies; a null rectangle for unknown names.
QRect RetanguloAmarela(const QString& nome);
// The key a yellow image shows in a layout: for the first 32, ABNT2 place
// and outline with the layout's legends (Enter stays the ABNT2 Enter); for
// the others, the layout's own key. codigo 0 for unknown names.
Tecla TeclaAmarelaDoLayout(const QString& nome, int tipoTeclado);

// The finger-tip rings: "S1".."S5" on the left hand, "D1".."D5" on the right
// (1 thumb, 2 index, 3 middle, 4 ring, 5 little finger).
QStringList NomesDedos();
// Where a ring lies, in twips; a null rectangle for unknown names.
QRect RetanguloDedo(const QString& nome);
