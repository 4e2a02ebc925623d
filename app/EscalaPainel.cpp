#include "app/EscalaPainel.h"

#include <algorithm>
#include <cmath>

EscalaDoPainel EscolherEscala(const TelaDoPainel& tela)
{
    if (tela.area.isEmpty() || tela.razao <= 0 || tela.fatorUsuario <= 0)
        return {};
    const double largura = tela.area.width() * tela.razao;
    const double altura = tela.area.height() * tela.razao;
    const double cabe = std::min(largura / 800.0, altura / 600.0);
    const double pedido = cabe * std::min(tela.fatorUsuario, 1.0);
    // A hair under an eighth still counts as that eighth: the area in
    // logical pixels was rounded from device pixels.
    const double oitavos = std::floor(pedido * 8.0 + 1e-6) / 8.0;
    if (oitavos < 0.25)
        return {};
    const double desktop = tela.razao / tela.fatorUsuario;
    if (oitavos < 1)
        return {oitavos, 1 / desktop, oitavos};
    return {oitavos, oitavos / desktop, 1};
}
