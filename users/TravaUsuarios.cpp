#include "users/TravaUsuarios.h"

#include "app/GravacaoSegura.h"

#include <QDir>
#include <QFile>
#include <QSysInfo>

#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace {

// The holder named in the lock file is gone on this computer: the lock is
// stale, yet it could not be taken over (another account's file in a
// shared folder with the sticky bit).
bool DonoTerminou(qint64 pid, const QString& maquina)
{
    if (pid <= 0)
        return false;
    if (!maquina.isEmpty() && maquina != QSysInfo::machineHostName())
        return false;
    return ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}

} // namespace

TravaUsuarios::TravaUsuarios(const QString& arquivoUsuarios)
    : arquivo(arquivoUsuarios)
    , trava(CaminhoDaTrava(arquivoUsuarios))
{
    // Only a dead holder makes a lock stale, never its age: a lesson may
    // run for hours.
    trava.setStaleLockTime(0);
    if (trava.tryLock(0)) {
        estado = Estado::Travada;
        return;
    }
    const QString caminhoTrava = QDir::toNativeSeparators(CaminhoDaTrava(arquivo));
    qint64 pid = 0;
    QString maquina;
    QString programa;
    if (trava.error() == QLockFile::PermissionError) {
        // The folder takes no new file: neither the lock nor the copy a safe
        // rewrite puts beside the file can be made there.
        motivo = ::access(QFile::encodeName(arquivo).constData(), W_OK) == 0
            ? QStringLiteral("a pasta não permite criar, ao lado dele, a trava e a cópia que protegem a gravação")
            : MotivoDoErro(EACCES);
    } else if (trava.getLockInfo(&pid, &maquina, &programa)) {
        // Someone holds it (Qt does not always say so in error()).
        if (!DonoTerminou(pid, maquina)) {
            estado = Estado::EmUso;
            return;
        }
        motivo = QStringLiteral("a trava %1 ficou de um Teclomatic que já foi fechado e esta conta não pode "
                                "removê-la").arg(caminhoTrava);
    } else {
        // No lock file could be written (a full disk, say).
        motivo = MotivoDaFalha(0, caminhoTrava, 4096);
    }
    estado = Estado::Impossivel;
}

QString TravaUsuarios::CaminhoDaTrava(const QString& arquivoUsuarios)
{
    return arquivoUsuarios + QStringLiteral(".lock");
}

QString TravaUsuarios::MensagemEmUso() { return QStringLiteral("O Teclomatic já está aberto."); }
