#pragma once
// The profile editor of the user selected on the user screen: the name, the
// two pass criteria (minimum speed and precision, set with two sliders), the
// free-course flag and the password. OK writes the profile into the user's
// record, rewrites usuario.dat and reloads the user into the user screen.
//
// Slider geometry is kept in twips: a knob's Left runs from 405 to 5550 and
// the green bar under it is Left - 250 wide (users/Deslizador.h).
#include "ui/JanelaDesenhada.h"

#include <QtGlobal>

class Imagem;
class QCheckBox;
class QLabel;
class QLineEdit;

// The knob of a slider: a small vertical thumb. It reports the mouse in
// twips within itself, and the arrow keys as steps of one value.
class PuxadorDeslizador : public QWidget {
    Q_OBJECT
public:
    PuxadorDeslizador(QWidget* pai, const QString& nome, const QString& nomeAcessivel);

signals:
    void mousePressionado(Qt::MouseButtons botoes, int xTwips);
    void mouseMovido(Qt::MouseButtons botoes, int xTwips);
    // -1 / +1: one value down / up; -2 / +2: to the start / end of the track.
    void passo(int direcao);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    bool sobre = false;
    bool arrastando = false;
};

// The green part of a slider's track, stretched to its width.
class BarraVerde : public QWidget {
public:
    BarraVerde(QWidget* pai, const QString& nome);

protected:
    void paintEvent(QPaintEvent*) override;
};

class FrmPerfil : public JanelaDesenhada {
    Q_OBJECT
public:
    // The window is parented to the main window when no parent is given; the
    // constructor loads it (Form_Load) from the user screen.
    explicit FrmPerfil(QWidget* pai = nullptr);

    void Form_Load();
    // Checks the name and the passwords, saves the profile, writes the file
    // and closes. A refusal says why and leaves the window open.
    void CmdOk_Click();
    void CmdCancelar_Click();
    void CmdVR_Click();
    void CmdVP_Click();

    // Dragging the knobs; x in twips within the knob.
    void PicBar_MouseDown(Qt::MouseButtons botoes, int x);
    void PicBar_MouseMove(Qt::MouseButtons botoes, int x);
    void PicBar2_MouseDown(Qt::MouseButtons botoes, int x);
    void PicBar2_MouseMove(Qt::MouseButtons botoes, int x);

    // Put a knob on the first position, from the left, that shows the value;
    // a value the track cannot show puts it at the nearer end.
    void PosicionarVelocidade(int v);
    void PosicionarPrecisao(int v);

    // Writes the edited profile into the selected record of the main window
    // and its name into the list, then selects the entry that bears the name.
    // Writes the profile into the learner's record; false when it could not be saved.
    bool SalvarCFG();

    QLineEdit* TxtNome = nullptr;
    QLabel* Label3 = nullptr;
    PuxadorDeslizador* PicBar = nullptr;
    BarraVerde* ImgVerde1 = nullptr;
    QLabel* LblToques = nullptr;
    QLabel* Label1 = nullptr;
    Imagem* CmdVR = nullptr;
    QLabel* Label4 = nullptr;
    PuxadorDeslizador* PicBar2 = nullptr;
    BarraVerde* ImgVerde2 = nullptr;
    QLabel* LblPre = nullptr;
    QLabel* Label2 = nullptr;
    Imagem* CmdVP = nullptr;
    QLineEdit* TxtSenha = nullptr;
    QLineEdit* TxtSenhaConfirma = nullptr;
    QCheckBox* ChMod = nullptr;
    QLabel* Label5 = nullptr;
    Imagem* CmdOk = nullptr;
    Imagem* CmdCancelar = nullptr;
    Imagem* CmdMove = nullptr;

    qint16 VelocidadeMinima = 0;
    qint16 PrecisaoMinima = 0;
    qint16 VelocidadeSalva = 0;
    qint16 PrecisaoSalva = 0;
    qint16 InicioArraste = 0;

protected:
    void desenharFundo(QPainter& p) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    enum class Criterio { Velocidade, Precisao };
    // Puts a knob at Left = posicao with its bar, value and label.
    void colocar(Criterio c, int posicao);
    void arrastar(Criterio c, Qt::MouseButtons botoes, int x);
    void andar(Criterio c, int direcao);
};
