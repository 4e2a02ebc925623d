#pragma once
// Where usuario.dat lives. In the application folder when the file there can
// be replaced (the folder or the file can be written), as a portable folder
// copied anywhere keeps its learners beside it. Otherwise in the per-user
// data folder (QStandardPaths::AppDataLocation, e.g.
// ~/.local/share/Teclomatic/usuario.dat), same format, the folder created on
// first use; a usuario.dat of the application folder is copied there once,
// as the starting list, when the per-user file does not exist yet.
#include <QString>

struct LocalUsuarios {
    QString arquivo;              // the usuario.dat to read and rewrite
    bool naPastaAplicacao = true; // arquivo is the application folder's
    bool copiado = false;         // the application folder's list was copied to arquivo just now
    // Why the per-user folder could not be used, in Portuguese; arquivo then
    // stays in the application folder (it is still read, and the first save
    // that fails says so).
    QString motivo;
};

// Decides, and prepares the per-user folder when it is the one. When the
// application folder's file cannot be read whole (too big, not a regular
// file, a link the policy refuses, unreadable) nothing is copied and arquivo
// stays in the application folder, so reading it reports the problem and
// nothing is written over it.
LocalUsuarios ResolverLocalUsuarios();
