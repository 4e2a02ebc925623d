#pragma once
// A second start on the learner file of a running program brings that
// program's window to the front instead. The running program listens on a
// local socket named after the file and this account; the one started
// second, which found the file's lock taken (TravaUsuarios), connects and
// asks. Another account, even on a shared file, has a socket of its own and
// gets no answer.
//
// The socket is Qt Network's (QLocalServer), in a module of its own,
// teclomatic_instancia.so, loaded by the running program once its first
// frame is out and by a second start when it needs it: Qt Network and the
// libraries under it stay out of the start-up.
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

// What the module provides.
class CanalInstancia {
public:
    virtual ~CanalInstancia() = default;
    // Answers those started later: aoPedir runs for each request. A socket
    // left by a program that died is replaced. False when it cannot listen.
    virtual bool Escutar(const QString& nome, std::function<void()> aoPedir) = 0;
    // Asks the program listening on nome to come to the front; false when
    // nobody answered within espera milliseconds.
    virtual bool Pedir(const QString& nome, int espera) = 0;
};

class InstanciaUnica : public QObject {
    Q_OBJECT
public:
    // canal: the module's channel, loaded on first use when not given.
    explicit InstanciaUnica(const QString& arquivoUsuarios, std::unique_ptr<CanalInstancia> canal = {},
                            QObject* pai = nullptr);
    ~InstanciaUnica() override;

    // The program holding the lock: answers the programs started later.
    // False when it cannot (no module, no socket).
    bool Escutar();
    // A program started second: asks the running one to come to the front.
    // False when nobody answered (within espera milliseconds).
    bool PedirParaMostrar(int espera = 2000);

    QString Nome() const { return nome; }

signals:
    // A program started later on the same file asked to see this one.
    void mostrarPedido();

private:
    CanalInstancia* Canal();

    QString nome;
    std::unique_ptr<CanalInstancia> canal;
    bool tentado = false;
};
