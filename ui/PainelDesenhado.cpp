#include "ui/PainelDesenhado.h"

#include "ui/Estilo.h"

#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

PainelDesenhado::PainelDesenhado(QWidget* pai, const QString& nome)
    : QWidget(pai)
{
    setObjectName(nome);
    setMouseTracking(true);
}

namespace {
void prepararPintor(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}
}

void PainelDesenhado::setDesenho(std::function<void(QPainter&, const QRect&)> d)
{
    desenho = std::move(d);
    invalidarFundo();
}

void PainelDesenhado::invalidarFundo()
{
    emPreparo = {};
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
        prepararPintor(p);
        desenho(p, rect());
        const Estilo::EmPixels pixels(p, devicePixelRatioF());
        camada.pintar(p, pixels, e->rect(), QPixmap());
        return;
    }
    QPainter p(this);
    pintarFundo(p, e->region());
}

void PainelDesenhado::prepararEmParalelo(qreal dpr)
{
    if (!desenho || semCache || emPreparo.valid())
        return;
    // Text is sized by the resolution of the device it is drawn on: the
    // picture takes the one a kept pixmap would have.
    const QPixmap amostra(1, 1);
    const int dpiX = amostra.logicalDpiX(), dpiY = amostra.logicalDpiY();
    const QSize tamanho = size();
    const bool opaco = testAttribute(Qt::WA_OpaquePaintEvent);
    try {
        emPreparo = std::async(std::launch::async, [d = desenho, tamanho, dpr, dpiX, dpiY, opaco] {
            // The formats a pixmap takes when filled opaque or clear.
            QImage img(QSize(qCeil(tamanho.width() * dpr), qCeil(tamanho.height() * dpr)),
                       opaco ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
            img.setDevicePixelRatio(dpr);
            img.setDotsPerMeterX(qRound(dpiX / 0.0254));
            img.setDotsPerMeterY(qRound(dpiY / 0.0254));
            img.fill(opaco ? Qt::black : Qt::transparent);
            QPainter p(&img);
            prepararPintor(p);
            d(p, QRect(QPoint(), tamanho));
            return img;
        });
    } catch (const std::system_error&) {
        // No thread to be had: the first paint draws it.
    }
}

void PainelDesenhado::prepararCache(qreal dpr)
{
    if (!cache.isNull() && cache.devicePixelRatio() == dpr && cache.deviceIndependentSize().toSize() == size())
        return;
    if (emPreparo.valid()) {
        QImage pronta = emPreparo.get();
        if (pronta.devicePixelRatio() == dpr && pronta.deviceIndependentSize().toSize() == size()) {
            cache = QPixmap::fromImage(std::move(pronta));
            return;
        }
    }
    // Rounded up, so a fractional scale never leaves the last column bare.
    cache = QPixmap(QSize(qCeil(width() * dpr), qCeil(height() * dpr)));
    cache.setDevicePixelRatio(dpr);
    // An opaque panel keeps an opaque picture, which the painter copies
    // line by line instead of blending pixel by pixel.
    cache.fill(testAttribute(Qt::WA_OpaquePaintEvent) ? Qt::black : Qt::transparent);
    QPainter pc(&cache);
    prepararPintor(pc);
    desenho(pc, rect());
}

void PainelDesenhado::pintarFundo(QPainter& p, const QRegion& regiao)
{
    if (!desenho || semCache)
        return;
    // The picture holds the pixels of the device painted on. Under a scaled
    // painter it is copied in device pixels, so the copy is a straight one
    // rather than a "scaling" by 1 worked out pixel by pixel.
    const qreal dpr = p.device() ? p.device()->devicePixelRatio() : devicePixelRatioF();
    prepararCache(dpr);
    const Estilo::EmPixels pixels(p, dpr);
    // Rectangle by rectangle, each under a clip of its own: a key changes a
    // few small places far apart, and the painter copies a picture straight
    // only under a rectangular clip (under the region's it blends span by
    // span, on worker threads when tall).
    const QList<QRect> partes = Estilo::Retangulos(regiao);
    const bool varios = partes.size() > 1;
    const QRect figura(QPoint(0, 0), cache.size());
    for (const QRect& r : partes) {
        if (pixels.Ativo()) {
            // Whole pixels around the rectangle: the screen may round its
            // edges either way, and a column it counts but the copy left out
            // would keep what was on screen before.
            const QRect d = pixels.Cobrir(r).intersected(figura);
            if (varios)
                p.setClipRect(d);
            p.drawPixmap(d, cache, d);
        } else {
            if (varios)
                p.setClipRect(r);
            p.drawPixmap(QRectF(r), cache, QRectF(QPointF(r.topLeft()) * dpr, QSizeF(r.size()) * dpr));
        }
        camada.pintar(p, pixels, r, cache);
    }
    if (varios)
        p.setClipping(false);
}

void PainelDesenhado::pintarFundoSob(QPainter& p, const QWidget* controle, const QRegion& regiao)
{
    const QPoint o = controle->mapTo(this, QPoint(0, 0));
    p.save();
    p.translate(-o);
    pintarFundo(p, regiao.translated(o));
    p.restore();
}

void PainelDesenhado::mousePressEvent(QMouseEvent* e)
{
    pressionado = e->button() == Qt::LeftButton;
}

void PainelDesenhado::mouseReleaseEvent(QMouseEvent* e)
{
    if (pressionado && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicado(e->position().toPoint());
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
