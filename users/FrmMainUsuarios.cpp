// The main window's users and progress: the user list with type-ahead, the
// loaded record, log-in and log-off, deleting, and the two savers that write
// the learner's position into usuario.dat.
#include "ui/FrmMain.h"

#include "app/EstadoCurso.h"
#include "app/PastaAplicacao.h"
#include "app/Servicos.h"
#include "app/Som.h"
#include "users/ArquivoUsuarios.h"
#include "users/RegistroUsuario.h"
#include "ui/FrmAdd.h"
#include "ui/FrmLogin.h"
#include "ui/FrmPerfil.h"
#include "ui/Imagem.h"
#include "ui/PainelDesenhado.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTimer>

QString FrmMain::ArquivoUsuarios() const { return CaminhoAplicacao(QStringLiteral("usuario.dat")); }

namespace {
// The exercise on screen, 1-based. With no lesson open (the introduction
// right after a log-in) it is the exercise the record was loaded with, so a
// save there keeps the stored position instead of writing exercise 0.
qint16 exercicioNaTela(const FrmMain& w)
{
    if (w.Modulo.indice >= 0)
        return qint16(w.Modulo.indice + 1);
    bool ok = false;
    const short carregado = w.TxtLicao->text().toShort(&ok);
    return ok ? carregado : qint16(1);
}

// The record of the logged-in learner as the panel and the course state
// hold it: only position, counters and frontier come from the practice.
QString registroAtual(const FrmMain& w)
{
    const EstadoCurso& e = Estado();
    RegistroUsuario r;
    r.nome = w.TxtAluno->text();
    r.licao = e.LicaoAtual;
    r.exercicio = exercicioNaTela(w);
    r.velocidadeMinima = w.TxtVelo->text();
    r.precisaoMinima = w.TxtPre->text();
    r.livre = w.Livre->isChecked() ? 1 : 0;
    r.teclasDigitadas = e.TeclasDigitadas;
    r.segundos = e.Segundos;
    r.erros = e.Erros;
    r.acertos = e.Acertos;
    r.pontos = e.Pontos;
    r.velocidade = e.Velocidade;
    r.contadorExtra = e.ContadorExtra;
    r.licaoMaxima = e.LicaoMaxima;
    r.exercicioMaximo = e.ExercicioMaximo;
    r.senha = e.SenhaUsuario;
    return MontarRegistro(r);
}
}

void FrmMain::SalvarProgresso()
{
    EstadoCurso& e = Estado();
    const int i = vUsuario.indice;
    const bool selecionado = i >= 0 && i < vUsuario.ListCount();
    FronteiraProgresso(e.LicaoMaxima, e.ExercicioMaximo, e.LicaoAtual, exercicioNaTela(*this));
    if (selecionado) {
        // The record stays selected at its own line: looking it up by value
        // would pick an earlier line that happens to read the same, and the
        // next save would then overwrite another learner.
        vUsuario.itens[i] = registroAtual(*this);
        vUsuario.indice = i;
    }
    GravarUsuarios(ArquivoUsuarios(), vUsuario.itens);
}

void FrmMain::SalvarUsuario()
{
    EstadoCurso& e = Estado();
    const int i = vUsuario.indice;
    const bool selecionado = i >= 0 && i < vUsuario.ListCount();
    FronteiraUsuario(e.LicaoMaxima, e.ExercicioMaximo, e.LicaoAtual, exercicioNaTela(*this));
    if (selecionado) {
        vUsuario.itens[i] = registroAtual(*this);
        vUsuario.indice = -1;
    }
    GravarUsuarios(ArquivoUsuarios(), vUsuario.itens);
}

void FrmMain::CarregarUsuario()
{
    const QSignalBlocker bloqueio(ListUsuario);
    ListUsuario->clear();
    for (const QString& registro : std::as_const(vUsuario.itens))
        ListUsuario->addItem(registro.section(SeparadorRegistro, 0, 0));
    ListUsuario->setCurrentRow(-1);
    ListUsuario->clearSelection();
    vUsuario.indice = vUsuario.ListCount() - 1;
}

void FrmMain::SelecionarUsuario(int indice)
{
    if (indice < 0 || indice >= ListUsuario->count())
        return;
    if (ListUsuario->currentRow() == indice)
        ListUsuario_Click();
    else
        ListUsuario->setCurrentRow(indice);
}

void FrmMain::ListUsuario_Click()
{
    const int linha = ListUsuario->currentRow();
    if (linha < 0 || linha >= vUsuario.ListCount())
        return;
    vUsuario.indice = linha;
    const QString nome = ListUsuario->item(linha)->text();

    const int p = BuscandoNome ? TxtNome->cursorPosition() : 0;
    AlterandoNome = true;
    TxtNome->setText(nome);
    AlterandoNome = false;
    TxtNome->setSelection(p, int(nome.size()) - p);
    LblUser->setText(nome);

    const RegistroUsuario r = LerRegistro(vUsuario.Text());
    TxtAluno->setText(r.nome);
    TxtFase->setText(QString::number(r.licao));
    TxtFase2->setText(TxtFase->text() == QLatin1String("0") ? QStringLiteral("Introdução") : TxtFase->text());
    TxtLicao->setText(QString::number(r.exercicio));
    TxtVelo->setText(r.velocidadeMinima);
    TxtPre->setText(r.precisaoMinima);
    Livre->setChecked(r.livre != 0);
    EstadoCurso& e = Estado();
    e.TeclasDigitadas = r.teclasDigitadas;
    e.Segundos = r.segundos;
    e.Erros = r.erros;
    e.Acertos = r.acertos;
    e.Pontos = r.pontos;
    e.Velocidade = r.velocidade;
    e.ContadorExtra = r.contadorExtra;
    e.LicaoMaxima = r.licaoMaxima;
    e.ExercicioMaximo = r.exercicioMaximo;
    e.SenhaUsuario = r.senha;
    LblAcertos->setText(QString::number(r.acertos));
    LblPontos->setText(QString::number(r.pontos));
    LblErros->setText(QString::number(r.erros));
    TxtPrePor->setText(TxtPre->text() + QStringLiteral("%"));
}

void FrmMain::TxtNome_Change()
{
    if (AlterandoNome || TxtNome->text().isEmpty())
        return;
    const int p = TxtNome->cursorPosition();
    BuscandoNome = true;
    const QString inicio = TxtNome->text().left(p);
    int achado = -1;
    for (int i = 0; i < ListUsuario->count() && achado < 0; ++i)
        if (ListUsuario->item(i)->text().startsWith(inicio, Qt::CaseInsensitive))
            achado = i;
    if (achado >= 0) {
        if (achado != ListUsuario->currentRow())
            ListUsuario->setCurrentRow(achado);
    } else {
        AlterandoNome = true;
        TxtNome->setText(inicio);
        TxtNome->setCursorPosition(p);
        AlterandoNome = false;
    }
    BuscandoNome = false;
}

bool FrmMain::PedirSenha()
{
    FrmLogin login(this);
    if (auto* d = Plataforma().dialogos)
        d->Modal(&login);
    return Estado().SenhaOk;
}

void FrmMain::CmdEntrar_Click()
{
    Retomar = true;
    TocarSom(QStringLiteral("bip"));
    if (ListUsuario->currentRow() < 0) {
        if (auto* d = Plataforma().dialogos)
            d->Mensagem(this, QStringLiteral("Teclomatic"), QStringLiteral("Nenhum usuário foi selecionado."),
                        IconeMensagem::Nenhum);
        return;
    }
    vUsuario.indice = ListUsuario->currentRow();
    if (!PedirSenha())
        return;
    const RegistroUsuario r = LerRegistro(vUsuario.Text());
    Estado().LicaoAtual = r.licao;
    Estado().NomeUsuario = r.nome;
    PicUsuario->hide();
    if (Estado().LicaoAtual != 0) {
        PicDedos->hide();
        AbrirLicao(Estado().LicaoAtual);
    } else {
        PicDedos->show();
        PicDedos->raise();
    }
    CmdEntrar->setPicture(aBranco);
    TocarSom(QStringLiteral("login"));
    PicSet->setFocus(Qt::OtherFocusReason);
}

void FrmMain::CmdDeletar_Click()
{
    if (!PedirSenha())
        return;
    const int i = ListUsuario->currentRow();
    if (i >= 0 && i < vUsuario.ListCount())
        vUsuario.itens.removeAt(i);
    CarregarUsuario();
    if (ListUsuario->count() == 0)
        FrmAdd::AddPadrao();
    SelecionarUsuario(0);
    GravarUsuarios(ArquivoUsuarios(), vUsuario.itens);
}

void FrmMain::CmdLogoff_Click()
{
    ListUsuario_Click();
    PicUsuario->show();
    SalvarUsuario();
    // The lesson's exercises go with the learner: left open, their position
    // would be saved into the record of the next learner who logs in to the
    // introduction, and the exercise buttons would walk through them there.
    Modulo.Clear();
    TrmTpm->stop();
    BotBranco();
    TocarSom(QStringLiteral("logoff"));
    TxtNome->setFocus(Qt::OtherFocusReason);
}

void FrmMain::CmdAdd_Click()
{
    TocarSom(QStringLiteral("bip"));
    CmdAdd->setPicture(aBranco);
    FrmAdd janela(this);
    if (auto* d = Plataforma().dialogos)
        d->Modal(&janela);
}

void FrmMain::CmdPerfil_Click()
{
    if (!PedirSenha())
        return;
    FrmPerfil janela(this);
    if (auto* d = Plataforma().dialogos)
        d->Modal(&janela);
}
