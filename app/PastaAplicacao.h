#pragma once
#include <QString>

// The application folder: the executable's folder, where usuario.dat,
// Modulos/, the sounds and the help live. Tests point it elsewhere.
QString PastaAplicacao();
void DefinirPastaAplicacao(const QString& pasta);
// Application folder + separator + relative name, with native separators.
QString CaminhoAplicacao(const QString& relativo);
