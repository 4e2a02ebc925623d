#include "keyboard/TeclaFisica.h"

#include "keyboard/GradeTeclado.h"

#include <QHash>
#include <Qt>

namespace {

using Tabela = QHash<int, int>;

// XKB keycodes (evdev + 8) whose code is the same in every layout.
const Tabela& xkbComum()
{
    static const Tabela t = [] {
        Tabela m;
        for (int i = 0; i < 9; ++i)
            m.insert(10 + i, 49 + i); // 1..9
        m.insert(19, 48);             // 0
        const char* linhaQ = "QWERTYUIOP";
        for (int i = 0; linhaQ[i]; ++i)
            m.insert(24 + i, linhaQ[i]);
        const char* linhaA = "ASDFGHJKL";
        for (int i = 0; linhaA[i]; ++i)
            m.insert(38 + i, linhaA[i]);
        const char* linhaZ = "ZXCVBNM";
        for (int i = 0; linhaZ[i]; ++i)
            m.insert(52 + i, linhaZ[i]);
        m.insert(9, 27);              // Esc
        m.insert(22, 8);              // Backspace
        m.insert(23, 9);              // Tab
        m.insert(36, 13);             // Enter
        m.insert(104, 13);            // keypad Enter
        m.insert(37, 17);             // Ctrl
        m.insert(105, 17);
        m.insert(50, 16);             // Shift
        m.insert(62, 16);
        m.insert(64, 18);             // Alt
        m.insert(108, 18);            // Alt Gr
        m.insert(65, 32);             // space bar
        m.insert(66, 20);             // Caps Lock
        m.insert(77, 144);            // Num Lock
        for (int i = 0; i < 10; ++i)
            m.insert(67 + i, 112 + i); // F1..F10
        m.insert(95, 122);            // F11
        m.insert(96, 123);            // F12
        m.insert(110, 36);            // Home
        m.insert(111, 38);            // Up
        m.insert(112, 33);            // Page Up
        m.insert(113, 37);            // Left
        m.insert(114, 39);            // Right
        m.insert(115, 35);            // End
        m.insert(116, 40);            // Down
        m.insert(117, 34);            // Page Down
        m.insert(118, 45);            // Insert
        m.insert(119, 46);            // Delete
        m.insert(127, 19);            // Pause
        m.insert(133, 91);            // left Windows key
        m.insert(134, 92);            // right Windows key
        m.insert(135, 93);            // menu key
        return m;
    }();
    return t;
}

// The punctuation keys, by place. ABNT2 and BR give the same codes.
const Tabela& xkbAbnt2()
{
    static const Tabela t{
        {49, 192},  // left of 1
        {20, 189},  // right of 0
        {21, 187},
        {34, 219},  // right of P
        {35, 221},
        {47, 186},  // right of L
        {48, 222},
        {51, 220},
        {94, 226},  // beside the left Shift
        {59, 188},  // comma
        {60, 190},  // period
        {61, 191},  // right of the period
        {97, 193},  // beside the right Shift
    };
    return t;
}

// The codes the Portuguese keyboard gives at the same places; the red image
// of each is found again through RemapearPortugues.
const Tabela& xkbPortugues()
{
    static const Tabela t{
        {49, 220}, {20, 219}, {21, 221}, {34, 187}, {35, 186}, {47, 192}, {48, 222},
        {51, 191}, {94, 226}, {59, 188}, {60, 190}, {61, 189}, {97, 193},
    };
    return t;
}

// Qt keys that mean the same key in every layout.
const Tabela& qtComum()
{
    static const Tabela t = [] {
        Tabela m;
        for (int k = Qt::Key_A; k <= Qt::Key_Z; ++k)
            m.insert(k, 65 + (k - Qt::Key_A));
        for (int k = Qt::Key_0; k <= Qt::Key_9; ++k)
            m.insert(k, 48 + (k - Qt::Key_0));
        m.insert(Qt::Key_Space, 32);
        m.insert(Qt::Key_Return, 13);
        m.insert(Qt::Key_Enter, 13);
        m.insert(Qt::Key_Tab, 9);
        m.insert(Qt::Key_Backtab, 9);
        m.insert(Qt::Key_Backspace, 8);
        m.insert(Qt::Key_Shift, 16);
        m.insert(Qt::Key_Control, 17);
        m.insert(Qt::Key_Alt, 18);
        m.insert(Qt::Key_AltGr, 18);
        m.insert(Qt::Key_CapsLock, 20);
        m.insert(Qt::Key_NumLock, 144);
        m.insert(Qt::Key_Meta, 91);
        m.insert(Qt::Key_Super_L, 91);
        m.insert(Qt::Key_Super_R, 92);
        m.insert(Qt::Key_Escape, 27);
        for (int i = 0; i < 12; ++i)
            m.insert(Qt::Key_F1 + i, 112 + i);
        m.insert(Qt::Key_Home, 36);
        m.insert(Qt::Key_Up, 38);
        m.insert(Qt::Key_PageUp, 33);
        m.insert(Qt::Key_Left, 37);
        m.insert(Qt::Key_Right, 39);
        m.insert(Qt::Key_End, 35);
        m.insert(Qt::Key_Down, 40);
        m.insert(Qt::Key_PageDown, 34);
        m.insert(Qt::Key_Insert, 45);
        m.insert(Qt::Key_Delete, 46);
        m.insert(Qt::Key_Pause, 19);
        m.insert(Qt::Key_Menu, 93);
        return m;
    }();
    return t;
}

// Characters (shifted, unshifted and Alt Gr) to the key that carries them.
const Tabela& qtAbnt2()
{
    static const Tabela t{
        {Qt::Key_Apostrophe, 192}, {Qt::Key_QuoteDbl, 192},
        {Qt::Key_Exclam, 49}, {Qt::Key_onesuperior, 49},
        {Qt::Key_At, 50}, {Qt::Key_twosuperior, 50},
        {Qt::Key_NumberSign, 51}, {Qt::Key_threesuperior, 51},
        {Qt::Key_Dollar, 52}, {Qt::Key_sterling, 52},
        {Qt::Key_Percent, 53}, {Qt::Key_cent, 53},
        {Qt::Key_Dead_Diaeresis, 54}, {Qt::Key_diaeresis, 54}, {Qt::Key_notsign, 54},
        {Qt::Key_Ampersand, 55}, {Qt::Key_Asterisk, 56}, {Qt::Key_ParenLeft, 57},
        {Qt::Key_ParenRight, 48},
        {Qt::Key_Minus, 189}, {Qt::Key_Underscore, 189},
        {Qt::Key_Equal, 187}, {Qt::Key_Plus, 187}, {Qt::Key_section, 187},
        {Qt::Key_Dead_Acute, 219}, {Qt::Key_Dead_Grave, 219}, {Qt::Key_acute, 219},
        {Qt::Key_QuoteLeft, 219},
        {Qt::Key_BracketLeft, 221}, {Qt::Key_BraceLeft, 221}, {Qt::Key_ordfeminine, 221},
        {Qt::Key_Dead_Tilde, 222}, {Qt::Key_Dead_Circumflex, 222}, {Qt::Key_AsciiTilde, 222},
        {Qt::Key_AsciiCircum, 222},
        {Qt::Key_BracketRight, 220}, {Qt::Key_BraceRight, 220}, {Qt::Key_masculine, 220},
        {Qt::Key_Backslash, 226}, {Qt::Key_Bar, 226},
        {Qt::Key_Comma, 188}, {Qt::Key_Less, 188},
        {Qt::Key_Period, 190}, {Qt::Key_Greater, 190},
        {Qt::Key_Semicolon, 191}, {Qt::Key_Colon, 191},
        {Qt::Key_Slash, 193}, {Qt::Key_Question, 193}, {Qt::Key_degree, 193},
        {Qt::Key_Ccedilla, 186},
    };
    return t;
}

const Tabela& qtBr()
{
    static const Tabela t{
        {Qt::Key_QuoteLeft, 192}, {Qt::Key_AsciiTilde, 192}, {Qt::Key_Dead_Grave, 192},
        {Qt::Key_Dead_Tilde, 192},
        {Qt::Key_Exclam, 49}, {Qt::Key_onesuperior, 49},
        {Qt::Key_At, 50}, {Qt::Key_twosuperior, 50},
        {Qt::Key_NumberSign, 51}, {Qt::Key_threesuperior, 51},
        {Qt::Key_Dollar, 52}, {Qt::Key_sterling, 52},
        {Qt::Key_Percent, 53}, {Qt::Key_cent, 53},
        {Qt::Key_AsciiCircum, 54}, {Qt::Key_Dead_Circumflex, 54},
        {Qt::Key_Ampersand, 55}, {Qt::Key_Asterisk, 56}, {Qt::Key_ParenLeft, 57},
        {Qt::Key_ParenRight, 48},
        {Qt::Key_Minus, 189}, {Qt::Key_Underscore, 189},
        {Qt::Key_Equal, 187}, {Qt::Key_Plus, 187}, {Qt::Key_section, 187},
        {Qt::Key_BracketLeft, 219}, {Qt::Key_BraceLeft, 219},
        {Qt::Key_BracketRight, 221}, {Qt::Key_BraceRight, 221},
        {Qt::Key_Semicolon, 186}, {Qt::Key_Colon, 186},
        {Qt::Key_Apostrophe, 222}, {Qt::Key_QuoteDbl, 222}, {Qt::Key_Dead_Acute, 222},
        {Qt::Key_Dead_Diaeresis, 222},
        {Qt::Key_Backslash, 220}, {Qt::Key_Bar, 220},
        {Qt::Key_Comma, 188}, {Qt::Key_Less, 188},
        {Qt::Key_Period, 190}, {Qt::Key_Greater, 190},
        {Qt::Key_Slash, 191}, {Qt::Key_Question, 191},
        // No Ç key: a ç composed with a dead key still means the key right of L.
        {Qt::Key_Ccedilla, 186},
    };
    return t;
}

const Tabela& qtPortugues()
{
    static const Tabela t{
        {Qt::Key_Backslash, 220}, {Qt::Key_Bar, 220},
        {Qt::Key_Exclam, 49},
        {Qt::Key_QuoteDbl, 50}, {Qt::Key_At, 50},
        {Qt::Key_NumberSign, 51}, {Qt::Key_sterling, 51},
        {Qt::Key_Dollar, 52}, {Qt::Key_section, 52},
        {Qt::Key_Percent, 53}, {0x20ac, 53}, // €
        {Qt::Key_Ampersand, 54},
        {Qt::Key_Slash, 55}, {Qt::Key_BraceLeft, 55},
        {Qt::Key_ParenLeft, 56}, {Qt::Key_BracketLeft, 56},
        {Qt::Key_ParenRight, 57}, {Qt::Key_BracketRight, 57},
        {Qt::Key_Equal, 48}, {Qt::Key_BraceRight, 48},
        {Qt::Key_Apostrophe, 219}, {Qt::Key_Question, 219},
        {Qt::Key_guillemotleft, 221}, {Qt::Key_guillemotright, 221},
        {Qt::Key_Plus, 187}, {Qt::Key_Asterisk, 187}, {Qt::Key_Dead_Diaeresis, 187},
        {Qt::Key_Dead_Acute, 186}, {Qt::Key_Dead_Grave, 186}, {Qt::Key_acute, 186},
        {Qt::Key_QuoteLeft, 186},
        {Qt::Key_Ccedilla, 192},
        {Qt::Key_masculine, 222}, {Qt::Key_ordfeminine, 222},
        {Qt::Key_Dead_Tilde, 191}, {Qt::Key_Dead_Circumflex, 191}, {Qt::Key_AsciiTilde, 191},
        {Qt::Key_AsciiCircum, 191},
        {Qt::Key_Less, 226}, {Qt::Key_Greater, 226},
        {Qt::Key_Comma, 188}, {Qt::Key_Semicolon, 188},
        {Qt::Key_Period, 190}, {Qt::Key_Colon, 190},
        {Qt::Key_Minus, 189}, {Qt::Key_Underscore, 189},
    };
    return t;
}

} // namespace

OrigemTeclas OrigemDaPlataforma(const QString& nomePlataforma)
{
    if (nomePlataforma == QLatin1String("xcb") || nomePlataforma.startsWith(QLatin1String("wayland")))
        return OrigemTeclas::Xkb;
    if (nomePlataforma == QLatin1String("windows"))
        return OrigemTeclas::Windows;
    return OrigemTeclas::Outra;
}

int CodigoDoKeycodeXkb(quint32 keycode, int tipoTeclado)
{
    const int k = int(keycode);
    const Tabela& pontuacao = tipoTeclado == Layout::Portugues ? xkbPortugues() : xkbAbnt2();
    if (const auto i = pontuacao.constFind(k); i != pontuacao.constEnd())
        return *i;
    return xkbComum().value(k, 0);
}

int CodigoDaTeclaQt(int qtKey, int tipoTeclado)
{
    if (const auto i = qtComum().constFind(qtKey); i != qtComum().constEnd())
        return *i;
    const Tabela& caracteres = tipoTeclado == Layout::BR          ? qtBr()
                               : tipoTeclado == Layout::Portugues ? qtPortugues()
                                                                  : qtAbnt2();
    return caracteres.value(qtKey, 0);
}

int CodigoVirtual(quint32 nativeScanCode, int qtKey, quint32 nativeVirtualKey, int tipoTeclado,
                  OrigemTeclas origem)
{
    switch (origem) {
    case OrigemTeclas::Xkb:
        // Synthetic events and unknown keycodes fall back on the Qt key.
        if (nativeScanCode != 0) {
            if (const int c = CodigoDoKeycodeXkb(nativeScanCode, tipoTeclado))
                return c;
        }
        break;
    case OrigemTeclas::Windows:
        if (nativeVirtualKey != 0 && nativeVirtualKey < 256)
            return int(nativeVirtualKey);
        break;
    case OrigemTeclas::Outra:
        break;
    }
    return CodigoDaTeclaQt(qtKey, tipoTeclado);
}
