#pragma once
// What assistive technologies (a screen reader through AT-SPI) see of the
// program's own controls: the picture buttons are push buttons that can be
// pressed, the drawn panels panels, the figures name their captions, the
// running text and the key receiver expose the exercise's text with the
// position reached. Qt's own controls (text boxes, lists, check boxes)
// keep Qt's description.
#include <QAccessible>

class QWidget;

namespace Acessibilidade {
// Makes the program's descriptions known to Qt; any number of calls.
void Instalar();
// The role a plain control or a drawn panel has for assistive
// technologies (a panel is a Pane, a plain control a Client, otherwise).
void DefinirPapel(QWidget* w, QAccessible::Role papel);
// A picture that only decorates: left out of what is read.
void Decorativo(QWidget* w);
// An assistive technology listens: only then is anything said to it.
bool Ouvindo();
// For tests: as if one listened (the offscreen platform has none).
void SimularOuvinte(bool sim);
}
