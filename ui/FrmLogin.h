#pragma once
// The password prompt. It asks for the password of the user selected on the
// user screen and answers through the course state: SenhaOk is True when the
// password (or the master password) was accepted, False when the prompt was
// cancelled or closed. Log-in, deleting a user and the profile editor all
// pass through it.
//
// This header also holds the two drawn buttons the user windows (login, new
// user, profile) share.
#include "ui/Imagem.h"
#include "ui/JanelaDesenhada.h"
#include "users/CadastroUsuarios.h"

class QLineEdit;

// A push button drawn in the program's style: the face of Estilo::DesenharBotao
// with its caption, a yellow rim under the pointer, a pressed look while the
// left button is down and a dotted ring when it has the keyboard focus.
// Enter or Space on it clicks it (Imagem).
class BotaoJanelaUsuario : public Imagem {
public:
    BotaoJanelaUsuario(QWidget* pai, const QString& nome, const QString& legenda,
                   const QString& nomeAcessivel, bool principal = true);

    QString legenda() const { return texto; }

protected:
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

    QString texto;
    bool principal = true;
    bool sobre = false;
    bool apertado = false;
};

// The round close image of a title strip: a light cross that turns into a
// red disc under the pointer.
class FecharJanelaUsuario : public BotaoJanelaUsuario {
public:
    FecharJanelaUsuario(QWidget* pai, const QString& nome);

protected:
    void paintEvent(QPaintEvent*) override;
};

class FrmLogin : public JanelaDesenhada {
    Q_OBJECT
public:
    // The prompt is parented to the main window when no parent is given.
    explicit FrmLogin(QWidget* pai = nullptr);

    // Shows the selected user's name and pre-fills the default user's
    // password. Run by the constructor: each prompt is a fresh window.
    void Form_Load();
    // Checks the password: accepted closes the window with SenhaOk True,
    // refused says so and keeps the window open with SenhaOk False.
    void CmdOk_Click();
    void CmdCancelar_Click();
    void CmdFechar_Click();

    QLineEdit* TxtUsuario = nullptr;
    QLineEdit* TxtSenha = nullptr;
    Imagem* CmdOk = nullptr;
    Imagem* CmdCancelar = nullptr;
    Imagem* CmdFechar = nullptr;
    Imagem* CmdMove = nullptr;

    // Opens every user's prompt.
    static QString SenhaMestra() { return CadastroUsuarios::SenhaMestra(); }

public slots:
    // Cancel, the close image, Escape and the window manager's close all
    // end here: SenhaOk = False.
    void reject() override;

protected:
    void desenharFundo(QPainter& p) override;
    void keyPressEvent(QKeyEvent* e) override;
};
