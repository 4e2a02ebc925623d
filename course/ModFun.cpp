#include "course/ModFun.h"

#include "app/EstadoCurso.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr char NomeCodificacao[] = "windows-1252";
constexpr char CR = '\r';
constexpr char LF = '\n';
constexpr char Espaco = ' ';

QByteArray SemEspacosNasPontas(const QByteArray& linha)
{
    qsizetype inicio = 0;
    qsizetype fim = linha.size();
    while (inicio < fim && linha.at(inicio) == Espaco)
        ++inicio;
    while (fim > inicio && linha.at(fim - 1) == Espaco)
        --fim;
    return linha.mid(inicio, fim - inicio);
}
}

int ChaveModulo(int licao)
{
    using namespace ChaveModuloFixa;
    return licao < Limite ? licao + DeslocamentoAbaixo : licao + DeslocamentoAcima;
}

int ChaveEfetiva(int chave)
{
    if (chave < 0)
        chave = ((chave % 255) + 255) % 255;
    if (chave == 0)
        return ChaveModuloFixa::Padrao;
    if (chave > ChaveModuloFixa::Maxima)
        return ChaveModuloFixa::Maxima;
    return chave;
}

QString DecodificarWindows1252(const QByteArray& bytes)
{
    QStringDecoder decodificador(NomeCodificacao);
    return decodificador.decode(bytes);
}

QByteArray CodificarWindows1252(const QString& texto, bool* exato)
{
    QStringEncoder codificador(NomeCodificacao);
    const QByteArray bytes = codificador.encode(texto);
    if (exato)
        *exato = !codificador.hasError();
    return bytes;
}

int CodigoWindows1252(char32_t caractere)
{
    const QString texto = QString::fromUcs4(&caractere, 1);
    const QByteArray bytes = CodificarWindows1252(texto);
    if (bytes.size() != 1 || DecodificarWindows1252(bytes) != texto)
        return -1;
    return static_cast<unsigned char>(bytes.at(0));
}

QByteArray DecifrarBytes(const QByteArray& linha, int& chave)
{
    QByteArray resultado(linha.size(), '\0');
    for (qsizetype i = 0; i < linha.size(); ++i) {
        chave = ChaveEfetiva(chave);
        int v = static_cast<unsigned char>(linha.at(i)) - chave;
        if (v < 0)
            v += 255;
        resultado[i] = static_cast<char>(v);
    }
    return SemEspacosNasPontas(resultado);
}

QByteArray CifrarBytes(const QByteArray& linha, int& chave)
{
    QByteArray resultado(linha.size(), '\0');
    for (qsizetype i = 0; i < linha.size(); ++i) {
        chave = ChaveEfetiva(chave);
        const int p = static_cast<unsigned char>(linha.at(i));
        resultado[i] = static_cast<char>((p + chave) % 255);
    }
    return resultado;
}

QString Decifrar(const QString& linha, int& chave)
{
    return DecodificarWindows1252(DecifrarBytes(CodificarWindows1252(linha), chave));
}

QString Cifrar(const QString& linha, int& chave)
{
    return DecodificarWindows1252(CifrarBytes(CodificarWindows1252(linha), chave));
}

namespace {

enum class Parada { Fim, LimiteLinhas, ErroLeitura, LimiteBytes };

struct Progresso {
    Parada parada = Parada::Fim;
    bool linhaLonga = false; // a line was cut to the line cap
    int lidas = 0;
};

// The line reader behind every public reader. maxBytes and maxLinha below
// zero mean no cap. Reading stops at the first line beyond maxLinhas, on a
// read failure, or once more than maxBytes bytes have arrived; a line that
// was not ended before such a stop is dropped. A line longer than maxLinha
// keeps its first maxLinha bytes and the rest is skipped as it arrives, so
// memory stays bounded whatever the file holds.
Progresso lerLinhasLimitado(QIODevice& origem, QStringList& alvo, bool plano, qint64 maxBytes,
                            qsizetype maxLinha, int maxLinhas)
{
    Progresso p;
    // Adds one line as stored; false once the line limit is reached.
    auto adicionar = [&](const QByteArray& bruta) {
        if (p.lidas >= maxLinhas)
            return false;
        if (plano) {
            alvo.append(DecodificarWindows1252(bruta));
        } else {
            // A blank line of a module (one edited by hand) is no exercise:
            // kept, it would turn a drill into a running text, or be an
            // exercise whose first key is an error.
            int chave = ChaveModulo(Estado().LicaoAtual);
            const QByteArray plana = DecifrarBytes(bruta, chave);
            if (plana.isEmpty())
                return true;
            alvo.append(DecodificarWindows1252(plana));
        }
        ++p.lidas;
        return true;
    };

    QByteArray linha;
    auto acrescentar = [&](const char* dados, qsizetype n) {
        if (maxLinha >= 0 && linha.size() + n > maxLinha) {
            p.linhaLonga = true;
            n = maxLinha - linha.size();
        }
        if (n > 0)
            linha.append(dados, n);
    };

    // After a CR, an LF that follows belongs to the same terminator; the CR
    // may end one block and the LF start the next.
    bool pularLF = false;
    qint64 total = 0;
    char bloco[64 * 1024];
    for (;;) {
        qint64 pedir = sizeof bloco;
        if (maxBytes >= 0)
            pedir = qMin<qint64>(pedir, maxBytes + 1 - total);
        const qint64 n = origem.read(bloco, pedir);
        if (n < 0) {
            p.parada = Parada::ErroLeitura; // the lines already read stay
            return p;
        }
        if (n == 0)
            break;
        total += n;
        const bool excedeu = maxBytes >= 0 && total > maxBytes;
        const qsizetype usar = excedeu ? qsizetype(n - (total - maxBytes)) : qsizetype(n);

        qsizetype i = 0;
        while (i < usar) {
            if (pularLF) {
                pularLF = false;
                if (bloco[i] == LF) {
                    ++i;
                    continue;
                }
            }
            const void* cr = std::memchr(bloco + i, CR, size_t(usar - i));
            const qsizetype fim = cr ? static_cast<const char*>(cr) - bloco : usar;
            acrescentar(bloco + i, fim - i);
            if (!cr)
                break;
            if (!adicionar(linha)) {
                p.parada = Parada::LimiteLinhas;
                return p;
            }
            linha.clear();
            pularLF = true;
            i = fim + 1;
        }
        if (excedeu) {
            p.parada = Parada::LimiteBytes;
            return p;
        }
    }
    // The last line may lack its terminator.
    if (!linha.isEmpty() && !adicionar(linha))
        p.parada = Parada::LimiteLinhas;
    return p;
}

QString Tamanho(qint64 bytes)
{
    constexpr qint64 KiB = 1024;
    constexpr qint64 MiB = 1024 * KiB;
    if (bytes >= MiB && bytes % MiB == 0)
        return QStringLiteral("%1 MiB").arg(bytes / MiB);
    if (bytes >= KiB && bytes % KiB == 0)
        return QStringLiteral("%1 KiB").arg(bytes / KiB);
    return QStringLiteral("%1 bytes").arg(bytes);
}

const QString NaoEhArquivoComum = QStringLiteral("não é um arquivo comum");

// A file opened for reading, or why not.
struct Abertura {
    EstadoLeitura estado = EstadoLeitura::Completo;
    QString motivo;
    int fd = -1;
};

Abertura FalhaAoAbrir(int erro)
{
    switch (erro) {
    case ENOENT:
    case ENOTDIR:
        return {EstadoLeitura::Ausente, QStringLiteral("o arquivo não existe")};
    case EACCES:
    case EPERM:
        return {EstadoLeitura::Cortado, QStringLiteral("sem permissão para ler")};
    case ELOOP:
        return {EstadoLeitura::NaoRegular, NaoEhArquivoComum};
    default:
        return {EstadoLeitura::Cortado, QStringLiteral("erro de leitura no disco")};
    }
}

// Opens a regular file for reading. The type is checked before opening, so
// a device is never opened, and again on the open file; the open does not
// wait, so a FIFO swapped in between is seen and refused rather than
// hanging the program.
Abertura AbrirRegular(const QString& caminho, bool linkSoNaPasta)
{
    QByteArray nome = QFile::encodeName(caminho);
    struct stat info {};
    if (::lstat(nome.constData(), &info) != 0)
        return FalhaAoAbrir(errno);
    int flags = O_RDONLY | O_NONBLOCK | O_CLOEXEC;
    if (linkSoNaPasta)
        flags |= O_NOFOLLOW;
    if (S_ISLNK(info.st_mode)) {
        if (linkSoNaPasta) {
            QString motivo;
            const QString destino = DestinoDoLink(caminho, &motivo);
            if (destino.isEmpty())
                return {EstadoLeitura::NaoRegular, motivo};
            nome = QFile::encodeName(destino);
        }
        if (::stat(nome.constData(), &info) != 0)
            return FalhaAoAbrir(errno);
    }
    if (!S_ISREG(info.st_mode))
        return {EstadoLeitura::NaoRegular, NaoEhArquivoComum};
    const int fd = ::open(nome.constData(), flags);
    if (fd < 0)
        return FalhaAoAbrir(errno);
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return {EstadoLeitura::NaoRegular, NaoEhArquivoComum};
    }
    return {EstadoLeitura::Completo, QString(), fd};
}

} // namespace

bool LerLinhas(QIODevice& origem, QStringList& alvo, bool plano)
{
    return lerLinhasLimitado(origem, alvo, plano, -1, -1, MaximoLinhasArquivo).parada == Parada::Fim;
}

bool LerArquivo(const QString& caminho, QStringList& alvo, bool plano)
{
    const Abertura a = AbrirRegular(caminho, false);
    if (a.fd < 0)
        return false;
    QFile arquivo;
    if (!arquivo.open(a.fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(a.fd);
        return false;
    }
    return LerLinhas(arquivo, alvo, plano);
}

namespace {
// Opens a regular file for reading under the link policy; false, with the
// state and reason in r, when it cannot.
bool abrirParaLer(const QString& caminho, bool linkSoNaPasta, QFile& arquivo, ResultadoLeitura& r)
{
    const Abertura a = AbrirRegular(caminho, linkSoNaPasta);
    if (a.fd < 0) {
        r.estado = a.estado;
        r.motivo = a.motivo;
        return false;
    }
    if (!arquivo.open(a.fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(a.fd);
        r.estado = EstadoLeitura::Cortado;
        r.motivo = QStringLiteral("erro de leitura no disco");
        return false;
    }
    return true;
}
}

ResultadoLeitura LerArquivo(const QString& caminho, QStringList& alvo, bool plano, const LimitesLeitura& limites)
{
    ResultadoLeitura r;
    QFile arquivo;
    if (!abrirParaLer(caminho, limites.linkSoNaPasta, arquivo, r))
        return r;
    return LerLinhas(arquivo, alvo, plano, limites);
}

ResultadoLeitura LerLinhas(QIODevice& origem, QStringList& alvo, bool plano, const LimitesLeitura& limites)
{
    ResultadoLeitura r;
    const Progresso p = lerLinhasLimitado(origem, alvo, plano, limites.bytes, limites.bytesLinha, limites.linhas);
    r.linhas = p.lidas;
    // A cut line is always met before whatever stopped the reading.
    if (p.linhaLonga) {
        r.estado = EstadoLeitura::Grande;
        r.motivo = QStringLiteral("uma linha passa de %1").arg(Tamanho(limites.bytesLinha));
        return r;
    }
    switch (p.parada) {
    case Parada::Fim:
        r.estado = EstadoLeitura::Completo;
        break;
    case Parada::LimiteLinhas:
        r.estado = EstadoLeitura::Cortado;
        r.motivo = QStringLiteral("o arquivo tem mais de %1 linhas").arg(limites.linhas);
        break;
    case Parada::ErroLeitura:
        r.estado = EstadoLeitura::Cortado;
        r.motivo = QStringLiteral("erro de leitura no disco");
        break;
    case Parada::LimiteBytes:
        r.estado = EstadoLeitura::Grande;
        r.motivo = QStringLiteral("o arquivo passa de %1").arg(Tamanho(limites.bytes));
        break;
    }
    return r;
}

ResultadoLeitura LerBytesArquivo(const QString& caminho, QByteArray& bytes, qint64 maximo, bool linkSoNaPasta)
{
    ResultadoLeitura r;
    bytes.clear();
    QFile arquivo;
    if (!abrirParaLer(caminho, linkSoNaPasta, arquivo, r))
        return r;
    char bloco[64 * 1024];
    for (;;) {
        const qint64 n = arquivo.read(bloco, qMin<qint64>(sizeof bloco, maximo + 1 - bytes.size()));
        if (n < 0) {
            r.estado = EstadoLeitura::Cortado;
            r.motivo = QStringLiteral("erro de leitura no disco");
            return r;
        }
        if (n == 0)
            break;
        bytes.append(bloco, n);
        if (bytes.size() > maximo) {
            bytes.truncate(maximo);
            r.estado = EstadoLeitura::Grande;
            r.motivo = QStringLiteral("o arquivo passa de %1").arg(Tamanho(maximo));
            return r;
        }
    }
    r.estado = EstadoLeitura::Completo;
    return r;
}

QString MensagemLeituraModulo(const QString& caminho, const ResultadoLeitura& leitura)
{
    return QStringLiteral("Não foi possível ler a lição em %1: %2")
        .arg(QDir::toNativeSeparators(caminho), leitura.motivo);
}

QString DestinoDoLink(const QString& caminho, QString* motivo)
{
    const QFileInfo info(caminho);
    if (!info.isSymLink())
        return caminho;
    const QString alvo = info.canonicalFilePath();
    QString porque;
    if (alvo.isEmpty())
        porque = QStringLiteral("é um atalho para um arquivo que não existe");
    else if (QFileInfo(alvo).absolutePath() != QDir(info.absolutePath()).canonicalPath())
        porque = QStringLiteral("é um atalho para fora da sua pasta");
    if (porque.isEmpty())
        return alvo;
    if (motivo)
        *motivo = porque;
    return QString();
}
