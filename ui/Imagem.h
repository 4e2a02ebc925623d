#pragma once
// An image control: shows a picture (or nothing, letting what lies under it
// show through) and reports clicks and mouse moves, like the image buttons
// laid over the drawn buttons of every window.
#include <QWidget>
#include <QPixmap>

class Imagem : public QWidget {
    Q_OBJECT
public:
    explicit Imagem(QWidget* pai, const QString& nome = QString());

    void setPicture(const QPixmap& p);
    const QPixmap& picture() const { return figura; }
    bool temPicture() const { return !figura.isNull(); }
    // Sizes the control to its picture, as an image control does.
    void setAutoTamanho(bool sim) { autoTamanho = sim; }
    // Makes the control a button: pointing-hand cursor, accessible name and
    // tooltip, a stop of the Tab chain, a push button for assistive
    // technologies.
    void tornarBotao(const QString& nomeAcessivel, const QString& dica = QString());
    // The same for the disc beside a button's caption, which does what the
    // caption does: no stop of its own in the Tab chain.
    void tornarParceiro(const QString& nomeAcessivel);
    bool ehBotao() const { return botao; }

    // For keyboard users and tests: acts as a click.
    void clicar() { emit clicado(); }

signals:
    void clicado();
    void duploClique();
    void mouseMovido(Qt::MouseButtons botoes, QPoint pos);
    void mousePressionado(Qt::MouseButtons botoes, QPoint pos);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    QPixmap figura;
    bool autoTamanho = false;
    bool pressionado = false;
    bool botao = false;
};
