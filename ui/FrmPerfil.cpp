#include "ui/FrmPerfil.h"

#include "users/CadastroUsuarios.h"
#include "app/EstadoCurso.h"
#include "app/Servicos.h"
#include "ui/Acessibilidade.h"
#include "ui/Estilo.h"
#include "ui/FrmAdd.h"
#include "ui/FrmLogin.h"
#include "ui/FrmMain.h"
#include "ui/Twips.h"
#include "users/ArquivoUsuarios.h"
#include "users/Deslizador.h"
#include "users/RegistroUsuario.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QSignalBlocker>

namespace {

// Window: 6600 x 6390 twips (440 x 426 px).
constexpr int LarguraTw = 6600;
constexpr int AlturaTw = 6390;

// Knobs and bars.
constexpr int LarguraPuxador = 165;
constexpr int AlturaPuxador = 375;
constexpr int TopoPuxador1 = 2130;
constexpr int TopoPuxador2 = 3240;
constexpr int EsquerdaBarra = 390;
constexpr int TopoBarra1 = 2280;
constexpr int TopoBarra2 = 3390;
constexpr int AlturaBarra = 60;

// Captions of the form, in twips.
constexpr int TopoRotuloNome = 765;
constexpr int TopoLabel3 = 1650;
constexpr int TopoValor1 = 2550;
constexpr int TopoLabel4 = 2910;
constexpr int TopoValor2 = 3660;
constexpr int TopoDivisoria = 4050;
constexpr int TopoSenha = 4140;
constexpr int TopoConfirma = 4590;
constexpr int TopoCurso = 5130;
constexpr int TopoBotoes = 5670;
constexpr int ColunaSenha = 2250;
constexpr int AlturaCampo = 360;
constexpr int AlturaRotulo = 255;

// A whole number of the user screen, or the recommended value when the box
// holds no number the profile can use.
qint16 NumeroOuRecomendado(const QString& texto, qint16 recomendado)
{
    bool ok = false;
    const short v = texto.trimmed().toShort(&ok);
    return ok ? qint16(v) : recomendado;
}

QString LegendaVelocidade(int v)
{
    return QString::number(v) + QStringLiteral(" Toques por minuto");
}

QString LegendaPrecisao(int v)
{
    return QString::number(v) + QStringLiteral("% de acerto");
}

QLabel* NovoRotulo(QWidget* pai, const QString& nome, const QString& texto, const QFont& fonte,
                   const QColor& cor)
{
    auto* l = new QLabel(texto, pai);
    l->setObjectName(nome);
    l->setFont(fonte);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, cor);
    l->setPalette(pal);
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    return l;
}

QLineEdit* NovoCampo(QWidget* pai, const QString& nome, const QString& acessivel, bool senha)
{
    auto* c = new QLineEdit(pai);
    c->setObjectName(nome);
    c->setAccessibleName(acessivel);
    c->setMaxLength(255);
    if (senha)
        c->setEchoMode(QLineEdit::Password);
    return c;
}

// The round "recommended value" button beside a slider: a curved arrow
// going back, on a white disc.
class BotaoRecomendado : public BotaoJanelaUsuario {
public:
    BotaoRecomendado(QWidget* pai, const QString& nome, const QString& acessivel, const QString& dica)
        : BotaoJanelaUsuario(pai, nome, QString(), acessivel)
    {
        setToolTip(dica);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal lado = qMin(width(), height()) - 4;
        QRectF disco((width() - lado) / 2.0, (height() - lado) / 2.0, lado, lado);
        if (apertado)
            disco.translate(0, 1);
        Estilo::DesenharDisco(p, disco);
        if (sobre) {
            p.setPen(QPen(Estilo::Amarelo(), 2));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(disco.adjusted(1, 1, -1, -1));
        }
        // The arrow: three quarters of a circle and its head.
        const QRectF arco = disco.adjusted(lado * 0.27, lado * 0.27, -lado * 0.27, -lado * 0.27);
        p.setPen(QPen(Estilo::AzulTexto(), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(arco, 100 * 16, 270 * 16);
        const QPointF ponta(arco.center().x() - arco.width() * 0.09, arco.top());
        QPainterPath cabeca;
        cabeca.moveTo(ponta + QPointF(-3.6, 0));
        cabeca.lineTo(ponta + QPointF(2.2, -3.4));
        cabeca.lineTo(ponta + QPointF(2.2, 3.4));
        cabeca.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(Estilo::AzulTexto());
        p.drawPath(cabeca);
        if (hasFocus()) {
            p.setPen(QPen(Estilo::Amarelo(), 1.5, Qt::DotLine));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75));
        }
    }
};

// The "Curso Livre" check box drawn in the program's look: a rounded plate
// in its back colour with a white box that gets a yellow tick.
class CaixaCursoLivre : public QCheckBox {
public:
    CaixaCursoLivre(const QString& texto, QWidget* pai)
        : QCheckBox(texto, pai)
    {
        setAttribute(Qt::WA_Hover);
        setCursor(Qt::PointingHandCursor);
    }

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF placa = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        p.setPen(QPen(hasFocus() ? Estilo::Amarelo() : Estilo::AzulEscuro(), hasFocus() ? 2 : 1));
        p.setBrush(palette().color(QPalette::Window));
        p.drawRoundedRect(placa, 5, 5);

        const qreal lado = 14;
        const QRectF caixa(8, (height() - lado) / 2.0, lado, lado);
        p.setPen(QPen(underMouse() ? Estilo::Amarelo() : Estilo::AzulEscuro(), 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(caixa, 3, 3);
        if (isChecked()) {
            QPainterPath tique;
            tique.moveTo(caixa.left() + 3, caixa.center().y() + 0.5);
            tique.lineTo(caixa.left() + 6, caixa.bottom() - 3.5);
            tique.lineTo(caixa.right() - 2.8, caixa.top() + 3.2);
            p.setPen(QPen(Estilo::AzulTexto(), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPath(tique);
        }
        p.setPen(Qt::white);
        p.setFont(font());
        p.drawText(QRectF(caixa.right() + 7, 0, width() - caixa.right() - 9, height()),
                   Qt::AlignLeft | Qt::AlignVCenter, text());
    }
};

} // namespace

// ---- knob ----------------------------------------------------------------------

PuxadorDeslizador::PuxadorDeslizador(QWidget* pai, const QString& nome, const QString& nomeAcessivel)
    : QWidget(pai)
{
    setObjectName(nome);
    Acessibilidade::DefinirPapel(this, QAccessible::Slider);
    setAccessibleName(nomeAcessivel);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::SizeHorCursor);
    setAttribute(Qt::WA_TranslucentBackground);
    setToolTip(nomeAcessivel + QStringLiteral(" (arraste ou use as setas)"));
}

void PuxadorDeslizador::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);

    // Shadow, body and the three grip lines.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 30, 70, 70));
    p.drawRoundedRect(r.translated(0, 1), 3.5, 3.5);
    QLinearGradient g(r.topLeft(), r.topRight());
    const bool realce = sobre || arrastando;
    g.setColorAt(0, realce ? QColor(255, 250, 225) : QColor(255, 255, 255));
    g.setColorAt(1, realce ? QColor(255, 226, 120) : QColor(200, 218, 240));
    p.setPen(QPen(hasFocus() ? Estilo::Amarelo() : Estilo::AzulEscuro(), hasFocus() ? 1.6 : 1));
    p.setBrush(g);
    p.drawRoundedRect(r, 3.5, 3.5);
    p.setPen(QPen(QColor(0, 58, 128, 150), 1));
    const qreal meio = r.center().y();
    for (int i = -1; i <= 1; ++i) {
        const qreal y = std::floor(meio + i * 3.0) + 0.5;
        p.drawLine(QPointF(r.left() + 2.5, y), QPointF(r.right() - 2.5, y));
    }
}

void PuxadorDeslizador::mousePressEvent(QMouseEvent* e)
{
    setFocus(Qt::MouseFocusReason);
    arrastando = e->button() == Qt::LeftButton;
    update();
    emit mousePressionado(e->buttons(), int(e->position().x() * Twips::PorPixel));
}

void PuxadorDeslizador::mouseMoveEvent(QMouseEvent* e)
{
    emit mouseMovido(e->buttons(), int(e->position().x() * Twips::PorPixel));
}

void PuxadorDeslizador::mouseReleaseEvent(QMouseEvent*)
{
    arrastando = false;
    update();
}

void PuxadorDeslizador::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        emit passo(-1);
        return;
    case Qt::Key_Right:
    case Qt::Key_Up:
        emit passo(+1);
        return;
    case Qt::Key_Home:
        emit passo(-2);
        return;
    case Qt::Key_End:
        emit passo(+2);
        return;
    default:
        QWidget::keyPressEvent(e);
    }
}

void PuxadorDeslizador::enterEvent(QEnterEvent* e)
{
    sobre = true;
    update();
    QWidget::enterEvent(e);
}

void PuxadorDeslizador::leaveEvent(QEvent* e)
{
    sobre = false;
    update();
    QWidget::leaveEvent(e);
}

// ---- green bar -----------------------------------------------------------------

BarraVerde::BarraVerde(QWidget* pai, const QString& nome)
    : QWidget(pai)
{
    setObjectName(nome);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
}

void BarraVerde::paintEvent(QPaintEvent*)
{
    if (width() <= 0)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(rect());
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(120, 230, 110));
    g.setColorAt(1, QColor(32, 160, 60));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(r, r.height() / 2, r.height() / 2);
}

// ---- the window ----------------------------------------------------------------

FrmPerfil::FrmPerfil(QWidget* pai)
    : JanelaDesenhada(PaiOuPrincipal(pai), QStringLiteral("FrmPerfil"),
                      QStringLiteral("Teclomatic - Perfil do Usuario"),
                      QSize(Twips::Px(LarguraTw), Twips::Px(AlturaTw)))
{
    const QColor branco(Qt::white);
    const QColor suave(214, 230, 250);

    CmdMove = new Imagem(this, QStringLiteral("CmdMove"));
    Twips::SetGeometry(CmdMove, 105, 135, 6405, 390);
    CmdMove->setAccessibleName(QStringLiteral("Barra de título"));
    tornarAreaArraste(CmdMove);

    TxtNome = NovoCampo(this, QStringLiteral("TxtNome"), QStringLiteral("Nome do usuário"), false);
    Twips::SetGeometry(TxtNome, 195, 1095, 6210, AlturaCampo);
    TxtNome->setFont(Estilo::Fonte(10));

    // Speed slider.
    Label3 = NovoRotulo(this, QStringLiteral("Label3"), QStringLiteral("Velocidade mínima para passar em cada lição:"),
                        Estilo::Fonte(9.5, true), branco);
    Twips::SetGeometry(Label3, 195, TopoLabel3, 5550, AlturaRotulo + 30);
    ImgVerde1 = new BarraVerde(this, QStringLiteral("ImgVerde1"));
    Acessibilidade::Decorativo(ImgVerde1);
    PicBar = new PuxadorDeslizador(this, QStringLiteral("PicBar"), QStringLiteral("Velocidade mínima"));
    Twips::SetGeometry(PicBar, PosicaoMinimaDeslizador, TopoPuxador1, LarguraPuxador, AlturaPuxador);
    Twips::SetGeometry(ImgVerde1, EsquerdaBarra, TopoBarra1, LarguraBarra(PosicaoMinimaDeslizador), AlturaBarra);
    LblToques = NovoRotulo(this, QStringLiteral("LblToques"), QStringLiteral("100 toques por minuto"),
                           Estilo::Fonte(9, true), Estilo::Amarelo());
    Twips::SetGeometry(LblToques, EsquerdaBarra, TopoValor1, 3000, AlturaRotulo);
    Label1 = NovoRotulo(this, QStringLiteral("Label1"), QStringLiteral("(Recomendado 100 TPM)"), Estilo::Fonte(8.5),
                        suave);
    Twips::SetGeometry(Label1, 3390, TopoValor1, 2325, AlturaRotulo);
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    CmdVR = new BotaoRecomendado(this, QStringLiteral("CmdVR"), QStringLiteral("Velocidade recomendada"),
                                 QStringLiteral("Voltar à velocidade recomendada (100 TPM)"));
    Twips::SetGeometry(CmdVR, 5850, 2070, 435, 450);

    // Precision slider.
    Label4 = NovoRotulo(this, QStringLiteral("Label4"), QStringLiteral("Precisão mínima para passar em cada lição:"),
                        Estilo::Fonte(9.5, true), branco);
    Twips::SetGeometry(Label4, 195, TopoLabel4, 5550, AlturaRotulo + 30);
    ImgVerde2 = new BarraVerde(this, QStringLiteral("ImgVerde2"));
    Acessibilidade::Decorativo(ImgVerde2);
    PicBar2 = new PuxadorDeslizador(this, QStringLiteral("PicBar2"), QStringLiteral("Precisão mínima"));
    Twips::SetGeometry(PicBar2, PosicaoMinimaDeslizador, TopoPuxador2, LarguraPuxador, AlturaPuxador);
    Twips::SetGeometry(ImgVerde2, EsquerdaBarra, TopoBarra2, LarguraBarra(PosicaoMinimaDeslizador), AlturaBarra);
    LblPre = NovoRotulo(this, QStringLiteral("LblPre"), QStringLiteral("95% de acerto"), Estilo::Fonte(9, true),
                        Estilo::Amarelo());
    Twips::SetGeometry(LblPre, EsquerdaBarra, TopoValor2, 3000, AlturaRotulo);
    Label2 = NovoRotulo(this, QStringLiteral("Label2"), QStringLiteral("(Recomendado 95%)"), Estilo::Fonte(8.5), suave);
    Twips::SetGeometry(Label2, 3390, TopoValor2, 2325, AlturaRotulo);
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    CmdVP = new BotaoRecomendado(this, QStringLiteral("CmdVP"), QStringLiteral("Precisão recomendada"),
                                 QStringLiteral("Voltar à precisão recomendada (95%)"));
    Twips::SetGeometry(CmdVP, 5850, 3195, 435, 450);

    // Password, free course, buttons.
    TxtSenha = NovoCampo(this, QStringLiteral("TxtSenha"), QStringLiteral("Senha"), true);
    Twips::SetGeometry(TxtSenha, ColunaSenha, TopoSenha, 6405 - ColunaSenha, AlturaCampo);
    TxtSenhaConfirma = NovoCampo(this, QStringLiteral("TxtSenhaConfirma"), QStringLiteral("Confirme a senha"), true);
    Twips::SetGeometry(TxtSenhaConfirma, ColunaSenha, TopoConfirma, 6405 - ColunaSenha, AlturaCampo);

    ChMod = new CaixaCursoLivre(QStringLiteral("Curso Livre"), this);
    ChMod->setObjectName(QStringLiteral("ChMod"));
    ChMod->setAccessibleName(QStringLiteral("Curso Livre"));
    ChMod->setFont(Estilo::Fonte(9, true));
    Twips::SetGeometry(ChMod, 195, TopoCurso, 1845, 390);

    Label5 = NovoRotulo(this, QStringLiteral("Label5"),
                        QStringLiteral("Obs: No curso livre o aluno poderá navegar em todas as lições sem precisar "
                                       "passar de fase."),
                        Estilo::Fonte(8.5), suave);
    Label5->setWordWrap(true);
    Twips::SetGeometry(Label5, 2250, TopoCurso - 75, 4155, 540);

    CmdOk = new BotaoJanelaUsuario(this, QStringLiteral("CmdOk"), QStringLiteral("OK"),
                               QStringLiteral("OK, salvar o perfil"));
    Twips::SetGeometry(CmdOk, 6405 - 2 * 1440 - 120, TopoBotoes, 1440, 480);
    CmdCancelar = new BotaoJanelaUsuario(this, QStringLiteral("CmdCancelar"), QStringLiteral("Cancelar"),
                                     QStringLiteral("Cancelar"), false);
    Twips::SetGeometry(CmdCancelar, 6405 - 1440, TopoBotoes, 1440, 480);

    // The bars lie under the knobs.
    ImgVerde1->stackUnder(PicBar);
    ImgVerde2->stackUnder(PicBar2);

    connect(CmdOk, &Imagem::clicado, this, &FrmPerfil::CmdOk_Click);
    connect(CmdCancelar, &Imagem::clicado, this, &FrmPerfil::CmdCancelar_Click);
    connect(CmdVR, &Imagem::clicado, this, &FrmPerfil::CmdVR_Click);
    connect(CmdVP, &Imagem::clicado, this, &FrmPerfil::CmdVP_Click);
    connect(PicBar, &PuxadorDeslizador::mousePressionado, this, &FrmPerfil::PicBar_MouseDown);
    connect(PicBar, &PuxadorDeslizador::mouseMovido, this, &FrmPerfil::PicBar_MouseMove);
    connect(PicBar2, &PuxadorDeslizador::mousePressionado, this, &FrmPerfil::PicBar2_MouseDown);
    connect(PicBar2, &PuxadorDeslizador::mouseMovido, this, &FrmPerfil::PicBar2_MouseMove);
    connect(PicBar, &PuxadorDeslizador::passo, this, [this](int d) { andar(Criterio::Velocidade, d); });
    connect(PicBar2, &PuxadorDeslizador::passo, this, [this](int d) { andar(Criterio::Precisao, d); });

    setTabOrder(TxtNome, PicBar);
    setTabOrder(PicBar, CmdVR);
    setTabOrder(CmdVR, PicBar2);
    setTabOrder(PicBar2, CmdVP);
    setTabOrder(CmdVP, TxtSenha);
    setTabOrder(TxtSenha, TxtSenhaConfirma);
    setTabOrder(TxtSenhaConfirma, ChMod);
    setTabOrder(ChMod, CmdOk);
    setTabOrder(CmdOk, CmdCancelar);

    Form_Load();
    TxtNome->setFocus();
}

void FrmPerfil::Form_Load()
{
    VelocidadeMinima = 0;
    PrecisaoMinima = 0;
    QPalette fundo = ChMod->palette();
    fundo.setColor(QPalette::Window, Estilo::AzulClaro()); // RGB(0, 118, 212)
    ChMod->setPalette(fundo);

    // The selected learner's stored name, never the part of it typed into
    // the user screen's search box: OK would rename him to that.
    const CadastroUsuarios* u = CadastroUsuarios::Instancia();
    TxtNome->setText(u ? u->Nome(u->Selecionado()) : QString());
    TxtNome->setCursorPosition(TxtNome->text().size());

    // A criterion that is not a number (a damaged record) starts from the
    // recommended value.
    const QString velo = u ? u->Carregado().velocidadeMinima : QString();
    const QString pre = u ? u->Carregado().precisaoMinima : QString();
    VelocidadeSalva = NumeroOuRecomendado(velo, VelocidadeRecomendada);
    PrecisaoSalva = NumeroOuRecomendado(pre, PrecisaoRecomendada);

    ChMod->setChecked(u && u->Livre());

    PosicionarPrecisao(PrecisaoSalva);
    PosicionarVelocidade(VelocidadeSalva);

    TxtSenha->setText(Estado().SenhaUsuario);
    TxtSenhaConfirma->setText(Estado().SenhaUsuario);
}

void FrmPerfil::colocar(Criterio c, int posicao)
{
    const bool velocidade = c == Criterio::Velocidade;
    QWidget* puxador = velocidade ? static_cast<QWidget*>(PicBar) : PicBar2;
    QWidget* barra = velocidade ? static_cast<QWidget*>(ImgVerde1) : ImgVerde2;
    Twips::SetLeft(puxador, posicao);
    Twips::SetSize(barra, LarguraBarra(posicao), AlturaBarra);
    if (velocidade) {
        VelocidadeMinima = qint16(VelocidadeDaPosicao(posicao));
        LblToques->setText(LegendaVelocidade(VelocidadeMinima));
        PicBar->setAccessibleDescription(LblToques->text());
    } else {
        PrecisaoMinima = qint16(PrecisaoDaPosicao(posicao));
        LblPre->setText(LegendaPrecisao(PrecisaoMinima));
        PicBar2->setAccessibleDescription(LblPre->text());
    }
}

void FrmPerfil::PosicionarVelocidade(int v)
{
    colocar(Criterio::Velocidade, PosicaoDaVelocidade(v));
}

void FrmPerfil::PosicionarPrecisao(int v)
{
    colocar(Criterio::Precisao, PosicaoDaPrecisao(v));
}

void FrmPerfil::PicBar_MouseDown(Qt::MouseButtons, int x)
{
    InicioArraste = qint16(x);
}

void FrmPerfil::PicBar2_MouseDown(Qt::MouseButtons, int x)
{
    InicioArraste = qint16(x);
}

void FrmPerfil::PicBar_MouseMove(Qt::MouseButtons botoes, int x)
{
    arrastar(Criterio::Velocidade, botoes, x);
}

void FrmPerfil::PicBar2_MouseMove(Qt::MouseButtons botoes, int x)
{
    arrastar(Criterio::Precisao, botoes, x);
}

void FrmPerfil::arrastar(Criterio c, Qt::MouseButtons botoes, int x)
{
    if (!(botoes & Qt::LeftButton))
        return;
    QWidget* puxador = c == Criterio::Velocidade ? static_cast<QWidget*>(PicBar) : PicBar2;
    const int n = Twips::Left(puxador) + (x - InicioArraste);
    // At or past an end the knob stops there; the bar, the value and its
    // label keep what the last position inside the track gave them.
    if (n <= PosicaoMinimaDeslizador)
        Twips::SetLeft(puxador, PosicaoMinimaDeslizador);
    else if (n >= PosicaoMaximaDeslizador)
        Twips::SetLeft(puxador, PosicaoMaximaDeslizador);
    else
        colocar(c, n);
}

void FrmPerfil::andar(Criterio c, int direcao)
{
    const bool velocidade = c == Criterio::Velocidade;
    if (direcao == -2 || direcao == 2) {
        colocar(c, direcao < 0 ? PosicaoMinimaDeslizador : PosicaoMaximaDeslizador);
        return;
    }
    auto valor = velocidade ? VelocidadeDaPosicao : PrecisaoDaPosicao;
    auto posicao = velocidade ? PosicaoDaVelocidade : PosicaoDaPrecisao;
    const int atual = velocidade ? VelocidadeMinima : PrecisaoMinima;
    // The next value the track shows above or below the current one, at the
    // first position that shows it.
    int alvo = -1;
    if (direcao > 0) {
        for (int p = PosicaoMinimaDeslizador; p <= PosicaoMaximaDeslizador && alvo < 0; ++p) {
            if (valor(p) > atual)
                alvo = p;
        }
    } else {
        for (int p = PosicaoMaximaDeslizador; p >= PosicaoMinimaDeslizador && alvo < 0; --p) {
            if (valor(p) < atual)
                alvo = posicao(valor(p));
        }
    }
    if (alvo >= 0)
        colocar(c, alvo);
}

void FrmPerfil::CmdVR_Click()
{
    Twips::SetLeft(PicBar, PosicaoVelocidadeRecomendada);
    Twips::SetSize(ImgVerde1, LarguraBarra(PosicaoVelocidadeRecomendada), AlturaBarra);
    LblToques->setText(LegendaVelocidade(VelocidadeRecomendada));
    PicBar->setAccessibleDescription(LblToques->text());
    VelocidadeMinima = VelocidadeRecomendada;
}

void FrmPerfil::CmdVP_Click()
{
    Twips::SetLeft(PicBar2, PosicaoPrecisaoRecomendada);
    Twips::SetSize(ImgVerde2, LarguraBarra(PosicaoPrecisaoRecomendada), AlturaBarra);
    LblPre->setText(LegendaPrecisao(PrecisaoRecomendada));
    PicBar2->setAccessibleDescription(LblPre->text());
    PrecisaoMinima = PrecisaoRecomendada;
}

void FrmPerfil::CmdOk_Click()
{
    if (TxtNome->text().trimmed().isEmpty()) {
        avisar(QStringLiteral("O campo nome não foi preenchido corretamente"), IconeMensagem::Nenhum);
        TxtNome->setFocus();
        return;
    }

    // "<" separates the fields of the record; see FrmAdd.
    const QString proibido = FrmAdd::CaractereProibido({TxtNome->text(), TxtSenha->text(), TxtSenhaConfirma->text()});
    if (!proibido.isEmpty()) {
        avisar(FrmAdd::MensagemCaractereProibido(proibido), IconeMensagem::Exclamacao);
        return;
    }

    if (!FrmAdd::SenhasConferem(this, TxtSenha, TxtSenhaConfirma))
        return;

    // A name that another user already bears (in any letter case) would make
    // two accounts that the list and the log-in cannot tell apart.
    if (const CadastroUsuarios* u = CadastroUsuarios::Instancia()) {
        if (const int outro = u->OutroComNome(TxtNome->text(), u->Selecionado()); outro >= 0) {
            avisar(FrmAdd::MensagemNomeExistente(u->Nome(outro)), IconeMensagem::Exclamacao);
            TxtNome->setFocus();
            return;
        }
    }

    const QString senhaAntes = Estado().SenhaUsuario;
    Estado().SenhaUsuario = TxtSenha->text().trimmed();
    if (!SalvarCFG()) {
        // Nothing changed: the window stays open so the learner knows.
        Estado().SenhaUsuario = senhaAntes;
        if (const CadastroUsuarios* u = CadastroUsuarios::Instancia())
            avisar(u->FalhaAoSalvar(QStringLiteral("o perfil")), IconeMensagem::Critico);
        return;
    }
    accept();
}

void FrmPerfil::CmdCancelar_Click()
{
    reject();
}

bool FrmPerfil::SalvarCFG()
{
    // Position, counters and frontier stay as stored; the name is kept as
    // typed.
    CadastroUsuarios* u = CadastroUsuarios::Instancia();
    return u
        && u->AlterarPerfil(TxtNome->text(), QString::number(VelocidadeMinima), QString::number(PrecisaoMinima),
                            ChMod->isChecked(), Estado().SenhaUsuario);
}

void FrmPerfil::keyPressEvent(QKeyEvent* e)
{
    // Enter saves from anywhere; a focused button has already taken it.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        CmdOk_Click();
        return;
    }
    JanelaDesenhada::keyPressEvent(e);
}

void FrmPerfil::desenharFundo(QPainter& p)
{
    const QRect cliente = Estilo::DesenharJanela(p, rect(), titulo);

    p.save();
    p.setPen(Qt::white);
    p.setFont(Estilo::Fonte(9.5, true));
    p.drawText(QRect(Twips::Px(195), Twips::Px(TopoRotuloNome), Twips::Px(6210), Twips::Px(AlturaRotulo + 60)),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Nome do usuário:"));

    // The two tracks: a sunken groove from the start of the bar to the far
    // end of the knob's run, with a small mark at the recommended value.
    auto trilho = [&](int topoBarra, int recomendado) {
        const qreal y = Twips::Px(topoBarra) + Twips::Px(AlturaBarra) / 2.0;
        const QRectF sulco(Twips::Px(EsquerdaBarra) - 1, y - 3.5,
                           Twips::Px(PosicaoMaximaDeslizador + LarguraPuxador) - Twips::Px(EsquerdaBarra) + 2, 7);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Estilo::AzulEscuro(), 1));
        p.setBrush(QColor(0, 40, 96, 150));
        p.drawRoundedRect(sulco, 3.5, 3.5);
        const qreal xm = Twips::Px(recomendado + LarguraPuxador / 2);
        p.setPen(QPen(QColor(255, 255, 255, 150), 1));
        p.drawLine(QPointF(xm + 0.5, sulco.bottom() + 4), QPointF(xm + 0.5, sulco.bottom() + 7));
    };
    trilho(TopoBarra1, PosicaoVelocidadeRecomendada);
    trilho(TopoBarra2, PosicaoPrecisaoRecomendada);

    // Password captions and the rules between the sections.
    p.setPen(Qt::white);
    p.setFont(Estilo::Fonte(9.5, true));
    const QRect colRotulo(Twips::Px(195), 0, Twips::Px(ColunaSenha - 195) - 8, Twips::Px(AlturaCampo));
    p.drawText(colRotulo.translated(0, Twips::Px(TopoSenha)), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Senha:"));
    p.drawText(colRotulo.translated(0, Twips::Px(TopoConfirma)), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Confirme a senha:"));
    p.setPen(QPen(QColor(255, 255, 255, 70), 1));
    auto regua = [&](int topo) {
        const qreal y = Twips::Px(topo) + 0.5;
        p.drawLine(QPointF(cliente.left() + 10, y), QPointF(cliente.right() - 10, y));
    };
    regua(1500);
    regua(TopoDivisoria);
    p.restore();
}
