#pragma once
// The pictures of the keyboard guide, drawn from the key grid: the keyboard
// of each layout, the red and yellow caps that lie on its keys, the big key
// caps of a key drill, the hands with their finger-tip rings and a small
// keyboard for the options window.
//
// Every picture is drawn in logical pixels (15 twips to a pixel) and
// rendered at the device pixel ratio asked for, so it stays crisp on
// scaled screens; its logical size is the size of its place in twips / 15.
#include <QPixmap>
#include <QString>

class QPainter;

namespace ArteTeclado {

// The whole keyboard of a layout, 510 x 175, for the ImgTeclado area
// (twips Left 2175, Top 4575, 7650 x 2625).
QPixmap Teclado(int tipoTeclado, qreal dpr);
// The same keyboard painted with its top-left corner at the painter's origin.
void DesenharTeclado(QPainter& p, int tipoTeclado);

// The red cap of key `codigo` as that layout shows it, sized as
// RetanguloVermelha(codigo, tipoTeclado); a null pixmap for codes without one.
QPixmap TeclaVermelha(int codigo, int tipoTeclado, qreal dpr);

// The yellow cap of a highlight image ("A".."Z", "Ç", "Virgula", "Ponto",
// "DoisPontos", "Enter", "Space"), sized as RetanguloAmarela(nome); a null
// pixmap for unknown names.
QPixmap TeclaAmarela(const QString& nome, int tipoTeclado, qreal dpr);

// Size of a big key cap, in logical pixels (1470 x 2445 twips).
constexpr int LarguraCapa = 98;
constexpr int AlturaCapa = 163;
// The big key cap "TA".."TZ", "TOO", "TÇ", "TDOISPONTOS", "TPONTO",
// "TVIRGULA" with the legend of the layout; a null pixmap for other names.
QPixmap Capa(const QString& nomeCapa, int tipoTeclado, qreal dpr);
// The blank cap standing for the space bar.
QPixmap CapaBranca(qreal dpr);

// Paints the two hands beside the keyboard, in main-panel coordinates
// (800 x 600): every finger tip under its ring, nothing over the keyboard.
void DesenharMaos(QPainter& p);
// The ring that lights a finger tip, 25 x 24.
QPixmap AnelDedo(qreal dpr);

// The keyboard of a layout scaled into 380 x 142, for the options window.
constexpr int LarguraMini = 380;
constexpr int AlturaMini = 142;
QPixmap TecladoMini(int tipoTeclado, qreal dpr);

} // namespace ArteTeclado
