// The practice screen of the main window: it draws what the practice session
// reports (the caps and the arrow, the running text, the figures, the rhythm
// bar, the red and yellow keys), forwards key presses to it and runs the
// toolbar's lesson and exercise buttons.
#include "ui/FrmMain.h"

#include "app/EstadoCurso.h"
#include "app/Servicos.h"
#include "course/TextoExercicio.h"
#include "keyboard/LeituraTeclas.h"
#include "ui/Acessibilidade.h"
#include "ui/CamadaImagens.h"
#include "ui/Estilo.h"
#include "ui/FrmBox.h"
#include "ui/FrmBoxFim.h"
#include "ui/FrmCom.h"
#include "ui/FrmFim.h"
#include "ui/FrmPausa.h"
#include "ui/Imagem.h"
#include "ui/LinhaTexto.h"
#include "ui/PainelDesenhado.h"
#include "ui/Twips.h"
#include "ui/art/ArteJanelas.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTimer>

namespace {
constexpr int SetaTopoAlto = 1020;
constexpr int SetaTopoBaixo = 1170;
}

void FrmMain::ligarModelos()
{
    connect(&pratica, &SessaoPratica::mudou, this, &FrmMain::Mostrar);
    connect(&pratica, &SessaoPratica::licaoTerminada, this, &FrmMain::mostrarResultado);
    connect(&pratica, &SessaoPratica::treinoTerminado, this, &FrmMain::mostrarResultadoTreino);
    connect(&usuarios, &CadastroUsuarios::listaMudou, this, &FrmMain::mostrarLista);
    connect(&usuarios, &CadastroUsuarios::selecionado, this, &FrmMain::mostrarUsuario);
    connect(&usuarios, &CadastroUsuarios::aviso, this, &FrmMain::Avisar);
    connect(&pratica, &SessaoPratica::aviso, this, &FrmMain::Avisar);
    connect(&progresso, &RegistroProgresso::aviso, this, &FrmMain::Avisar);
    // What a screen reader is told besides the next key: a wrong key, the
    // end of an exercise.
    connect(&pratica, &SessaoPratica::teclaJulgada, this, [this](QChar, const QString& digitado, bool acerto) {
        if (acerto || !Acessibilidade::Ouvindo())
            return;
        const Toque t = digitado.isEmpty() ? Toque() : ToqueDoNome(digitado.at(0), Estado().TipoTeclado);
        aAnunciar.erro = t.valido() ? QStringLiteral("Tecla errada: ") + NomeFalado(t, Estado().TipoTeclado) + u'.'
                                    : QStringLiteral("Tecla errada.");
        anotarAnuncio(SessaoPratica::Proxima);
    });
    connect(&pratica, &SessaoPratica::exercicioTerminado, this, [this] {
        if (Acessibilidade::Ouvindo())
            aAnunciar.exercicioFeito = true;
    });
}

void FrmMain::descarregarDepoisDoQuadro()
{
    if (gravacaoAgendada)
        return;
    gravacaoAgendada = true;
    QCoreApplication::postEvent(this, new QEvent(EventoDepoisDoQuadro()), Qt::LowEventPriority - 1);
}

bool FrmMain::event(QEvent* e)
{
    // Posted below the repaint's priority, so it runs once the frame is out.
    if (e->type() == EventoDepoisDoQuadro()) {
        gravacaoAgendada = false;
        usuarios.Descarregar();
        progresso.Descarregar();
        return true;
    }
    // A window over the practice (a message, the pause, the Progresso
    // window...) stops the speed clock; the next key starts it again.
    if (e->type() == QEvent::WindowBlocked)
        pratica.PausarRelogio();
    return QWidget::event(e);
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
    // Until the practice screen is built there is nothing to draw on: it
    // shows the session as it stands when it is built.
    if (!PraticaPronta()) {
        if (pratica.Modulo.ListCount() > 0)
            PrepararPratica();
        return;
    }
    const bool texto = pratica.TipoExercicio() == 2;
    if (o & S::LicaoAberta) {
        if (pratica.Modulo.ListCount() > 0) {
            // A lesson opened: a result window still open belongs to the
            // lesson before.
            FrmCom::FecharSeAberta();
            FrameTexto->setVisible(texto);
            if (texto)
                LblLicao->show();
        } else if (texto) {
            LblLicao->hide();
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
    if ((o & S::Texto) && texto)
        LblLicao->setDigitados(int(LblLicao->linha().size() - pratica.Licao.size()));
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
    // The arrow points at the caps; the running text's panel lies over it,
    // so under a running text it stays hidden rather than moving (and being
    // repainted) out of sight.
    if (o & (S::Seta | S::LicaoAberta)) {
        Twips::SetLeft(PicSeta, pratica.SetaLeft);
        PicSeta->setVisible(pratica.SetaVisivel && !texto);
    }
    if (o & S::Ritmo)
        Twips::SetLeft(Prog, pratica.ProgLeft);
    if (o & S::Vermelha) {
        ImagemCamada* acesa = TeclaVermelha.value(pratica.TeclaVermelha);
        for (ImagemCamada* v : std::as_const(TeclaVermelha))
            if (v != acesa && !v->isHidden())
                v->hide();
        if (acesa)
            acesa->show();
    }
    if (o & S::Proxima)
        AmarelarTecla();
    if (o & (S::LicaoAberta | S::Exercicio))
        ultimaTecla.start(); // a new exercise on screen moves again
    if (o & (S::LicaoAberta | S::Exercicio | S::Seta))
        atualizarAnimacoes();
    if ((o & S::LicaoAberta) && pratica.Modulo.ListCount() > 0)
        darFocoPicSet();
    anotarAnuncio(o);
}

// ---------------------------------------------------------------------------
// For assistive technologies

ReceptorTeclas::Leitura FrmMain::leituraPratica() const
{
    ReceptorTeclas::Leitura l;
    if (!usuarios.Logado())
        return l;
    const EstadoCurso& e = Estado();
    if (pratica.Modulo.ListCount() == 0) {
        if (e.LicaoAtual == 0) {
            l.titulo = ArteJanelas::TituloIntroducao();
            l.texto = ArteJanelas::TextoIntroducao() + u'\n' + DedosEmPalavras();
            l.proximo = QStringLiteral("Introdução. Aperte Enter para começar a lição 1.");
        }
        return l;
    }
    const QString linha = pratica.Modulo.Text();
    l.texto = pratica.TipoExercicio() == 2 ? TextoCorrido(linha, e.TipoTeclado) : TextoTeclas(linha, e.TipoTeclado);
    l.posicao = int(qMax<qsizetype>(0, l.texto.size() - pratica.Licao.size()));
    if (const QString toque = DescreverToque(pratica.ToqueEsperado(), e.TipoTeclado); !toque.isEmpty())
        l.proximo = QStringLiteral("Próxima tecla: ") + toque;
    l.titulo = pratica.Caption();
    return l;
}

void FrmMain::anotarAnuncio(SessaoPratica::Mudancas o)
{
    using S = SessaoPratica;
    if (!(o & (S::LicaoAberta | S::Exercicio | S::Proxima | S::Texto)) || !PraticaPronta() || !Acessibilidade::Ouvindo())
        return;
    if (o & S::Texto)
        PicSet->moverPosicao(leituraPratica().posicao);
    if (o & (S::LicaoAberta | S::Exercicio))
        aAnunciar.novoExercicio = true;
    if (std::exchange(aAnunciar.agendado, true))
        return;
    // Said once the key (or the click) has been dealt with whole: an error,
    // the end of the exercise and the next key in one phrase.
    QMetaObject::invokeMethod(this, &FrmMain::anunciarPratica, Qt::QueuedConnection);
}

void FrmMain::anunciarPratica()
{
    if (!std::exchange(aAnunciar.agendado, false))
        return;
    QStringList partes;
    if (!aAnunciar.erro.isEmpty())
        partes << aAnunciar.erro;
    if (aAnunciar.exercicioFeito)
        partes << QStringLiteral("Exercício terminado.");
    const ReceptorTeclas::Leitura l = leituraPratica();
    if (aAnunciar.novoExercicio && pratica.Modulo.ListCount() > 0)
        partes << QStringLiteral("Lição %1, exercício %2 de %3.")
                      .arg(Estado().LicaoAtual)
                      .arg(pratica.ExercicioNaTela())
                      .arg(pratica.Modulo.ListCount());
    if (!l.proximo.isEmpty())
        partes << l.proximo;
    aAnunciar = {};
    if (!partes.isEmpty())
        PicSet->anunciar(partes.join(u' '));
}

void FrmMain::AbrirLicao(int n)
{
    pratica.AbrirLicao(n);
}

void FrmMain::AtualizarCaption()
{
    PrepararPratica();
    LblCaption->setText(pratica.Caption());
}

void FrmMain::aplicaLetra2()
{
    PrepararPratica();
    const QString linha = pratica.LinhaMostrada();
    LblLicao->setGeometry(FrameTexto->rect());
    LblLicao->setLinha(linha);
    LblLicao->setDigitados(int(linha.size() - pratica.Licao.size()));
}

void FrmMain::PintarLabel(QLabel* lbl)
{
    Estilo::Colorir(lbl, QColor(0, 97, 187));
}

void FrmMain::Seta_Timer()
{
    PrepararPratica();
    if (ultimaTecla.isValid() && ultimaTecla.elapsed() > RepousoMs) {
        Seta->stop();
        return;
    }
    const int topo = Twips::Top(PicSeta);
    Twips::SetTop(PicSeta, topo == SetaTopoAlto ? SetaTopoBaixo : topo - 10);
}

void FrmMain::TrmUnder_Timer()
{
    PrepararPratica();
    if (LblLicao->isHidden()) {
        LblLicao->setCursorVisivel(false);
        return;
    }
    if (ultimaTecla.isValid() && ultimaTecla.elapsed() > RepousoMs) {
        TrmUnder->stop();
        LblLicao->setCursorVisivel(true);
        return;
    }
    LblLicao->setCursorVisivel(!LblLicao->cursorVisivel());
}

void FrmMain::atualizarAnimacoes()
{
    const bool pratica = PraticaPronta() && PicUsuario->isHidden();
    const bool seta = pratica && !PicSeta->isHidden();
    const bool cursor = pratica && !FrameTexto->isHidden() && !LblLicao->isHidden();
    if (seta != Seta->isActive())
        seta ? Seta->start() : Seta->stop();
    if (cursor != TrmUnder->isActive())
        cursor ? TrmUnder->start() : TrmUnder->stop();
}

void FrmMain::mostrarResultado()
{
    // Told before the result window takes the focus, which a screen reader
    // then reads.
    aAnunciar = {};
    PicSet->anunciar(QStringLiteral("Lição terminada."));
    if (Estado().LicaoAtual == 52)
        FrmFim::Mostrar();
    else
        FrmCom::Mostrar();
}

// ---------------------------------------------------------------------------
// Keys

void FrmMain::PicSet_KeyDown(int tecla, Qt::KeyboardModifiers m, bool repetida)
{
    Label1->setText(QString::number(tecla));
    // A key wakes the arrow and the cursor.
    ultimaTecla.start();
    if (!Seta->isActive() || !TrmUnder->isActive())
        atualizarAnimacoes();
    Form_KeyDown(tecla, m, repetida);
}

void FrmMain::Form_KeyDown(int tecla, Qt::KeyboardModifiers m, bool repetida)
{
    // Esc is no typing: it pauses. On the introduction Enter or the space
    // bar starts lesson 1. A key held down does either once: an Enter held
    // from the password prompt does not run into lesson 1.
    if (tecla == 27 || (Estado().LicaoAtual == 0 && !pratica.EmTreino() && (tecla == 13 || tecla == 32))) {
        if (!repetida)
            tecla == 27 ? PausarPratica() : CmdProx2_Click();
        return;
    }
    // Tab is judged like any key and never moves the focus off the receiver.
    if (tecla == 9)
        PicSet->setFocus(Qt::TabFocusReason);
    // Alt Gr comes as the group switch: X11 reports no modifier of its own.
    pratica.TeclaProx(tecla, Modificadores{m.testFlag(Qt::ShiftModifier), m.testFlag(Qt::GroupSwitchModifier)},
                      repetida);
}

// ---------------------------------------------------------------------------
// Navigation

void FrmMain::CmdProx2_Click()
{
    // A run outside the course has no lessons: the lesson buttons lead back
    // to the course.
    if (pratica.EmTreino()) {
        VoltarAoCurso();
        return;
    }
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
    PrepararPratica();
    if (!PicDedos->isHidden())
        PicDedos->hide();
    BotBranco();
    darFocoPicSet();
}

void FrmMain::CmdAnt2_Click()
{
    if (pratica.EmTreino()) {
        VoltarAoCurso();
        return;
    }
    switch (pratica.LicaoAnterior()) {
    case SessaoPratica::Passo::Introducao:
        mostrarIntroducao();
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
    pratica.PausarRelogio();
    using A = FrmPausa::Acao;
    switch (FrmPausa::Escolher(this, Estado().SomLigado)) {
    case A::Continuar: break;
    case A::ExercicioAnterior: CmdAntExe_Click(); break;
    case A::ExercicioSeguinte: CmdProxExe_Click(); break;
    case A::LicaoAnterior: CmdAnt2_Click(); break;
    case A::LicaoSeguinte: CmdProx2_Click(); break;
    case A::Som: CmdSom_Click(); break;
    case A::Progresso: CmdProgresso_Click(); return;
    case A::TreinoDasTeclas: Treinar(TipoTreino::MinhasTeclas); return;
    case A::MeuTexto: Treinar(TipoTreino::MeuTexto); return;
    case A::Ajuda: CmdAjuda_Click(); break;
    case A::Logoff: CmdLogoff_Click(); return;
    case A::Fechar: CmdFechar_Click(); return;
    }
    darFocoPicSet();
}

void FrmMain::BotBranco()
{
    PrepararPratica();
    criarLegendas();
    for (Imagem* i : {CmdFechar, CmdAjuda, CmdSom, CmdLogoff, CmdProx2, CmdAnt2, CmdOpcao})
        i->setPicture(aBranco);
    CmdSom->setPicture(Estado().SomLigado ? aBranco : bSoml);
}
