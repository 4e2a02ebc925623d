#include "options/Display.h"

#include "app/EstadoCurso.h"
#include "app/Servicos.h"

void LerResolucao()
{
    if (auto* video = Plataforma().modoVideo)
        Estado().ResolucaoInicial = video->Atual();
}

void RestaurarResolucao()
{
    const ResolucaoTela& r = Estado().ResolucaoInicial;
    if (r.vazia())
        return;
    if (auto* video = Plataforma().modoVideo)
        video->Pedir(r);
}
