#include "ui/Imagem.h"

#include "ui/Estilo.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

Imagem::Imagem(QWidget* pai, const QString& nome)
    : QWidget(pai)
{
    setObjectName(nome);
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

void Imagem::setPicture(const QPixmap& p)
{
    figura = p;
    if (autoTamanho && !p.isNull()) {
        const QSizeF s = p.deviceIndependentSize();
        resize(s.toSize());
    }
    update();
}

void Imagem::tornarBotao(const QString& nomeAcessivel, const QString& dica)
{
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(nomeAcessivel);
    setToolTip(dica.isEmpty() ? nomeAcessivel : dica);
    setFocusPolicy(Qt::TabFocus);
    botao = true;
}

void Imagem::tornarParceiro(const QString& nomeAcessivel)
{
    tornarBotao(nomeAcessivel);
    setFocusPolicy(Qt::NoFocus);
}

void Imagem::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!figura.isNull())
        Estilo::EmPixels(p, figura.devicePixelRatio()).Desenhar(QPoint(0, 0), figura);
    if (hasFocus()) {
        QPen caneta(QColor(255, 214, 0), 2, Qt::DotLine);
        p.setPen(caneta);
        p.drawRoundedRect(rect().adjusted(1, 1, -1, -1), 4, 4);
    }
}

void Imagem::mousePressEvent(QMouseEvent* e)
{
    pressionado = e->button() == Qt::LeftButton;
    emit mousePressionado(e->buttons(), e->position().toPoint());
}

void Imagem::mouseReleaseEvent(QMouseEvent* e)
{
    const bool dentro = rect().contains(e->position().toPoint());
    const bool eraPressionado = pressionado;
    pressionado = false;
    if (eraPressionado && e->button() == Qt::LeftButton && dentro)
        emit clicado();
}

void Imagem::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        emit duploClique();
}

void Imagem::mouseMoveEvent(QMouseEvent* e)
{
    emit mouseMovido(e->buttons(), e->position().toPoint());
}

void Imagem::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        emit clicado();
        return;
    }
    QWidget::keyPressEvent(e);
}
