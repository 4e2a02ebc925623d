#include "ui/FrmBox.h"

#include "app/Servicos.h"
#include "ui/Estilo.h"
#include "ui/FrmMain.h"
#include "ui/Imagem.h"
#include "ui/JanelaResultado.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>

namespace {
constexpr int Largura = 420;
constexpr int Altura = 190;
const QRect Icone(22, 54, 34, 34);
const QRect AreaTexto(70, 46, 338, 94);
const QRect BotaoOk(314, 148, 90, 28);
}

FrmBox::FrmBox(QWidget* pai)
    : JanelaDesenhada(pai, QStringLiteral("FrmBox"), QStringLiteral("Teclomatic"), QSize(Largura, Altura))
{
    arrastarPeloFundo(true);

    LblMs = new QLabel(this);
    LblMs->setObjectName(QStringLiteral("LblMs"));
    LblMs->setGeometry(AreaTexto);
    LblMs->setWordWrap(true);
    LblMs->setTextFormat(Qt::PlainText);
    LblMs->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    LblMs->setFont(Estilo::Fonte(9.5));
    LblMs->setStyleSheet(QStringLiteral("QLabel { color: white; background: transparent; }"));

    CmdOk = new Imagem(this, QStringLiteral("CmdOk"));
    FaceBotao::Preparar(CmdOk, BotaoOk, QStringLiteral("OK"), QStringLiteral("OK"));
    connect(CmdOk, &Imagem::clicado, this, &FrmBox::CmdOk_Click);
}

void FrmBox::Mostrar(const QString& texto)
{
    QPointer<FrmBox> janela = new FrmBox(FrmMain::Instancia());
    janela->LblMs->setText(texto);
    if (auto* d = Plataforma().dialogos)
        d->Modal(janela);
    delete janela.data();
}

void FrmBox::CmdOk_Click()
{
    accept();
}

void FrmBox::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        CmdOk_Click();
        return;
    default:
        JanelaDesenhada::keyPressEvent(e);
    }
}

void FrmBox::showEvent(QShowEvent* e)
{
    JanelaDesenhada::showEvent(e);
    CmdOk->setFocus(Qt::OtherFocusReason);
}

void FrmBox::desenharFundo(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    Estilo::DesenharJanela(p, rect(), titulo);

    // An information mark beside the message.
    Estilo::DesenharDisco(p, QRectF(Icone));
    p.setPen(Estilo::AzulFundo());
    p.setFont(Estilo::Fonte(15, true));
    QFont f = p.font();
    f.setFamily(QStringLiteral("Liberation Serif"));
    f.setItalic(true);
    p.setFont(f);
    p.drawText(QRectF(Icone).translated(0, 1), Qt::AlignCenter, QStringLiteral("i"));

    FaceBotao::Desenhar(p, BotaoOk, QStringLiteral("OK"), FaceBotao::Aspecto::Normal);
}
