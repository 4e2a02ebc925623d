#pragma once
// The size of the screen the program starts on, read before the application
// object exists, so the scale of the whole program can be chosen in time.
#include <optional>

struct TelaInicial {
    int largura = 0; // device pixels of the primary output
    int altura = 0;
    double razao = 1.0; // the pixel ratio the desktop asks for (Xft.dpi / 96)
};

// The primary output of the X display named by DISPLAY; nothing elsewhere
// (Wayland, Windows, no display). The connection it reads on is kept until
// LiberarTelaInicial(), to be called once the application object is up.
std::optional<TelaInicial> LerTelaInicial();
void LiberarTelaInicial();

// The scale to give Qt so the 800 x 600 panel is as large as the screen
// allows: device pixels per panel pixel kept to eighths (the panel then
// covers whole device pixels and stays crisp), divided by the desktop's own
// ratio, which Qt applies as well. 0 when the screen is unusable.
double FatorDoPainel(const TelaInicial& tela);
