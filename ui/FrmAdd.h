#pragma once
// The new-user window: a name and a password typed twice. A confirmed user
// is appended to the user list and to usuario.dat and becomes the selected
// user of the main window. AddPadrao, callable without the window, creates
// the default user when the list would otherwise be empty.
#include "ui/JanelaDesenhada.h"

#include <QStringList>

class Imagem;
class QLineEdit;

class FrmAdd : public JanelaDesenhada {
    Q_OBJECT
public:
    // The window is parented to the main window when no parent is given.
    explicit FrmAdd(QWidget* pai = nullptr);

    // Checks the name and the passwords and, when they pass, stores the new
    // user, closes the window and selects the user in the main window. A
    // refusal says why and leaves the window open with everything typed.
    void CmdOk_Click();
    void CmdCancelar_Click();
    void Image1_Click();

    // Appends the default user "Usuário Padrão" to the user list, writes the
    // file and rebuilds the name list; selects nothing.
    static void AddPadrao();

    // The profile every new user starts with.
    static constexpr int VelocidadeNovoUsuario = 100;
    static constexpr int PrecisaoNovoUsuario = 95;
    static constexpr bool LivreNovoUsuario = false;

    // The first character of the texts that a user record cannot hold ("<",
    // which separates the fields, a line break, or a character the file's
    // encoding lacks); empty when every text can be stored.
    static QString CaractereProibido(const QStringList& textos);
    // The refusal shown for it.
    static QString MensagemCaractereProibido(const QString& caractere);
    // The refusal of a name another user already has.
    static QString MensagemNomeExistente(const QString& nomeExistente);
    // Whether the two password boxes agree (trimmed, letter case counts).
    // When they do not, janela says so and both boxes are emptied, the
    // first with the focus, so the learner types both again.
    static bool SenhasConferem(JanelaDesenhada* janela, QLineEdit* senha, QLineEdit* confirma);

    QLineEdit* TxtNovoUsuario = nullptr;
    QLineEdit* TxtSenha = nullptr;
    QLineEdit* TxtSenhaConfirma = nullptr;
    Imagem* CmdOk = nullptr;
    Imagem* CmdCancelar = nullptr;
    Imagem* Image1 = nullptr;

protected:
    void desenharFundo(QPainter& p) override;
    void keyPressEvent(QKeyEvent* e) override;
};
