#pragma once
// Where usuario.dat lives. In the application folder when it is a portable
// folder (PastaAplicacaoPortatil) and the file there can be replaced (the
// folder or the file can be written), as a portable folder copied anywhere
// keeps its learners beside it. Otherwise in the per-user data folder
// (QStandardPaths::AppDataLocation, e.g. ~/.local/share/Teclomatic/usuario.dat),
// same format, the folder created on first use; a usuario.dat of the
// application folder is copied there once, as the starting list, when the
// per-user file does not exist yet.
#include <QString>

struct LocalUsuarios {
    QString arquivo;              // the usuario.dat to read and rewrite
    bool naPastaAplicacao = true; // arquivo is the application folder's
    // The application folder's list, to be copied to arquivo before it is
    // first read (CopiarListaInicial); empty when there is nothing to copy.
    QString copiarDe;
    bool copiado = false; // the list was copied to arquivo just now
    // Why the per-user folder could not be used, in Portuguese; arquivo then
    // stays in the application folder, where it is read but not written.
    QString motivo;
};

// Decides where the file lives and creates the per-user folder when it is
// the one. Copies nothing: that waits until the file's lock is held.
LocalUsuarios EscolherLocalUsuarios();

// Copies the application folder's list to the per-user file when
// EscolherLocalUsuarios asked for it. When that list cannot be read whole
// (too big, not a regular file, a link the policy refuses, unreadable)
// nothing is copied and arquivo goes back to the application folder, so
// reading it reports the problem. False, with *motivo, when the copy
// failed: no per-user file is left behind and the list is to be read from
// the application folder (copiarDe) without being written this run.
bool CopiarListaInicial(LocalUsuarios& l, QString* motivo);
