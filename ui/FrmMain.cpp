#include "ui/FrmMain.h"

#include "app/EstadoCurso.h"
#include "app/PastaAplicacao.h"
#include "app/Servicos.h"
#include "app/Som.h"
#include "course/ModFun.h"
#include "keyboard/GradeTeclado.h"
#include "keyboard/LeituraTeclas.h"
#include "keyboard/TeclaFisica.h"
#include "keyboard/gui/ArteTeclado.h"
#include "options/Configuracoes.h"
#include "options/Display.h"
#include "ui/Acessibilidade.h"
#include "ui/CamadaImagens.h"
#include "ui/Estilo.h"
#include "ui/FrmAdd.h"
#include "ui/FrmAjuda.h"
#include "ui/FrmOpcao.h"
#include "ui/Imagem.h"
#include "ui/LinhaTexto.h"
#include "ui/PainelDesenhado.h"
#include "ui/ReceptorTeclas.h"
#include "ui/Rotulo.h"
#include "ui/Twips.h"
#include "ui/art/ArteJanelas.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <utility>

namespace {
FrmMain* instancia = nullptr;

// The practice screen's labels repaint under every key and are Rotulo,
// which keeps its glyphs; the user screen's are plain labels.
template <class Tipo = QLabel>
Tipo* rotulo(QWidget* pai, const QString& nome, const QString& texto)
{
    auto* l = new Tipo(texto, pai);
    l->setObjectName(nome);
    l->setAttribute(Qt::WA_TranslucentBackground);
    return l;
}

QLineEdit* caixa(QWidget* pai, const QString& nome, bool somenteLeitura)
{
    auto* t = new QLineEdit(pai);
    t->setObjectName(nome);
    t->setReadOnly(somenteLeitura);
    if (somenteLeitura)
        t->setFocusPolicy(Qt::NoFocus);
    return t;
}

// A check box that shows a value changed elsewhere: Space and assistive
// technologies cannot tick it.
class CaixaSoLeitura : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override {}
};

QTimer* temporizador(QObject* pai, const QString& nome, int ms, bool ligado)
{
    auto* t = new QTimer(pai);
    t->setObjectName(nome);
    t->setInterval(ms);
    if (ligado)
        t->start();
    return t;
}
}

FrmMain* FrmMain::Instancia() { return instancia; }

FrmMain::FrmMain(QWidget* pai)
    : QWidget(pai)
{
    instancia = this;
    Acessibilidade::Instalar();
    Acessibilidade::DefinirPapel(this, QAccessible::Window);
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(QStringLiteral("Teclomatic"));
    setWindowFlag(Qt::FramelessWindowHint);
    setMinimumSize(800, 600);
    resize(1024, 768);
    criarControles();
    ligarEventos();
    ligarModelos();
}

FrmMain::~FrmMain()
{
    despertarCursorTexto();
    if (instancia == this)
        instancia = nullptr;
}

// ---------------------------------------------------------------------------
// Controls

void FrmMain::criarLegendas()
{
    if (!aEntrar.isNull())
        return;
    const QSize t = ArteJanelas::TamanhoLegenda();
    auto hover = [&](const QString& texto) { return Estilo::Legenda(t, texto, Estilo::Amarelo(), true); };
    aBranco = QPixmap();
    aEntrar = hover(QStringLiteral("Entrar"));
    aNovoUsuario = hover(QStringLiteral("Novo Usuário"));
    ASoml = hover(QStringLiteral("Ligar Som"));
    bSoml = Estilo::Legenda(t, QStringLiteral("Ligar Som"), Qt::white, true);
    aProx = hover(QStringLiteral("Proxima Lição"));
    aAnt = hover(QStringLiteral("Lição Anterior"));
    aLog = hover(QStringLiteral("Fazer Logoff"));
    aSom = hover(QStringLiteral("Desligar Som"));
    aAjuda = hover(QStringLiteral("Ajuda e Suporte"));
    aFechar = hover(QStringLiteral("Fechar"));
    Aopcao = hover(QStringLiteral("Opções"));
}

void FrmMain::criarControles()
{
    // The screen-wide background is a cheap gradient: drawn where it shows
    // rather than kept as a screen-sized picture.
    auto* fundo = new PainelDesenhado(this, QStringLiteral("PicFundo"));
    fundo->setDesenho([](QPainter& p, const QRect& r) { ArteJanelas::DesenharFundoJanela(p, r); });
    fundo->setAttribute(Qt::WA_TransparentForMouseEvents);
    fundo->setSemCache(true);
    fundo->setOpaco(true);
    Acessibilidade::Decorativo(fundo);
    PicFundo = fundo;

    // The panel's own background is the practice screen's: it is drawn
    // once that screen is built (until then the user screen covers it).
    PicInter = new PainelDesenhado(this, QStringLiteral("PicInter"));
    Twips::SetGeometry(PicInter, 105, 75, 12000, 9000);
    PicInter->setOpaco(true);
    PicInter->setAccessibleName(QStringLiteral("Prática"));

    criarTelaUsuario();
    // The first frame is the user screen; what waits for it is drawn after.
    PicUsuario->installEventFilter(this);

    // Hidden holder of the state controls, and the key receiver.
    PicSet = new ReceptorTeclas(this, QStringLiteral("PicSet"));
    PicSet->setAccessibleName(QStringLiteral("Exercício"));
    PicSet->setLeitor([this] { return leituraPratica(); });
    Twips::SetGeometry(PicSet, -5000, 12330, 255, 330);
    // Focus comes to it from the program, never by Tab: on the user screen
    // it would take the focus out of sight.
    PicSet->setFocusPolicy(Qt::ClickFocus);
    PicSet->setAttribute(Qt::WA_InputMethodEnabled, false);
    PicSet->installEventFilter(this);

    Label1 = rotulo(this, QStringLiteral("Label1"), QStringLiteral("000"));
    Twips::SetPos(Label1, -5000, 12000);
    Label1->setAccessibleName(QStringLiteral("Código da última tecla"));

    TrmUnder = temporizador(this, QStringLiteral("TrmUnder"), 350, false);
    Seta = temporizador(this, QStringLiteral("Seta"), 20, false);
    RepousoTexto = temporizador(this, QStringLiteral("RepousoTexto"), RepousoMs, false);
    RepousoTexto->setSingleShot(true);
}

void FrmMain::PrepararPratica()
{
    if (PraticaPronta())
        return;
    CapaBranca = ArteTeclado::CapaBranca(Estilo::Dpr());
    PicInter->setDesenho([](QPainter& p, const QRect& r) {
        ArteJanelas::DesenharFundoPratica(p, r);
        p.drawPixmap(QPoint(145, 305), ArteTeclado::Teclado(0, p.device()->devicePixelRatioF()));
        ArteTeclado::DesenharMaos(p);
    });
    criarTelaPratica();
    criarTeclado();
    criarBarra();

    // The introduction picture is drawn when it first shows.
    PicDedos = new Imagem(PicInter, QStringLiteral("PicDedos"));
    PicDedos->setGeometry(0, 0, 800, 507);
    PicDedos->setAccessibleName(ArteJanelas::TituloIntroducao());
    PicDedos->setAccessibleDescription(ArteJanelas::TextoIntroducao() + u' ' + DedosEmPalavras());
    PicDedos->hide();

    // Controls made after the panel is on screen show when told to.
    for (QWidget* c : PicInter->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!c->testAttribute(Qt::WA_WState_ExplicitShowHide))
            c->show();
    // Built after the user screen, the practice screen goes back under it.
    PicUsuario->raise();
    ligarEventosPratica();
    for (QLabel* l : {Tpm, LblErros, LblAcertos, LblPontos})
        PintarLabel(l);
    ConstruirTeclado(tipoPedido);
    // What the session reported before: the selected learner's figures, or
    // everything when a lesson is open already.
    using S = SessaoPratica;
    Mostrar(pratica.Modulo.ListCount() > 0 ? S::Mudancas(0x3ff) : S::Mudancas(S::Contadores));
}

void FrmMain::mostrarIntroducao()
{
    PrepararPratica();
    if (!PicDedos->temPicture())
        PicDedos->setPicture(Estilo::Renderizar(QSize(800, 507), [](QPainter& p) {
            ArteJanelas::DesenharDedos(p, QRect(0, 0, 800, 507));
        }));
    Twips::SetPos(PicDedos, 0, 0);
    PicDedos->show();
    PicDedos->raise();
}

void FrmMain::criarTelaPratica()
{
    const qreal dpr = Estilo::Dpr();
    LblCaption = rotulo<Rotulo>(PicInter, QStringLiteral("LblCaption"), QStringLiteral("Teclomatic - Lição: 1"));
    Twips::SetPos(LblCaption, 105, 120);
    LblCaption->resize(780, 18);
    LblCaption->setFont(Estilo::Fonte(10, true));
    Estilo::Colorir(LblCaption, Qt::white);

    // The caps and the arrow over them are drawn by the panel itself: a key
    // that hides a cap and moves the arrow repaints the panel once.
    CamadaImagens& imagens = PicInter->imagens();
    for (int i = 0; i < 5; ++i) {
        qLetra[i] = imagens.criar(QStringLiteral("qLetra%1").arg(i), false);
        qLetra[i]->setSolida(true);
        Twips::SetGeometry(qLetra[i], 975 + i * 2115, 1200, 1470, 2445);
        qLetra[i]->setPicture(CapaBranca);
    }

    PicSeta = imagens.criar(QStringLiteral("PicSeta"), false);
    Twips::SetGeometry(PicSeta, 10035, 1170, 225, 120);
    PicSeta->setPicture(ArteJanelas::Seta(dpr));

    FrameTexto = new PainelDesenhado(PicInter, QStringLiteral("FrameTexto"));
    // Exactly over the exercise card of the background, whose border frames it.
    Twips::SetGeometry(FrameTexto, 90, 540, 11820, 3075);
    FrameTexto->setDesenho([](QPainter& p, const QRect& r) { ArteJanelas::DesenharPainelTexto(p, r); });
    FrameTexto->hide();
    FrameTexto->setAccessibleName(QStringLiteral("Quadro do texto"));
    LblLicao = new LinhaTexto(FrameTexto, QStringLiteral("LblLicao"));
    LblLicao->setAccessibleName(QStringLiteral("Texto do exercício"));

    Picture2 = new QWidget(PicInter);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Acessibilidade::DefinirPapel(Picture2, QAccessible::ProgressBar);
    Picture2->setAccessibleName(QStringLiteral("Ritmo"));
    // Inside the figures strip, clear of its border.
    Twips::SetGeometry(Picture2, 3735, 3705, 1500, 375);
    Prog = new Imagem(Picture2, QStringLiteral("Prog"));
    Twips::SetGeometry(Prog, -1695, 105, 3330, 195);
    Prog->setPicture(ArteJanelas::BarraRitmo(dpr));
    Image2 = new Imagem(Picture2, QStringLiteral("Image2"));
    Twips::SetGeometry(Image2, 0, 0, 1500, 375);
    Image2->setPicture(ArteJanelas::MolduraRitmo(dpr));
    Acessibilidade::Decorativo(Prog);
    Acessibilidade::Decorativo(Image2);

    // The figures change under every key: each paints the panel under
    // itself, so the panel is not repainted beneath it.
    auto figura = [&](const QString& nome, int left, const QString& texto, const QString& legenda) {
        Rotulo* l = rotulo<Rotulo>(PicInter, nome, texto);
        l->setLegenda(legenda);
        Twips::SetPos(l, left, 3750);
        l->resize(nome == QLatin1String("Tpm") ? 90 : 64, 20);
        l->setFont(Estilo::Fonte(11, true));
        l->setFundo([this, l](QPainter& p, const QRegion& r) { PicInter->pintarFundoSob(p, l, r); });
        return l;
    };
    Tpm = figura(QStringLiteral("Tpm"), 1470, QStringLiteral("0 CPM"), QStringLiteral("Velocidade"));
    LblAcertos = figura(QStringLiteral("LblAcertos"), 6465, QStringLiteral("0"), QStringLiteral("Acertos"));
    LblErros = figura(QStringLiteral("LblErros"), 8505, QStringLiteral("0"), QStringLiteral("Erros"));
    LblPontos = figura(QStringLiteral("LblPontos"), 10605, QStringLiteral("0"), QStringLiteral("Pontos"));

    // The running text paints the panel and the card under itself and says
    // it is opaque: a key repaints the line alone, not the two under it.
    LblLicao->setFundo([this](QPainter& p, const QRegion& r) {
        PicInter->pintarFundoSob(p, LblLicao, r);
        FrameTexto->pintarFundoSob(p, LblLicao, r);
    });
}

void FrmMain::criarTeclado()
{
    const qreal dpr = Estilo::Dpr();
    CamadaImagens& imagens = PicInter->imagens();
    ImgTeclado = imagens.criar(QStringLiteral("ImgTeclado"), false);
    Twips::SetGeometry(ImgTeclado, 2175, 4575, 7650, 2625);

    // The yellow keys lie under the red ones: a wrong press of the key that
    // is lit (without its Shift) shows red.
    for (const QString& nome : NomesAmarelas()) {
        ImagemCamada* img = imagens.criar(nome, true);
        img->setGeometry(Twips::Pixels(RetanguloAmarela(nome)));
        Amarelas.insert(nome, img);
        AmarelasPorTecla.insert(CodigoAmarela(nome), img);
    }
    for (int codigo : CodigosVermelhos()) {
        ImagemCamada* img = imagens.criar(QStringLiteral("TeclaVermelha%1").arg(codigo), true);
        img->setGeometry(Twips::Pixels(RetanguloVermelha(codigo, 0)));
        img->setPicture(ArteTeclado::TeclaVermelha(codigo, 0, dpr));
        TeclaVermelha.insert(codigo, img);
    }
    const QPixmap anel = ArteTeclado::AnelDedo(dpr);
    for (const QString& nome : {QStringLiteral("S1"), QStringLiteral("S2"), QStringLiteral("S3"), QStringLiteral("S4"),
                                QStringLiteral("S5"), QStringLiteral("D1"), QStringLiteral("D2"), QStringLiteral("D3"),
                                QStringLiteral("D4"), QStringLiteral("D5")}) {
        ImagemCamada* img = imagens.criar(nome, false);
        img->setGeometry(Twips::Pixels(RetanguloDedo(nome)));
        img->setPicture(anel);
        Dedos.insert(nome, img);
    }
}

void FrmMain::criarBarra()
{
    PicMenu = new PainelDesenhado(PicInter, QStringLiteral("PicMenu"));
    Twips::SetGeometry(PicMenu, 0, 7605, 12000, 1395);
    Acessibilidade::DefinirPapel(PicMenu, QAccessible::ToolBar);
    PicMenu->setAccessibleName(QStringLiteral("Barra da prática"));
    const QList<ArteJanelas::BotaoBarra> botoes = ArteJanelas::BotoesPratica();
    PicMenu->setDesenho([](QPainter& p, const QRect& r) {
        ArteJanelas::DesenharBarra(p, r, ArteJanelas::BotoesPratica(Estado().SomLigado));
    });

    auto par = [&](int i, Imagem*& cmd, Imagem*& bol, const QString& nomeCmd, const QString& nomeBol,
                   const QString& acessivel) {
        const ArteJanelas::BotaoBarra& b = botoes.at(i);
        cmd = new Imagem(PicMenu, nomeCmd);
        cmd->setGeometry(b.caixaLegenda);
        cmd->tornarBotao(acessivel);
        bol = new Imagem(PicMenu, nomeBol);
        bol->setGeometry(b.disco);
        bol->tornarParceiro(acessivel);
    };
    CmdAntExe = new Imagem(PicMenu, QStringLiteral("CmdAntExe"));
    CmdAntExe->setGeometry(botoes.at(0).disco);
    CmdAntExe->tornarBotao(QStringLiteral("Exercício Anterior"));
    CmdProxExe = new Imagem(PicMenu, QStringLiteral("CmdProxExe"));
    CmdProxExe->setGeometry(botoes.at(1).disco);
    CmdProxExe->tornarBotao(QStringLiteral("Próximo Exercício"));
    par(2, CmdAnt2, BolAnt, QStringLiteral("CmdAnt2"), QStringLiteral("BolAnt"), QStringLiteral("Lição Anterior"));
    par(3, CmdProx2, BolProx, QStringLiteral("CmdProx2"), QStringLiteral("BolProx"), QStringLiteral("Próxima Lição"));
    par(4, CmdLogoff, BolLog, QStringLiteral("CmdLogoff"), QStringLiteral("BolLog"), QStringLiteral("Fazer Logoff"));
    par(5, CmdSom, BolSom, QStringLiteral("CmdSom"), QStringLiteral("BolSom"), QStringLiteral("Ligar ou desligar o som"));
    par(6, CmdAjuda, BolAjuda, QStringLiteral("CmdAjuda"), QStringLiteral("BolAjuda"), QStringLiteral("Ajuda e Suporte"));
    par(7, CmdFechar, BolFechar, QStringLiteral("CmdFechar"), QStringLiteral("BolFechar"), QStringLiteral("Fechar"));
}

void FrmMain::criarTelaUsuario()
{
    const qreal dpr = Estilo::Dpr();
    PicUsuario = new PainelDesenhado(PicInter, QStringLiteral("PicUsuario"));
    Twips::SetGeometry(PicUsuario, 0, 0, 12000, 9000);
    const QList<ArteJanelas::BotaoBarra> botoes = ArteJanelas::BotoesUsuario();
    PicUsuario->setDesenho([botoes](QPainter& p, const QRect& r) {
        ArteJanelas::DesenharFundoUsuario(p, r);
        ArteJanelas::DesenharBarra(p, QRect(0, 507, 800, 93), botoes);
    });
    PicUsuario->setOpaco(true);
    PicUsuario->setAccessibleName(QStringLiteral("Usuários"));
    // The largest picture of the first frame is drawn while the controls
    // over it are built.
    PicUsuario->prepararEmParalelo(dpr);
    // The text boxes, the list and the check box live on the user screen
    // only. A style sheet restyles every widget under it, at a cost on each
    // paint, so the practice screen's labels and pictures stay out of it.
    PicUsuario->setStyleSheet(Estilo::FolhaCampos());

    TxtNome = caixa(PicUsuario, QStringLiteral("TxtNome"), false);
    TxtNome->setGeometry(46, 148, 298, 30);
    TxtNome->setFont(Estilo::Fonte(11));
    TxtNome->setAccessibleName(QStringLiteral("Nome do usuário"));
    TxtNome->setPlaceholderText(QStringLiteral("Nome do usuário"));

    ListUsuario = new QListWidget(PicUsuario);
    ListUsuario->setObjectName(QStringLiteral("ListUsuario"));
    ListUsuario->setGeometry(46, 184, 298, 262);
    ListUsuario->setFont(Estilo::Fonte(11));
    ListUsuario->setAccessibleName(QStringLiteral("Lista de usuários"));
    ListUsuario->setSelectionMode(QAbstractItemView::SingleSelection);

    CmdCadastrar = new Imagem(PicUsuario, QStringLiteral("CmdCadastrar"));
    CmdCadastrar->setGeometry(46, 454, 298, 28);
    CmdCadastrar->setPicture(ArteJanelas::BotaoTexto(QSize(298, 28), QStringLiteral("Cadastrar novo usuário"), false, dpr));
    CmdCadastrar->tornarBotao(QStringLiteral("Cadastrar novo usuário"));

    PicIcon = new Imagem(PicUsuario, QStringLiteral("PicIcon"));
    PicIcon->setGeometry(398, 112, 64, 64);
    PicIcon->setPicture(ArteJanelas::Avatar(dpr));
    Acessibilidade::Decorativo(PicIcon);

    LblUser = rotulo(PicUsuario, QStringLiteral("LblUser"), QStringLiteral("Usuário Padrão"));
    LblUser->setGeometry(476, 118, 284, 30);
    LblUser->setFont(Estilo::Fonte(16, true));
    LblUser->setStyleSheet(QStringLiteral("color: rgb(0,97,187);"));
    auto* subtitulo = rotulo(PicUsuario, QStringLiteral("LblAluno"), QStringLiteral("Aluno"));
    subtitulo->setGeometry(477, 148, 284, 20);
    subtitulo->setFont(Estilo::Fonte(9));
    subtitulo->setStyleSheet(QStringLiteral("color: rgb(80,100,130);"));

    TxtAluno = caixa(PicUsuario, QStringLiteral("TxtAluno"), true);
    TxtAluno->hide();
    TxtFase = caixa(PicUsuario, QStringLiteral("TxtFase"), true);
    TxtFase->hide();
    TxtPre = caixa(PicUsuario, QStringLiteral("TxtPre"), true);
    TxtPre->hide();
    TxtFase2 = caixa(PicUsuario, QStringLiteral("TxtFase2"), true);
    TxtLicao = caixa(PicUsuario, QStringLiteral("TxtLicao"), true);
    TxtVelo = caixa(PicUsuario, QStringLiteral("TxtVelo"), true);
    TxtPrePor = caixa(PicUsuario, QStringLiteral("TxtPrePor"), true);
    const QList<QLineEdit*> campos = {TxtFase2, TxtLicao, TxtVelo, TxtPrePor};
    for (int i = 0; i < campos.size(); ++i) {
        campos[i]->setGeometry(560, 212 + i * 44, i == 2 ? 110 : 190, 28);
        campos[i]->setFont(Estilo::Fonte(11, true));
    }
    TxtFase2->setAccessibleName(QStringLiteral("Lição atual"));
    TxtLicao->setAccessibleName(QStringLiteral("Exercício"));
    TxtVelo->setAccessibleName(QStringLiteral("Velocidade mínima"));
    TxtPrePor->setAccessibleName(QStringLiteral("Precisão mínima"));

    Livre = new CaixaSoLeitura(QStringLiteral("Curso Livre"), PicUsuario);
    Livre->setObjectName(QStringLiteral("Livre"));
    Livre->setGeometry(400, 392, 200, 24);
    Livre->setFont(Estilo::Fonte(10, true));
    Livre->setStyleSheet(QStringLiteral("QCheckBox { color: rgb(70,92,124); }"));
    // It shows the learner's choice, which the profile changes: reached by
    // Tab, so a screen reader reads it, but never changed here.
    Livre->setAttribute(Qt::WA_TransparentForMouseEvents);
    Livre->setFocusPolicy(Qt::TabFocus);

    CmdPerfil = new Imagem(PicUsuario, QStringLiteral("CmdPerfil"));
    CmdPerfil->setGeometry(398, 440, 170, 32);
    CmdPerfil->setPicture(ArteJanelas::BotaoTexto(QSize(170, 32), QStringLiteral("Editar Perfil"), false, dpr));
    CmdPerfil->tornarBotao(QStringLiteral("Editar Perfil"));
    CmdDeletar = new Imagem(PicUsuario, QStringLiteral("CmdDeletar"));
    CmdDeletar->setGeometry(582, 440, 170, 32);
    CmdDeletar->setPicture(ArteJanelas::BotaoTexto(QSize(170, 32), QStringLiteral("Deletar Usuário"), false, dpr));
    CmdDeletar->tornarBotao(QStringLiteral("Deletar Usuário"));
    CmdProgresso = new Imagem(PicUsuario, QStringLiteral("CmdProgresso"));
    CmdProgresso->setGeometry(582, 388, 170, 32);
    CmdProgresso->setPicture(ArteJanelas::BotaoTexto(QSize(170, 32), QStringLiteral("Ver Progresso"), false, dpr));
    CmdProgresso->tornarBotao(QStringLiteral("Ver Progresso"), QStringLiteral("Histórico de lições e teclas difíceis (F2)"));

    auto par = [&](int i, Imagem*& cmd, Imagem*& bol, const QString& nomeCmd, const QString& nomeBol,
                   const QString& acessivel) {
        const ArteJanelas::BotaoBarra& b = botoes.at(i);
        cmd = new Imagem(PicUsuario, nomeCmd);
        cmd->setGeometry(b.caixaLegenda.translated(0, 507));
        cmd->tornarBotao(acessivel);
        bol = new Imagem(PicUsuario, nomeBol);
        bol->setGeometry(b.disco.translated(0, 507));
        bol->tornarParceiro(acessivel);
    };
    par(0, CmdEntrar, BolEntrar2, QStringLiteral("CmdEntrar"), QStringLiteral("BolEntrar2"), QStringLiteral("Entrar"));
    par(1, CmdAdd, BolAdd2, QStringLiteral("CmdAdd"), QStringLiteral("BolAdd2"), QStringLiteral("Novo Usuário"));
    par(2, CmdOpcao, CmdOpcao2, QStringLiteral("CmdOpcao"), QStringLiteral("CmdOpcao2"), QStringLiteral("Opções"));
    par(3, CmdAjuda2, BolAjuda2, QStringLiteral("CmdAjuda2"), QStringLiteral("BolAjuda2"), QStringLiteral("Ajuda e Suporte"));
    par(4, CmdFechar2, BolFechar2, QStringLiteral("CmdFechar2"), QStringLiteral("BolFechar2"), QStringLiteral("Fechar"));

    setTabOrder(TxtNome, ListUsuario);
}

// Buttons, their partner images and their hover pictures.
struct FrmMain::LinhaBotao {
    Imagem* cmd;
    Imagem* bol;
    const QPixmap* hover;
    void (FrmMain::*clique)();
};

void FrmMain::ligarEventos()
{
    connect(TrmUnder, &QTimer::timeout, this, &FrmMain::TrmUnder_Timer);
    connect(Seta, &QTimer::timeout, this, &FrmMain::Seta_Timer);
    connect(RepousoTexto, &QTimer::timeout, this, &FrmMain::repousarCursorTexto);
    connect(PicInter, &PainelDesenhado::clicado, this, [this](QPoint pos) {
        if (PicSeta && PicInter->imagens().em(pos) == PicSeta)
            PicSeta_Click();
        else
            PicInter_Click();
    });
    connect(PicUsuario, &PainelDesenhado::mouseMovido, this, [this] { PicUsuario_MouseMove(); });
    connect(&usuarios, &CadastroUsuarios::gravacaoAdiada, this, &FrmMain::descarregarDepoisDoQuadro);
    connect(&progresso, &RegistroProgresso::gravacaoAdiada, this, &FrmMain::descarregarDepoisDoQuadro);
    // Progress saved at the end of an exercise, and the exercise's line in
    // the history, are written once the frame that shows the next one is out.
    usuarios.AdiarProgresso(true);
    progresso.AdiarGravacao(true);

    const QList<LinhaBotao> linhas = {
        {CmdEntrar, BolEntrar2, &aEntrar, &FrmMain::CmdEntrar_Click},
        {CmdAdd, BolAdd2, &aNovoUsuario, &FrmMain::CmdAdd_Click},
        {CmdAjuda2, BolAjuda2, &aAjuda, &FrmMain::CmdAjuda2_Click},
        {CmdFechar2, BolFechar2, &aFechar, &FrmMain::CmdFechar2_Click},
        {CmdOpcao, CmdOpcao2, &Aopcao, &FrmMain::CmdOpcao_Click},
    };
    ligarBotoes(linhas);

    connect(CmdCadastrar, &Imagem::clicado, this, &FrmMain::CmdAdd_Click);
    connect(CmdPerfil, &Imagem::clicado, this, &FrmMain::CmdPerfil_Click);
    connect(CmdDeletar, &Imagem::clicado, this, &FrmMain::CmdDeletar_Click);
    connect(CmdProgresso, &Imagem::clicado, this, &FrmMain::CmdProgresso_Click);

    connect(ListUsuario, &QListWidget::currentRowChanged, this, [this](int) { ListUsuario_Click(); });
    connect(ListUsuario, &QListWidget::itemDoubleClicked, this, [this] { CmdEntrar_Click(); });
    connect(TxtNome, &QLineEdit::textChanged, this, [this] { TxtNome_Change(); });
    connect(TxtNome, &QLineEdit::cursorPositionChanged, RepousoTexto, qOverload<>(&QTimer::start));
    // Enter in the name box or the list logs in; the key is consumed there so
    // it never reaches the window, which by then shows the practice screen.
    TxtNome->installEventFilter(this);
    ListUsuario->installEventFilter(this);
}

// A button and its partner picture: both click through, and the pointer
// over either lights the button's caption.
void FrmMain::ligarBotoes(const QList<LinhaBotao>& linhas)
{
    for (const LinhaBotao& l : linhas) {
        Imagem* alvo = l.cmd;
        const QPixmap* figura = l.hover;
        auto acender = [this, alvo, figura] {
            criarLegendas();
            alvo->setPicture(*figura);
        };
        connect(l.cmd, &Imagem::mouseMovido, this, acender);
        connect(l.bol, &Imagem::mouseMovido, this, acender);
        connect(l.cmd, &Imagem::clicado, this, l.clique);
        connect(l.bol, &Imagem::clicado, this, l.clique);
    }
}

void FrmMain::ligarEventosPratica()
{
    // A click anywhere on the practice screen leaves typing with PicSet.
    connect(FrameTexto, &PainelDesenhado::clicado, this, &FrmMain::FrameTexto_Click);
    connect(PicMenu, &PainelDesenhado::clicado, this, &FrmMain::PicMenu_Click);
    connect(PicMenu, &PainelDesenhado::mouseMovido, this, [this] { PicMenu_MouseMove(); });

    const QList<LinhaBotao> linhas = {
        {CmdProx2, BolProx, &aProx, &FrmMain::CmdProx2_Click},
        {CmdAnt2, BolAnt, &aAnt, &FrmMain::CmdAnt2_Click},
        {CmdLogoff, BolLog, &aLog, &FrmMain::CmdLogoff_Click},
        {CmdAjuda, BolAjuda, &aAjuda, &FrmMain::CmdAjuda_Click},
        {CmdFechar, BolFechar, &aFechar, &FrmMain::CmdFechar_Click},
    };
    ligarBotoes(linhas);
    auto somHover = [this] {
        criarLegendas();
        CmdSom->setPicture(Estado().SomLigado ? aSom : ASoml);
    };
    connect(CmdSom, &Imagem::mouseMovido, this, somHover);
    connect(BolSom, &Imagem::mouseMovido, this, somHover);
    connect(CmdSom, &Imagem::clicado, this, &FrmMain::CmdSom_Click);
    connect(BolSom, &Imagem::clicado, this, &FrmMain::CmdSom_Click);
    connect(CmdProxExe, &Imagem::clicado, this, &FrmMain::CmdProxExe_Click);
    connect(CmdAntExe, &Imagem::clicado, this, &FrmMain::CmdAntExe_Click);

    // The toolbar, which Esc brings up as the pause window during practice,
    // stays out of the focus chain (Tab is a key to type there, and on the
    // user screen the covered toolbar must not take the focus).
    for (QWidget* w : PicMenu->findChildren<QWidget*>())
        w->setFocusPolicy(Qt::NoFocus);
}

// ---------------------------------------------------------------------------
// Start-up and lifecycle

void FrmMain::ReduzirPainel(double fator)
{
    if (vistaReduzida || fator <= 0 || fator >= 1)
        return;
    // Qt draws widgets no finer than a device pixel per logical pixel: the
    // panel is drawn whole and a graphics view scales it down. The key
    // receiver stays on the window, so typing does not pass through it.
    vistaReduzida = new QGraphicsView(this);
    vistaReduzida->setObjectName(QStringLiteral("VistaReduzida"));
    vistaReduzida->setFrameShape(QFrame::NoFrame);
    vistaReduzida->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    vistaReduzida->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    vistaReduzida->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    vistaReduzida->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform
                                  | QPainter::TextAntialiasing);
    vistaReduzida->setAccessibleName(PicInter->accessibleName());
    auto* cena = new QGraphicsScene(vistaReduzida);
    PicInter->setParent(nullptr);
    PicInter->move(0, 0);
    QGraphicsProxyWidget* proxy = cena->addWidget(PicInter);
    proxy->setScale(fator);
    const QSizeF tamanho = QSizeF(PicInter->size()) * fator;
    cena->setSceneRect(QRectF(QPointF(0, 0), tamanho));
    vistaReduzida->setScene(cena);
    vistaReduzida->resize(tamanho.toSize());
    setMinimumSize(vistaReduzida->size());
    vistaReduzida->stackUnder(PicSet);
    Twips::SetPos(vistaReduzida, 105, 75);
}

QWidget* FrmMain::painelNaJanela() const
{
    return vistaReduzida ? static_cast<QWidget*>(vistaReduzida) : PicInter;
}

void FrmMain::Form_Load()
{
    // Every step runs even when an earlier one failed.
    LerResolucao();
    usuarios.Carregar();
    Estado().SomLigado = true;
    PicUsuario->raise();
    usuarios.SelecionarUsuario(0);
    Interface();
    if (!isVisible()) {
        if (QScreen* tela = screen())
            setGeometry(tela->geometry());
        showFullScreen();
    }
    FindTheardlanguage();
    Estado().ModoTela = qint16(TelaAoIniciar());
    if (Estado().ModoTela == 1)
        Twips::SetPos(painelNaJanela(), 0, 0);
    Estado().TipoTeclado = qint16(TecladoAoIniciar(Estado().TecladoSistema));
    ConstruirTeclado(Estado().TipoTeclado);
    Form_Activate();
    TxtNome->setFocus();
    TxtNome->selectAll();
    RepousoTexto->start();
}

void FrmMain::Form_Activate()
{
    PicFundo->setGeometry(rect());
    QWidget* painel = painelNaJanela();
    const double topo = PicFundo->height() / 2.0 - painel->height() / 2.0;
    const double esquerda = PicFundo->width() / 2.0 - painel->width() / 2.0;
    // On a screen smaller than the panel its top-left corner stays on screen,
    // so the caption line and the first controls are never cut off.
    Twips::SetPos(painel, int(std::max(0.0, esquerda) * Twips::PorPixel), int(std::max(0.0, topo) * Twips::PorPixel));
    if (Estado().ModoTela == 1)
        Twips::SetPos(painel, 0, 0);
}

void FrmMain::Interface()
{
    if (PraticaPronta())
        for (QLabel* l : {Tpm, LblErros, LblAcertos, LblPontos})
            PintarLabel(l);
    for (QWidget* w : std::initializer_list<QWidget*>{TxtNome, ListUsuario, TxtPrePor, TxtVelo, TxtFase, TxtFase2, TxtLicao}) {
        QPalette pal = w->palette();
        pal.setColor(QPalette::Text, Estilo::AzulTexto());
        w->setPalette(pal);
    }
}

bool FrmMain::Logado() const { return usuarios.Logado(); }

void FrmMain::Form_Unload()
{
    if (descarregado)
        return;
    descarregado = true;
    usuarios.Descarregar();
    progresso.Descarregar();
    if (usuarios.Logado()) {
        pratica.EncerrarTreino();
        usuarios.SalvarUsuario(pratica.ExercicioNaTela());
        usuarios.Sair();
    }
    RestaurarResolucao();
}

void FrmMain::TrazerParaFrente()
{
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != this) {
        modal->raise();
        modal->activateWindow();
    }
}

void FrmMain::CmdFechar_Click()
{
    TocarSom(QStringLiteral("bip"));
    close();
}

void FrmMain::CmdFechar2_Click()
{
    TocarSom(QStringLiteral("bip"));
    close();
}

void FrmMain::closeEvent(QCloseEvent* e)
{
    Form_Unload();
    e->accept();
}

void FrmMain::repousarCursorTexto()
{
    const int normal = QApplication::cursorFlashTime();
    if (piscarNormal || normal <= 0)
        return;
    piscarNormal = normal;
    QApplication::setCursorFlashTime(0);
    qApp->installEventFilter(this);
}

void FrmMain::despertarCursorTexto()
{
    if (!piscarNormal)
        return;
    qApp->removeEventFilter(this);
    QApplication::setCursorFlashTime(std::exchange(piscarNormal, 0));
}

void FrmMain::darFocoPicSet()
{
    if (usuarios.Logado())
        PicSet->setFocus(Qt::OtherFocusReason);
}

void FrmMain::FrameTexto_Click() { darFocoPicSet(); }
void FrmMain::PicInter_Click() { darFocoPicSet(); }
void FrmMain::PicMenu_Click() { darFocoPicSet(); }
void FrmMain::PicSeta_Click() { darFocoPicSet(); }
void FrmMain::PicMenu_MouseMove() { BotBranco(); }

void FrmMain::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::ActivationChange) {
        // Where the learner cannot type, the speed clock stops (until his
        // next key): another window took the keyboard.
        if (isActiveWindow())
            Form_Activate();
        else
            pratica.PausarRelogio();
    }
    QWidget::changeEvent(e);
}

void FrmMain::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    Form_Activate();
}

void FrmMain::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    Form_Activate();
}

// ---------------------------------------------------------------------------
// Keys

namespace {
OrigemTeclas origemDasTeclas()
{
    static const OrigemTeclas origem = OrigemDaPlataforma(QGuiApplication::platformName());
    return origem;
}

// Alt Gr by place (the key right of the space bar on X11 and Wayland, which
// the system layout may call Alt) or by name.
bool ehAltGr(const QKeyEvent* k)
{
    return k->key() == Qt::Key_AltGr || (origemDasTeclas() == OrigemTeclas::Xkb && k->nativeScanCode() == 108);
}
}

int FrmMain::codigoDaTecla(QKeyEvent* e) const
{
    return CodigoVirtual(e->nativeScanCode(), e->key(), e->nativeVirtualKey(), Estado().TipoTeclado,
                         origemDasTeclas());
}

bool FrmMain::eventFilter(QObject* obj, QEvent* e)
{
    // While the text cursor rests every object's input passes here.
    if (piscarNormal) {
        const QEvent::Type t = e->type();
        if (t == QEvent::KeyPress || t == QEvent::MouseButtonPress || t == QEvent::MouseMove || t == QEvent::Wheel) {
            despertarCursorTexto();
            RepousoTexto->start();
        }
    }
    if (obj == PicUsuario && e->type() == QEvent::Paint && !quadroVisto) {
        quadroVisto = true;
        PicUsuario->removeEventFilter(this);
        // Queued from inside the first frame's paint, so it runs after it.
        QTimer::singleShot(0, this, [this] {
            criarLegendas();
            emit primeiroQuadro();
        });
    }
    if (obj == PicSet && e->type() == QEvent::KeyRelease) {
        const auto* k = static_cast<QKeyEvent*>(e);
        if (ehAltGr(k))
            altGrPressionado = false;
    }
    if (obj == PicSet && e->type() == QEvent::FocusOut)
        altGrPressionado = false;
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if ((obj == PicSet || obj == TxtNome || obj == ListUsuario) && teclaDeComando(k))
            return true;
        if (obj == PicSet) {
            const int codigo = codigoDaTecla(k);
            if (ehAltGr(k))
                altGrPressionado = true;
            Qt::KeyboardModifiers m = k->modifiers();
            if (altGrPressionado)
                m |= Qt::GroupSwitchModifier;
            PicSet_KeyDown(codigo, m, k->isAutoRepeat());
            return true;
        }
        if ((obj == ListUsuario || obj == TxtNome) && (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter)) {
            CmdEntrar_Click();
            return true;
        }
        // Up and Down in the name box walk the list, so a learner can pick a
        // name without the mouse.
        if (obj == TxtNome && (k->key() == Qt::Key_Up || k->key() == Qt::Key_Down) && ListUsuario->count() > 0) {
            const int passo = k->key() == Qt::Key_Up ? -1 : 1;
            SelecionarUsuario(qBound(0, ListUsuario->currentRow() + passo, ListUsuario->count() - 1));
            TxtNome->selectAll();
            return true;
        }
    }
    return QWidget::eventFilter(obj, e);
}

// Help and the Progresso window are keys of their own, looked at before
// any other use of the key: no shortcut is needed, which a window that no
// window manager made active would never get.
bool FrmMain::teclaDeComando(const QKeyEvent* k)
{
    if (k->key() != Qt::Key_F1 && k->key() != Qt::Key_F2)
        return false;
    if (k->isAutoRepeat())
        return true;
    if (k->key() == Qt::Key_F2)
        CmdProgresso_Click();
    else if (usuarios.Logado())
        CmdAjuda_Click();
    else
        CmdAjuda2_Click();
    return true;
}

void FrmMain::keyPressEvent(QKeyEvent* e)
{
    if (teclaDeComando(e))
        return;
    if (usuarios.Logado()) {
        Form_KeyDown(codigoDaTecla(e), e->modifiers(), e->isAutoRepeat());
        return;
    }
    QWidget::keyPressEvent(e);
}

// ---------------------------------------------------------------------------
// Sound switch, help, hover

void FrmMain::CmdSom_Click()
{
    PrepararPratica();
    criarLegendas();
    TocarSom(QStringLiteral("bip"));
    Estado().SomLigado = !Estado().SomLigado;
    CmdSom->setPicture(Estado().SomLigado ? aBranco : bSoml);
    PicMenu->invalidarFundo(); // the speaker on the disc, muted or not
    BotBranco();
}

void FrmMain::CmdAjuda_Click()
{
    pratica.PausarRelogio();
    TocarSom(QStringLiteral("bip"));
    if (CmdAjuda)
        CmdAjuda->setPicture(aBranco);
    // The manual opens in the program's own window; from there a button
    // hands it to the browser.
    const QString caminho = CaminhoRecurso(QStringLiteral("Ajuda.html"));
    if (QFileInfo::exists(caminho)) {
        FrmAjuda::Mostrar(caminho);
        return;
    }
    if (auto* d = Plataforma().dialogos)
        d->Mensagem(this, QStringLiteral("Ajuda do Windows"),
                    QStringLiteral("Aquivo de ajuda ") + caminho
                        + QStringLiteral(" não encontrado.Verifique se o\r\narquivo está mesmo no disco. "
                                         "Se ele não existir, você precisara reinstalá-lo."),
                    IconeMensagem::Informacao);
}

void FrmMain::CmdAjuda2_Click()
{
    TocarSom(QStringLiteral("bip"));
    CmdAjuda2->setPicture(aBranco);
    FrmAjuda::Mostrar(CaminhoRecurso(QStringLiteral("Ajuda.html")));
}

void FrmMain::PicUsuario_MouseMove()
{
    for (Imagem* i : {CmdFechar2, CmdAjuda2, CmdAdd, CmdEntrar, CmdOpcao})
        i->setPicture(aBranco);
}

void FrmMain::CmdOpcao_Click()
{
    TocarSom(QStringLiteral("bip"));
    CmdOpcao->setPicture(aBranco);
    FrmOpcao::Mostrar();
}
