#pragma once
#include <QString>

// Plays the named feedback sound ("bip", "login", "logoff", "erro", "fim")
// from the application folder or the installed data folder (CaminhoRecurso)
// while sounds are on; otherwise nothing.
void TocarSom(const QString& nome);
