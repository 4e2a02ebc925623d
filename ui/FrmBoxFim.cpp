#include "ui/FrmBoxFim.h"

#include "app/Servicos.h"
#include "ui/Estilo.h"
#include "ui/FrmMain.h"
#include "ui/Imagem.h"
#include "ui/JanelaResultado.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QtMath>

namespace {
constexpr int Largura = 370;
constexpr int Altura = 152;
const QRectF Medalha(22, 50, 46, 46);
const QRect BotaoOk(264, 112, 90, 28);

// A five-pointed star inside r.
QPainterPath Estrela(const QRectF& r)
{
    QPainterPath e;
    const QPointF c = r.center();
    const qreal fora = r.width() / 2;
    const qreal dentro = fora * 0.42;
    for (int i = 0; i < 10; ++i) {
        const qreal raio = i % 2 ? dentro : fora;
        const qreal a = qDegreesToRadians(-90.0 + i * 36.0);
        const QPointF pt(c.x() + raio * qCos(a), c.y() + raio * qSin(a));
        if (i == 0)
            e.moveTo(pt);
        else
            e.lineTo(pt);
    }
    e.closeSubpath();
    return e;
}
}

FrmBoxFim::FrmBoxFim(QWidget* pai)
    : JanelaDesenhada(pai, QStringLiteral("FrmBoxFim"), QStringLiteral("Teclomatic - Fim"),
                      QSize(Largura, Altura))
{
    arrastarPeloFundo(true);
    setCursor(Qt::SizeAllCursor);
    CmdOk = new Imagem(this, QStringLiteral("CmdOk"));
    FaceBotao::Preparar(CmdOk, BotaoOk, QStringLiteral("OK"), QStringLiteral("OK"));
    connect(CmdOk, &Imagem::clicado, this, &FrmBoxFim::CmdOk_Click);
}

void FrmBoxFim::Mostrar()
{
    QPointer<FrmBoxFim> janela = new FrmBoxFim(FrmMain::Instancia());
    if (auto* d = Plataforma().dialogos)
        d->Modal(janela);
    delete janela.data();
}

void FrmBoxFim::CmdOk_Click()
{
    if (feito)
        return;
    feito = true;
    QDialog::done(QDialog::Accepted);
    if (FrmMain* m = FrmMain::Instancia())
        m->CmdLogoff_Click();
}

void FrmBoxFim::reject()
{
    CmdOk_Click();
}

void FrmBoxFim::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        CmdOk_Click();
        return;
    default:
        JanelaDesenhada::keyPressEvent(e);
    }
}

void FrmBoxFim::showEvent(QShowEvent* e)
{
    JanelaDesenhada::showEvent(e);
    CmdOk->setFocus(Qt::OtherFocusReason);
}

void FrmBoxFim::desenharFundo(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    Estilo::DesenharJanela(p, rect(), QStringLiteral("Teclomatic"));

    // A gold star on a white medal.
    Estilo::DesenharDisco(p, Medalha);
    QLinearGradient ouro(Medalha.topLeft(), Medalha.bottomLeft());
    ouro.setColorAt(0, QColor(255, 226, 80));
    ouro.setColorAt(1, QColor(236, 168, 0));
    p.setPen(QPen(QColor(176, 116, 0), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(ouro);
    p.drawPath(Estrela(Medalha.adjusted(8, 8.5, -8, -7.5)));

    p.setPen(Estilo::Amarelo());
    p.setFont(Estilo::Fonte(16, true));
    p.drawText(QRectF(84, 44, 270, 30), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Parabéns!"));
    p.setPen(Qt::white);
    p.setFont(Estilo::Fonte(10));
    p.drawText(QRectF(84, 74, 276, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Você completou com sucesso este curso."));

    FaceBotao::Desenhar(p, BotaoOk, QStringLiteral("OK"), FaceBotao::Aspecto::Normal);
}
