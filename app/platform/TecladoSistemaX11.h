#pragma once
// The system keyboard as a layout proposal: the XKB rules names and active
// group of the X display, the keymap the compositor gives on Wayland, the
// keyboard layout handle on Windows.
#include "app/Servicos.h"

class TecladoSistemaX11 : public ServicoTecladoSistema {
public:
    // 0 ABNT2, 1 BR, 2 Portuguese; 0 when the system keyboard cannot be read.
    int Proposta() override;
};
