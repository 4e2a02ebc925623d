#include "users/ArquivoUsuarios.h"

#include "app/PastaAplicacao.h"
#include "course/ModFun.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

const QString NaoEhArquivoComum = QStringLiteral("não é um arquivo comum");

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
        return NaoEhArquivoComum;
    default:
        return QStringLiteral("erro de gravação no disco");
    }
}

// The reason for a failed save. The error number left by the failing call
// is used when there is one; otherwise the folder and the disk are looked at.
QString MotivoDaFalha(int erro, const QString& destino, qint64 tamanho)
{
    if (erro != 0)
        return MotivoDoErro(erro);
    const QFileInfo info(destino);
    const QByteArray pasta = QFile::encodeName(info.absolutePath());
    struct statvfs disco {};
    if (::statvfs(pasta.constData(), &disco) == 0) {
        if (disco.f_flag & ST_RDONLY)
            return MotivoDoErro(EROFS);
        if (qint64(disco.f_bavail) * qint64(disco.f_frsize) < tamanho)
            return MotivoDoErro(ENOSPC);
    } else {
        return MotivoDoErro(errno);
    }
    if (::access(pasta.constData(), W_OK) != 0 && ::access(QFile::encodeName(destino).constData(), W_OK) != 0)
        return MotivoDoErro(EACCES);
    return MotivoDoErro(EIO);
}

// Rewrites a regular file in place; 0 or the error number. The space is
// reserved first, so a full disk fails before the old content is touched.
int ReescreverNoLugar(const QString& destino, const QByteArray& bytes)
{
    const int fd = ::open(QFile::encodeName(destino).constData(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return EISDIR;
    }
    int erro = 0;
    if (!bytes.isEmpty()) {
        const int reserva = ::posix_fallocate(fd, 0, bytes.size());
        if (reserva != 0 && reserva != EOPNOTSUPP && reserva != EINVAL)
            erro = reserva;
    }
    for (qsizetype feito = 0; erro == 0 && feito < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + feito, size_t(bytes.size() - feito));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            erro = n < 0 ? errno : EIO;
        else
            feito += n;
    }
    if (erro == 0 && ::ftruncate(fd, bytes.size()) != 0)
        erro = errno;
    if (erro == 0 && ::fsync(fd) != 0 && errno != EINVAL)
        erro = errno;
    if (::close(fd) != 0 && erro == 0)
        erro = errno;
    return erro;
}

} // namespace

QString CaminhoUsuarios()
{
    return CaminhoAplicacao(QStringLiteral("usuario.dat"));
}

ResultadoLeitura LerArquivoUsuarios(const QString& caminho, QStringList& registros)
{
    return LerArquivo(caminho, registros, true, LimitesUsuarios);
}

QString MensagemLeituraUsuarios(const QString& caminho, const ResultadoLeitura& leitura)
{
    return QStringLiteral("Não foi possível ler o arquivo de usuários %1: %2. Para não perder nenhum aluno, "
                          "o progresso não será salvo até o Teclomatic ser aberto de novo.")
        .arg(QDir::toNativeSeparators(caminho), leitura.motivo);
}

ResultadoGravacao GravarArquivoUsuarios(const QString& caminho, const QStringList& registros)
{
    QString texto;
    for (const QString& registro : registros) {
        texto += registro;
        texto += QStringLiteral("\r\n");
    }
    const QByteArray bytes = CodificarWindows1252(texto);

    ResultadoGravacao r;
    const QString destino = DestinoDoLink(caminho, &r.motivo);
    if (destino.isEmpty())
        return r;
    struct stat info {};
    if (::lstat(QFile::encodeName(destino).constData(), &info) == 0) {
        if (!S_ISREG(info.st_mode)) {
            r.motivo = NaoEhArquivoComum;
            return r;
        }
    } else if (errno != ENOENT) {
        r.motivo = MotivoDoErro(errno);
        return r;
    }

    QSaveFile arquivo(destino);
    arquivo.setDirectWriteFallback(true);
    errno = 0;
    if (!arquivo.open(QIODevice::WriteOnly)) {
        r.motivo = MotivoDaFalha(errno, destino, bytes.size());
        return r;
    }
    // An unfinished QSaveFile discards its temporary file when destroyed.
    errno = 0;
    if (arquivo.write(bytes) != bytes.size()) {
        r.motivo = MotivoDaFalha(errno, destino, bytes.size());
        return r;
    }
    errno = 0;
    if (arquivo.commit()) {
        r.gravado = true;
        return r;
    }
    int erro = errno;
    // The folder took the new copy but would not let it replace the file
    // (a shared folder with the sticky bit, the file another account's):
    // the file itself may still be writable.
    if (arquivo.error() == QFileDevice::RenameError
        && ::access(QFile::encodeName(destino).constData(), W_OK) == 0) {
        erro = ReescreverNoLugar(destino, bytes);
        if (erro == 0) {
            r.gravado = true;
            return r;
        }
    }
    r.motivo = MotivoDaFalha(erro, destino, bytes.size());
    return r;
}

bool GravarUsuarios(const QString& caminho, const QStringList& registros)
{
    return GravarArquivoUsuarios(caminho, registros).gravado;
}

QString MensagemFalhaGravacao(const QString& caminho, const QString& motivo)
{
    return QStringLiteral("Não foi possível salvar o progresso em %1: %2")
        .arg(QDir::toNativeSeparators(caminho), motivo);
}

int RemoverTemporariosUsuarios(const QString& caminho, int idadeMinima)
{
    QString destino = DestinoDoLink(caminho);
    if (destino.isEmpty())
        destino = caminho;
    const QFileInfo arquivo(destino);
    const QString base = arquivo.fileName() + QLatin1Char('.');
    // "<file>.XXXXXX", six letters: the name a safe rewrite gives its
    // temporary file. Checked by hand: a pattern would bring the regular
    // expression engine into every start-up.
    auto temporario = [&base](const QString& n) {
        if (n.size() != base.size() + 6 || !n.startsWith(base))
            return false;
        for (qsizetype i = base.size(); i < n.size(); ++i) {
            const char16_t c = n.at(i).unicode();
            if (!((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')))
                return false;
        }
        return true;
    };
    const QDateTime limite = QDateTime::currentDateTimeUtc().addSecs(-idadeMinima);
    QDir pasta(arquivo.absolutePath());
    int removidos = 0;
    const QStringList candidatos = pasta.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& n : candidatos) {
        if (!temporario(n))
            continue;
        const QString c = pasta.filePath(n);
        struct stat info {};
        if (::lstat(QFile::encodeName(c).constData(), &info) != 0 || !S_ISREG(info.st_mode))
            continue;
        if (QFileInfo(c).lastModified().toUTC() > limite)
            continue;
        if (QFile::remove(c))
            ++removidos;
    }
    return removidos;
}
