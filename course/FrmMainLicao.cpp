// The main window's lesson loading and navigation: opening a lesson, building
// the text of the current exercise, and moving between lessons and exercises.
#include "ui/FrmMain.h"

#include "app/EstadoCurso.h"
#include "app/Som.h"
#include "course/ModFun.h"
#include "course/TextoExercicio.h"
#include "ui/FrmBox.h"
#include "ui/FrmBoxFim.h"
#include "ui/FrmCom.h"
#include "ui/Imagem.h"
#include "ui/PainelDesenhado.h"
#include "ui/Twips.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

void FrmMain::AbrirLicao(int n)
{
    FrmCom::FecharSeAberta();
    Modulo.Clear();
    LerArquivo(CaminhoModulo(n), Modulo.linhas, false);
    const QString vModulo = QStringLiteral("mod%1.mod").arg(n);
    if (VerificarModulo() == 2) {
        Estado().TipoExercicio = 2;
        Iniciar2(vModulo);
    } else {
        Estado().TipoExercicio = 1;
        Iniciar(vModulo);
    }
    AtualizarCaption();
}

int FrmMain::VerificarModulo()
{
    const int tipo = ClassificarModulo(Modulo.linhas);
    Modulo.indice = 0;
    return tipo;
}

void FrmMain::AtualizarCaption()
{
    LblCaption->setText(LinhaTitulo(Estado().NomeUsuario, Estado().LicaoAtual, Modulo.indice, Modulo.ListCount()));
}

namespace {
// Puts the module on the exercise saved in the user record. A saved
// exercise that is not a number or lies beyond the lesson (a lesson that
// grew shorter) falls back to the first exercise rather than leaving the
// learner with nothing to type.
void restaurarExercicio(ListaModulo& modulo, const QString& salvo)
{
    bool ok = false;
    const double n = salvo.trimmed().toDouble(&ok);
    const int indice = ok ? int(n) - 1 : -1;
    modulo.indice = (indice >= 0 && indice < modulo.ListCount()) ? indice : 0;
}
}

void FrmMain::CarregarMod()
{
    if (!Retomar)
        SalvarProgresso();
    if (Retomar) {
        restaurarExercicio(Modulo, TxtLicao->text());
        Retomar = false;
    }
    if (Modulo.Text().isEmpty())
        Modulo.indice = 0;
    if (Modulo.ListCount() > 0)
        Licao = TextoTeclas(Modulo.Text());
    AtualizarCaption();
}

void FrmMain::CarregarMod2()
{
    if (!Retomar)
        SalvarProgresso();
    // Right after a log-in the saved exercise is restored here too, so a
    // learner resumes a running-text lesson where he stopped and the next
    // exercises are saved again.
    if (Retomar) {
        restaurarExercicio(Modulo, TxtLicao->text());
        Retomar = false;
    }
    FrameTexto->show();
    if (Modulo.indice >= 0 && Modulo.indice < Modulo.ListCount())
        Licao = TextoCorrido(Modulo.Text(), Estado().TipoTeclado);
    AtualizarCaption();
}

// ---------------------------------------------------------------------------
// Navigation

void FrmMain::CmdProx2_Click()
{
    EstadoCurso& e = Estado();
    if (e.LicaoMaxima == e.LicaoAtual && !Livre->isChecked()) {
        FrmBox::Mostrar(QStringLiteral("Você não concluiu a lição, e por isso não é possível ir para a próxima lição.")
                        + QStringLiteral("\r\n\r\n")
                        + QStringLiteral("Para navegar em todas as lições e necessário alterar o seu perfil de usuário, "
                                         "marcando a opção 'Curso Livre'."));
        return;
    }
    if (e.LicaoAtual == 52) {
        FrmBoxFim::Mostrar();
        return;
    }
    TocarSom(QStringLiteral("bip"));
    if (!PicDedos->isHidden())
        PicDedos->hide();
    e.LicaoAtual = qint16(e.LicaoAtual + 1);
    AbrirLicao(e.LicaoAtual);
    BotBranco();
    darFocoPicSet();
}

void FrmMain::CmdAnt2_Click()
{
    EstadoCurso& e = Estado();
    if (PicDedos->isHidden())
        TocarSom(QStringLiteral("bip"));
    if (e.LicaoAtual == 1) {
        PicDedos->show();
        PicDedos->raise();
        e.LicaoAtual = 0;
    }
    if (PicDedos->isHidden()) {
        e.LicaoAtual = qint16(e.LicaoAtual - 1);
        AbrirLicao(e.LicaoAtual);
        BotBranco();
    }
    darFocoPicSet();
}

void FrmMain::CmdProxExe_Click()
{
    const EstadoCurso& e = Estado();
    if (Modulo.indice + 1 >= Modulo.ListCount())
        return;
    if (e.ExercicioMaximo == Modulo.indice + 1 && e.LicaoMaxima == e.LicaoAtual && !Livre->isChecked()) {
        FrmBox::Mostrar(QStringLiteral("Você não concluiu o exercício, e por isso não é possível ir para o próximo exercício.")
                        + QStringLiteral("\r\n\r\n")
                        + QStringLiteral("Para navegar em todos os exercícios e necessário alterar o seu perfil de usuário, "
                                         "marcando a opção 'Curso Livre'."));
        return;
    }
    Modulo.indice += 1;
    prepararNovoExercicio();
}

void FrmMain::CmdAntExe_Click()
{
    if (Modulo.indice <= 0)
        return;
    Modulo.indice -= 1;
    prepararNovoExercicio();
}

void FrmMain::prepararNovoExercicio()
{
    if (Estado().TipoExercicio == 1) {
        CarregarMod();
        AplicaLetra(Modulo.Text());
    } else if (Estado().TipoExercicio == 2) {
        CarregarMod2();
        aplicaLetra2();
    }
    for (Imagem* q : qLetra)
        q->hide();
    Estado().GrupoLetras = 5;
    Twips::SetLeft(PicSeta, 1590);
    TrmRepoem->start();
    AmarelarTecla();
    darFocoPicSet();
}

void FrmMain::BotBranco()
{
    for (Imagem* i : {CmdFechar, CmdAjuda, CmdSom, CmdLogoff, CmdProx2, CmdAnt2, CmdOpcao})
        i->setPicture(aBranco);
    CmdSom->setPicture(Estado().SomLigado ? aBranco : bSoml);
}
