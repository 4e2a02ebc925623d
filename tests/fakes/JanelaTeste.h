#pragma once
// A main window started as the program starts it, in a fresh application
// folder with the built lesson modules, the test doubles installed and the
// course state reset. For tests of the main window's behaviour.
#include "Fakes.h"

#include "ui/FrmMain.h"

#include <functional>
#include <memory>

class JanelaTeste {
public:
    // usuarios: the lines of usuario.dat (written with CR LF in Windows-1252);
    // empty means no user file at all.
    explicit JanelaTeste(const QStringList& usuarios = {}, bool comModulos = true);
    // The same, running antes on the fresh folder and fakes before the window
    // starts (to store settings, a display mode or a system layout first).
    using Preparo = std::function<void(AmbienteTeste&)>;
    JanelaTeste(const QStringList& usuarios, bool comModulos, const Preparo& antes);
    ~JanelaTeste();

    FrmMain& w() { return *janela; }
    FrmMain* operator->() { return janela.get(); }

    // Logs the selected user in, answering the password prompt with senha.
    void entrar(const QString& senha = QStringLiteral("comeco"));
    // The next password prompt answers with senha (OK pressed).
    void responderSenha(const QString& senha);
    // Types text as a learner would (ToquesDoTexto: dead keys, Shift).
    void digitar(const QString& texto);
    // Presses one key by its key code.
    void tecla(int codigo, Qt::KeyboardModifiers m = Qt::NoModifier);
    // Types the whole current exercise correctly.
    void completarExercicio();
    // Lines of usuario.dat as stored (decoded), once a save waiting for the
    // next frame is written.
    QStringList usuariosNoDisco() const;
    // Closes the window as the learner would and starts the program again in
    // the same folder: a new main window, the course state back to its start.
    void reiniciar();

    AmbienteTeste amb;

private:
    void iniciar();

    std::unique_ptr<FrmMain> janela;
};

// Rewrites one field (1-based) of the selected learner's record in the user
// store and loads the record again, as if usuario.dat had held it.
void AlterarCampo(FrmMain& w, int campo, const QString& valor);
// The free course of the selected learner (field 6).
inline void CursoLivre(FrmMain& w, bool livre) { AlterarCampo(w, 6, livre ? QStringLiteral("1") : QStringLiteral("0")); }
