// The local socket between two starts of the program on one learner file,
// built as a module of its own (teclomatic_instancia.so): Qt Network and the
// libraries under it are loaded once the first frame is out, not before it.
#include "app/platform/InstanciaUnica.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace {
const QByteArray Pedido("mostrar\n");

class CanalLocal : public CanalInstancia {
public:
    bool Escutar(const QString& nome, std::function<void()> aoPedir) override
    {
        if (servidor)
            return servidor->isListening();
        servidor = std::make_unique<QLocalServer>();
        servidor->setSocketOptions(QLocalServer::UserAccessOption);
        if (!servidor->listen(nome)) {
            // A socket of a program that died: this one holds the lock now.
            QLocalServer::removeServer(nome);
            if (!servidor->listen(nome))
                return false;
        }
        QLocalServer* s = servidor.get();
        QObject::connect(s, &QLocalServer::newConnection, s, [s, aoPedir] {
            while (QLocalSocket* c = s->nextPendingConnection()) {
                QObject::connect(c, &QLocalSocket::disconnected, c, &QObject::deleteLater);
                QObject::connect(c, &QLocalSocket::readyRead, c, [c, aoPedir] {
                    if (c->canReadLine() && c->readLine() == Pedido) {
                        aoPedir();
                        c->disconnectFromServer();
                    }
                });
            }
        });
        return true;
    }

    bool Pedir(const QString& nome, int espera) override
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

private:
    std::unique_ptr<QLocalServer> servidor;
};
}

extern "C" Q_DECL_EXPORT CanalInstancia* teclomatic_criar_canal()
{
    return new CanalLocal;
}
