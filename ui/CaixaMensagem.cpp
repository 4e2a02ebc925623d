#include "ui/CaixaMensagem.h"

#include "ui/Estilo.h"
#include "ui/Imagem.h"
#include "ui/JanelaResultado.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace {
constexpr int Margem = 24;          // left and right of the contents
constexpr int Topo = 54;            // below the title strip
constexpr int LadoIcone = 40;
constexpr int EspacoIcone = 16;     // between the icon and the text
constexpr int LarguraMaxima = 460;  // the box's widest
constexpr int LarguraMinima = 300;
constexpr int EspacoBotao = 18;     // between the text and the button
const QSize Botao(90, 28);
constexpr int EspacoBotoes = 24;    // between Sim and Não
constexpr int Rodape = 16;          // below the button

// The message as laid out: line breaks of any system become plain breaks.
QString TextoExibido(QString t)
{
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

QColor Vermelho() { return QColor(200, 40, 40); }
}

CaixaMensagem::CaixaMensagem(QWidget* dono, const QString& titulo, const QString& texto, IconeMensagem icone,
                             Botoes botoes)
    : JanelaDesenhada(dono, QStringLiteral("CaixaMensagem"), titulo, QSize(LarguraMinima, 150))
    , texto(texto)
    , icone(icone)
{
    arrastarPeloFundo(true);
    setAccessibleName(titulo);
    setAccessibleDescription(texto);

    const bool comIcone = icone != IconeMensagem::Nenhum;
    const int esquerdaTexto = comIcone ? Margem + LadoIcone + EspacoIcone : Margem + 4;

    LblTexto = new QLabel(this);
    LblTexto->setObjectName(QStringLiteral("LblTexto"));
    LblTexto->setTextFormat(Qt::PlainText);
    LblTexto->setWordWrap(true);
    LblTexto->setFocusPolicy(Qt::NoFocus);
    LblTexto->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    LblTexto->setFont(Estilo::Fonte(10));
    LblTexto->setStyleSheet(QStringLiteral("QLabel { color: white; background: transparent; }"));
    LblTexto->setText(TextoExibido(texto));

    // The text's own width, up to the widest box; then as tall as it wraps.
    const QFontMetrics fm(LblTexto->font());
    int natural = 0;
    for (const QString& linha : LblTexto->text().split(QLatin1Char('\n')))
        natural = std::max(natural, fm.horizontalAdvance(linha));
    const int larguraTexto = std::clamp(natural + 2, 1, LarguraMaxima - esquerdaTexto - Margem);
    int alturaTexto = LblTexto->heightForWidth(larguraTexto);
    if (alturaTexto < 0)
        alturaTexto = fm.boundingRect(QRect(0, 0, larguraTexto, 100000), Qt::TextWordWrap, LblTexto->text()).height();
    alturaTexto = std::max(alturaTexto, fm.height());

    const int alturaConteudo = std::max(alturaTexto, comIcone ? LadoIcone : 0);
    const int larguraTitulo = QFontMetrics(Estilo::Fonte(10, true)).horizontalAdvance(titulo) + 2 * Margem;
    const int largura = std::max({LarguraMinima, esquerdaTexto + larguraTexto + Margem,
                                  std::min(larguraTitulo, LarguraMaxima)});
    const int yBotao = Topo + alturaConteudo + EspacoBotao;
    setFixedSize(largura, yBotao + Botao.height() + Rodape);

    LblTexto->setGeometry(esquerdaTexto, Topo + (alturaConteudo - alturaTexto) / 2, larguraTexto, alturaTexto);
    areaIcone = comIcone ? QRect(Margem, Topo + (alturaConteudo - LadoIcone) / 2, LadoIcone, LadoIcone) : QRect();
    CmdOk = new Imagem(this, QStringLiteral("CmdOk"));
    connect(CmdOk, &Imagem::clicado, this, &QDialog::accept);
    if (botoes == Botoes::Ok) {
        areaBotao = QRect(QPoint((largura - Botao.width()) / 2, yBotao), Botao);
        FaceBotao::Preparar(CmdOk, areaBotao, QStringLiteral("OK"), QStringLiteral("OK"));
        return;
    }
    const int esquerda = (largura - 2 * Botao.width() - EspacoBotoes) / 2;
    areaBotao = QRect(QPoint(esquerda, yBotao), Botao);
    areaNao = areaBotao.translated(Botao.width() + EspacoBotoes, 0);
    FaceBotao::Preparar(CmdOk, areaBotao, QStringLiteral("Sim"), QStringLiteral("Sim"));
    CmdNao = new Imagem(this, QStringLiteral("CmdNao"));
    FaceBotao::Preparar(CmdNao, areaNao, QStringLiteral("Não"), QStringLiteral("Não"));
    connect(CmdNao, &Imagem::clicado, this, &QDialog::reject);
    setTabOrder(CmdNao, CmdOk);
}

void CaixaMensagem::showEvent(QShowEvent* e)
{
    JanelaDesenhada::showEvent(e);
    (CmdNao ? CmdNao : CmdOk)->setFocus(Qt::OtherFocusReason);
}

void CaixaMensagem::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (CmdNao)
            reject();
        else
            accept();
        return;
    default:
        JanelaDesenhada::keyPressEvent(e); // Esc closes as Cancel
    }
}

void CaixaMensagem::desenharFundo(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    Estilo::DesenharJanela(p, rect(), titulo);
    if (!areaIcone.isNull())
        DesenharIcone(p, QRectF(areaIcone), icone);
    FaceBotao::Desenhar(p, areaBotao, CmdNao ? QStringLiteral("Sim") : QStringLiteral("OK"), FaceBotao::Aspecto::Normal);
    if (CmdNao)
        FaceBotao::Desenhar(p, areaNao, QStringLiteral("Não"), FaceBotao::Aspecto::Normal);
}

void CaixaMensagem::DesenharIcone(QPainter& p, const QRectF& r, IconeMensagem icone)
{
    if (icone == IconeMensagem::Nenhum)
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal u = r.width() / 40.0; // the icons are designed on a 40-unit square
    const QPointF c = r.center();
    const QPointF sombra(0, 1.5 * u);

    QPainterPath contorno;
    switch (icone) {
    case IconeMensagem::Informacao:
        contorno.addEllipse(r.adjusted(u, u, -u, -u));
        break;
    case IconeMensagem::Exclamacao: {
        // A triangle with rounded corners, point up.
        const QPointF a(c.x(), r.top() + 2 * u), b(r.right() - u, r.bottom() - 3 * u),
            d(r.left() + u, r.bottom() - 3 * u);
        QPolygonF t{a, b, d};
        QPainterPath tri;
        tri.addPolygon(t);
        tri.closeSubpath();
        QPainterPathStroker arredondar;
        arredondar.setWidth(4 * u);
        arredondar.setJoinStyle(Qt::RoundJoin);
        contorno = tri.united(arredondar.createStroke(tri)).simplified();
        break;
    }
    case IconeMensagem::Critico: {
        // An octagon, like a stop sign.
        QPolygonF oct;
        const qreal raio = 19 * u;
        for (int i = 0; i < 8; ++i) {
            const qreal ang = (22.5 + 45.0 * i) * M_PI / 180.0;
            oct << c + QPointF(raio * std::cos(ang), raio * std::sin(ang));
        }
        contorno.addPolygon(oct);
        contorno.closeSubpath();
        break;
    }
    case IconeMensagem::Nenhum:
        break;
    }

    // Soft shadow, then the body with a light rim.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 20, 50, 70));
    p.drawPath(contorno.translated(sombra));

    QLinearGradient g(r.topLeft(), r.bottomLeft());
    QColor borda;
    QColor marca;
    switch (icone) {
    case IconeMensagem::Informacao:
        g.setColorAt(0, QColor(70, 160, 235));
        g.setColorAt(1, Estilo::AzulEscuro());
        borda = Qt::white;
        marca = Qt::white;
        break;
    case IconeMensagem::Exclamacao:
        g.setColorAt(0, QColor(255, 232, 110));
        g.setColorAt(1, Estilo::Amarelo());
        borda = Estilo::AzulNoite();
        marca = Estilo::AzulNoite();
        break;
    default:
        g.setColorAt(0, QColor(232, 84, 84));
        g.setColorAt(1, Vermelho());
        borda = Qt::white;
        marca = Qt::white;
        break;
    }
    p.setPen(QPen(borda, 1.8 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(contorno);

    // The mark, drawn as shapes so it is sharp at any size.
    p.setPen(Qt::NoPen);
    p.setBrush(marca);
    switch (icone) {
    case IconeMensagem::Informacao:
        p.drawEllipse(QPointF(c.x(), r.top() + 12 * u), 2.6 * u, 2.6 * u);
        p.drawRoundedRect(QRectF(c.x() - 2.3 * u, r.top() + 17 * u, 4.6 * u, 14 * u), 1.6 * u, 1.6 * u);
        break;
    case IconeMensagem::Exclamacao: {
        QPainterPath traco;
        traco.moveTo(c.x() - 2.4 * u, r.top() + 13 * u);
        traco.lineTo(c.x() + 2.4 * u, r.top() + 13 * u);
        traco.lineTo(c.x() + 1.3 * u, r.top() + 26 * u);
        traco.lineTo(c.x() - 1.3 * u, r.top() + 26 * u);
        traco.closeSubpath();
        QPainterPathStroker arredondar;
        arredondar.setWidth(1.2 * u);
        arredondar.setJoinStyle(Qt::RoundJoin);
        p.drawPath(traco.united(arredondar.createStroke(traco)));
        p.drawEllipse(QPointF(c.x(), r.top() + 31 * u), 2.3 * u, 2.3 * u);
        break;
    }
    default: {
        p.setPen(QPen(marca, 4.2 * u, Qt::SolidLine, Qt::RoundCap));
        const qreal d = 7.5 * u;
        p.drawLine(c + QPointF(-d, -d), c + QPointF(d, d));
        p.drawLine(c + QPointF(-d, d), c + QPointF(d, -d));
        break;
    }
    }
    p.restore();
}
