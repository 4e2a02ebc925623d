#include "ui/JanelaDesenhada.h"

#include "app/Servicos.h"
#include "ui/Acessibilidade.h"
#include "ui/Estilo.h"
#include "ui/FrmMain.h"
#include "ui/Imagem.h"

#include <QMouseEvent>
#include <QPainter>

JanelaDesenhada::JanelaDesenhada(QWidget* pai, const QString& nome, const QString& legenda, QSize tamanho)
    : QDialog(pai, Qt::Dialog | Qt::FramelessWindowHint)
    , titulo(legenda)
{
    Acessibilidade::Instalar();
    setObjectName(nome);
    setWindowTitle(legenda);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setModal(true);
    setFixedSize(tamanho);
    setMouseTracking(true);
    setStyleSheet(Estilo::FolhaCampos());
}

QWidget* JanelaDesenhada::PaiOuPrincipal(QWidget* pai)
{
    return pai ? pai : FrmMain::Instancia();
}

void JanelaDesenhada::avisar(const QString& texto, IconeMensagem icone)
{
    if (auto* d = Plataforma().dialogos)
        d->Mensagem(this, QStringLiteral("Teclomatic"), texto, icone);
}

void JanelaDesenhada::tornarAreaArraste(Imagem* area)
{
    area->setCursor(Qt::SizeAllCursor);
    connect(area, &Imagem::mouseMovido, this, [this](Qt::MouseButtons botoes, QPoint) {
        if (botoes & Qt::LeftButton)
            if (auto* a = Plataforma().arrastar)
                a->MoverForm(this);
    });
}

void JanelaDesenhada::desenharFundo(QPainter& p)
{
    Estilo::DesenharJanela(p, rect(), titulo);
}

void JanelaDesenhada::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    desenharFundo(p);
}

void JanelaDesenhada::mouseMoveEvent(QMouseEvent* e)
{
    if (arrasteFundo && (e->buttons() & Qt::LeftButton))
        if (auto* a = Plataforma().arrastar)
            a->MoverForm(this);
    QDialog::mouseMoveEvent(e);
}
