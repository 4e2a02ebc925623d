#include "app/PastaAplicacao.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

// Set by the build from the install layout; a build without them (another
// build system) still finds everything in the application folder.
#ifndef TECLOMATIC_DADOS
#define TECLOMATIC_DADOS ""
#endif
#ifndef TECLOMATIC_DADOS_RELATIVO
#define TECLOMATIC_DADOS_RELATIVO ""
#endif

namespace {
QString& pastaDefinida()
{
    static QString p;
    return p;
}

QString Juntar(const QString& pasta, const QString& relativo)
{
    return QDir::toNativeSeparators(QDir::cleanPath(pasta + QLatin1Char('/') + relativo));
}
}

QString PastaAplicacao()
{
    QString p = pastaDefinida();
    if (p.isEmpty())
        p = QCoreApplication::applicationDirPath();
    return QDir::toNativeSeparators(QDir::cleanPath(p));
}

void DefinirPastaAplicacao(const QString& pasta) { pastaDefinida() = pasta; }

QString CaminhoAplicacao(const QString& relativo) { return Juntar(PastaAplicacao(), relativo); }

bool PastaAplicacaoPortatil()
{
    const QDir pasta(PastaAplicacao());
    if (pasta.dirName() == QLatin1String("bin") && QFileInfo(pasta.filePath(QStringLiteral("../share/teclomatic"))).isDir())
        return false;
    return QFileInfo(pasta.filePath(QStringLiteral("Modulos"))).isDir();
}

QStringList PastasRecursos()
{
    QStringList pastas{PastaAplicacao()};
    if (!pastaDefinida().isEmpty())
        return pastas;
    const QString relativo = QStringLiteral(TECLOMATIC_DADOS_RELATIVO);
    if (!relativo.isEmpty())
        pastas << Juntar(QCoreApplication::applicationDirPath(), relativo);
    const QString instalada = QStringLiteral(TECLOMATIC_DADOS);
    if (!instalada.isEmpty())
        pastas << QDir::toNativeSeparators(QDir::cleanPath(instalada));
    pastas.removeDuplicates();
    return pastas;
}

QString LocalizarRecurso(const QString& relativo, const QStringList& pastas)
{
    for (const QString& pasta : pastas) {
        const QString caminho = Juntar(pasta, relativo);
        if (QFileInfo::exists(caminho))
            return caminho;
    }
    return pastas.isEmpty() ? Juntar(PastaAplicacao(), relativo) : Juntar(pastas.first(), relativo);
}

QString CaminhoRecurso(const QString& relativo) { return LocalizarRecurso(relativo, PastasRecursos()); }
