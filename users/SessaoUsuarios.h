#pragma once
// The user file over one run of the program: where it lives, the lock that
// keeps a second program off it, whether it may be written back (a file read
// only in part, or one this run holds no lock on, is never written), and
// the one warning a session gives about it.
#include "course/ModFun.h"
#include "users/LocalUsuarios.h"
#include "users/TravaUsuarios.h"

#include <QString>
#include <QStringList>
#include <memory>

class SessaoUsuarios {
public:
    SessaoUsuarios();
    ~SessaoUsuarios();
    SessaoUsuarios(SessaoUsuarios&&) noexcept;
    SessaoUsuarios& operator=(SessaoUsuarios&&) noexcept;

    // Finds the file (EscolherLocalUsuarios) and takes its lock, unless that
    // was done already. main() does it before the window is built, so a
    // second start on the same file stops there.
    TravaUsuarios::Estado Travar();
    // Another program runs on the same file: nothing is read or written.
    bool EmUso() const;

    // Travar, then, with the lock held: copies the application folder's list
    // to the per-user file on first use, completes a rewrite that was cut
    // short, removes what interrupted saves left beside the file, and reads
    // it into registros (appended).
    ResultadoLeitura Abrir(QStringList& registros);
    // Rewrites the file with registros. False, and the file untouched, when
    // this run may not write it (see SomenteLeitura); false when the save
    // failed. With avisar false a failure is left for the caller to report
    // and is not this session's warning.
    bool Gravar(const QStringList& registros, bool avisar = true);
    // The warning to show now, or an empty string: the first problem of the
    // session (a file not read whole or in use, else the first failed save),
    // given once; later failures stay quiet.
    QString Aviso();

    // Why the last save did not happen, in Portuguese (empty after a save
    // that worked).
    QString MotivoUltimaFalha() const { return motivoFalha; }

    const LocalUsuarios& Local() const { return local; }
    QString Caminho() const { return local.arquivo; }
    // Nothing is written this session: the file was not read whole, or no
    // lock could be held on it.
    bool SomenteLeitura() const { return !motivoSomenteLeitura.isEmpty(); }

private:
    void somenteLeitura(const QString& motivo, const QString& avisoAgora = QString());

    LocalUsuarios local;
    std::unique_ptr<TravaUsuarios> trava;
    QString motivoSomenteLeitura;
    QString aviso;
    QString motivoFalha;
    bool escolhido = false;
    bool avisado = false;
};
