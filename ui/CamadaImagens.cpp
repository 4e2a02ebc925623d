#include "ui/CamadaImagens.h"

#include "ui/Estilo.h"

#include <QPaintEvent>
#include <QPainter>

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
    mudou(antes);
}

void ImagemCamada::setGeometry(const QRect& r)
{
    const QRect antes = lugar;
    lugar = r;
    mudou(antes);
}

void ImagemCamada::mudou(const QRect& antes)
{
    if (autoTamanho && !figura.isNull())
        lugar.setSize(figura.deviceIndependentSize().toSize());
    camada.mudou(*this, antes);
}

void ImagemCamada::setVisible(bool sim)
{
    if (visivel == sim)
        return;
    visivel = sim;
    camada.update(lugar.translated(-camada.pos()));
}

CamadaImagens::CamadaImagens(QWidget* pai, const QString& nome)
    : QWidget(pai)
{
    setObjectName(nome);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
}

CamadaImagens::~CamadaImagens() = default;

ImagemCamada* CamadaImagens::criar(const QString& nome, bool autoTamanho)
{
    imagens.push_back(std::unique_ptr<ImagemCamada>(new ImagemCamada(*this, nome, autoTamanho)));
    return imagens.back().get();
}

void CamadaImagens::mudou(const ImagemCamada& i, const QRect& antes)
{
    if (i.lugar != antes)
        abranger();
    if (i.visivel) {
        update(antes.translated(-pos()));
        update(i.lugar.translated(-pos()));
    }
}

// The layer covers every place a picture can show in, and no more: what
// repaints beside it leaves it out.
void CamadaImagens::abranger()
{
    QRect tudo;
    for (const auto& i : imagens)
        tudo |= i->lugar;
    if (tudo != geometry())
        setGeometry(tudo);
}

void CamadaImagens::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    for (const auto& i : imagens) {
        const QRect lugar = i->lugar.translated(-pos());
        if (!i->visivel || i->figura.isNull() || !e->rect().intersects(lugar))
            continue;
        // Each picture lands where a control of its own would: its corner
        // on the device pixel the screen rounds that corner to.
        Estilo::EmPixels pixels(p, i->figura.devicePixelRatio());
        const QSizeF tamanho = i->figura.deviceIndependentSize();
        // A picture larger than its place is cut to it, as a control's is.
        const bool cabe = tamanho.width() <= lugar.width() && tamanho.height() <= lugar.height();
        if (!cabe) {
            p.save();
            if (pixels.Ativo())
                p.setClipRect(QRect(pixels.Canto(lugar.topLeft()), pixels.Canto(lugar.bottomRight() + QPoint(1, 1)))
                                  .adjusted(0, 0, -1, -1));
            else
                p.setClipRect(lugar);
        }
        pixels.Desenhar(lugar.topLeft(), i->figura);
        if (!cabe)
            p.restore();
    }
}
