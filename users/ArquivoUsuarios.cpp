#include "users/ArquivoUsuarios.h"

#include "app/PastaAplicacao.h"
#include "course/ModFun.h"

#include <QSaveFile>

QString CaminhoUsuarios()
{
    return CaminhoAplicacao(QStringLiteral("usuario.dat"));
}

bool GravarUsuarios(const QString& caminho, const QStringList& registros)
{
    QString texto;
    for (const QString& registro : registros) {
        texto += registro;
        texto += QStringLiteral("\r\n");
    }
    const QByteArray bytes = CodificarWindows1252(texto);

    QSaveFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly))
        return false;
    // An unfinished QSaveFile discards its temporary file when destroyed.
    if (arquivo.write(bytes) != bytes.size())
        return false;
    return arquivo.commit();
}
