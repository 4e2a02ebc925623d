#include "app/PastaAplicacao.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString& pastaDefinida()
{
    static QString p;
    return p;
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

QString CaminhoAplicacao(const QString& relativo)
{
    return QDir::toNativeSeparators(QDir::cleanPath(PastaAplicacao() + QLatin1Char('/') + relativo));
}
