#pragma once
// A one-line label of plain text drawn from glyphs it keeps. The practice
// screen's figures change under every key; a plain label shapes its new
// text at each paint, this one looks each character's glyph up once and
// lines the glyphs up. It draws exactly as a QLabel with the default
// alignment (left, centred vertically), no margin, indent or frame; any
// other label, and text that needs shaping (where neighbouring letters
// change each other), is drawn by QLabel itself.
#include <QHash>
#include <QLabel>
#include <QRawFont>
#include <functional>

class Rotulo : public QLabel {
    Q_OBJECT
public:
    Rotulo(const QString& texto, QWidget* pai);

    // The caption drawn beside the figure on the panel: assistive
    // technologies read the figure as "caption: text".
    void setLegenda(const QString& l) { legendaFigura = l; }
    const QString& legenda() const { return legendaFigura; }

    // Paints what lies under the label (the region in the label's
    // coordinates) before the text: the label is then opaque, and what it
    // covers is not repainted under it when its text changes.
    void setFundo(std::function<void(QPainter&, const QRegion&)> f)
    {
        fundo = std::move(f);
        setAttribute(Qt::WA_OpaquePaintEvent, bool(fundo));
    }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    struct Glifo {
        quint32 indice = 0;
        qreal avanco = 0;
    };
    bool prepararFonte();
    bool glifo(QChar c, Glifo& g);

    QFont fontePreparada;
    QRawFont bruta;
    qreal topoTexto = 0; // ascent + descent
    qreal ascendente = 0;
    QHash<QChar, Glifo> glifos;
    std::function<void(QPainter&, const QRegion&)> fundo;
    QString legendaFigura;
};
