#pragma once
// A main window started as the program starts it, in a fresh application
// folder with the built lesson modules, the test doubles installed and the
// course state reset. For tests of the main window's behaviour.
#include "Fakes.h"

#include "ui/FrmMain.h"

#include <memory>

class JanelaTeste {
public:
    // usuarios: the lines of usuario.dat (written with CR LF in Windows-1252);
    // empty means no user file at all.
    explicit JanelaTeste(const QStringList& usuarios = {}, bool comModulos = true);
    ~JanelaTeste();

    FrmMain& w() { return *janela; }
    FrmMain* operator->() { return janela.get(); }

    // Logs the selected user in, answering the password prompt with senha.
    void entrar(const QString& senha = QStringLiteral("comeco"));
    // The next password prompt answers with senha (OK pressed).
    void responderSenha(const QString& senha);
    // Types text as key presses (letters, space, Enter for '#').
    void digitar(const QString& texto);
    // Presses one key by its key code.
    void tecla(int codigo);
    // Types the whole current exercise correctly.
    void completarExercicio();
    // Lines of usuario.dat as stored (decoded).
    QStringList usuariosNoDisco() const;

    AmbienteTeste amb;

private:
    std::unique_ptr<FrmMain> janela;
};
