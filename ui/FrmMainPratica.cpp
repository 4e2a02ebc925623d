// The practice screen of the main window: it draws what the practice session
// reports (the caps and the arrow, the running text, the figures, the rhythm
// bar, the red and yellow keys), forwards key presses to it and runs the
// toolbar's lesson and exercise buttons.
#include "ui/FrmMain.h"

#include "app/EstadoCurso.h"
#include "app/Servicos.h"
#include "ui/FrmBox.h"
#include "ui/FrmBoxFim.h"
#include "ui/FrmCom.h"
#include "ui/FrmFim.h"
#include "ui/FrmPausa.h"
#include "ui/Imagem.h"
#include "ui/PainelDesenhado.h"
#include "ui/Twips.h"

#include <QFontMetrics>
#include <QKeySequence>
#include <QLabel>
#include <QShortcut>
#include <QTimer>

namespace {
constexpr int SetaTopoAlto = 1020;
constexpr int SetaTopoBaixo = 1170;

// Lays out the running text: the grey full line centred in the panel, the
// blue remaining text starting exactly where its first character lies in the
// grey line, and the underlined cursor on that character.
void posicionarTexto(QWidget* painel, const std::array<QLabel*, 3>& lbl, bool centrar)
{
    const QFontMetrics fm(lbl[1]->font());
    const QString linha = lbl[1]->text();
    const QString resto = lbl[0]->text();
    const int larguraLinha = fm.horizontalAdvance(linha);
    const int altura = fm.height() + 4;
    int esquerda = lbl[1]->x();
    if (centrar)
        esquerda = painel->width() / 2 - larguraLinha / 2;
    const int topo = painel->height() / 2 - altura / 2;
    Twips::SetPos(lbl[1], esquerda * Twips::PorPixel, topo * Twips::PorPixel);
    lbl[1]->resize(larguraLinha + 2, altura);

    const int digitados = int(linha.size() - resto.size());
    const int x = esquerda + fm.horizontalAdvance(linha.left(qMax(0, digitados)));
    Twips::SetPos(lbl[0], x * Twips::PorPixel, topo * Twips::PorPixel);
    lbl[0]->resize(fm.horizontalAdvance(resto) + 2, altura);

    lbl[2]->setText(resto.left(1));
    Twips::SetPos(lbl[2], x * Twips::PorPixel, topo * Twips::PorPixel);
    lbl[2]->resize(qMax(fm.horizontalAdvance(lbl[2]->text()), 4) + 2, altura);
}
}

void FrmMain::ligarModelos()
{
    connect(&pratica, &SessaoPratica::mudou, this, &FrmMain::Mostrar);
    connect(&pratica, &SessaoPratica::licaoTerminada, this, &FrmMain::mostrarResultado);
    connect(&usuarios, &CadastroUsuarios::listaMudou, this, &FrmMain::mostrarLista);
    connect(&usuarios, &CadastroUsuarios::selecionado, this, &FrmMain::mostrarUsuario);
    connect(&usuarios, &CadastroUsuarios::aviso, this, &FrmMain::Avisar);
    connect(&pratica, &SessaoPratica::aviso, this, &FrmMain::Avisar);
    connect(&progresso, &RegistroProgresso::aviso, this, &FrmMain::Avisar);

    // The keyboard reaches everything: F1 opens help on either screen, and
    // the toolbar, which Esc brings up as the pause window during practice,
    // stays out of the focus chain (Tab is a key to type there, and on the
    // user screen the covered toolbar must not take the focus).
    auto* ajuda = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(ajuda, &QShortcut::activated, this, [this] {
        if (usuarios.Logado())
            CmdAjuda_Click();
        else
            CmdAjuda2_Click();
    });
    for (QWidget* w : PicMenu->findChildren<QWidget*>())
        w->setFocusPolicy(Qt::NoFocus);
}

void FrmMain::Avisar(const QString& texto)
{
    // At start-up the window is not on screen yet: the message waits for it.
    if (!isVisible()) {
        QTimer::singleShot(0, this, [this, texto] { Avisar(texto); });
        return;
    }
    if (auto* d = Plataforma().dialogos)
        d->Mensagem(this, QStringLiteral("Teclomatic"), texto, IconeMensagem::Exclamacao);
}

// ---------------------------------------------------------------------------
// Rendering the session

void FrmMain::Mostrar(SessaoPratica::Mudancas o)
{
    using S = SessaoPratica;
    const bool texto = pratica.TipoExercicio() == 2;
    if (o & S::LicaoAberta) {
        if (pratica.Modulo.ListCount() > 0) {
            // A lesson opened: a result window still open belongs to the
            // lesson before.
            FrmCom::FecharSeAberta();
            FrameTexto->setVisible(texto);
            if (texto)
                for (QLabel* l : LblLicao)
                    l->show();
        } else if (texto) {
            for (QLabel* l : LblLicao)
                l->hide();
        }
    }
    if (o & S::Exercicio) {
        AtualizarCaption();
        if (pratica.Modulo.ListCount() > 0) {
            if (texto)
                aplicaLetra2();
            else
                AplicaLetra(pratica.Modulo.Text());
        }
    }
    if ((o & S::Texto) && texto) {
        const QString linha = LblLicao[1]->text();
        LblLicao[0]->setText(linha.right(pratica.Licao.size()));
        // Moving the labels repaints what they leave and cover.
        posicionarTexto(FrameTexto, LblLicao, false);
    }
    if (o & S::Contadores) {
        LblAcertos->setText(pratica.PlacarAcertos);
        LblErros->setText(pratica.PlacarErros);
        LblPontos->setText(pratica.PlacarPontos);
    }
    if (o & S::Velocidade)
        Tpm->setText(pratica.PlacarTpm);
    // A running text covers the caps: they stay hidden under it.
    if (o & (S::Capas | S::LicaoAberta))
        for (int i = 0; i < 5; ++i)
            qLetra[i]->setVisible(!texto && pratica.CapasVisiveis[i]);
    if (o & S::Seta) {
        Twips::SetLeft(PicSeta, pratica.SetaLeft);
        PicSeta->setVisible(pratica.SetaVisivel);
    }
    if (o & S::Ritmo)
        Twips::SetLeft(Prog, pratica.ProgLeft);
    if (o & S::Vermelha) {
        for (Imagem* v : std::as_const(TeclaVermelha))
            if (!v->isHidden())
                v->hide();
        if (Imagem* v = TeclaVermelha.value(pratica.TeclaVermelha))
            v->show();
    }
    if (o & S::Proxima)
        AmarelarTecla();
    if ((o & S::LicaoAberta) && pratica.Modulo.ListCount() > 0)
        darFocoPicSet();
}

void FrmMain::AbrirLicao(int n)
{
    pratica.AbrirLicao(n);
}

void FrmMain::AtualizarCaption()
{
    LblCaption->setText(pratica.Caption());
}

void FrmMain::aplicaLetra2()
{
    const QString linha = pratica.LinhaMostrada();
    LblLicao[0]->setText(linha.right(pratica.Licao.size()));
    LblLicao[0]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    LblLicao[1]->setText(linha);
    posicionarTexto(FrameTexto, LblLicao, true);
    FrameTexto->update();
}

void FrmMain::PintarLabel(QLabel* lbl)
{
    lbl->setStyleSheet(QStringLiteral("color: rgb(0,97,187); background: transparent;"));
}

void FrmMain::Seta_Timer()
{
    const int topo = Twips::Top(PicSeta);
    Twips::SetTop(PicSeta, topo == SetaTopoAlto ? SetaTopoBaixo : topo - 10);
}

void FrmMain::TrmUnder_Timer()
{
    if (LblLicao[0]->isHidden()) {
        LblLicao[2]->hide();
        return;
    }
    LblLicao[2]->setVisible(LblLicao[2]->isHidden());
}

void FrmMain::mostrarResultado()
{
    if (Estado().LicaoAtual == 52)
        FrmFim::Mostrar();
    else
        FrmCom::Mostrar();
}

// ---------------------------------------------------------------------------
// Keys

void FrmMain::PicSet_KeyDown(int tecla, Qt::KeyboardModifiers)
{
    Label1->setText(QString::number(tecla));
    Form_KeyDown(tecla);
}

void FrmMain::Form_KeyDown(int tecla, Qt::KeyboardModifiers)
{
    // Esc is no typing: it pauses.
    if (tecla == 27) {
        PausarPratica();
        return;
    }
    // On the introduction Enter or the space bar starts lesson 1.
    if (Estado().LicaoAtual == 0 && (tecla == 13 || tecla == 32)) {
        CmdProx2_Click();
        return;
    }
    // Tab is judged like any key and never moves the focus off the receiver.
    if (tecla == 9)
        PicSet->setFocus(Qt::TabFocusReason);
    pratica.TeclaProx(tecla);
}

// ---------------------------------------------------------------------------
// Navigation

void FrmMain::CmdProx2_Click()
{
    switch (pratica.ProximaLicao(usuarios.Livre())) {
    case SessaoPratica::Passo::Recusado:
        FrmBox::Mostrar(SessaoPratica::MensagemLicaoNaoConcluida());
        return;
    case SessaoPratica::Passo::FimDoCurso:
        FrmBoxFim::Mostrar();
        return;
    default:
        break;
    }
    if (!PicDedos->isHidden())
        PicDedos->hide();
    BotBranco();
    darFocoPicSet();
}

void FrmMain::CmdAnt2_Click()
{
    switch (pratica.LicaoAnterior()) {
    case SessaoPratica::Passo::Introducao:
        PicDedos->show();
        PicDedos->raise();
        break;
    case SessaoPratica::Passo::Feito:
        BotBranco();
        break;
    default:
        break;
    }
    darFocoPicSet();
}

void FrmMain::CmdProxExe_Click()
{
    if (pratica.ProximoExercicio(usuarios.Livre()) == SessaoPratica::Passo::Recusado) {
        FrmBox::Mostrar(SessaoPratica::MensagemExercicioNaoConcluido());
        return;
    }
    darFocoPicSet();
}

void FrmMain::CmdAntExe_Click()
{
    pratica.ExercicioAnterior();
    darFocoPicSet();
}

void FrmMain::PausarPratica()
{
    using A = FrmPausa::Acao;
    switch (FrmPausa::Escolher(this, Estado().SomLigado)) {
    case A::Continuar: break;
    case A::ExercicioAnterior: CmdAntExe_Click(); break;
    case A::ExercicioSeguinte: CmdProxExe_Click(); break;
    case A::LicaoAnterior: CmdAnt2_Click(); break;
    case A::LicaoSeguinte: CmdProx2_Click(); break;
    case A::Som: CmdSom_Click(); break;
    case A::Progresso: CmdProgresso_Click(); break;
    case A::Ajuda: CmdAjuda_Click(); break;
    case A::Logoff: CmdLogoff_Click(); return;
    case A::Fechar: CmdFechar_Click(); return;
    }
    darFocoPicSet();
}

void FrmMain::BotBranco()
{
    for (Imagem* i : {CmdFechar, CmdAjuda, CmdSom, CmdLogoff, CmdProx2, CmdAnt2, CmdOpcao})
        i->setPicture(aBranco);
    CmdSom->setPicture(Estado().SomLigado ? aBranco : bSoml);
}
