#include "keyboard/gui/ArteTeclado.h"

#include "keyboard/GradeTeclado.h"
#include "keyboard/MapaTeclas.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace {

// The program's blues.
const QColor AzulEscuro(0, 97, 187);
const QColor AzulMedio(0, 113, 207);
const QColor AzulClaro(0, 118, 212);

const QString Fonte = QStringLiteral("Liberation Sans");

// One row of keys is 495 twips high; the Enter keys reach into the next row,
// whose top is 525 twips lower; their narrow part is 255 twips in.
constexpr qreal AlturaLinha = 495.0 / TwipsPorPixel;
constexpr qreal PassoLinha = 525.0 / TwipsPorPixel;
constexpr qreal RecuoEnter = 255.0 / TwipsPorPixel;

struct Paleta {
    QColor face1, face2;   // top face, top to bottom
    QColor saia1, saia2;   // the sloping sides
    QColor contorno;
    QColor legenda;
    QColor terceiro;       // the small Alt Gr character
    QColor brilho;         // highlight along the top edge of the face
    // Light legends on a dark face: bold, over a shadow in this colour
    // (none when transparent), so thin marks such as ´ and ` stay legible.
    QColor sombra = Qt::transparent;
};

const Paleta& paletaNormal()
{
    static const Paleta p{QColor(255, 255, 255), QColor(235, 240, 247), QColor(214, 222, 234),
                          QColor(178, 191, 210), QColor(72, 98, 138),  QColor(24, 40, 66),
                          AzulEscuro,              QColor(255, 255, 255, 230)};
    return p;
}

const Paleta& paletaVermelha()
{
    static const Paleta p{QColor(246, 96, 84),  QColor(222, 48, 42),  QColor(196, 36, 32),
                          QColor(150, 20, 20),  QColor(110, 12, 12),  QColor(255, 255, 255),
                          QColor(255, 226, 222), QColor(255, 190, 180, 200), QColor(110, 8, 8, 220)};
    return p;
}

const Paleta& paletaAmarela()
{
    static const Paleta p{QColor(255, 244, 130), QColor(255, 214, 34),  QColor(240, 186, 0),
                          QColor(204, 150, 0),   QColor(150, 108, 0),   QColor(58, 40, 0),
                          QColor(122, 78, 0),    QColor(255, 255, 225, 230)};
    return p;
}

QPixmap novaImagem(QSizeF logico, qreal dpr)
{
    if (dpr <= 0)
        dpr = 1;
    QPixmap pm(qCeil(logico.width() * dpr), qCeil(logico.height() * dpr));
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    return pm;
}

void prepararPintor(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QFont fonte(qreal px, bool negrito = false)
{
    QFont f(Fonte);
    f.setPixelSize(qMax(1, qRound(px)));
    f.setBold(negrito);
    f.setHintingPreference(QFont::PreferVerticalHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QSizeF tamanho(const QRect& twips)
{
    return QSizeF(twips.width(), twips.height()) / TwipsPorPixel;
}

// The outline of a key of size `t`, shrunk by the given margins on its
// outer edges (the faces of a cap sit inside its sides).
QPainterPath contorno(QSizeF t, FormaTecla forma, qreal esq, qreal topo, qreal dir, qreal base, qreal raio)
{
    QPainterPath path;
    const qreal w = t.width();
    const qreal h = t.height();
    switch (forma) {
    case FormaTecla::Retangular:
        path.addRoundedRect(QRectF(esq, topo, w - esq - dir, h - topo - base), raio, raio);
        return path;
    case FormaTecla::EnterAbnt2: {
        QPainterPath cima, baixo;
        cima.addRoundedRect(QRectF(esq, topo, w - esq - dir, AlturaLinha - topo - base), raio, raio);
        baixo.addRoundedRect(QRectF(RecuoEnter + esq, topo, w - RecuoEnter - esq - dir, h - topo - base), raio,
                             raio);
        return cima.united(baixo).simplified();
    }
    case FormaTecla::EnterBr: {
        QPainterPath cima, baixo;
        cima.addRoundedRect(QRectF(RecuoEnter + esq, topo, w - RecuoEnter - esq - dir, h - topo - base), raio,
                            raio);
        baixo.addRoundedRect(QRectF(esq, PassoLinha + topo, w - esq - dir, AlturaLinha - topo - base), raio,
                             raio);
        return cima.united(baixo).simplified();
    }
    }
    return path;
}

// Margins of the top face inside the cap.
constexpr qreal FaceEsq = 2.5;
constexpr qreal FaceTopo = 1.25;
constexpr qreal FaceDir = 2.5;
constexpr qreal FaceBase = 4.25;

// The area of the face where legends go (the upper row part of an Enter).
QRectF areaLegendas(QSizeF t, FormaTecla forma)
{
    const qreal w = t.width();
    QRectF r(FaceEsq, FaceTopo, w - FaceEsq - FaceDir, AlturaLinha - FaceTopo - FaceBase);
    if (forma == FormaTecla::EnterBr)
        r.setLeft(RecuoEnter + FaceEsq);
    else if (forma == FormaTecla::Retangular)
        r.setHeight(t.height() - FaceTopo - FaceBase);
    return r;
}

// ---- symbols of the named keys ------------------------------------------

void seta(QPainterPath& path, QPointF ponta, QPointF de, qreal aba)
{
    const QPointF d = ponta - de;
    const qreal n = std::hypot(d.x(), d.y());
    if (n <= 0)
        return;
    const QPointF u = d / n;
    const QPointF perp(-u.y(), u.x());
    path.moveTo(de);
    path.lineTo(ponta);
    path.moveTo(ponta - u * aba + perp * aba * 0.8);
    path.lineTo(ponta);
    path.lineTo(ponta - u * aba - perp * aba * 0.8);
}

// A hollow upward arrow (Shift, Caps Lock), 8 wide, with its tip at (x, y).
QPainterPath setaVazada(qreal x, qreal y, qreal altura)
{
    QPainterPath path;
    path.moveTo(x + 4, y);
    path.lineTo(x + 8, y + 4);
    path.lineTo(x + 6, y + 4);
    path.lineTo(x + 6, y + altura);
    path.lineTo(x + 2, y + altura);
    path.lineTo(x + 2, y + 4);
    path.lineTo(x, y + 4);
    path.closeSubpath();
    return path;
}

// The symbols of the named keys, drawn with one-pixel lines on the pixel
// grid so that they stay sharp at 100 %.
void desenharSimbolo(QPainter& p, const QString& nome, QRectF area, const QColor& cor)
{
    p.setPen(QPen(cor, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    const qreal x = std::floor(area.left() + 2) + 0.5;
    const qreal y = std::floor(area.top() + 2) + 0.5;
    QPainterPath path;
    if (nome == QLatin1String("Backspace")) {
        seta(path, QPointF(x, y + 3), QPointF(x + 16, y + 3), 3);
    } else if (nome == QLatin1String("Tab")) {
        seta(path, QPointF(x + 10, y + 1), QPointF(x, y + 1), 2.5);
        path.moveTo(x + 11, y - 2);
        path.lineTo(x + 11, y + 4);
        seta(path, QPointF(x + 1, y + 7), QPointF(x + 11, y + 7), 2.5);
        path.moveTo(x, y + 4);
        path.lineTo(x, y + 10);
    } else if (nome == QLatin1String("Shift")) {
        path = setaVazada(x, y - 1, 8);
    } else if (nome == QLatin1String("Caps Lock")) {
        path = setaVazada(x, y - 1, 6);
        path.addRect(QRectF(x + 2, y + 7, 4, 1));
    } else if (nome == QLatin1String("Enter")) {
        const qreal d = std::floor(area.right() - 4) + 0.5;
        path.moveTo(d, y - 1);
        path.lineTo(d, y + 5);
        seta(path, QPointF(d - 11, y + 5), QPointF(d, y + 5), 3);
    }
    p.drawPath(path);
}

// ---- one cap --------------------------------------------------------------

void desenharLegendas(QPainter& p, const Tecla& t, QSizeF tam, const Paleta& c)
{
    const QRectF area = areaLegendas(tam, t.forma);
    const bool sombra = c.sombra.alpha() > 0;
    const auto escrever = [&](const QRectF& r, int alinhamento, const QString& texto, const QColor& cor) {
        if (sombra) {
            p.setPen(c.sombra);
            p.drawText(r.translated(0.7, 0.9), alinhamento, texto);
        }
        p.setPen(cor);
        p.drawText(r, alinhamento, texto);
    };
    if (t.nomeada()) {
        desenharSimbolo(p, t.cima, area, c.legenda);
        p.setFont(fonte(8));
        escrever(area.adjusted(2.5, 0, -2, -1.5), Qt::AlignLeft | Qt::AlignBottom, t.cima, c.legenda);
        return;
    }
    if (t.cima.isEmpty())
        return;
    if (t.baixo.isEmpty()) {
        // A letter: one capital at the upper left.
        p.setFont(fonte(12.5, sombra));
        escrever(area.adjusted(3.5, 0.5, 0, 0), Qt::AlignLeft | Qt::AlignTop, t.cima, c.legenda);
        return;
    }
    // An accent alone is a thin mark high in its line: it is drawn larger,
    // the lower one raised into the lower half of the key.
    const auto acento = [](const QString& l) {
        return l.size() == 1 && QStringLiteral("´`^~¨").contains(l.at(0));
    };
    p.setFont(fonte(acento(t.cima) ? 17 : 11.5, sombra));
    escrever(area.adjusted(3.5, acento(t.cima) ? -2 : 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, t.cima, c.legenda);
    p.setFont(fonte(acento(t.baixo) ? 17 : 11.5, sombra));
    escrever(area.adjusted(3.5, 0, 0, acento(t.baixo) ? 4.5 : 0.5), Qt::AlignLeft | Qt::AlignBottom, t.baixo,
             c.legenda);
    if (!t.terceiro.isEmpty()) {
        p.setFont(fonte(9, sombra));
        escrever(area.adjusted(0, 0, -2.5, 0), Qt::AlignRight | Qt::AlignBottom, t.terceiro, c.terceiro);
    }
}

// Draws key `t` with its top-left corner at the painter's origin.
void desenharCapinha(QPainter& p, const Tecla& t, const Paleta& c)
{
    const QSizeF tam = tamanho(t.twips);

    // Sides.
    const QPainterPath saia = contorno(tam, t.forma, 0.5, 0.5, 0.5, 0.5, 4);
    QLinearGradient gs(0, 0, 0, tam.height());
    gs.setColorAt(0, c.saia1);
    gs.setColorAt(1, c.saia2);
    p.setPen(QPen(c.contorno, 1));
    p.setBrush(gs);
    p.drawPath(saia);

    // Top face.
    const QPainterPath face = contorno(tam, t.forma, FaceEsq, FaceTopo, FaceDir, FaceBase, 3);
    QLinearGradient gf(0, FaceTopo, 0, tam.height() - FaceBase);
    gf.setColorAt(0, c.face1);
    gf.setColorAt(1, c.face2);
    p.setPen(Qt::NoPen);
    p.setBrush(gf);
    p.drawPath(face);
    // A thin light edge along the top of the face.
    p.save();
    p.setClipPath(face);
    p.setPen(QPen(c.brilho, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(face.translated(0, 0.6));
    p.restore();

    desenharLegendas(p, t, tam, c);
}

// The soft shadow a key casts on the keyboard case.
void desenharSombra(QPainter& p, const Tecla& t)
{
    const QSizeF tam = tamanho(t.twips);
    const QPainterPath forma = contorno(tam, t.forma, 0, 0, 0, 0, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 25, 70, 34));
    p.drawPath(forma.translated(0, 1.6));
    p.setBrush(QColor(0, 25, 70, 46));
    p.drawPath(forma.translated(0, 0.8));
}

QPixmap imagemDaTecla(const Tecla& t, const Paleta& c, qreal dpr)
{
    if (t.codigo == 0)
        return QPixmap();
    QPixmap pm = novaImagem(tamanho(t.twips), dpr);
    QPainter p(&pm);
    prepararPintor(p);
    desenharCapinha(p, t, c);
    return pm;
}

// ---- the big caps -----------------------------------------------------------

void desenharCapaGrande(QPainter& p, const QString& legenda, bool branca)
{
    // The cap stops a little short of its picture's bottom, so it stays
    // inside the exercise card whose border runs just below the pictures.
    const QRectF total(0, 0, ArteTeclado::LarguraCapa, ArteTeclado::AlturaCapa - 4);
    // Shadow on the panel.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 30, 80, 28));
    p.drawRoundedRect(total.adjusted(1.5, 4, -1.5, 0), 11, 11);
    p.setBrush(QColor(0, 30, 80, 40));
    p.drawRoundedRect(total.adjusted(1.5, 3, -1.5, -1.5), 11, 11);

    const QRectF corpo = total.adjusted(1.5, 0.5, -1.5, -3.5);
    QLinearGradient gs(corpo.topLeft(), corpo.bottomLeft());
    QLinearGradient gf(0, corpo.top(), 0, corpo.bottom());
    QColor borda, corLegenda;
    if (branca) {
        gs.setColorAt(0, QColor(222, 229, 239));
        gs.setColorAt(1, QColor(184, 197, 216));
        gf.setColorAt(0, QColor(255, 255, 255));
        gf.setColorAt(1, QColor(232, 238, 246));
        borda = QColor(72, 98, 138);
    } else {
        gs.setColorAt(0, AzulEscuro);
        gs.setColorAt(1, QColor(0, 66, 140));
        gf.setColorAt(0, QColor(40, 146, 236));
        gf.setColorAt(0.55, AzulClaro);
        gf.setColorAt(1, AzulMedio);
        borda = QColor(0, 52, 112);
        corLegenda = QColor(255, 255, 255);
    }
    p.setPen(QPen(borda, 1.2));
    p.setBrush(gs);
    p.drawRoundedRect(corpo, 11, 11);

    const QRectF face = corpo.adjusted(6, 3, -6, -13);
    p.setPen(Qt::NoPen);
    p.setBrush(gf);
    p.drawRoundedRect(face, 8, 8);
    // Gloss over the upper part of the face.
    QLinearGradient gb(0, face.top(), 0, face.top() + face.height() * 0.5);
    gb.setColorAt(0, QColor(255, 255, 255, branca ? 120 : 70));
    gb.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(gb);
    p.drawRoundedRect(face.adjusted(1, 1, -1, -face.height() * 0.5), 7, 7);
    p.setPen(QPen(QColor(255, 255, 255, branca ? 220 : 90), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(face.adjusted(0.5, 0.5, -0.5, -0.5), 7.5, 7.5);

    if (!legenda.isEmpty()) {
        const QRectF area(face.left(), face.top() + 6, face.width(), face.height() * 0.5);
        QFont f = fonte(58, true);
        p.setFont(f);
        // A soft engraved look: dark copy one pixel down, then the legend.
        p.setPen(QColor(0, 40, 100, 110));
        p.drawText(area.translated(0, 1.5), Qt::AlignHCenter | Qt::AlignVCenter, legenda);
        p.setPen(corLegenda);
        p.drawText(area, Qt::AlignHCenter | Qt::AlignVCenter, legenda);
    }
}

// ---- the hands ----------------------------------------------------------------

// A finger of the left hand in panel pixels: its tip (the centre of its
// ring), its knuckle and its width.
struct Dedo {
    QPointF ponta;
    QPointF base;
    qreal largura;
};

QPointF centroAnel(const QString& nome)
{
    const QRect r = RetanguloDedo(nome);
    return QPointF(r.left() + r.width() / 2.0, r.top() + r.height() / 2.0) / TwipsPorPixel;
}

QPainterPath capsula(QPointF a, QPointF b, qreal largura)
{
    // A rounded finger from base a to tip b.
    const QPointF d = b - a;
    const qreal n = std::hypot(d.x(), d.y());
    const qreal ang = qRadiansToDegrees(std::atan2(d.y(), d.x()));
    QTransform tr;
    tr.translate(a.x(), a.y());
    tr.rotate(ang);
    QPainterPath base;
    base.addRoundedRect(QRectF(0, -largura / 2, n + largura / 2, largura), largura / 2, largura / 2);
    return tr.map(base);
}

// The left hand, seen from above with the fingers spread over the home
// row; the right hand is its mirror image.
const QList<Dedo>& dedosEsquerdos()
{
    static const QList<Dedo> dedos{
        {centroAnel(QStringLiteral("S5")), QPointF(39, 462), 14},
        {centroAnel(QStringLiteral("S4")), QPointF(51, 455), 15.5},
        {centroAnel(QStringLiteral("S3")), QPointF(64, 452), 16.5},
        {centroAnel(QStringLiteral("S2")), QPointF(77, 457), 16.5},
        {centroAnel(QStringLiteral("S1")), QPointF(80, 508), 18},
    };
    return dedos;
}

// The pieces of the left hand: the fingers and the palm with its wrist.
QList<QPainterPath> partesMaoEsquerda()
{
    QList<QPainterPath> partes;
    for (const Dedo& d : dedosEsquerdos())
        partes << capsula(d.base, d.ponta, d.largura);
    QPainterPath palma;
    palma.moveTo(31, 470);
    palma.cubicTo(33, 440, 84, 436, 88, 462);
    palma.cubicTo(93, 478, 96, 496, 93, 512);
    palma.cubicTo(90, 526, 84, 534, 83, 548);
    palma.lineTo(83, 600);
    palma.lineTo(44, 600);
    palma.lineTo(44, 548);
    palma.cubicTo(42, 534, 32, 522, 30, 506);
    palma.cubicTo(28, 492, 28, 480, 31, 470);
    palma.closeSubpath();
    partes << palma;
    return partes;
}

QPainterPath maoEsquerda()
{
    QPainterPath mao;
    for (const QPainterPath& parte : partesMaoEsquerda())
        mao = mao.united(parte);
    return mao;
}

// A fingernail near the tip of a finger.
QPainterPath unha(const Dedo& d)
{
    const QPointF v = d.ponta - d.base;
    const qreal ang = qRadiansToDegrees(std::atan2(v.y(), v.x()));
    QTransform tr;
    tr.translate(d.ponta.x(), d.ponta.y());
    tr.rotate(ang);
    QPainterPath path;
    const qreal comprimento = d.largura * 0.62;
    const qreal largura = d.largura * 0.56;
    path.addRoundedRect(QRectF(-comprimento * 0.62, -largura / 2, comprimento, largura), largura * 0.45,
                        largura * 0.45);
    return tr.map(path);
}

void desenharMao(QPainter& p)
{
    const QList<QPainterPath> partes = partesMaoEsquerda();
    const QPainterPath mao = maoEsquerda();

    // The outline first, as a wide stroke under every piece, so that only
    // the silhouette keeps it once the skin is laid over.
    p.setPen(QPen(AzulEscuro, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    for (const QPainterPath& parte : partes)
        p.drawPath(parte);

    QLinearGradient pele(20, 390, 110, 560);
    pele.setColorAt(0, QColor(255, 231, 208));
    pele.setColorAt(1, QColor(247, 202, 170));
    const QPainterPath& palma = partes.last();
    p.setPen(Qt::NoPen);
    p.setBrush(pele);
    for (const QPainterPath& parte : partes)
        p.drawPath(parte);

    // Each finger over its neighbours, with a thin line where they touch;
    // over the palm they merge into it.
    p.save();
    QPainterPath fora;
    fora.addRect(QRectF(0, 0, 800, 600));
    p.setClipPath(fora.subtracted(palma));
    for (int i : {0, 1, 3, 2, 4}) {
        p.setPen(QPen(AzulEscuro, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(partes[i]);
        p.setPen(Qt::NoPen);
        p.setBrush(pele);
        p.drawPath(partes[i]);
    }
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(pele);
    p.drawPath(palma);

    // Soft shading along the little-finger side.
    p.save();
    p.setClipPath(mao);
    QLinearGradient sombra(22, 0, 58, 0);
    sombra.setColorAt(0, QColor(214, 150, 120, 80));
    sombra.setColorAt(1, QColor(214, 150, 120, 0));
    p.setBrush(sombra);
    p.drawRect(QRectF(0, 380, 70, 220));
    p.restore();

    // The thumb's crease.
    p.setPen(QPen(QColor(214, 150, 120), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath vinco;
    vinco.moveTo(84, 486);
    vinco.cubicTo(77, 496, 74, 506, 75, 518);
    p.drawPath(vinco);

    for (const Dedo& d : dedosEsquerdos()) {
        p.setPen(QPen(QColor(222, 164, 138), 0.9));
        p.setBrush(QColor(255, 240, 232));
        p.drawPath(unha(d));
    }

    // The sleeve cuff at the wrist.
    const QRectF punho(36, 552, 56, 52);
    QLinearGradient gp(punho.topLeft(), punho.topRight());
    gp.setColorAt(0, AzulEscuro);
    gp.setColorAt(0.45, AzulClaro);
    gp.setColorAt(1, AzulEscuro);
    p.setPen(QPen(QColor(0, 60, 130), 1.5));
    p.setBrush(gp);
    p.drawRoundedRect(punho, 6, 6);
    p.setPen(QPen(QColor(255, 255, 255, 150), 2));
    p.drawLine(QPointF(38, 560), QPointF(90, 560));
}

} // namespace

namespace ArteTeclado {

void DesenharTeclado(QPainter& p, int tipoTeclado)
{
    p.save();
    prepararPintor(p);
    const QRect area = AreaTecladoTwips();
    const QRectF caixa(0, 0, area.width() / qreal(TwipsPorPixel), area.height() / qreal(TwipsPorPixel));

    // The case: our blue, lighter at the top, with a bright rim.
    QLinearGradient gc(0, 0, 0, caixa.height());
    gc.setColorAt(0, QColor(30, 136, 226));
    gc.setColorAt(0.5, AzulClaro);
    gc.setColorAt(1, AzulEscuro);
    p.setPen(Qt::NoPen);
    p.setBrush(gc);
    p.drawRoundedRect(caixa, 5, 5);
    p.setPen(QPen(QColor(255, 255, 255, 70), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(caixa.adjusted(0.5, 0.5, -0.5, -0.5), 4.5, 4.5);

    const QList<Tecla> teclas = TeclasDoLayout(tipoTeclado);
    const QPointF origem = QPointF(area.topLeft()) / TwipsPorPixel;
    for (const Tecla& t : teclas) {
        p.save();
        p.translate(QPointF(t.twips.topLeft()) / TwipsPorPixel - origem);
        desenharSombra(p, t);
        p.restore();
    }
    for (const Tecla& t : teclas) {
        p.save();
        p.translate(QPointF(t.twips.topLeft()) / TwipsPorPixel - origem);
        desenharCapinha(p, t, paletaNormal());
        p.restore();
    }
    p.restore();
}

QPixmap Teclado(int tipoTeclado, qreal dpr)
{
    QPixmap pm = novaImagem(tamanho(AreaTecladoTwips()), dpr);
    QPainter p(&pm);
    DesenharTeclado(p, tipoTeclado);
    return pm;
}

QPixmap TeclaVermelha(int codigo, int tipoTeclado, qreal dpr)
{
    return imagemDaTecla(TeclaVermelhaDoLayout(codigo, tipoTeclado), paletaVermelha(), dpr);
}

QPixmap TeclaAmarela(const QString& nome, int tipoTeclado, qreal dpr)
{
    return imagemDaTecla(TeclaAmarelaDoLayout(nome, tipoTeclado), paletaAmarela(), dpr);
}

QPixmap Capa(const QString& nomeCapa, int tipoTeclado, qreal dpr)
{
    const QString legenda = LegendaCapa(nomeCapa, tipoTeclado);
    if (legenda.isEmpty())
        return QPixmap();
    QPixmap pm = novaImagem(QSizeF(LarguraCapa, AlturaCapa), dpr);
    QPainter p(&pm);
    prepararPintor(p);
    desenharCapaGrande(p, legenda, false);
    return pm;
}

QPixmap CapaBranca(qreal dpr)
{
    QPixmap pm = novaImagem(QSizeF(LarguraCapa, AlturaCapa), dpr);
    QPainter p(&pm);
    prepararPintor(p);
    desenharCapaGrande(p, QString(), true);
    return pm;
}

void DesenharMaos(QPainter& p)
{
    p.save();
    prepararPintor(p);
    desenharMao(p);
    // The right hand mirrors the left about the middle of the rings.
    p.translate(799, 0);
    p.scale(-1, 1);
    desenharMao(p);
    p.restore();
}

QPixmap AnelDedo(qreal dpr)
{
    const QSizeF tam = QSizeF(RetanguloDedo(QStringLiteral("S1")).size()) / TwipsPorPixel;
    QPixmap pm = novaImagem(tam, dpr);
    QPainter p(&pm);
    prepararPintor(p);
    const QPointF c(tam.width() / 2, tam.height() / 2);
    const qreal r = qMin(tam.width(), tam.height()) / 2 - 1;
    // A warm glow inside, a bright ring, a thin darker rim for contrast.
    QRadialGradient brilho(c, r);
    brilho.setColorAt(0, QColor(255, 240, 120, 150));
    brilho.setColorAt(0.7, QColor(255, 220, 40, 110));
    brilho.setColorAt(1, QColor(255, 210, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(brilho);
    p.drawEllipse(c, r, r);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(176, 124, 0), 4.6));
    p.drawEllipse(c, r - 2.6, r - 2.6);
    p.setPen(QPen(QColor(255, 214, 10), 3.2));
    p.drawEllipse(c, r - 2.6, r - 2.6);
    p.setPen(QPen(QColor(255, 250, 190), 1));
    p.drawEllipse(c, r - 3.2, r - 3.2);
    return pm;
}

QPixmap TecladoMini(int tipoTeclado, qreal dpr)
{
    QPixmap pm = novaImagem(QSizeF(LarguraMini, AlturaMini), dpr);
    QPainter p(&pm);
    prepararPintor(p);
    const QSizeF teclado = tamanho(AreaTecladoTwips());
    const qreal escala = qMin(LarguraMini / teclado.width(), AlturaMini / teclado.height());
    p.translate((LarguraMini - teclado.width() * escala) / 2, (AlturaMini - teclado.height() * escala) / 2);
    p.scale(escala, escala);
    DesenharTeclado(p, tipoTeclado);
    return pm;
}

} // namespace ArteTeclado
