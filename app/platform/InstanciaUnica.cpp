#include "app/platform/InstanciaUnica.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace {
const QByteArray Pedido("mostrar\n");
}

InstanciaUnica::InstanciaUnica(const QString& arquivoUsuarios, QObject* pai)
    : QObject(pai)
{
    // The folder exists (the file may not yet, at the very first start):
    // its canonical path names the file the same way from every start.
    const QFileInfo arquivo(arquivoUsuarios);
    QString pasta = QFileInfo(arquivo.absolutePath()).canonicalFilePath();
    if (pasta.isEmpty())
        pasta = arquivo.absolutePath();
    const QString caminho = pasta + u'/' + arquivo.fileName();
    const QByteArray chave = QString::number(::getuid()).toUtf8() + '\n' + caminho.toUtf8();
    nome = QStringLiteral("teclomatic-")
        + QString::fromLatin1(QCryptographicHash::hash(chave, QCryptographicHash::Sha256).toHex().left(24));
}

InstanciaUnica::~InstanciaUnica() = default;

bool InstanciaUnica::Escutar()
{
    if (servidor)
        return servidor->isListening();
    servidor = new QLocalServer(this);
    servidor->setSocketOptions(QLocalServer::UserAccessOption);
    if (!servidor->listen(nome)) {
        // A socket of a program that died: this one holds the lock now.
        QLocalServer::removeServer(nome);
        if (!servidor->listen(nome))
            return false;
    }
    connect(servidor, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = servidor->nextPendingConnection()) {
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            connect(s, &QLocalSocket::readyRead, this, [this, s] {
                if (s->canReadLine() && s->readLine() == Pedido) {
                    emit mostrarPedido();
                    s->disconnectFromServer();
                }
            });
        }
    });
    return true;
}

bool InstanciaUnica::PedirParaMostrar(int espera)
{
    QLocalSocket s;
    s.connectToServer(nome);
    if (!s.waitForConnected(espera))
        return false;
    s.write(Pedido);
    const bool enviado = s.flush() || s.bytesToWrite() == 0 || s.waitForBytesWritten(espera);
    s.disconnectFromServer();
    return enviado;
}
