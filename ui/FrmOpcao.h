#pragma once
// The options window: the keyboard layout of the on-screen keyboard and the
// screen mode of the main window, each with a small picture of the choice.
// OK stores both settings and applies the layout at once; Cancelar leaves
// everything as it was.
#include "ui/JanelaDesenhada.h"

#include <QPixmap>

class QComboBox;
class QLabel;
class Imagem;

class FrmOpcao : public JanelaDesenhada {
    Q_OBJECT
public:
    explicit FrmOpcao(QWidget* pai = nullptr);

    // Creates the window, runs Form_Load, shows it modally and deletes it
    // once it has closed.
    static void Mostrar();

    // Places the buttons, selects the stored choices (a missing or invalid
    // setting selects the first item) and shows their pictures.
    void Form_Load();
    // Shows the picture of the chosen keyboard layout.
    void SelTeclado_Click();
    // Shows the preview of the chosen screen mode.
    void SelTela_Click();
    // Stores both choices, rebuilds the main window's keyboard, updates the
    // course state and closes.
    void CmdOk_Click();
    // Closes without storing or applying anything.
    void CmdCancelar_Click();

    // The two preview pictures (177 x 159): the main window centred on the
    // screen, and the main window filling it.
    static QPixmap PreviaTela(bool telaCheia, qreal dpr);

    QLabel* Label1 = nullptr;
    QComboBox* SelTeclado = nullptr;
    Imagem* TecladoMini = nullptr;
    Imagem* Miniabnt2 = nullptr;
    Imagem* Minibr = nullptr;
    Imagem* Miniportugal = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* SelTela = nullptr;
    QLabel* LblExplicacao = nullptr;
    QWidget* Picture1 = nullptr;
    Imagem* ImgNormal = nullptr;
    Imagem* ImgFull = nullptr;
    Imagem* Image1 = nullptr;
    Imagem* CmdOk = nullptr;
    Imagem* CmdCancelar = nullptr;

protected:
    void desenharFundo(QPainter& p) override;
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;
};
