#pragma once
// Rounding to the nearest whole number with halves going to the even
// neighbour (0.5 -> 0, 1.5 -> 2, 2.5 -> 2, -1.5 -> -2). The program converts
// every computed figure to a whole number this way: slider values, the
// percentages of the result windows and the speed clock.
#include <QtGlobal>
#include <cmath>
#include <limits>

inline qint64 ArredondarPar(double valor)
{
    if (std::isnan(valor))
        return 0;
    // Beyond 2^53 every double is already whole; clamp to the 64-bit range.
    constexpr double limite = 9.2233720368547748e18; // 2^63
    if (valor >= limite)
        return std::numeric_limits<qint64>::max();
    if (valor <= -limite)
        return std::numeric_limits<qint64>::min();

    const double chao = std::floor(valor);
    const double resto = valor - chao; // exact for doubles in range
    qint64 inteiro = static_cast<qint64>(chao);
    if (resto > 0.5 || (resto == 0.5 && (inteiro % 2) != 0))
        ++inteiro;
    return inteiro;
}
