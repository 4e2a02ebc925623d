#pragma once
#include <QString>
#include <QStringList>

// The application folder: the executable's folder, where usuario.dat,
// Modulos/, the sounds and the help live. Tests point it elsewhere.
QString PastaAplicacao();
void DefinirPastaAplicacao(const QString& pasta);
// Application folder + separator + relative name, with native separators.
QString CaminhoAplicacao(const QString& relativo);
// Whether the learners' data may live in the application folder: only a
// portable folder, one with the lessons (Modulos/) beside the executable.
// An installed program (its executable in a bin/ folder with
// share/teclomatic/ beside that) never keeps data in its own folder,
// whoever runs it.
bool PastaAplicacaoPortatil();

// The read-only files the program ships (Modulos/, the sounds, the help) are
// looked for in these folders, in order: the application folder (a portable
// copy), then the installed data folder found from the executable
// (../share/teclomatic) and the one the program was built for. When a test
// has pointed the application folder elsewhere, only that folder counts.
QStringList PastasRecursos();
// The path of `relativo` in the first of `pastas` that holds it; when none
// does, its path in the first folder, so a message names where it belongs.
QString LocalizarRecurso(const QString& relativo, const QStringList& pastas);
// A shipped file by its relative name: LocalizarRecurso over PastasRecursos.
QString CaminhoRecurso(const QString& relativo);
