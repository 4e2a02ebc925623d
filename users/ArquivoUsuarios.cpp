#include "users/ArquivoUsuarios.h"

#include "app/PastaAplicacao.h"
#include "course/ModFun.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString NaoEhArquivoComum = QStringLiteral("não é um arquivo comum");

// The copy beside the file during an in-place rewrite: a header line with
// the length and SHA-256 of the content, then the content. A copy cut short
// does not match its header.
const QByteArray MarcaCopia("Teclomatic usuario.dat ");

QByteArray Hash(const QByteArray& bytes) { return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex(); }

QByteArray MontarCopia(const QByteArray& conteudo)
{
    return MarcaCopia + QByteArray::number(conteudo.size()) + ' ' + Hash(conteudo) + '\n' + conteudo;
}

std::optional<QByteArray> ConteudoDaCopia(const QByteArray& copia)
{
    const qsizetype fim = copia.indexOf('\n');
    if (!copia.startsWith(MarcaCopia) || fim < 0)
        return std::nullopt;
    const QList<QByteArray> campos = copia.mid(MarcaCopia.size(), fim - MarcaCopia.size()).split(' ');
    QByteArray conteudo = copia.mid(fim + 1);
    bool ok = false;
    if (campos.size() != 2 || campos.at(0).toLongLong(&ok) != conteudo.size() || !ok || campos.at(1) != Hash(conteudo))
        return std::nullopt;
    return conteudo;
}

// Opens an existing regular file for writing, never through a link and
// never waiting; the descriptor, or -1 with errno set.
int AbrirRegularParaGravar(const QString& caminho, int flags = 0, mode_t modo = 0)
{
    const int fd = ::open(QFile::encodeName(caminho).constData(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | flags, modo);
    if (fd < 0)
        return -1;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        errno = EISDIR;
        return -1;
    }
    return fd;
}

// Rewrites a regular file in place; 0 or the error number.
int ReescreverNoLugar(const QString& destino, const QByteArray& bytes, bool* tocado)
{
    *tocado = false;
    const int fd = AbrirRegularParaGravar(destino);
    if (fd < 0)
        return errno;
    int erro = EscreverTudo(fd, bytes, tocado);
    if (::close(fd) != 0 && erro == 0)
        erro = errno;
    return erro;
}

// The copy goes: removed, or emptied where this account may not remove it
// (another account's, in a folder with the sticky bit). False when it stays
// whole.
bool DescartarCopia(const QString& copia)
{
    const QByteArray nome = QFile::encodeName(copia);
    if (::unlink(nome.constData()) == 0 || errno == ENOENT)
        return true;
    const int fd = AbrirRegularParaGravar(copia, O_TRUNC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0 || errno == EINVAL;
    ::close(fd);
    return ok;
}

// In place, behind a complete copy beside the file: a rewrite cut short at
// any point leaves either the old file untouched or a complete copy of the
// new one, which the next start writes over it.
ResultadoGravacao ReescreverComCopia(const QString& destino, const QByteArray& bytes)
{
    ResultadoGravacao r;
    const QString copia = CaminhoCopiaNova(destino);
    struct stat original {};
    if (::stat(QFile::encodeName(destino).constData(), &original) != 0) {
        r.motivo = MotivoDoErro(errno);
        return r;
    }
    // Whoever may write the file may complete or clear its copy.
    const int fd = AbrirRegularParaGravar(copia, O_CREAT, original.st_mode & 0666);
    if (fd < 0) {
        r.motivo = MotivoDaFalha(errno, copia, bytes.size());
        return r;
    }
    struct stat info {};
    if (::fstat(fd, &info) == 0 && info.st_uid == ::geteuid()) {
        (void)::fchmod(fd, original.st_mode & 0666);
        (void)::fchown(fd, uid_t(-1), original.st_gid);
    }
    int erro = EscreverTudo(fd, MontarCopia(bytes));
    ::close(fd);
    bool tocado = false;
    if (erro == 0)
        erro = ReescreverNoLugar(destino, bytes, &tocado);
    // A copy is kept only while the file may be unfinished.
    if (erro == 0 || !tocado)
        DescartarCopia(copia);
    if (erro != 0) {
        r.motivo = MotivoDaFalha(erro, destino, bytes.size());
        return r;
    }
    r.gravado = true;
    return r;
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
    r = GravarArquivo(destino, bytes);
    if (r || !r.trocaRecusada || ::access(QFile::encodeName(destino).constData(), W_OK) != 0)
        return r;
    return ReescreverComCopia(destino, bytes);
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

int RemoverTemporariosUsuarios(const QString& caminho)
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
        if (QFile::remove(c))
            ++removidos;
    }
    return removidos;
}

QString CaminhoCopiaNova(const QString& arquivoUsuarios) { return arquivoUsuarios + QStringLiteral(".novo"); }

RecuperacaoUsuarios RecuperarGravacaoInterrompida(const QString& caminho)
{
    RecuperacaoUsuarios r;
    const QString destino = DestinoDoLink(caminho);
    if (destino.isEmpty())
        return r;
    const QString copia = CaminhoCopiaNova(destino);
    QByteArray bytes;
    const ResultadoLeitura leitura =
        LerBytesArquivo(copia, bytes, MaximoBytesUsuarios + MarcaCopia.size() + 100, true);
    if (leitura.estado == EstadoLeitura::Ausente)
        return r;
    const QString nomeCopia = QDir::toNativeSeparators(copia);
    if (leitura.estado != EstadoLeitura::Completo) {
        r.motivo = QStringLiteral("a cópia %1, de uma gravação interrompida, não pôde ser lida: %2")
                       .arg(nomeCopia, leitura.motivo);
        return r;
    }
    if (const std::optional<QByteArray> conteudo = ConteudoDaCopia(bytes)) {
        bool tocado = false;
        const int erro = ::access(QFile::encodeName(destino).constData(), F_OK) == 0
            ? ReescreverNoLugar(destino, *conteudo, &tocado)
            : (GravarArquivo(destino, *conteudo) ? 0 : EIO);
        if (erro != 0) {
            r.conteudo = conteudo;
            r.motivo = QStringLiteral("uma gravação interrompida não pôde ser completada a partir de %1 (%2)")
                           .arg(nomeCopia, MotivoDoErro(erro));
            return r;
        }
    }
    if (!DescartarCopia(copia))
        r.motivo = QStringLiteral("a cópia %1, de uma gravação interrompida, não pôde ser apagada").arg(nomeCopia);
    return r;
}
