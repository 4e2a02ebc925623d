#pragma once
// A picture box: a container whose background picture is drawn by a
// function, reporting clicks and mouse moves on its bare surface.
#include "ui/CamadaImagens.h"

#include <QImage>
#include <QWidget>
#include <functional>
#include <future>

class PainelDesenhado : public QWidget {
    Q_OBJECT
public:
    explicit PainelDesenhado(QWidget* pai, const QString& nome = QString());

    // The background picture; rendered once per size and pixel ratio.
    void setDesenho(std::function<void(QPainter&, const QRect&)> desenho);
    void invalidarFundo();
    // The picture covers the whole panel: what lies under it is never
    // painted while the panel shows.
    void setOpaco(bool sim) { setAttribute(Qt::WA_OpaquePaintEvent, sim); }
    // Drawn straight onto the screen at every paint instead of being kept
    // as a picture: for a large and cheap background.
    void setSemCache(bool sim) { semCache = sim; cache = QPixmap(); }
    // Paints the panel as it shows under its controls (the kept picture and
    // the pictures lying on it) over the region (in the panel's
    // coordinates) with the painter as it stands: a control lying on the
    // panel paints the panel under itself with it and can then say it is
    // opaque, so the panel is not repainted under it.
    void pintarFundo(QPainter& p, const QRegion& regiao);
    // The same for a control anywhere on the panel, painting in its own
    // coordinates over a region of itself.
    void pintarFundoSob(QPainter& p, const QWidget* controle, const QRegion& regiao);
    // The pictures lying on the panel, drawn with it over its picture.
    CamadaImagens& imagens() { return camada; }
    // Starts drawing the picture on a thread of its own, at the panel's
    // present size and the given pixel ratio, while the rest of the window
    // is built; the first paint takes it from there. Only for a drawing that
    // touches nothing but its painter (no widget, no shared picture).
    void prepararEmParalelo(qreal dpr);

signals:
    // A click on the bare surface, or on one of its pictures, at a point
    // of the panel.
    void clicado(QPoint pos);
    void mouseMovido(Qt::MouseButtons botoes, QPoint pos);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void prepararCache(qreal dpr);
    std::function<void(QPainter&, const QRect&)> desenho;
    QPixmap cache;
    std::future<QImage> emPreparo;
    CamadaImagens camada{*this};
    bool pressionado = false;
    bool semCache = false;
};
