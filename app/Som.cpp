#include "app/Som.h"

#include "app/EstadoCurso.h"
#include "app/PastaAplicacao.h"
#include "app/Servicos.h"

void TocarSom(const QString& nome)
{
    if (!Estado().SomLigado)
        return;
    if (auto* som = Plataforma().som)
        som->Tocar(CaminhoRecurso(nome + QStringLiteral(".wav")));
}
