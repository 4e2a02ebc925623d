#include "ui/FrmLogin.h"

#include "users/CadastroUsuarios.h"
#include "app/EstadoCurso.h"
#include "app/Servicos.h"
#include "ui/Estilo.h"
#include "ui/FrmMain.h"
#include "users/RegistroUsuario.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>

// ---- drawn buttons -----------------------------------------------------------

BotaoJanelaUsuario::BotaoJanelaUsuario(QWidget* pai, const QString& nome, const QString& legenda,
                               const QString& nomeAcessivel, bool principal_)
    : Imagem(pai, nome)
    , texto(legenda)
    , principal(principal_)
{
    tornarBotao(nomeAcessivel);
    setAccessibleDescription(nomeAcessivel);
}

void BotaoJanelaUsuario::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QRect face = rect().adjusted(2, 2, -2, -2);
    if (apertado)
        face.translate(0, 1);
    Estilo::DesenharBotao(p, face, texto, isEnabled(), principal && !apertado);
    if (sobre && isEnabled()) {
        p.setPen(QPen(Estilo::Amarelo(), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(face).adjusted(1, 1, -1, -1), 5, 5);
    }
    if (hasFocus()) {
        QPen caneta(Estilo::Amarelo(), 1.5, Qt::DotLine);
        p.setPen(caneta);
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75), 7, 7);
    }
}

void BotaoJanelaUsuario::enterEvent(QEnterEvent* e)
{
    sobre = true;
    update();
    Imagem::enterEvent(e);
}

void BotaoJanelaUsuario::leaveEvent(QEvent* e)
{
    sobre = false;
    apertado = false;
    update();
    Imagem::leaveEvent(e);
}

void BotaoJanelaUsuario::mousePressEvent(QMouseEvent* e)
{
    apertado = e->button() == Qt::LeftButton;
    update();
    Imagem::mousePressEvent(e);
}

void BotaoJanelaUsuario::mouseReleaseEvent(QMouseEvent* e)
{
    apertado = false;
    update();
    Imagem::mouseReleaseEvent(e);
}

FecharJanelaUsuario::FecharJanelaUsuario(QWidget* pai, const QString& nome)
    : BotaoJanelaUsuario(pai, nome, QString(), QStringLiteral("Fechar"))
{
}

void FecharJanelaUsuario::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF disco = QRectF(rect()).adjusted(2, 2, -2, -2).translated(0, apertado ? 1 : 0);
    if (sobre) {
        p.setPen(QPen(QColor(255, 255, 255, 200), 1));
        p.setBrush(QColor(208, 52, 44));
    } else {
        p.setPen(QPen(QColor(255, 255, 255, 110), 1));
        p.setBrush(QColor(255, 255, 255, 36));
    }
    p.drawEllipse(disco);
    const qreal m = disco.width() * 0.31;
    const QRectF cruz = disco.adjusted(m, m, -m, -m);
    p.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(cruz.topLeft(), cruz.bottomRight());
    p.drawLine(cruz.topRight(), cruz.bottomLeft());
    if (hasFocus()) {
        p.setPen(QPen(Estilo::Amarelo(), 1.5, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75));
    }
}

// ---- the prompt --------------------------------------------------------------

namespace {

constexpr int Largura = 370;
constexpr int Altura = 200;
constexpr int ColunaCampo = 146;
constexpr int LarguraCampo = 200;
constexpr int AlturaCampo = 26;
constexpr int TopoUsuario = 56;
constexpr int TopoSenha = 94;

} // namespace

FrmLogin::FrmLogin(QWidget* pai)
    : JanelaDesenhada(PaiOuPrincipal(pai), QStringLiteral("FrmLogin"), QStringLiteral("Teclomatic - Login"),
                      QSize(Largura, Altura))
{
    // The title strip drags the window; the close image sits at its right end.
    CmdMove = new Imagem(this, QStringLiteral("CmdMove"));
    CmdMove->setGeometry(0, 0, Largura - 36, 32);
    CmdMove->setAccessibleName(QStringLiteral("Barra de título"));
    tornarAreaArraste(CmdMove);

    CmdFechar = new FecharJanelaUsuario(this, QStringLiteral("CmdFechar"));
    CmdFechar->setGeometry(Largura - 33, 5, 24, 24);

    TxtUsuario = new QLineEdit(this);
    TxtUsuario->setObjectName(QStringLiteral("TxtUsuario"));
    TxtUsuario->setGeometry(ColunaCampo, TopoUsuario, LarguraCampo, AlturaCampo);
    TxtUsuario->setEnabled(false);
    TxtUsuario->setAccessibleName(QStringLiteral("Usuário"));
    // A disabled box would be drawn grey by the style; it shows the name as
    // a quiet read-only field instead.
    TxtUsuario->setStyleSheet(QStringLiteral(
        "QLineEdit:disabled { background: rgb(226,236,248); color: rgb(0,58,128);"
        " border: 1px solid rgb(0,58,128); }"));

    TxtSenha = new QLineEdit(this);
    TxtSenha->setObjectName(QStringLiteral("TxtSenha"));
    TxtSenha->setGeometry(ColunaCampo, TopoSenha, LarguraCampo, AlturaCampo);
    TxtSenha->setEchoMode(QLineEdit::Password);
    TxtSenha->setAccessibleName(QStringLiteral("Senha"));
    TxtSenha->setMaxLength(255);

    CmdOk = new BotaoJanelaUsuario(this, QStringLiteral("CmdOk"), QStringLiteral("OK"), QStringLiteral("OK"));
    CmdOk->setGeometry(ColunaCampo + LarguraCampo - 2 * 96 - 8, 146, 96, 32);
    CmdCancelar = new BotaoJanelaUsuario(this, QStringLiteral("CmdCancelar"), QStringLiteral("Cancelar"),
                                     QStringLiteral("Cancelar"), false);
    CmdCancelar->setGeometry(ColunaCampo + LarguraCampo - 96, 146, 96, 32);

    connect(CmdOk, &Imagem::clicado, this, &FrmLogin::CmdOk_Click);
    connect(CmdCancelar, &Imagem::clicado, this, &FrmLogin::CmdCancelar_Click);
    connect(CmdFechar, &Imagem::clicado, this, &FrmLogin::CmdFechar_Click);

    setTabOrder(TxtSenha, CmdOk);
    setTabOrder(CmdOk, CmdCancelar);
    setTabOrder(CmdCancelar, CmdFechar);

    Form_Load();
    TxtSenha->setFocus();
}

void FrmLogin::Form_Load()
{
    // Until this prompt is answered, nothing has been accepted.
    Estado().SenhaOk = false;
    QString nome;
    if (const CadastroUsuarios* u = CadastroUsuarios::Instancia())
        nome = u->Nome(u->Selecionado());
    TxtUsuario->setText(nome);
    TxtUsuario->setCursorPosition(0);
    if (nome == NomeUsuarioPadrao())
        TxtSenha->setText(SenhaUsuarioPadrao());
    TxtSenha->selectAll();
}

void FrmLogin::CmdOk_Click()
{
    const CadastroUsuarios* u = CadastroUsuarios::Instancia();
    if (u && u->ConferirSenha(TxtSenha->text())) {
        Estado().SenhaOk = true;
        accept();
        return;
    }
    Estado().SenhaOk = false;
    avisar(QStringLiteral("Senha não confere!"), IconeMensagem::Exclamacao);
    TxtSenha->setFocus();
    TxtSenha->selectAll();
}

void FrmLogin::CmdCancelar_Click()
{
    reject();
}

void FrmLogin::CmdFechar_Click()
{
    reject();
}

void FrmLogin::reject()
{
    Estado().SenhaOk = false;
    JanelaDesenhada::reject();
}

void FrmLogin::keyPressEvent(QKeyEvent* e)
{
    // Enter confirms from the password box; on a focused button the button
    // itself has already taken it.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        CmdOk_Click();
        return;
    }
    JanelaDesenhada::keyPressEvent(e);
}

void FrmLogin::desenharFundo(QPainter& p)
{
    const QRect cliente = Estilo::DesenharJanela(p, rect(), titulo);

    // A padlock on the left of the client area.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF corpo(cliente.left() + 16, TopoUsuario + 24, 34, 26);
    QPainterPath arco;
    arco.moveTo(corpo.left() + 8, corpo.top());
    arco.lineTo(corpo.left() + 8, corpo.top() - 8);
    arco.arcTo(QRectF(corpo.left() + 8, corpo.top() - 17, corpo.width() - 16, 18), 180, -180);
    arco.lineTo(corpo.right() - 8, corpo.top());
    p.setPen(QPen(QColor(255, 255, 255, 220), 4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arco);
    QLinearGradient g(corpo.topLeft(), corpo.bottomLeft());
    g.setColorAt(0, Estilo::Amarelo());
    g.setColorAt(1, QColor(226, 170, 0));
    p.setPen(QPen(Estilo::AzulEscuro(), 1));
    p.setBrush(g);
    p.drawRoundedRect(corpo, 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(Estilo::AzulEscuro());
    const QPointF c = corpo.center();
    p.drawEllipse(c + QPointF(0, -3), 3.5, 3.5);
    p.drawRect(QRectF(c.x() - 1.5, c.y() - 2, 3, 9));
    p.restore();

    // The captions of the two boxes.
    p.setPen(Qt::white);
    p.setFont(Estilo::Fonte(10, true));
    p.drawText(QRect(ColunaCampo - 86, TopoUsuario, 78, AlturaCampo), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Usuário:"));
    p.drawText(QRect(ColunaCampo - 86, TopoSenha, 78, AlturaCampo), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Senha:"));
}
