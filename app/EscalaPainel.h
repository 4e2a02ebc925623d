#pragma once
// The scale the whole program is drawn at. Everything lives on an 800 x 600
// panel, drawn as large as the screen allows: on a small screen (a netbook,
// a 1080p screen at 200 %) every button stays in reach, on a large one the
// keyboard and the text fill it. The scale is chosen once Qt is up, from the
// screen as Qt describes it, and multiplies whatever the desktop and the
// user set; it is kept to eighths of a device pixel per panel pixel, so the
// panel covers whole device pixels and stays crisp.
#include <QSize>

struct TelaDoPainel {
    // The work area (the screen less the desktop's panels), in Qt's logical
    // pixels, and the device pixels Qt gives each of them now: the
    // desktop's ratio (Xft.dpi, QT_SCREEN_SCALE_FACTORS, the Wayland output
    // scale) times the user's QT_SCALE_FACTOR.
    QSize area;
    double razao = 1.0;
    // The user's QT_SCALE_FACTOR (1 when unset), part of razao.
    double fatorUsuario = 1.0;
};

struct EscalaDoPainel {
    // Device pixels per panel pixel, in eighths.
    double razao = 0;
    // The factor to give Qt in place of the user's own, so that Qt draws
    // razao device pixels per logical pixel, or one where razao is below 1:
    // Qt draws nothing finer than a device pixel per logical pixel.
    double fatorGlobal = 0;
    // What the panel itself is reduced by on top of Qt's scale: 1, or razao
    // where that is below 1.
    double reducao = 1;
};

// The panel as large as the work area holds it, in eighths of a device
// pixel. A user's factor below 1 makes it that much smaller; above 1 it
// cannot grow past the screen. Nothing (razao 0) when the work area is
// unknown or holds not even a quarter-size panel.
EscalaDoPainel EscolherEscala(const TelaDoPainel& tela);
