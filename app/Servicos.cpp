#include "app/Servicos.h"

Servicos& Plataforma()
{
    static Servicos s;
    return s;
}
