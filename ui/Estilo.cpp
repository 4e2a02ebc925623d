#include "ui/Estilo.h"

#include <QLabel>

#include <QApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QScreen>
#include <QToolTip>
#include <QWidget>

#include <algorithm>

QString Estilo::FamiliaFonte() { return QStringLiteral("Liberation Sans"); }

QFont Estilo::Fonte(qreal pontos, bool negrito)
{
    QFont f(FamiliaFonte());
    f.setPointSizeF(pontos);
    f.setBold(negrito);
    f.setStyleHint(QFont::SansSerif);
    return f;
}

qreal Estilo::Dpr()
{
    if (auto* app = qGuiApp) {
        qreal d = app->devicePixelRatio();
        if (QScreen* s = QGuiApplication::primaryScreen())
            d = std::max(d, s->devicePixelRatio());
        return d;
    }
    return 1.0;
}

QPixmap Estilo::Renderizar(QSize logico, const std::function<void(QPainter&)>& desenho, qreal dpr)
{
    if (dpr <= 0)
        dpr = Dpr();
    QPixmap pm(QSize(qCeil(logico.width() * dpr), qCeil(logico.height() * dpr)));
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    desenho(p);
    return pm;
}

Estilo::EmPixels::EmPixels(QPainter& pintor, qreal dpr)
    : p(pintor)
{
    const QTransform m = p.deviceTransform();
    if (dpr == 1 || p.worldTransform().type() > QTransform::TxTranslate || m.type() != QTransform::TxScale
        || !qFuzzyCompare(m.m11(), dpr) || !qFuzzyCompare(m.m22(), dpr))
        return;
    ativo = true;
    escala = dpr;
    // The painter's origin on the device, and the whole pixel it goes to.
    origem = m.map(QPointF(0, 0));
    const QPointF inteira(qRound(origem.x()), qRound(origem.y()));
    desvio = origem - inteira;
    p.save();
    // World transform W' with W' x (the rest of the way to the device) a
    // plain move to that pixel: the rest is m with the present world
    // transform taken off.
    p.setWorldTransform(QTransform::fromTranslate(inteira.x(), inteira.y()) * m.inverted() * p.worldTransform());
}

Estilo::EmPixels::~EmPixels()
{
    if (ativo)
        p.restore();
}

void Estilo::EmPixels::Desenhar(const QPoint& canto, const QPixmap& figura) const
{
    if (ativo && figura.devicePixelRatio() == escala)
        p.drawPixmap(QRect(Canto(canto), figura.size()), figura, figura.rect());
    else if (ativo)
        p.drawPixmap(QRectF(Canto(canto), figura.deviceIndependentSize() * escala), figura, QRectF(figura.rect()));
    else
        p.drawPixmap(QRectF(canto, figura.deviceIndependentSize()), figura, QRectF(figura.rect()));
}

QList<QRect> Estilo::Retangulos(const QRegion& regiao)
{
    QList<QRect> r;
    r.reserve(regiao.rectCount());
    for (const QRect& q : regiao) {
        // The bands run top to bottom, so the strip above this one, if
        // any, is among those already taken.
        auto acima = std::find_if(r.rbegin(), r.rend(), [&q](const QRect& o) {
            return o.left() == q.left() && o.right() == q.right() && o.bottom() + 1 == q.top();
        });
        if (acima != r.rend())
            acima->setBottom(q.bottom());
        else
            r.append(q);
    }
    return r;
}

QRect Estilo::DesenharJanela(QPainter& p, const QRect& r, const QString& titulo)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF fora = QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient g(fora.topLeft(), fora.bottomLeft());
    g.setColorAt(0, AzulClaro());
    g.setColorAt(1, AzulFundo());
    p.setPen(QPen(AzulEscuro(), 1));
    p.setBrush(g);
    p.drawRoundedRect(fora, RaioJanela, RaioJanela);

    // Title strip.
    const QRectF faixa(fora.left() + 1, fora.top() + 1, fora.width() - 2, 30);
    DesenharFaixaTitulo(p, faixa);
    p.setPen(Qt::white);
    p.setFont(Fonte(10, true));
    p.drawText(faixa.adjusted(12, 0, -12, 0), Qt::AlignVCenter | Qt::AlignLeft, titulo);

    // Client area.
    const QRect cliente = r.adjusted(8, 38, -8, -8);
    p.setPen(QPen(QColor(255, 255, 255, 90), 1));
    p.setBrush(QColor(255, 255, 255, 28));
    p.drawRoundedRect(QRectF(cliente).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    p.restore();
    return cliente;
}

void Estilo::DesenharFaixaTitulo(QPainter& p, const QRectF& faixa)
{
    QLinearGradient gt(faixa.topLeft(), faixa.bottomLeft());
    gt.setColorAt(0, QColor(18, 92, 178));
    gt.setColorAt(1, AzulEscuro());
    QPainterPath caminho;
    caminho.addRoundedRect(faixa, 7, 7);
    QPainterPath base;
    base.addRect(faixa.adjusted(0, 12, 0, 0));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(gt);
    p.drawPath(caminho.united(base));
    p.restore();
}

void Estilo::DesenharBotao(QPainter& p, const QRect& r, const QString& texto, bool habilitado, bool principal)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF f = QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient g(f.topLeft(), f.bottomLeft());
    if (!habilitado) {
        g.setColorAt(0, QColor(200, 206, 214));
        g.setColorAt(1, QColor(170, 178, 188));
    } else if (principal) {
        g.setColorAt(0, QColor(255, 255, 255));
        g.setColorAt(1, QColor(214, 230, 248));
    } else {
        g.setColorAt(0, QColor(236, 242, 250));
        g.setColorAt(1, QColor(196, 212, 232));
    }
    p.setPen(QPen(habilitado ? AzulEscuro() : QColor(140, 148, 160), 1));
    p.setBrush(g);
    p.drawRoundedRect(f, 6, 6);
    p.setPen(habilitado ? AzulTexto() : QColor(120, 128, 140));
    p.setFont(Fonte(10, true));
    p.drawText(f, Qt::AlignCenter, texto);
    p.restore();
}

QPixmap Estilo::Legenda(QSize tamanho, const QString& texto, const QColor& cor, bool opaco, qreal pontos)
{
    return Renderizar(tamanho, [&](QPainter& p) {
        const QRectF r(QPointF(0, 0), QSizeF(tamanho));
        if (opaco) {
            p.setPen(Qt::NoPen);
            p.setBrush(AzulFundo());
            p.drawRoundedRect(r, 4, 4);
        }
        p.setPen(cor);
        p.setFont(Fonte(pontos, true));
        p.drawText(r, Qt::AlignCenter | Qt::TextWordWrap, texto);
    });
}

void Estilo::DesenharDisco(QPainter& p, const QRectF& r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(r.center() - QPointF(r.width() * 0.15, r.height() * 0.2), r.width() * 0.75);
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(1, QColor(205, 224, 246));
    p.setPen(QPen(QColor(0, 40, 96, 90), 1));
    p.setBrush(QColor(0, 40, 96, 60));
    p.drawEllipse(r.translated(0, 1.5));
    p.setPen(QPen(AzulEscuro(), 1.5));
    p.setBrush(g);
    p.drawEllipse(r);
    p.restore();
}

QString Estilo::FolhaCampos()
{
    return QStringLiteral(
        "QLineEdit { background: white; color: rgb(0,97,187); border: 1px solid rgb(0,58,128);"
        " border-radius: 4px; padding: 2px 6px; selection-background-color: rgb(0,118,212); }"
        "QLineEdit:focus { border: 2px solid rgb(255,214,10); }"
        "QLineEdit:read-only { background: rgb(238,244,252); }"
        "QPlainTextEdit { background: white; color: rgb(0,58,128); border: 1px solid rgb(0,58,128);"
        " border-radius: 4px; padding: 2px 4px; selection-background-color: rgb(0,118,212); }"
        "QPlainTextEdit:focus { border: 2px solid rgb(255,214,10); padding: 1px 3px; }"
        "QPlainTextEdit[readOnly=\"true\"] { background: rgb(238,244,252); }"
        "QListWidget { background: white; color: rgb(0,97,187); border: 1px solid rgb(0,58,128);"
        " border-radius: 4px; padding: 2px; outline: none; }"
        "QListWidget::item { padding: 3px 6px; background: transparent; }"
        "QListWidget::item:selected { background: rgb(0,118,212); color: white; }"
        "QListWidget:focus { border: 2px solid rgb(255,214,10); }"
        "QCheckBox { color: white; }"
        "QToolTip { color: rgb(0,58,128); background: rgb(255,250,220); border: 1px solid rgb(0,58,128); }");
}

void Estilo::AplicarFonteGlobal()
{
    QApplication::setFont(Fonte(9));
    // Tooltips in the program's colours (the style sheets of the windows
    // say the same for their own fields).
    QPalette dica = QToolTip::palette();
    dica.setColor(QPalette::ToolTipBase, QColor(255, 250, 220));
    dica.setColor(QPalette::ToolTipText, QColor(0, 58, 128));
    QToolTip::setPalette(dica);
}

void Estilo::Colorir(QWidget* w, const QColor& cor)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, cor);
    w->setPalette(p);
}

QLabel* Estilo::Rotulo(QWidget* pai, const QString& nome, const QString& texto, const QRect& r,
                       Qt::Alignment alinhamento, const QFont& fonte, const QColor& cor)
{
    auto* l = new QLabel(texto, pai);
    l->setObjectName(nome);
    l->setGeometry(r);
    l->setAlignment(alinhamento & Qt::AlignVertical_Mask ? alinhamento : alinhamento | Qt::AlignVCenter);
    l->setFont(fonte);
    l->setTextFormat(Qt::PlainText);
    l->setStyleSheet(QStringLiteral("QLabel { color: rgb(%1,%2,%3); background: transparent; }")
                         .arg(cor.red())
                         .arg(cor.green())
                         .arg(cor.blue()));
    return l;
}
