// The main window's practice: showing what to type, judging each key,
// starting exercises, the speed clock and the rhythm bar.
#include "ui/FrmMain.h"

#include "app/EstadoCurso.h"
#include "app/Som.h"
#include "keyboard/MapaTeclas.h"
#include "ui/FrmCom.h"
#include "ui/FrmFim.h"
#include "ui/Imagem.h"
#include "ui/PainelDesenhado.h"
#include "ui/Twips.h"

#include <QFontMetrics>
#include <QLabel>
#include <QTimer>
#include <cmath>

namespace {
constexpr int SetaTopoAlto = 1020;
constexpr int SetaTopoBaixo = 1170;
constexpr int SetaInicio = 1590;
constexpr int ProgVazio = -1620;
constexpr int ProgCheio = -150;
const int PosicoesSeta[5] = {SetaInicio, 3720, 5835, 7935, 10035};

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

// ---------------------------------------------------------------------------
// Exercise presentation

void FrmMain::aplicaLetra2()
{
    QString linha = Modulo.Text();
    // The BR keyboard has no cedilla key: the text shows a plain c.
    if (Estado().TipoTeclado == 1) {
        linha.replace(QChar(u'ç'), QChar(u'c'));
        linha.replace(QChar(u'Ç'), QChar(u'C'));
    }
    LblLicao[0]->setText(linha);
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

void FrmMain::TrmRepoem_Timer()
{
    for (int i = 0; i < 4; ++i) {
        if (qLetra[i]->isHidden()) {
            qLetra[i]->show();
            return;
        }
    }
    if (qLetra[4]->isHidden()) {
        qLetra[4]->show();
        TrmRepoem->stop();
    }
    TeclasBloqueadas = false;
}

// ---------------------------------------------------------------------------
// Keystroke evaluation

void FrmMain::PicSet_KeyDown(int tecla, Qt::KeyboardModifiers)
{
    Label1->setText(QString::number(tecla));
    TeclaProx(tecla);
}

void FrmMain::Form_KeyDown(int tecla, Qt::KeyboardModifiers)
{
    TeclaProx(tecla);
}

void FrmMain::mudarContador(qint16& valor, int delta, QLabel* rotulo)
{
    Contador::Mudar(valor, delta);
    if (rotulo)
        rotulo->setText(QString::number(valor));
}

void FrmMain::TeclaProx(int& tecla)
{
    if (TeclasBloqueadas)
        return;
    // The introduction has nothing to type, and neither has a lesson that is
    // over: a text left behind the finger picture (a lesson the learner went
    // back from, or another learner's) is neither judged nor finished, and
    // no key there may count, sound or open a result window.
    if (Estado().LicaoAtual == 0 || Modulo.ListCount() == 0)
        return;
    EstadoCurso& e = Estado();
    const QString esperado = Licao.left(1);
    const QString digitado = FormataTecla(tecla);
    for (Imagem* v : std::as_const(TeclaVermelha))
        v->hide();

    if (digitado == esperado) {
        if (e.TipoExercicio == 2) {
            LblLicao[0]->setText(LblLicao[0]->text().mid(1));
            // Moving the labels repaints what they leave and cover.
            posicionarTexto(FrameTexto, LblLicao, false);
        }
        DigCerto(tecla);
        const int grupo = e.GrupoLetras;
        if (grupo >= 1 && grupo <= 5) {
            qLetra[5 - grupo]->hide();
            if (grupo > 1) {
                Twips::SetLeft(PicSeta, PosicoesSeta[6 - grupo]);
            } else {
                TeclasBloqueadas = true;
                TrmRepoem->start();
            }
        }
        Twips::SetLeft(Prog, ProgCheio);
        TrmProg->start();
        Contador::Mudar(e.TeclasDigitadas, 1);
        mudarContador(e.Acertos, 1, LblAcertos);
        mudarContador(e.Pontos, 100, LblPontos);
        e.GrupoLetras = qint16(e.GrupoLetras - 1);
        if (e.GrupoLetras <= 0) {
            e.GrupoLetras = 5;
            Twips::SetLeft(PicSeta, SetaInicio);
        }
    } else {
        Contador::Mudar(e.TeclasDigitadas, 1);
        TeclaErro(tecla);
        mudarContador(e.Erros, 1, LblErros);
        mudarContador(e.Pontos, -100, LblPontos);
    }

    AmarelarTecla();

    if (Licao.isEmpty()) {
        if (Modulo.ListCount() == Modulo.indice + 1 && (e.TipoExercicio == 1 || e.TipoExercicio == 2)) {
            fimDeLicao();
            return;
        }
        if (e.TipoExercicio == 1) {
            Modulo.indice += 1;
            CarregarMod();
            AplicaLetra(Modulo.Text());
        } else if (e.TipoExercicio == 2) {
            Modulo.indice += 1;
            CarregarMod2();
            aplicaLetra2();
        }
    }
    AmarelarTecla();
}

void FrmMain::DigCerto(int)
{
    Licao.remove(0, 1);
}

void FrmMain::TeclaErro(int& tecla)
{
    for (Imagem* v : std::as_const(TeclaVermelha))
        v->hide();
    if (tecla != 250)
        TocarSom(QStringLiteral("erro"));
    if (tecla == 9)
        PicSet->setFocus(Qt::TabFocusReason);
    if (Estado().TipoTeclado == 2)
        tecla = RemapearPortugues(tecla);
    if (Imagem* v = TeclaVermelha.value(tecla))
        v->show();
}

void FrmMain::fimDeLicao()
{
    Modulo.Clear();
    LblAcertos->setText(QString());
    LblErros->setText(QString());
    LblPontos->setText(QStringLiteral("0"));
    Tpm->setText(QStringLiteral("0 TPM"));
    if (Estado().TipoExercicio == 2)
        for (QLabel* l : LblLicao)
            l->hide();
    Twips::SetLeft(Prog, ProgVazio);
    PicSeta->hide();
    Twips::SetLeft(PicSeta, SetaInicio);
    TrmTpm->stop();
    int limpar = 250;
    TeclaErro(limpar);
    mostrarResultado();
}

void FrmMain::mostrarResultado()
{
    if (Estado().LicaoAtual == 52)
        FrmFim::Mostrar();
    else
        FrmCom::Mostrar();
}

// ---------------------------------------------------------------------------
// Exercise start, timing and live statistics

namespace {
void zerarNoPrimeiroExercicio(const ListaModulo& modulo, QLabel* acertos, QLabel* erros, QLabel* pontos, QLabel* tpm)
{
    if (modulo.indice != 0)
        return;
    EstadoCurso& e = Estado();
    e.Segundos = 0;
    e.TeclasDigitadas = 0;
    e.Erros = 0;
    e.Acertos = 0;
    e.Pontos = 0;
    acertos->setText(QStringLiteral("0"));
    erros->setText(QStringLiteral("0"));
    pontos->setText(QStringLiteral("0"));
    tpm->setText(QStringLiteral("0 TPM"));
}
}

// What both start routines share once the exercise text is built: the lit
// key, the counters of a lesson started at its first exercise, the empty
// bar, the arrow over the first cap, the speed clock and the key caps.
void FrmMain::iniciarComum(bool mostrarCapas)
{
    AmarelarTecla();
    zerarNoPrimeiroExercicio(Modulo, LblAcertos, LblErros, LblPontos, Tpm);
    Twips::SetLeft(Prog, ProgVazio);
    Twips::SetLeft(PicSeta, SetaInicio);
    PicSeta->show();
    TrmTpm->start();
    for (Imagem* q : qLetra)
        q->setVisible(mostrarCapas);
    Estado().GrupoLetras = 5;
}

void FrmMain::Iniciar(const QString&)
{
    FrameTexto->hide();
    CarregarMod();
    iniciarComum(true);
    AplicaLetra(Modulo.Text());
    int limpar = 250;
    TeclaErro(limpar);
    darFocoPicSet();
}

void FrmMain::Iniciar2(const QString&)
{
    Estado().TipoExercicio = 2;
    for (QLabel* l : LblLicao)
        l->show();
    FrameTexto->hide();
    CarregarMod2();
    iniciarComum(false);
    aplicaLetra2();
    int limpar = 250;
    TeclaErro(limpar);
    darFocoPicSet();
}

void FrmMain::TrmTpm_Timer()
{
    EstadoCurso& e = Estado();
    Contador::Mudar(e.Segundos, 1);
    const double v = e.Segundos > 0 ? double(e.TeclasDigitadas) / double(e.Segundos) * 60.0 : 0.0;
    // Halves go to the even neighbour (22.5 gives 22, 23.5 gives 24).
    const double arredondado = std::nearbyint(v);
    Tpm->setText(QString::number(qint64(arredondado)) + QStringLiteral(" TPM"));
    Contador::Atribuir(e.Velocidade, qint64(arredondado));
}

void FrmMain::TrmProg_Timer()
{
    Twips::SetLeft(Prog, Twips::Left(Prog) - 12);
    if (Twips::Left(Prog) < -1610)
        TrmProg->stop();
}
