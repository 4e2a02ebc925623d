#pragma once
// The layouts a keymap in XKB's text format was made of: the keymap a
// Wayland compositor sends to its clients names them in its symbols
// section ("pc+br(abnt2)+us(intl):2+inet(evdev)"), the same names X11
// keeps in its rules property; a keymap taken from a device has only its
// groups' descriptive names ("Portuguese (Brazil)").
#include <QString>

struct LayoutsXkb {
    QString layouts;   // comma-separated, by group: "br,us"
    QString variantes; // the same for the variants: "abnt2,intl"
};

// Empty when the keymap names no layout.
LayoutsXkb LayoutsDoMapaXkb(const QString& mapa);
