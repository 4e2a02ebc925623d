#include "app/platform/InstanciaUnica.h"

#include "app/platform/ServicosReais.h"

#include <QCryptographicHash>
#include <QFileInfo>

#include <unistd.h>

InstanciaUnica::InstanciaUnica(const QString& arquivoUsuarios, std::unique_ptr<CanalInstancia> c, QObject* pai)
    : QObject(pai)
    , canal(std::move(c))
{
    // The folder exists (the file may not yet, at the very first start):
    // its canonical path names the file the same way from every start.
    const QFileInfo arquivo(arquivoUsuarios);
    QString pasta = QFileInfo(arquivo.absolutePath()).canonicalFilePath();
    if (pasta.isEmpty())
        pasta = arquivo.absolutePath();
    const QByteArray chave = QByteArray::number(::getuid()) + '\n' + (pasta + u'/' + arquivo.fileName()).toUtf8();
    nome = QStringLiteral("teclomatic-")
        + QString::fromLatin1(QCryptographicHash::hash(chave, QCryptographicHash::Sha256).toHex().left(24));
}

InstanciaUnica::~InstanciaUnica() = default;

CanalInstancia* InstanciaUnica::Canal()
{
    if (!canal && !std::exchange(tentado, true)) {
        using Criar = CanalInstancia* (*)();
        if (auto criar = reinterpret_cast<Criar>(ResolverNoModulo(QStringLiteral("teclomatic_instancia.so"),
                                                                  "teclomatic_criar_canal")))
            canal.reset(criar());
    }
    return canal.get();
}

bool InstanciaUnica::Escutar()
{
    CanalInstancia* c = Canal();
    return c && c->Escutar(nome, [this] { emit mostrarPedido(); });
}

bool InstanciaUnica::PedirParaMostrar(int espera)
{
    CanalInstancia* c = Canal();
    return c && c->Pedir(nome, espera);
}
