#include "ui/CamadaImagens.h"

#include "ui/Estilo.h"

#include <QPainter>
#include <QWidget>
#include <cmath>

ImagemCamada::ImagemCamada(CamadaImagens& c, const QString& n, bool a)
    : camada(c)
    , nome(n)
    , autoTamanho(a)
{
}

void ImagemCamada::setPicture(const QPixmap& f)
{
    const QRect antes = lugar;
    figura = f;
    mudou(antes, visivel, true);
}

void ImagemCamada::setGeometry(const QRect& r)
{
    const QRect antes = lugar;
    lugar = r;
    mudou(antes, visivel, false);
}

void ImagemCamada::setVisible(bool sim)
{
    if (visivel == sim)
        return;
    visivel = sim;
    mudou(lugar, !sim, false);
}

void ImagemCamada::mudou(const QRect& antes, bool visivelAntes, bool figuraMudou)
{
    if (figuraMudou || lugar != antes)
        composta = QPixmap();
    if (autoTamanho && !figura.isNull())
        lugar.setSize(figura.deviceIndependentSize().toSize());
    const bool mesmoLugar = lugar == antes && visivel == visivelAntes;
    if (mesmoLugar && !figuraMudou)
        return;
    if (visivelAntes && !mesmoLugar)
        camada.repintar(antes);
    if (visivel)
        camada.repintar(lugar);
}

CamadaImagens::CamadaImagens(QWidget& d)
    : dono(d)
{
}

CamadaImagens::~CamadaImagens() = default;

ImagemCamada* CamadaImagens::criar(const QString& nome, bool autoTamanho)
{
    imagens.push_back(std::unique_ptr<ImagemCamada>(new ImagemCamada(*this, nome, autoTamanho)));
    return imagens.back().get();
}

ImagemCamada* CamadaImagens::em(const QPoint& ponto) const
{
    for (auto i = imagens.rbegin(); i != imagens.rend(); ++i)
        if ((*i)->visivel && !(*i)->figura.isNull() && (*i)->lugar.contains(ponto))
            return i->get();
    return nullptr;
}

void CamadaImagens::repintar(const QRect& lugar)
{
    if (lugar.isEmpty())
        return;
    // At a fractional scale a place's edges fall between device pixels and
    // the screen may count one pixel fewer than the picture covers: a pixel
    // more all round leaves no trail behind a picture that moves or hides.
    const qreal dpr = dono.devicePixelRatioF();
    dono.update(dpr == std::floor(dpr) ? lugar : lugar.adjusted(-1, -1, 1, 1));
}

// The picture laid over the panel's where it shows: the panel's pixels
// under it, with the picture blended over them once.
const QPixmap& ImagemCamada::sobre(const QPixmap& fundo, const QPoint& canto) const
{
    if (composta.isNull() || fundoDaComposta != fundo.cacheKey() || cantoDaComposta != canto) {
        composta = fundo.copy(QRect(canto, figura.size()));
        QPainter pc(&composta);
        Estilo::EmPixels(pc, figura.devicePixelRatio()).Desenhar(QPoint(0, 0), figura);
        fundoDaComposta = fundo.cacheKey();
        cantoDaComposta = canto;
    }
    return composta;
}

void CamadaImagens::pintar(QPainter& p, const Estilo::EmPixels& pixels, const QRect& area, const QPixmap& fundo) const
{
    for (const auto& i : imagens) {
        if (!i->visivel || i->figura.isNull() || !area.intersects(i->lugar.adjusted(-1, -1, 1, 1)))
            continue;
        const QRect& lugar = i->lugar;
        const QSizeF tamanho = i->figura.deviceIndependentSize();
        // A picture larger than its place is cut to it, as a control's is.
        const bool cabe = tamanho.width() <= lugar.width() && tamanho.height() <= lugar.height();
        // Laid over the panel's picture only where the two share their
        // pixels: the copy goes where the picture would be drawn.
        const qreal dpr = i->figura.devicePixelRatio();
        const bool emPixels = pixels.Ativo() ? dpr == fundo.devicePixelRatio() : dpr == 1 && fundo.devicePixelRatio() == 1;
        if (i->solida && cabe && emPixels && !fundo.isNull()) {
            const QPoint canto = pixels.Ativo() ? pixels.Canto(lugar.topLeft()) : lugar.topLeft();
            if (QRect(QPoint(0, 0), fundo.size()).contains(QRect(canto, i->figura.size()))) {
                pixels.Desenhar(lugar.topLeft(), i->sobre(fundo, canto));
                continue;
            }
        }
        if (!cabe) {
            p.save();
            p.setClipRect(pixels.Lugar(lugar), Qt::IntersectClip);
        }
        pixels.Desenhar(lugar.topLeft(), i->figura);
        if (!cabe)
            p.restore();
    }
}
