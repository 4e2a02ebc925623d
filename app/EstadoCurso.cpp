#include "app/EstadoCurso.h"

#include <limits>

namespace {
EstadoCurso& instancia()
{
    static EstadoCurso e;
    return e;
}
}

EstadoCurso& Estado() { return instancia(); }

void ReiniciarEstado() { instancia() = EstadoCurso{}; }

bool Contador::Mudar(qint16& v, int delta)
{
    return Atribuir(v, qint64(v) + delta);
}

bool Contador::Atribuir(qint16& v, qint64 valor)
{
    if (valor < std::numeric_limits<qint16>::min() || valor > std::numeric_limits<qint16>::max())
        return false;
    v = qint16(valor);
    return true;
}
