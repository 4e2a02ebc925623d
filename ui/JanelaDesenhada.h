#pragma once
// Base of the program's secondary windows: borderless, modal over the main
// window, a background drawn by the window itself with rounded corners (the
// window is cut to that shape), centred on its owner when it first shows,
// dragged by its title strip, closed by the window manager as if Cancel had
// been pressed, and handing the keyboard back to the window it stood over
// when it goes.
#include "app/Servicos.h"

#include <QDialog>

class Imagem;

class JanelaDesenhada : public QDialog {
    Q_OBJECT
public:
    JanelaDesenhada(QWidget* pai, const QString& nome, const QString& legenda, QSize tamanho);

    // Makes an image a drag area: the left button held on it moves the window.
    void tornarAreaArraste(Imagem* area);
    // The given owner, or the main window when none is given.
    static QWidget* PaiOuPrincipal(QWidget* pai);
    void setVisible(bool visivel) override;
    // A program message ("Teclomatic") over this window.
    void avisar(const QString& texto, IconeMensagem icone);

    // The window itself (its bare background) as drag area.
    void arrastarPeloFundo(bool sim) { arrasteFundo = sim; }

protected:
    // Paints the background picture; the default draws the frame and title.
    virtual void desenharFundo(QPainter& p);
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    // Centres the window on its owner (on the screen when the owner is not
    // shown), wholly on the owner's screen.
    void centralizar();

    QString titulo;

private:
    bool arrasteFundo = false;
    bool centrada = false;
};
