#include "app/GravacaoSegura.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

int SincronizarSistema(int fd) { return ::fsync(fd); }

} // namespace

OperacoesDisco DiscoDoSistema() { return {::posix_fallocate, ::pwrite, SincronizarSistema}; }

OperacoesDisco& Disco()
{
    static OperacoesDisco d = DiscoDoSistema();
    return d;
}

int EscreverTudo(int fd, const QByteArray& bytes, bool* tocado)
{
    const OperacoesDisco& disco = Disco();
    if (tocado)
        *tocado = false;
    if (!bytes.isEmpty()) {
        // Where the file system cannot reserve (it says so), the writes
        // below still report a full disk.
        const int reserva = disco.reservar(fd, 0, off_t(bytes.size()));
        if (reserva != 0 && reserva != EOPNOTSUPP && reserva != EINVAL && reserva != ENOSYS)
            return reserva;
    }
    if (tocado)
        *tocado = true;
    for (qsizetype feito = 0; feito < bytes.size();) {
        const ssize_t n = disco.escrever(fd, bytes.constData() + feito, size_t(bytes.size() - feito), off_t(feito));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : EIO;
        feito += n;
    }
    if (::ftruncate(fd, off_t(bytes.size())) != 0)
        return errno;
    // A network file system may report a failed write only here.
    if (disco.sincronizar(fd) != 0 && errno != EINVAL && errno != EROFS)
        return errno;
    return 0;
}

QString MotivoDoErro(int erro)
{
    switch (erro) {
    case EACCES:
    case EPERM:
        return QStringLiteral("sem permissão para gravar");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("o disco está cheio");
    case EROFS:
        return QStringLiteral("o disco só permite leitura");
    case EFBIG:
        return QStringLiteral("o arquivo ficou grande demais para o disco");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("a pasta não existe");
    case EISDIR:
        return QStringLiteral("não é um arquivo comum");
    default:
        return QStringLiteral("erro de gravação no disco");
    }
}

QString MotivoDaFalha(int erro, const QString& destino, qint64 tamanho)
{
    if (erro != 0)
        return MotivoDoErro(erro);
    const QByteArray pasta = QFile::encodeName(QFileInfo(destino).absolutePath());
    struct statvfs disco {};
    if (::statvfs(pasta.constData(), &disco) != 0)
        return MotivoDoErro(errno);
    if (disco.f_flag & ST_RDONLY)
        return MotivoDoErro(EROFS);
    if (qint64(disco.f_bavail) * qint64(disco.f_frsize) < tamanho)
        return MotivoDoErro(ENOSPC);
    if (::access(pasta.constData(), W_OK) != 0 && ::access(QFile::encodeName(destino).constData(), W_OK) != 0)
        return MotivoDoErro(EACCES);
    return MotivoDoErro(EIO);
}

ResultadoGravacao GravarArquivo(const QString& caminho, const QByteArray& bytes)
{
    ResultadoGravacao r;
    QSaveFile arquivo(caminho);
    errno = 0;
    if (!arquivo.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        r.motivo = MotivoDaFalha(errno, caminho, bytes.size());
        return r;
    }
    if (const int erro = EscreverTudo(arquivo.handle(), bytes)) {
        // Discarded: the temporary file goes with the object.
        arquivo.cancelWriting();
        r.motivo = MotivoDaFalha(erro, caminho, bytes.size());
        return r;
    }
    errno = 0;
    if (arquivo.commit()) {
        r.gravado = true;
        return r;
    }
    r.trocaRecusada = arquivo.error() == QFileDevice::RenameError;
    r.motivo = MotivoDaFalha(errno, caminho, bytes.size());
    return r;
}
