#include "users/Deslizador.h"

#include "app/Arredondar.h"

namespace {

template <typename Valor>
int PrimeiraPosicao(int v, Valor valorDaPosicao)
{
    for (int p = PosicaoMinimaDeslizador; p <= PosicaoMaximaDeslizador; ++p) {
        if (valorDaPosicao(p) == v)
            return p;
    }
    if (v > valorDaPosicao(PosicaoMaximaDeslizador))
        return PosicaoMaximaDeslizador;
    return PosicaoMinimaDeslizador;
}

} // namespace

int LarguraBarra(int posicao)
{
    return posicao - 250;
}

int VelocidadeDaPosicao(int posicao)
{
    return static_cast<int>(ArredondarPar(LarguraBarra(posicao) / 30.0 + 74));
}

int PrecisaoDaPosicao(int posicao)
{
    const int valor = static_cast<int>(ArredondarPar(LarguraBarra(posicao) * 30.0 / 5285 + 70));
    return valor == 71 ? 70 : valor;
}

int PosicaoDaVelocidade(int v)
{
    return PrimeiraPosicao(v, VelocidadeDaPosicao);
}

int PosicaoDaPrecisao(int v)
{
    return PrimeiraPosicao(v, PrecisaoDaPosicao);
}
