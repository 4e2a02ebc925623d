#pragma once
// Applies the panel's scale (app/EscalaPainel) to the running Qt: called
// once the application object exists and before any window is made. The
// primary screen is read as Qt reports it, on X11 and Wayland alike.
#include "app/EscalaPainel.h"

// Chooses the scale for the primary screen and gives Qt its global factor,
// which multiplies the desktop's ratio as the user's QT_SCALE_FACTOR did.
// Nothing changes on the offscreen platform, without a screen, or on one
// too small to choose for. Returns what was chosen.
EscalaDoPainel AjustarEscalaDoPainel();
