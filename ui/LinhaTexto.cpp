#include "ui/LinhaTexto.h"

#include "ui/Estilo.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int Alinhamento = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextForceLeftToRight;

// Clips to r as a control of that size would be clipped on screen: its
// edges rounded to whole device pixels, whatever the scale.
void recortar(QPainter& p, const QRect& r)
{
    const QTransform t = p.deviceTransform();
    const QRectF d = t.mapRect(QRectF(r));
    const QRectF alinhado(QPointF(qRound(d.left()), qRound(d.top())), QPointF(qRound(d.right()), qRound(d.bottom())));
    p.setClipRect(t.inverted().mapRect(alinhado), Qt::IntersectClip);
}
}

LinhaTexto::LinhaTexto(QWidget* pai, const QString& nome)
    : QWidget(pai)
    , normal(Estilo::Fonte(18))
    , sublinhada(Estilo::Fonte(18))
{
    setObjectName(nome);
    sublinhada.setUnderline(true);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    if (pai)
        setGeometry(pai->rect());
}

void LinhaTexto::setLinha(const QString& linha)
{
    texto = linha;
    feitos = 0;
    medir();
    update();
}

bool LinhaTexto::Cabe(const QString& linha) const
{
    QString mostrado = linha;
    mostrado.replace(QLatin1Char('#'), QLatin1Char('M'));
    return QFontMetrics(normal).horizontalAdvance(mostrado) <= width() - 24;
}

void LinhaTexto::medir()
{
    // Enter takes the room of a wide letter, where its sign is drawn.
    QString mostrado = texto;
    mostrado.replace(QLatin1Char('#'), QLatin1Char('M'));
    const QFontMetrics fm(normal);
    avancos.resize(texto.size() + 1);
    for (int i = 0; i <= texto.size(); ++i)
        avancos[i] = i == 0 ? 0 : fm.horizontalAdvance(mostrado.left(i));
    largura = avancos.last();
    enters.clear();
    for (int i = 0; i < texto.size(); ++i)
        if (texto.at(i) == QLatin1Char('#'))
            enters << i;
    altura = fm.height() + 4;
    esquerda = width() / 2 - largura / 2;
    alto = height() / 2 - altura / 2;

    // Laid out as a painter lays out a one-line text in a box, so it is
    // drawn exactly as a label would draw it, without being shaped again
    // at every paint.
    const QRect caixa(esquerda, alto, largura + 2, altura);
    QTextOption opcao;
    opcao.setWrapMode(QTextOption::ManualWrap);
    opcao.setFlags(QTextOption::IncludeTrailingSpaces);
    opcao.setTextDirection(Qt::LeftToRight);
    layout.clearLayout();
    layout.setFont(normal);
    layout.setText(mostrado);
    layout.setTextOption(opcao);
    layout.setCacheEnabled(true);
    layout.beginLayout();
    QTextLine linha = layout.createLine();
    if (linha.isValid()) {
        linha.setLineWidth(caixa.width());
        linha.setPosition(QPointF(0, 0));
    }
    layout.endLayout();
    QFontMetricsF fmf(normal);
    const QRectF limites = fmf.boundingRect(QRectF(caixa), Alinhamento, mostrado);
    origem = QPointF(caixa.x(), limites.y());
}

void LinhaTexto::desenharEnter(QPainter& p, int i, bool sublinhar) const
{
    // A return sign: down from the top right, then left to an arrow head,
    // in the colour the text has there.
    const QRectF c = celula(i);
    const QFontMetricsF fm(normal);
    const qreal traco = qMax<qreal>(1.5, normal.pixelSize() / 12.0);
    const qreal meio = c.top() + (c.height() - fm.height()) / 2 + fm.ascent() - fm.xHeight() / 2;
    const qreal direita = c.right() - 2 * traco;
    const qreal esquerda = c.left() + 2 * traco;
    const qreal aba = fm.xHeight() * 0.45;
    QPainterPath sinal;
    sinal.moveTo(direita, meio - fm.xHeight() * 0.9);
    sinal.lineTo(direita, meio + aba * 0.2);
    sinal.lineTo(esquerda + aba * 0.3, meio + aba * 0.2);
    sinal.moveTo(esquerda + aba, meio + aba * 0.2 - aba);
    sinal.lineTo(esquerda, meio + aba * 0.2);
    sinal.lineTo(esquerda + aba, meio + aba * 0.2 + aba);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(p.pen().color(), traco, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(sinal);
    if (sublinhar) {
        const qreal base = c.top() + (c.height() - fm.height()) / 2 + fm.ascent() + fm.underlinePos();
        p.setPen(QPen(p.pen().color(), fm.lineWidth()));
        p.setRenderHint(QPainter::Antialiasing, false);
        p.drawLine(QPointF(c.left(), base), QPointF(c.right(), base));
    }
    p.restore();
}

QRect LinhaTexto::celulaCursor(int i) const
{
    const int w = i >= 0 && i < texto.size() ? avancos.at(i + 1) - avancos.at(i) : 0;
    return QRect(xDe(i), alto, qMax(w, 4) + 2, altura);
}

void LinhaTexto::setDigitados(int n)
{
    n = qBound(0, n, int(texto.size()));
    if (n == feitos)
        return;
    const int de = qMin(n, feitos);
    const int ate = qMax(n, feitos);
    // What turns grey (or blue again) and both cursor cells.
    const QRect mudou = QRect(QPoint(xDe(de), alto), QPoint(xDe(ate) - 1, alto + altura - 1))
                            .united(celulaCursor(feitos))
                            .united(celulaCursor(n));
    feitos = n;
    update(mudou);
}

void LinhaTexto::setCursorVisivel(bool sim)
{
    if (sim == cursor)
        return;
    cursor = sim;
    update(celulaCursor(feitos));
}

void LinhaTexto::resizeEvent(QResizeEvent*)
{
    medir();
}

void LinhaTexto::paintEvent(QPaintEvent* e)
{
    // The painter starts clipped to the repainted region already.
    QPainter p(this);
    if (fundo)
        fundo(p, e->region());
    if (texto.isEmpty())
        return;
    p.setFont(normal);
    // Only the characters the repainted area touches, one more on each side
    // for the glyphs that reach past their cell.
    const QRect area = e->rect();
    int de = 0;
    while (de < texto.size() && xDe(de + 1) < area.left())
        ++de;
    int ate = de;
    while (ate < texto.size() && xDe(ate) <= area.right())
        ++ate;
    de = qMax(0, de - 1);
    ate = qMin(int(texto.size()), ate + 1);
    const QList<QGlyphRun> glifos = layout.glyphRuns(de, ate - de);
    // Enter cells show the return sign, not the glyph of "#".
    QRegion semEnter(area);
    for (int i : enters)
        if (i >= de && i < ate)
            semEnter -= celula(i);
    auto desenhar = [&](int ini) {
        p.save();
        p.setClipRegion(semEnter, Qt::IntersectClip);
        for (const QGlyphRun& g : glifos)
            p.drawGlyphRun(origem, g);
        p.restore();
        for (int i : enters)
            if (i >= qMax(de, ini) && i < ate)
                desenharEnter(p, i, false);
    };
    // The whole line in grey...
    const QRect caixa(esquerda, alto, largura + 2, altura);
    recortar(p, caixa);
    p.setPen(Estilo::CinzaTexto());
    desenhar(0);
    if (feitos >= texto.size())
        return;
    // ... the same glyphs in blue from the first character still to type...
    const int x = xDe(feitos);
    p.setPen(Estilo::AzulTexto());
    p.save();
    recortar(p, QRect(x, alto, esquerda + largura + 2 - x, altura));
    desenhar(feitos);
    p.restore();
    // ... and the cursor drawn over that character.
    if (cursor) {
        const QRect celula = celulaCursor(feitos);
        recortar(p, celula);
        if (texto.at(feitos) == QLatin1Char('#')) {
            desenharEnter(p, feitos, true);
            return;
        }
        p.setFont(sublinhada);
        p.drawText(celula, Alinhamento, cursorTexto());
    }
}
