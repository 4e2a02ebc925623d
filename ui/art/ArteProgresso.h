#pragma once
// The pictures of the Progresso window and of the result window's key caps:
// the chart of speed and accuracy per finished lesson with the learner's
// minimums, the keyboard of a layout tinted key by key, and a small key cap.
// Drawn with QPainter in logical pixels.
#include "results/EstatisticaTeclas.h"

#include <QMap>
#include <QRect>

class QPainter;

namespace ArteProgresso {

// Speed (keystrokes per minute, left scale) and accuracy (%, right scale) of
// each lesson in order, with the two minimums as dashed lines. An empty list
// draws the axes and a note.
void DesenharGrafico(QPainter& p, const QRect& r, const QList<LicaoGravada>& licoes, int minimoTpm,
                     int minimoPrecisao);
// The step of the speed scale's four divisions: the least round number (1,
// 1.5, 2, 2.5, 3, 4, 5, 6 or 7.5 times a power of ten, at least 5) whose
// four steps reach `maior`, so every tick is a round number.
int PassoEscala(int maior);

// The colour of a heat 0..1: green, yellow, then red.
QColor CorCalor(double calor);
// Where the key of a keystroke, named by what it types (Toque::nome: a
// letter in upper case, a dead key's accent, " " the space bar, "\n"
// Enter), lies on the keyboard picture of a layout (510 x 175); a null
// rectangle for a name no key has.
QRectF AreaDaTecla(QChar caractere, int tipoTeclado);
// The keyboard of a layout (510 x 175, at the painter's origin) with each
// key of `calor` tinted by its heat and the legend of the scale below.
void DesenharMapaCalor(QPainter& p, int tipoTeclado, const QMap<QChar, double>& calor);

// A small key cap with a legend ("K", "Espaço"), red when destaque is set.
void DesenharTeclinha(QPainter& p, const QRectF& r, const QString& legenda, bool destaque);

}
