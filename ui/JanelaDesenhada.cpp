#include "ui/JanelaDesenhada.h"

#include "app/Servicos.h"
#include "ui/Acessibilidade.h"
#include "ui/Estilo.h"
#include "ui/FrmMain.h"
#include "ui/Imagem.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QWindow>

#include <utility>

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
    // The corners the rounded frame leaves out are cut off the window; the
    // few pixels of its edge that stay take the frame's colour, not the
    // light grey of a window's background.
    for (const QPoint canto : {rect().topLeft(), rect().topRight() - QPoint(Estilo::RaioJanela - 1, 0),
                               rect().bottomLeft() - QPoint(0, Estilo::RaioJanela - 1),
                               rect().bottomRight() - QPoint(Estilo::RaioJanela - 1, Estilo::RaioJanela - 1)})
        p.fillRect(QRect(canto, QSize(Estilo::RaioJanela, Estilo::RaioJanela)), Estilo::AzulEscuro());
    p.setRenderHint(QPainter::Antialiasing);
    desenharFundo(p);
}

void JanelaDesenhada::resizeEvent(QResizeEvent* e)
{
    QDialog::resizeEvent(e);
    // Outside the rounded frame the window is not there at all.
    QPainterPath forma;
    forma.addRoundedRect(QRectF(rect()), Estilo::RaioJanela, Estilo::RaioJanela);
    setMask(QRegion(forma.toFillPolygon().toPolygon()));
}

void JanelaDesenhada::showEvent(QShowEvent* e)
{
    // A window shown again (the help window) stays where it was put.
    if (!std::exchange(centrada, true))
        centralizar();
    QDialog::showEvent(e);
}

void JanelaDesenhada::setVisible(bool visivel)
{
    // A window manager gives the keyboard back to the window this one stood
    // over; without one it would fall to whatever lies under the pointer,
    // and a message over the new-user window would leave its emptied
    // password box unfocused and the keys typed next lost. Qt takes the
    // owner for active while the window it stood over had the keyboard, so
    // the request goes to the owner's window itself.
    const bool tinhaTeclado = !visivel && isVisible() && isActiveWindow();
    QDialog::setVisible(visivel);
    QWidget* dono = parentWidget() ? parentWidget()->window() : nullptr;
    if (tinhaTeclado && dono && dono->isVisible() && dono->windowHandle())
        dono->windowHandle()->requestActivate();
}

void JanelaDesenhada::centralizar()
{
    QWidget* dono = parentWidget() ? parentWidget()->window() : nullptr;
    QScreen* tela = dono ? dono->screen() : nullptr;
    if (!tela)
        tela = QGuiApplication::primaryScreen();
    QRect area;
    if (dono && dono->isVisible())
        area = dono->frameGeometry();
    else if (tela)
        area = tela->availableGeometry();
    if (area.isEmpty())
        return;
    QRect r(QPoint(0, 0), frameGeometry().size());
    r.moveCenter(area.center());
    // Wholly on the owner's screen, even when the owner is partly off it.
    if (tela) {
        const QRect limite = tela->availableGeometry();
        if (r.right() > limite.right())
            r.moveRight(limite.right());
        if (r.bottom() > limite.bottom())
            r.moveBottom(limite.bottom());
        if (r.left() < limite.left())
            r.moveLeft(limite.left());
        if (r.top() < limite.top())
            r.moveTop(limite.top());
    }
    move(r.topLeft());
}

void JanelaDesenhada::mouseMoveEvent(QMouseEvent* e)
{
    if (arrasteFundo && (e->buttons() & Qt::LeftButton))
        if (auto* a = Plataforma().arrastar)
            a->MoverForm(this);
    QDialog::mouseMoveEvent(e);
}
