#pragma once
// What keys mean to an exercise: the pressed key as a character of the
// exercise alphabet (A-Z, "Ç", ",", ".", ";", "#" for Enter, "/" for the space
// bar), which key and finger light up for a character, and which big key cap
// shows it.
#include <QString>
#include <optional>

// The exercise character a pressed key gives (a Windows virtual-key code),
// or an empty string. The Portuguese layout (2) adds 192 as "Ç" and 189 as
// ";", the keys right of L and right of the period there.
QString FormataTecla(int tecla, int tipoTeclado);

// The key and finger lit for the next character to type.
struct Destaque {
    QString amarela; // yellow image: "A".."Z", "Ç", "Virgula", "Ponto", "DoisPontos", "Enter", "Space"
    QString dedo;    // finger ring: "S2".."S5", "D1".."D5"
};
// Exact comparison: a lower-case letter, a digit or an accented capital
// lights nothing. The left thumb is never lit.
std::optional<Destaque> DestaqueDe(const QString& c);

// The big key cap for a key-drill character (upper-cased first): "TA".."TZ"
// (O is "TOO"), "TÇ", "TDOISPONTOS", "TPONTO", "TVIRGULA"; empty otherwise.
QString NomeCapa(const QString& c);

// The legend a big key cap shows in a layout: the BR keyboard shows ";" on
// the cap of "Ç" and "/" on the cap of ";", the Portuguese one "-" on the cap
// of ";". Empty for an unknown cap name.
QString LegendaCapa(const QString& nomeCapa, int tipoTeclado);

// With the Portuguese keyboard a wrong key's red image is looked up under
// the code of the key at the same place on the ABNT2 grid.
int RemapearPortugues(int tecla);
