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
    QPainter p(this);
    pintarFundo(p, e->region());
}

void PainelDesenhado::prepararCache()
{
    const qreal dpr = devicePixelRatioF();
    if (!cache.isNull() && cache.devicePixelRatio() == dpr && cache.deviceIndependentSize().toSize() == size())
        return;
    // Rounded up, so a fractional scale never leaves the last column bare.
    cache = QPixmap(QSize(qCeil(width() * dpr), qCeil(height() * dpr)));
    cache.setDevicePixelRatio(dpr);
    // An opaque panel keeps an opaque picture, which the painter copies
    // line by line instead of blending pixel by pixel.
    cache.fill(testAttribute(Qt::WA_OpaquePaintEvent) ? Qt::black : Qt::transparent);
    QPainter pc(&cache);
    pc.setRenderHint(QPainter::Antialiasing);
    pc.setRenderHint(QPainter::TextAntialiasing);
    pc.setRenderHint(QPainter::SmoothPixmapTransform);
    desenho(pc, rect());
}

void PainelDesenhado::pintarFundo(QPainter& p, const QRegion& regiao)
{
    if (!desenho || semCache)
        return;
    prepararCache();
    // Rectangle by rectangle, each under a clip of its own: a key changes a
    // few small places far apart, and the painter copies a picture straight
    // only under a rectangular clip (under the region's it blends span by
    // span, on worker threads when tall).
    const qreal dpr = cache.devicePixelRatio();
    const bool varios = regiao.rectCount() > 1;
    for (const QRect& r : regiao) {
        if (varios)
            p.setClipRect(r);
        p.drawPixmap(r, cache, QRectF(QPointF(r.topLeft()) * dpr, QSizeF(r.size()) * dpr));
    }
    if (varios)
        p.setClipping(false);
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
