#pragma once
// The user file usuario.dat: one record per line in Windows-1252, each line
// ended by CR LF. It is read with the generic line reader
// (LerArquivo(caminho, lista, true) of course/ModFun.h) and rewritten whole
// after every change with GravarUsuarios.
#include "course/ModFun.h"

#include <QString>
#include <QStringList>

// application folder + "usuario.dat"
QString CaminhoUsuarios();

// Writes every record, in list order, each followed by CR LF, replacing the
// file at caminho. The new content goes to a temporary file beside it that
// then takes the old file's place in one step, so a failed or interrupted
// rewrite leaves the previous file whole. Returns false (without any message)
// when the file could not be written; the previous file is then untouched.
bool GravarUsuarios(const QString& caminho, const QStringList& registros);
