#pragma once
// The program's general message window: a blue window with the caller's
// message and an OK button.
#include "ui/JanelaDesenhada.h"

class QLabel;
class Imagem;

class FrmBox : public JanelaDesenhada {
    Q_OBJECT
public:
    explicit FrmBox(QWidget* pai = nullptr);

    // Shows the message modally over the main window and returns once the
    // learner has closed it.
    static void Mostrar(const QString& texto);

    void CmdOk_Click();

    QLabel* LblMs = nullptr;
    Imagem* CmdOk = nullptr;

protected:
    void desenharFundo(QPainter& p) override;
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;
};
