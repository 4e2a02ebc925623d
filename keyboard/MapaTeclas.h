#pragma once
// What keys mean to an exercise: the pressed key as the character it types
// (keyboard/Digitacao has the tables), which big key cap shows a drill's
// character, and the Portuguese layout's codes.
#include "keyboard/Digitacao.h"

#include <QString>

// What a pressed key (a Windows virtual-key code of the layout) types with
// those modifiers, as one character: the letter in upper case, the
// character engraved at that level, a dead key's accent, " " for the space
// bar, "\n" for Enter; an empty string for a key that types nothing.
QString FormataTecla(int tecla, int tipoTeclado, Modificadores m = {});

// The big key cap for a key-drill character (upper-cased first): "TA".."TZ"
// (O is "TOO"), "TÇ", "TDOISPONTOS" (";"), "TPONTO", "TVIRGULA", and "T"
// followed by the character for every other character a drill may hold
// (digits, accented capitals, symbols); empty for the space bar, Enter and
// anything longer than one character.
QString NomeCapa(const QString& c);

// The legend a big key cap shows in a layout: the BR keyboard shows ";" on
// the cap of "Ç" and "/" on the cap of ";" (its drills practise the keys at
// the places of the ABNT2 ones); every other cap shows its character. Empty
// for an unknown cap name.
QString LegendaCapa(const QString& nomeCapa, int tipoTeclado);

// With the Portuguese keyboard a key's code is looked up under the code of
// the key at the same place on the ABNT2 grid.
int RemapearPortugues(int tecla);
