#include "ui/FrmOpcao.h"

#include "app/EstadoCurso.h"
#include "app/Servicos.h"
#include "keyboard/gui/ArteTeclado.h"
#include "options/Configuracoes.h"
#include "ui/Acessibilidade.h"
#include "ui/Estilo.h"
#include "ui/FrmMain.h"
#include "ui/Imagem.h"
#include "ui/JanelaResultado.h"
#include "ui/Twips.h"
#include "ui/art/ArteJanelas.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QScreen>

namespace {

// Window width 6315 twips; the two buttons' left edges in twips: OK first,
// as in every other window of the program.
constexpr int LarguraTwips = 6315;
constexpr int OkLeftTwips = 2300;
constexpr int CancelarLeftTwips = 4250;

constexpr int Altura = 486;
constexpr int Margem = 20;
constexpr int AlturaTitulo = 32;
constexpr int LarguraPrevia = 177;
constexpr int AlturaPrevia = 159;
constexpr int TopoSecao2 = 262;
constexpr int TopoBotoes = 442;
const QSize TamanhoBotao(118, 30);

const QRect AreaTeclado(Margem, 98, ArteTeclado::LarguraMini, ArteTeclado::AlturaMini);
const QRect ColunaDireita(226, TopoSecao2, 175, AlturaPrevia);

QString FolhaCombos()
{
    return QStringLiteral(
        "QComboBox { background: white; color: rgb(0,97,187); border: 1px solid rgb(0,58,128);"
        " border-radius: 4px; padding: 2px 30px 2px 8px; }"
        "QComboBox::drop-down { border: none; width: 24px; background: transparent; }"
        "QComboBox:focus { border: 2px solid rgb(255,214,10); padding: 1px 29px 1px 7px; }"
        "QComboBox QAbstractItemView { background: white; color: rgb(0,97,187);"
        " border: 1px solid rgb(0,58,128); selection-background-color: rgb(0,118,212);"
        " selection-color: white; outline: none; }");
}

// A list box in the program's look: white, blue text, a drawn arrow.
class Combo : public QComboBox {
public:
    Combo(QWidget* pai, const QString& nome)
        : QComboBox(pai)
    {
        setObjectName(nome);
        setFont(Estilo::Fonte(9));
        setCursor(Qt::PointingHandCursor);
    }

    // The pop-up list is sized a few pixels short of its rows under this
    // style sheet, which makes it show a scroll arrow over the last row; it
    // is fitted to its rows, all of them when they fit on the screen.
    void showPopup() override
    {
        QComboBox::showPopup();
        QWidget* recipiente = view()->parentWidget();
        if (!recipiente || !recipiente->layout() || count() > maxVisibleItems())
            return;
        int linhas = 0;
        for (int i = 0; i < count(); ++i)
            linhas += view()->visualRect(model()->index(i, modelColumn(), rootModelIndex())).height();
        const QRect area = screen() ? screen()->availableGeometry() : QRect();
        // Growing the list hides the scroll arrows, which gives their room
        // back to the list: a few rounds settle the height.
        for (int volta = 0; volta < 4; ++volta) {
            recipiente->layout()->activate();
            const int falta = linhas - view()->viewport()->height();
            if (falta == 0)
                break;
            QRect g = recipiente->geometry();
            g.setHeight(g.height() + falta);
            if (area.isValid() && g.height() > area.height())
                break;
            if (area.isValid() && g.bottom() > area.bottom())
                g.moveBottom(area.bottom());
            recipiente->setGeometry(g);
        }
    }

protected:
    void paintEvent(QPaintEvent* e) override
    {
        QComboBox::paintEvent(e);
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QPointF c(width() - 13, height() / 2.0 + 1);
        QPainterPath seta;
        seta.moveTo(c + QPointF(-4.5, -2.5));
        seta.lineTo(c + QPointF(0, 2));
        seta.lineTo(c + QPointF(4.5, -2.5));
        p.setPen(QPen(Estilo::AzulTexto(), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(seta);
        p.setPen(QPen(QColor(0, 58, 128, 50), 1));
        p.drawLine(QPointF(width() - 26.5, 5), QPointF(width() - 26.5, height() - 5));
    }
};

QLabel* NovoRotulo(QWidget* pai, const QString& nome, const QString& texto, const QRect& r,
                   const QFont& fonte, const QString& cor)
{
    auto* l = new QLabel(texto, pai);
    l->setObjectName(nome);
    l->setGeometry(r);
    l->setFont(fonte);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setStyleSheet(QStringLiteral("QLabel { color: %1; background: transparent; }").arg(cor));
    return l;
}

// The practice screen of the main panel (800 x 600) in miniature, inside
// alvo: its background, the key caps of a drill, the keyboard between the
// two hands and the toolbar.
void DesenharPainelMini(QPainter& p, const QRectF& alvo)
{
    p.save();
    p.translate(alvo.topLeft());
    p.scale(alvo.width() / 800.0, alvo.height() / 600.0);
    p.setClipRect(QRectF(0, 0, 800, 600));
    ArteJanelas::DesenharFundoPratica(p, QRect(0, 0, 800, 600));
    const qreal dpr = 2;
    const QStringList capas = {QStringLiteral("TA"), QStringLiteral("TS"), QStringLiteral("TD"),
                               QStringLiteral("TF")};
    for (int i = 0; i < 5; ++i) {
        const QPixmap capa = i < 4 ? ArteTeclado::Capa(capas.at(i), 0, dpr) : ArteTeclado::CapaBranca(dpr);
        p.drawPixmap(QRectF(Twips::Px(975 + i * 2115), 80, ArteTeclado::LarguraCapa, ArteTeclado::AlturaCapa),
                     capa, QRectF(capa.rect()));
    }
    p.save();
    p.translate(145, 305);
    ArteTeclado::DesenharTeclado(p, 0);
    p.restore();
    ArteTeclado::DesenharMaos(p);
    ArteJanelas::DesenharBarra(p, QRect(0, 507, 800, 93), ArteJanelas::BotoesPratica());
    p.restore();
}

// The preview of a screen mode: a monitor showing the main window either
// small and centred on the dark screen or filling it.
void DesenharPrevia(QPainter& p, bool telaCheia)
{
    const QRectF tela(22.5, 12, 132, 99);
    const QRectF moldura = tela.adjusted(-7, -7, 7, 13);

    // Shadow, base and neck.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 20, 50, 70));
    p.drawEllipse(QRectF(44, 146, 89, 9));
    QLinearGradient metal(0, 0, 177, 0);
    metal.setColorAt(0, QColor(150, 158, 170));
    metal.setColorAt(0.5, QColor(214, 220, 228));
    metal.setColorAt(1, QColor(150, 158, 170));
    p.setBrush(metal);
    QPainterPath pescoco;
    pescoco.moveTo(79, moldura.bottom() - 1);
    pescoco.lineTo(98, moldura.bottom() - 1);
    pescoco.lineTo(102, 143);
    pescoco.lineTo(75, 143);
    pescoco.closeSubpath();
    p.drawPath(pescoco);
    p.setPen(QPen(QColor(90, 98, 110), 1));
    p.drawRoundedRect(QRectF(52.5, 141.5, 72, 7), 3.5, 3.5);

    // The monitor.
    QLinearGradient caixa(moldura.topLeft(), moldura.bottomLeft());
    caixa.setColorAt(0, QColor(62, 68, 80));
    caixa.setColorAt(1, QColor(28, 31, 38));
    p.setPen(QPen(QColor(12, 14, 18), 1));
    p.setBrush(caixa);
    p.drawRoundedRect(moldura.adjusted(0.5, 0.5, -0.5, -0.5), 7, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 230, 140));
    p.drawEllipse(QRectF(moldura.right() - 14, moldura.bottom() - 8, 3.5, 3.5));

    // The screen, showing the window's own background.
    p.save();
    p.setClipRect(tela);
    p.translate(tela.topLeft());
    ArteJanelas::DesenharFundoJanela(p, QRect(0, 0, int(tela.width()) + 1, int(tela.height()) + 1));
    p.restore();
    if (telaCheia) {
        DesenharPainelMini(p, tela);
    } else {
        const qreal w = tela.width() * 0.58;
        const qreal h = w * 0.75;
        const QRectF janela(tela.center().x() - w / 2, tela.center().y() - h / 2, w, h);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 120));
        p.drawRect(janela.translated(1.5, 2));
        DesenharPainelMini(p, janela);
    }

    // A touch of glass.
    QLinearGradient brilho(tela.topLeft(), tela.bottomRight());
    brilho.setColorAt(0, QColor(255, 255, 255, 40));
    brilho.setColorAt(0.45, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(brilho);
    p.drawRect(tela);
}

} // namespace

FrmOpcao::FrmOpcao(QWidget* pai)
    : JanelaDesenhada(pai, QStringLiteral("FrmOpcao"), QStringLiteral("Teclomatic Opções"),
                      QSize(Twips::Px(LarguraTwips), Altura))
{
    arrastarPeloFundo(true);
    setStyleSheet(styleSheet() + FolhaCombos());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Estilo::AzulFundo());
    setPalette(pal);

    const qreal dpr = Estilo::Dpr();
    const QFont fTitulo = Estilo::Fonte(9.5, true);
    const QString branco = QStringLiteral("white");
    const int larguraUtil = width() - 2 * Margem;

    // Keyboard layout.
    Label1 = NovoRotulo(this, QStringLiteral("Label1"), QStringLiteral("Selecione o Teclado:"),
                        QRect(Margem, 44, larguraUtil, 18), fTitulo, branco);
    SelTeclado = new Combo(this, QStringLiteral("SelTeclado"));
    SelTeclado->setGeometry(Margem, 64, larguraUtil, 26);
    SelTeclado->addItems({QStringLiteral("ABNT2 - teclado que possui a tecla \"Ç\""),
                          QStringLiteral("BR - teclado sem a tecla \"Ç\""),
                          QStringLiteral("Português - Portugal")});
    SelTeclado->setAccessibleName(QStringLiteral("Teclado"));
    Label1->setBuddy(SelTeclado);

    TecladoMini = new Imagem(this, QStringLiteral("TecladoMini"));
    TecladoMini->setGeometry(AreaTeclado);
    TecladoMini->setAccessibleName(QStringLiteral("Desenho do teclado escolhido"));

    // The three pictures the chosen one is copied from; never shown.
    const auto mini = [this, dpr](const QString& nome, int tipo) {
        auto* img = new Imagem(this, nome);
        img->setAutoTamanho(true);
        img->setPicture(ArteTeclado::TecladoMini(tipo, dpr));
        img->hide();
        return img;
    };
    Miniabnt2 = mini(QStringLiteral("Miniabnt2"), 0);
    Minibr = mini(QStringLiteral("Minibr"), 1);
    Miniportugal = mini(QStringLiteral("Miniportugal"), 2);

    // Screen mode: the preview on the left, the list on the right of the bar.
    Picture1 = new QWidget(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Acessibilidade::DefinirPapel(Picture1, QAccessible::Grouping);
    Picture1->setAccessibleName(QStringLiteral("Modo de exibição"));
    Picture1->setGeometry(Margem, TopoSecao2, LarguraPrevia, AlturaPrevia);
    ImgNormal = new Imagem(Picture1, QStringLiteral("ImgNormal"));
    ImgNormal->setGeometry(0, 0, LarguraPrevia, AlturaPrevia);
    ImgNormal->setPicture(PreviaTela(false, dpr));
    ImgNormal->setAccessibleName(QStringLiteral("Janela centralizada na tela"));
    ImgFull = new Imagem(Picture1, QStringLiteral("ImgFull"));
    ImgFull->setGeometry(0, 0, LarguraPrevia, AlturaPrevia);
    ImgFull->setPicture(PreviaTela(true, dpr));
    ImgFull->setAccessibleName(QStringLiteral("Janela ocupando a tela"));
    ImgFull->hide();

    Image1 = new Imagem(this, QStringLiteral("Image1"));
    Acessibilidade::Decorativo(Image1);
    Image1->setGeometry(208, TopoSecao2 + 4, 4, AlturaPrevia - 8);
    Image1->setPicture(Estilo::Renderizar(Image1->size(), [](QPainter& p) {
        QLinearGradient g(0, 0, 0, AlturaPrevia - 8);
        g.setColorAt(0, QColor(120, 190, 255, 0));
        g.setColorAt(0.15, QColor(120, 190, 255));
        g.setColorAt(0.85, QColor(120, 190, 255));
        g.setColorAt(1, QColor(120, 190, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(Estilo::AzulEscuro());
        p.drawRoundedRect(QRectF(0, 0, 4, AlturaPrevia - 8), 2, 2);
        p.setBrush(g);
        p.drawRoundedRect(QRectF(1, 0, 2, AlturaPrevia - 8), 1, 1);
    }));

    Label2 = NovoRotulo(this, QStringLiteral("Label2"), QStringLiteral("Selecione o modo de exibição:"),
                        QRect(ColunaDireita.left(), ColunaDireita.top(), ColunaDireita.width(), 36), fTitulo,
                        branco);
    SelTela = new Combo(this, QStringLiteral("SelTela"));
    SelTela->setGeometry(ColunaDireita.left(), ColunaDireita.top() + 40, ColunaDireita.width(), 26);
    SelTela->addItems({QStringLiteral("Normal"), QStringLiteral("Tela cheia")});
    SelTela->setAccessibleName(QStringLiteral("Modo de exibição"));
    Label2->setBuddy(SelTela);

    LblExplicacao = NovoRotulo(this, QStringLiteral("LblExplicacao"), QString(),
                               QRect(ColunaDireita.left(), ColunaDireita.top() + 76, ColunaDireita.width(),
                                     ColunaDireita.height() - 76),
                               Estilo::Fonte(8.5), QStringLiteral("rgb(214,232,255)"));

    // The buttons, with pictures of their own.
    CmdCancelar = new Imagem(this, QStringLiteral("CmdCancelar"));
    FaceBotao::Preparar(CmdCancelar, QRect(QPoint(0, TopoBotoes), TamanhoBotao),
                             QStringLiteral("Cancelar"), QStringLiteral("Cancelar"), true);
    CmdOk = new Imagem(this, QStringLiteral("CmdOk"));
    FaceBotao::Preparar(CmdOk, QRect(QPoint(0, TopoBotoes), TamanhoBotao), QStringLiteral("OK"),
                             QStringLiteral("OK"), true);
    Twips::SetLeft(CmdCancelar, CancelarLeftTwips);
    Twips::SetLeft(CmdOk, OkLeftTwips);

    connect(SelTeclado, &QComboBox::currentIndexChanged, this, [this] { SelTeclado_Click(); });
    connect(SelTela, &QComboBox::currentIndexChanged, this, [this] { SelTela_Click(); });
    connect(CmdOk, &Imagem::clicado, this, &FrmOpcao::CmdOk_Click);
    connect(CmdCancelar, &Imagem::clicado, this, &FrmOpcao::CmdCancelar_Click);

    setTabOrder(SelTeclado, SelTela);
    setTabOrder(SelTela, CmdOk);
    setTabOrder(CmdOk, CmdCancelar);
}

void FrmOpcao::Mostrar()
{
    QPointer<FrmOpcao> janela = new FrmOpcao(FrmMain::Instancia());
    janela->Form_Load();
    if (auto* d = Plataforma().dialogos)
        d->Modal(janela);
    delete janela.data();
}

void FrmOpcao::Form_Load()
{
    // 1. Width, button places and the background colour.
    setFixedWidth(Twips::Px(LarguraTwips));
    Twips::SetLeft(CmdOk, OkLeftTwips);
    Twips::SetLeft(CmdCancelar, CancelarLeftTwips);

    // 2.-3. The keyboard and the screen mode in use (as start-up read them,
    // or as the last OK left them), so OK without a change changes nothing.
    const auto indice = [](int valor, int itens) { return valor >= 0 && valor < itens ? valor : 0; };
    SelTeclado->setCurrentIndex(indice(Estado().TipoTeclado, SelTeclado->count()));
    SelTela->setCurrentIndex(indice(Estado().ModoTela, SelTela->count()));

    // 4.-5. Their pictures.
    SelTeclado_Click();
    SelTela_Click();
}

void FrmOpcao::SelTeclado_Click()
{
    switch (SelTeclado->currentIndex()) {
    case 0:
        TecladoMini->setPicture(Miniabnt2->picture());
        break;
    case 1:
        TecladoMini->setPicture(Minibr->picture());
        break;
    case 2:
        TecladoMini->setPicture(Miniportugal->picture());
        break;
    default:
        break;
    }
}

void FrmOpcao::SelTela_Click()
{
    switch (SelTela->currentIndex()) {
    case 0:
        ImgNormal->show();
        ImgFull->hide();
        LblExplicacao->setText(QStringLiteral("A janela do Teclomatic fica no centro da tela."));
        break;
    case 1:
        ImgFull->show();
        ImgNormal->hide();
        LblExplicacao->setText(
            QStringLiteral("A janela do Teclomatic ocupa a tela a partir do canto superior esquerdo."));
        break;
    default:
        break;
    }
}

void FrmOpcao::CmdOk_Click()
{
    const int teclado = SelTeclado->currentIndex();
    const int tela = SelTela->currentIndex();
    const bool tecladoGravado = GravarConfiguracaoNumero(ChaveTeclado, teclado);
    const bool telaGravada = GravarConfiguracaoNumero(ChaveTela, tela);
    if (FrmMain* m = FrmMain::Instancia())
        m->ConstruirTeclado(teclado);
    Estado().TipoTeclado = qint16(teclado);
    Estado().ModoTela = qint16(tela);
    // The choices apply to this run either way; the learner is told when
    // they will not be there at the next start.
    if (!tecladoGravado || !telaGravada) {
        if (auto* d = Plataforma().dialogos)
            d->Mensagem(this, QStringLiteral("Teclomatic"), MensagemFalhaConfiguracoes(), IconeMensagem::Exclamacao);
    }
    accept();
}

void FrmOpcao::CmdCancelar_Click()
{
    reject();
}

QPixmap FrmOpcao::PreviaTela(bool telaCheia, qreal dpr)
{
    return Estilo::Renderizar(QSize(LarguraPrevia, AlturaPrevia),
                              [telaCheia](QPainter& p) { DesenharPrevia(p, telaCheia); }, dpr);
}

void FrmOpcao::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        CmdOk_Click();
        return;
    case Qt::Key_Escape:
        CmdCancelar_Click();
        return;
    default:
        JanelaDesenhada::keyPressEvent(e);
    }
}

void FrmOpcao::showEvent(QShowEvent* e)
{
    JanelaDesenhada::showEvent(e);
    SelTeclado->setFocus(Qt::OtherFocusReason);
}

void FrmOpcao::desenharFundo(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF fora = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);

    // The frame on the window's blue.
    p.setPen(QPen(Estilo::AzulEscuro(), 1));
    p.setBrush(Estilo::AzulFundo());
    p.drawRoundedRect(fora, Estilo::RaioJanela, Estilo::RaioJanela);

    // Title strip: product name and the window's subject.
    const QRectF faixa(fora.left() + 1, fora.top() + 1, fora.width() - 2, AlturaTitulo - 2);
    Estilo::DesenharFaixaTitulo(p, faixa);
    p.setPen(Qt::NoPen);

    // A small gear before the title.
    const QPointF c(22, faixa.center().y());
    p.save();
    p.translate(c);
    p.setBrush(Qt::white);
    for (int i = 0; i < 8; ++i) {
        p.drawRoundedRect(QRectF(-1.8, -8, 3.6, 4), 1, 1);
        p.rotate(45);
    }
    p.drawEllipse(QPointF(0, 0), 5.6, 5.6);
    p.setBrush(QColor(18, 80, 160));
    p.drawEllipse(QPointF(0, 0), 2.3, 2.3);
    p.restore();

    p.setPen(Qt::white);
    p.setFont(Estilo::Fonte(11, true));
    QRectF usado;
    p.drawText(QRectF(38, faixa.top(), 200, faixa.height()), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("Teclomatic"), &usado);
    p.setPen(QColor(255, 255, 255, 110));
    p.drawLine(QPointF(usado.right() + 10, 10), QPointF(usado.right() + 10, 22));
    p.setPen(Estilo::Amarelo());
    p.setFont(Estilo::Fonte(10, true));
    p.drawText(QRectF(usado.right() + 20, faixa.top(), 200, faixa.height()), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("Opções"));

    // A sunken bed for the keyboard picture and for the preview.
    const auto cama = [&p](const QRectF& r) {
        p.setPen(QPen(QColor(0, 40, 100, 140), 1));
        p.setBrush(QColor(0, 58, 128, 80));
        p.drawRoundedRect(r, 7, 7);
    };
    cama(QRectF(AreaTeclado).adjusted(-4.5, -4.5, 4.5, 4.5));

    // A line between the two sections.
    p.setPen(QPen(QColor(255, 255, 255, 60), 1));
    p.drawLine(QPointF(Margem, TopoSecao2 - 10.5), QPointF(width() - Margem, TopoSecao2 - 10.5));
    p.drawLine(QPointF(Margem, TopoBotoes - 10.5), QPointF(width() - Margem, TopoBotoes - 10.5));
}
