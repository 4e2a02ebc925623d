#pragma once
// Every character a text may ask for, as the keystrokes that type it on each
// of the three keyboards, and the other way round: what a pressed key types.
//
// A keystroke is a key, named by its place on the keyboard (the code of that
// place on the ABNT2 grid, whatever the layout calls it), pressed at a level:
// alone, with Shift or with Alt Gr. Most characters take one keystroke; an
// accented letter takes the dead key of its accent and then the letter, and
// an accent alone takes its dead key and then the space bar.
//
// The tables are not written here: they are read off each layout's key grid
// (the legends engraved at each level) and its dead keys
// (keyboard/GradeTeclado), and the accented letters are composed by Unicode.
// Letters, the space bar and Enter may be pressed with or without Shift; a
// capital letter suggests Shift all the same. Space is ' ', Enter '\n'.
#include "keyboard/GradeTeclado.h"

#include <QChar>
#include <QString>
#include <array>

// The modifiers held while a key was pressed.
struct Modificadores {
    bool shift = false;
    bool altGr = false;
};

struct Toque {
    int tecla = 0; // the key's place: its code on the ABNT2 grid
    Nivel nivel = Nivel::Base;
    // Right with any Shift and Alt Gr state: letters, the space bar, Enter.
    bool livre = false;
    // A capital letter: Shift is suggested, not required.
    bool maiuscula = false;
    // A dead key: it types nothing until the next key.
    bool morta = false;
    // What the keystroke types on its own: the character at that level, the
    // engraved accent of a dead key, the capital of a letter, ' ' for the
    // space bar, '\n' for Enter. The history counts keys by this name.
    QChar nome;

    bool valido() const { return tecla != 0; }
    bool operator==(const Toque&) const = default;
};

// The keystrokes of one character, in order (at most two).
struct Sequencia {
    std::array<Toque, 2> toques{};
    int tamanho = 0;

    bool vazia() const { return tamanho == 0; }
    const Toque& operator[](int i) const { return toques[size_t(i)]; }
    void anexar(const Toque& t) { toques[size_t(tamanho++)] = t; }
};

// The keystrokes that type c with that layout (any other number is ABNT2);
// empty when no key of the layout types it.
Sequencia SequenciaDe(QChar c, int tipoTeclado);
inline bool Digitavel(QChar c, int tipoTeclado) { return !SequenciaDe(c, tipoTeclado).vazia(); }
// Every character the layout types, in code order.
QString CaracteresDigitaveis(int tipoTeclado);

// Whether a key pressed at a place with those modifiers is the keystroke
// expected.
bool Confere(const Toque& esperado, int tecla, Modificadores m);

// What a key pressed at a place with those modifiers types on that layout,
// by the name the history uses (Toque::nome); a null character for a key
// that types nothing (Tab, Backspace, the function keys, Alt Gr with a key
// that has nothing there).
QChar NomeDoToque(int tecla, Modificadores m, int tipoTeclado);
// The keystroke a name stands for; tecla 0 when no key of the layout has it.
Toque ToqueDoNome(QChar nome, int tipoTeclado);

// The keyboard's codes are the ABNT2 grid's, except for the Portuguese
// layout, whose punctuation keys give the codes of the Windows Portuguese
// layout: a code as a place on the grid, and back.
int PosicaoDaTecla(int codigo, int tipoTeclado);
int CodigoDaPosicao(int posicao, int tipoTeclado);

// What the guide lights for a keystroke: the key and its finger, and where
// Shift is needed or suggested (a capital) the Shift of the other hand with
// its little finger, where Alt Gr is needed Alt Gr with the right thumb.
struct Guia {
    std::array<int, 2> teclas{};   // key codes, 0 for none
    std::array<QString, 2> dedos;  // "S1".."D5", empty for none
};
Guia GuiaDoToque(const Toque& t);
