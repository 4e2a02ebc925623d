#include "ui/PainelDesenhado.h"

#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

PainelDesenhado::PainelDesenhado(QWidget* pai, const QString& nome)
    : QWidget(pai)
{
    setObjectName(nome);
    setMouseTracking(true);
}

void PainelDesenhado::setDesenho(std::function<void(QPainter&, const QRect&)> d)
{
    desenho = std::move(d);
    invalidarFundo();
}

void PainelDesenhado::invalidarFundo()
{
    cache = QPixmap();
    update();
}

void PainelDesenhado::paintEvent(QPaintEvent* e)
{
    if (!desenho)
        return;
    if (semCache) {
        QPainter p(this);
        p.setClipRegion(e->region());
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        desenho(p, rect());
        return;
    }
    const qreal dpr = devicePixelRatioF();
    if (cache.isNull() || cache.devicePixelRatio() != dpr || cache.deviceIndependentSize().toSize() != size()) {
        // Rounded up, so a fractional scale never leaves the last column bare.
        cache = QPixmap(QSize(qCeil(width() * dpr), qCeil(height() * dpr)));
        cache.setDevicePixelRatio(dpr);
        cache.fill(Qt::transparent);
        QPainter pc(&cache);
        pc.setRenderHint(QPainter::Antialiasing);
        pc.setRenderHint(QPainter::TextAntialiasing);
        pc.setRenderHint(QPainter::SmoothPixmapTransform);
        desenho(pc, rect());
    }
    QPainter p(this);
    p.drawPixmap(e->rect(), cache, QRectF(QPointF(e->rect().topLeft()) * dpr, QSizeF(e->rect().size()) * dpr));
}

void PainelDesenhado::mousePressEvent(QMouseEvent* e)
{
    pressionado = e->button() == Qt::LeftButton;
}

void PainelDesenhado::mouseReleaseEvent(QMouseEvent* e)
{
    if (pressionado && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicado();
    pressionado = false;
}

void PainelDesenhado::mouseMoveEvent(QMouseEvent* e)
{
    emit mouseMovido(e->buttons(), e->position().toPoint());
}

void PainelDesenhado::resizeEvent(QResizeEvent*)
{
    cache = QPixmap();
}
