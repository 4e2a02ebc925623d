#include "users/LocalUsuarios.h"

#include "app/GravacaoSegura.h"
#include "app/PastaAplicacao.h"
#include "course/ModFun.h"
#include "users/ArquivoUsuarios.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Whether this account can put a new usuario.dat in place in pasta.
bool PodeSubstituir(const QString& pasta, const QString& arquivo)
{
    const QByteArray p = QFile::encodeName(pasta);
    const QByteArray a = QFile::encodeName(arquivo);
    const bool pastaGravavel = ::access(p.constData(), W_OK | X_OK) == 0;
    struct stat infoArquivo {};
    if (::stat(a.constData(), &infoArquivo) != 0)
        return pastaGravavel;
    if (::access(a.constData(), W_OK) == 0)
        return true;
    if (!pastaGravavel)
        return false;
    // In a folder with the sticky bit only the owner of a file (or of the
    // folder) may replace it.
    struct stat infoPasta {};
    if (::stat(p.constData(), &infoPasta) != 0)
        return false;
    const uid_t eu = ::geteuid();
    return !(infoPasta.st_mode & S_ISVTX) || eu == 0 || infoArquivo.st_uid == eu || infoPasta.st_uid == eu;
}

} // namespace

LocalUsuarios EscolherLocalUsuarios()
{
    LocalUsuarios l;
    const QString naAplicacao = CaminhoUsuarios();
    l.arquivo = naAplicacao;
    if (PastaAplicacaoPortatil() && PodeSubstituir(PastaAplicacao(), naAplicacao))
        return l;

    const QString dados = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (dados.isEmpty()) {
        l.motivo = QStringLiteral("não há uma pasta de dados para este usuário");
        return l;
    }
    const QString pessoal = QDir::toNativeSeparators(QDir(dados).filePath(QStringLiteral("usuario.dat")));
    struct stat info {};
    if (::lstat(QFile::encodeName(pessoal).constData(), &info) != 0) {
        if (!QDir().mkpath(dados)) {
            l.motivo = QStringLiteral("não foi possível criar a pasta %1").arg(QDir::toNativeSeparators(dados));
            return l;
        }
        if (::lstat(QFile::encodeName(naAplicacao).constData(), &info) == 0)
            l.copiarDe = naAplicacao;
    }
    l.arquivo = pessoal;
    l.naPastaAplicacao = false;
    return l;
}

bool CopiarListaInicial(LocalUsuarios& l, QString* motivo)
{
    if (l.copiarDe.isEmpty())
        return true;
    QByteArray lista;
    const ResultadoLeitura leitura = LerBytesArquivo(l.copiarDe, lista, MaximoBytesUsuarios, true);
    if (leitura.estado == EstadoLeitura::Ausente) {
        l.copiarDe.clear();
        return true;
    }
    if (leitura.estado != EstadoLeitura::Completo) {
        l.arquivo = std::exchange(l.copiarDe, QString());
        l.naPastaAplicacao = true;
        return true;
    }
    const ResultadoGravacao copia = GravarArquivo(l.arquivo, lista);
    if (!copia) {
        if (motivo)
            *motivo = copia.motivo;
        return false;
    }
    l.copiarDe.clear();
    l.copiado = true;
    return true;
}
