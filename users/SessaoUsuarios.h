#pragma once
// The user file over one run of the program: where it lives, whether it was
// read whole (a file read only in part is never written back), and the one
// warning a session gives about it.
#include "course/ModFun.h"
#include "users/LocalUsuarios.h"

#include <QString>
#include <QStringList>

class SessaoUsuarios {
public:
    // Finds the file (ResolverLocalUsuarios), removes what interrupted saves
    // left beside it, and reads it into registros (appended).
    ResultadoLeitura Abrir(QStringList& registros);
    // Rewrites the file with registros. False, and the file untouched, when
    // it was not read whole at Abrir; false when the save failed.
    bool Gravar(const QStringList& registros);
    // The warning to show now, or an empty string: the first problem of the
    // session (a file not read whole, else the first failed save), given
    // once; later failures stay quiet.
    QString Aviso();

    // Why the last save did not happen, in Portuguese (empty after a save
    // that worked).
    QString MotivoUltimaFalha() const { return motivoFalha; }

    const LocalUsuarios& Local() const { return local; }
    QString Caminho() const { return local.arquivo; }
    // Nothing is written this session (the file was not read whole).
    bool SomenteLeitura() const { return !leitura.podeRegravar(); }

private:
    LocalUsuarios local;
    ResultadoLeitura leitura;
    QString aviso;
    QString motivoFalha;
    bool avisado = false;
};
