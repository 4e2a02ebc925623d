#pragma once
// Pictures shown and hidden in their places like image controls, all drawn
// by one transparent layer: the red key of a wrong press, the yellow key to
// press next and the ring on the finger that presses it. A key press that
// moves them repaints the places they leave and take on that one layer,
// instead of hiding and showing a control for each.
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QWidget>
#include <memory>
#include <vector>

class CamadaImagens;

class ImagemCamada {
public:
    const QString& objectName() const { return nome; }
    // Like an image control sized to its picture: the place's corner stays,
    // its size becomes the picture's (logical pixels).
    void setPicture(const QPixmap& figura);
    const QPixmap& picture() const { return figura; }
    // Logical pixels of the layer's parent.
    void setGeometry(const QRect& lugar);
    QRect geometry() const { return lugar; }
    void setVisible(bool sim);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }
    bool isHidden() const { return !visivel; }

private:
    friend class CamadaImagens;
    ImagemCamada(CamadaImagens& camada, const QString& nome, bool autoTamanho);
    void mudou(const QRect& antes);
    CamadaImagens& camada;
    QString nome;
    QPixmap figura;
    QRect lugar;
    bool autoTamanho;
    bool visivel = false;
};

class CamadaImagens : public QWidget {
    Q_OBJECT
public:
    explicit CamadaImagens(QWidget* pai, const QString& nome = QString());
    ~CamadaImagens() override;

    // A new picture, hidden, over those made before it.
    ImagemCamada* criar(const QString& nome, bool autoTamanho);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    friend class ImagemCamada;
    void mudou(const ImagemCamada& i, const QRect& antes);
    void abranger();
    std::vector<std::unique_ptr<ImagemCamada>> imagens;
};
