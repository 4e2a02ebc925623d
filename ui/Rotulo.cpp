#include "ui/Rotulo.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPaintEvent>
#include <QPainter>

Rotulo::Rotulo(const QString& texto, QWidget* pai)
    : QLabel(texto, pai)
{
}

bool Rotulo::prepararFonte()
{
    if (bruta.isValid() && font() == fontePreparada)
        return true;
    fontePreparada = font();
    glifos.clear();
    bruta = QRawFont::fromFont(fontePreparada);
    const QFontMetricsF fm(fontePreparada);
    topoTexto = fm.ascent() + fm.descent();
    ascendente = fm.ascent();
    return bruta.isValid();
}

// The glyph of a character that is drawn on its own, the same whatever is
// next to it; false for anything else.
bool Rotulo::glifo(QChar c, Glifo& g)
{
    if (const auto i = glifos.constFind(c); i != glifos.cend()) {
        g = *i;
        return true;
    }
    // Digits, the space and unaccented capitals only: no ligatures,
    // marks or kerning pairs among the figures' texts.
    const bool simples = c.isDigit() || c == u' ' || (c >= u'A' && c <= u'Z');
    if (!simples)
        return false;
    const QList<quint32> indices = bruta.glyphIndexesForString(QString(c));
    if (indices.size() != 1 || indices.at(0) == 0)
        return false;
    const QList<QPointF> avancos = bruta.advancesForGlyphIndexes(indices);
    if (avancos.size() != 1)
        return false;
    g = {indices.at(0), avancos.at(0).x()};
    glifos.insert(c, g);
    return true;
}

void Rotulo::paintEvent(QPaintEvent* e)
{
    const QString t = text();
    const bool simples = !wordWrap() && margin() == 0 && indent() < 0 && textFormat() != Qt::RichText
                         && alignment() == (Qt::AlignLeft | Qt::AlignVCenter) && frameWidth() == 0;
    QList<quint32> indices;
    QList<QPointF> posicoes;
    bool proprio = simples && prepararFonte();
    if (proprio) {
        indices.reserve(t.size());
        posicoes.reserve(t.size());
        qreal x = 0;
        for (const QChar c : t) {
            Glifo g;
            if (!glifo(c, g)) {
                proprio = false;
                break;
            }
            indices << g.indice;
            posicoes << QPointF(x, 0);
            x += g.avanco;
        }
    }
    if (!proprio) {
        if (fundo) {
            QPainter p(this);
            fundo(p, e->region());
        }
        QLabel::paintEvent(e);
        return;
    }
    QPainter p(this);
    if (fundo)
        fundo(p, e->region());
    if (indices.isEmpty())
        return;
    QGlyphRun run;
    run.setRawFont(bruta);
    run.setGlyphIndexes(indices);
    run.setPositions(posicoes);
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    const QRect r = contentsRect();
    p.drawGlyphRun(QPointF(r.x(), r.y() + (r.height() - topoTexto) / 2 + ascendente), run);
}
