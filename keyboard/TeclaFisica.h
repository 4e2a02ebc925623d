#pragma once
// Key codes by physical position. A pressed key is identified by where it
// lies on the keyboard, never by the character the system layout produced,
// and named with the Windows virtual-key code that key gives in the layout
// the learner chose (TipoTeclado). FormataTecla and the red key images take
// these codes.
#include <QString>
#include <QtGlobal>

enum class OrigemTeclas {
    Xkb,     // X11 and Wayland: the native scan code is the XKB keycode (evdev + 8)
    Windows, // the native virtual key is already the code
    Outra,   // anything else: only the Qt key is trusted
};

// The origin that fits a Qt platform plugin name ("xcb", "wayland", "windows", ...).
OrigemTeclas OrigemDaPlataforma(const QString& nomePlataforma);

// The virtual-key code of a key press; 0 for a key that has none.
int CodigoVirtual(quint32 nativeScanCode, int qtKey, quint32 nativeVirtualKey, int tipoTeclado,
                  OrigemTeclas origem);

// The same, with the platform given as two flags (neither: Qt key only).
inline int CodigoVirtual(quint32 nativeScanCode, int qtKey, quint32 nativeVirtualKey, int tipoTeclado,
                         bool plataformaX11, bool plataformaWindows)
{
    return CodigoVirtual(nativeScanCode, qtKey, nativeVirtualKey, tipoTeclado,
                         plataformaX11       ? OrigemTeclas::Xkb
                         : plataformaWindows ? OrigemTeclas::Windows
                                             : OrigemTeclas::Outra);
}

// The parts, for callers that know where the key came from.
int CodigoDoKeycodeXkb(quint32 keycode, int tipoTeclado);
int CodigoDaTeclaQt(int qtKey, int tipoTeclado);
