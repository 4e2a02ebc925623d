#pragma once
// The end-of-course message: congratulates the learner, and OK logs off.
#include "ui/JanelaDesenhada.h"

class Imagem;

class FrmBoxFim : public JanelaDesenhada {
    Q_OBJECT
public:
    explicit FrmBoxFim(QWidget* pai = nullptr);

    // Shows the window modally over the main window and deletes it once it
    // has closed.
    static void Mostrar();

    // Closes the window, then logs the learner off.
    void CmdOk_Click();

    Imagem* CmdOk = nullptr;

protected:
    void desenharFundo(QPainter& p) override;
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    // There is nothing to cancel: closing the window any other way is OK.
    void reject() override;
    bool feito = false;
};
