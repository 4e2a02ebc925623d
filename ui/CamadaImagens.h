#pragma once
// Pictures shown and hidden in their places like image controls, drawn by
// the panel they lie on as part of its own surface: the big key caps and
// the arrow over them, the keyboard of a layout, the red key of a wrong
// press, the yellow key to press next and the ring on the finger that
// presses it. A key press that moves them repaints the places they leave
// and take on the panel alone, in one pass, instead of hiding and showing a
// control for each and painting the panel again under every one.
#include <QPixmap>
#include <QRect>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

class CamadaImagens;
class QPainter;
class QWidget;
namespace Estilo {
class EmPixels;
}

class ImagemCamada {
public:
    const QString& objectName() const { return nome; }
    // Like an image control: with autoTamanho the place's corner stays and
    // its size becomes the picture's (logical pixels); without it, a picture
    // larger than its place is cut to it.
    void setPicture(const QPixmap& figura);
    const QPixmap& picture() const { return figura; }
    bool temPicture() const { return !figura.isNull(); }
    // Logical pixels of the panel.
    void setGeometry(const QRect& lugar);
    QRect geometry() const { return lugar; }
    void move(const QPoint& canto) { setGeometry(QRect(canto, lugar.size())); }
    // A picture with nothing under it but the panel's own picture may be
    // laid over that once, where it shows, and copied from then on instead
    // of being blended again at every paint: the caps, which come back
    // after every group of keys.
    void setSolida(bool sim) { solida = sim; }
    void setVisible(bool sim);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }
    bool isHidden() const { return !visivel; }

    // The exact corner in twips it was put at, kept for the logic that
    // moves it a few twips at a time (the place is in whole pixels).
    std::optional<int> twipsLeft, twipsTop;

private:
    friend class CamadaImagens;
    ImagemCamada(CamadaImagens& camada, const QString& nome, bool autoTamanho);
    void mudou(const QRect& antes, bool visivelAntes, bool figuraMudou);
    const QPixmap& sobre(const QPixmap& fundo, const QPoint& canto) const;
    CamadaImagens& camada;
    QString nome;
    QPixmap figura;
    QRect lugar;
    bool autoTamanho;
    bool visivel = false;
    bool solida = false;
    // The picture laid over the panel's, for the panel picture and the
    // device pixel it was made for.
    mutable QPixmap composta;
    mutable qint64 fundoDaComposta = 0;
    mutable QPoint cantoDaComposta;
};

class CamadaImagens {
public:
    // The panel the pictures lie on and are repainted by.
    explicit CamadaImagens(QWidget& dono);
    ~CamadaImagens();
    CamadaImagens(const CamadaImagens&) = delete;
    CamadaImagens& operator=(const CamadaImagens&) = delete;

    // A new picture, hidden, over those made before it.
    ImagemCamada* criar(const QString& nome, bool autoTamanho);
    // The topmost picture shown at a point of the panel, if any.
    ImagemCamada* em(const QPoint& ponto) const;
    // Draws the shown pictures that reach into an area of the panel, with a
    // painter that paints the panel and works as the given device-pixel
    // rule says, over the panel's picture (in device pixels) just copied.
    void pintar(QPainter& p, const Estilo::EmPixels& pixels, const QRect& area, const QPixmap& fundo) const;

private:
    friend class ImagemCamada;
    void repintar(const QRect& lugar);
    QWidget& dono;
    std::vector<std::unique_ptr<ImagemCamada>> imagens;
};
