#pragma once
// A second start on the learner file of a running program brings that
// program's window to the front instead. The running program listens on a
// local socket named after the file and this account (QLocalServer); the
// one started second, which found the file's lock taken (TravaUsuarios),
// connects and asks. Another account, even on a shared file, has a
// socket of its own and gets no answer.
#include <QObject>
#include <QString>

class QLocalServer;

class InstanciaUnica : public QObject {
    Q_OBJECT
public:
    explicit InstanciaUnica(const QString& arquivoUsuarios, QObject* pai = nullptr);
    ~InstanciaUnica() override;

    // The program holding the lock: answers those started later. A socket
    // left by a program that died is replaced. False when it cannot listen.
    bool Escutar();
    // A program started second: asks the running one to come to the front.
    // False when nobody answered (within espera milliseconds).
    bool PedirParaMostrar(int espera = 2000);

    QString Nome() const { return nome; }

signals:
    // A program started later on the same file asked to see this one.
    void mostrarPedido();

private:
    QString nome;
    QLocalServer* servidor = nullptr;
};
