// The user screen of the main window: it shows the user store (the name
// list, the selected learner's fields) and runs its buttons: log-in, log-off,
// new user, profile, delete.
#include "ui/FrmMain.h"

#include "app/EstadoCurso.h"
#include "app/Servicos.h"
#include "app/Som.h"
#include "ui/FrmAdd.h"
#include "ui/FrmLogin.h"
#include "ui/FrmPerfil.h"
#include "ui/Imagem.h"
#include "ui/PainelDesenhado.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

void FrmMain::mostrarLista()
{
    const QSignalBlocker bloqueio(ListUsuario);
    ListUsuario->clear();
    ListUsuario->addItems(usuarios.Nomes());
    ListUsuario->setCurrentRow(-1);
    ListUsuario->clearSelection();
}

void FrmMain::CarregarUsuario()
{
    usuarios.CarregarUsuario();
}

void FrmMain::SelecionarUsuario(int indice)
{
    usuarios.SelecionarUsuario(indice);
}

void FrmMain::ListUsuario_Click()
{
    usuarios.SelecionarUsuario(ListUsuario->currentRow());
}

// The selected learner's record on the user screen: his name in the name
// box (the typed part kept while searching), the fields, and his counters on
// the practice screen's figures.
void FrmMain::mostrarUsuario(int linha)
{
    if (ListUsuario->currentRow() != linha) {
        const QSignalBlocker bloqueio(ListUsuario);
        ListUsuario->setCurrentRow(linha);
    }
    const QString nome = usuarios.Nome(linha);
    const int p = BuscandoNome ? TxtNome->cursorPosition() : 0;
    AlterandoNome = true;
    TxtNome->setText(nome);
    AlterandoNome = false;
    TxtNome->setSelection(p, int(nome.size()) - p);
    // A name longer than the box (a damaged file) is cut with an ellipsis.
    LblUser->setText(LblUser->fontMetrics().elidedText(nome, Qt::ElideRight, LblUser->width()));

    const RegistroUsuario& r = usuarios.Carregado();
    TxtAluno->setText(r.nome);
    TxtFase->setText(QString::number(r.licao));
    TxtFase2->setText(r.licao == 0 ? QStringLiteral("Introdução") : TxtFase->text());
    TxtLicao->setText(QString::number(r.exercicio));
    TxtVelo->setText(r.velocidadeMinima);
    TxtPre->setText(r.precisaoMinima);
    TxtPrePor->setText(r.precisaoMinima + QStringLiteral("%"));
    Livre->setChecked(r.livre != 0);
    pratica.MostrarContadores();
}

void FrmMain::TxtNome_Change()
{
    if (AlterandoNome || TxtNome->text().isEmpty())
        return;
    const int p = TxtNome->cursorPosition();
    BuscandoNome = true;
    const QString inicio = TxtNome->text().left(p);
    const int achado = usuarios.BuscarPrefixo(inicio);
    if (achado >= 0) {
        if (achado != usuarios.Selecionado())
            usuarios.SelecionarUsuario(achado);
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
    pratica.Retomar = true;
    TocarSom(QStringLiteral("bip"));
    if (usuarios.Selecionado() < 0) {
        if (auto* d = Plataforma().dialogos)
            d->Mensagem(this, QStringLiteral("Teclomatic"), QStringLiteral("Nenhum usuário foi selecionado."),
                        IconeMensagem::Nenhum);
        return;
    }
    if (!PedirSenha())
        return;
    usuarios.Entrar();
    PrepararPratica();
    PicUsuario->hide();
    if (Estado().LicaoAtual != 0) {
        PicDedos->hide();
        pratica.AbrirLicao(Estado().LicaoAtual);
    } else {
        mostrarIntroducao();
    }
    CmdEntrar->setPicture(aBranco);
    TocarSom(QStringLiteral("login"));
    ultimaTecla.start();
    atualizarAnimacoes();
    PicSet->setFocus(Qt::OtherFocusReason);
}

void FrmMain::CmdDeletar_Click()
{
    auto* d = Plataforma().dialogos;
    const int linha = usuarios.Selecionado();
    if (linha < 0) {
        if (d)
            d->Mensagem(this, QStringLiteral("Teclomatic"), QStringLiteral("Nenhum usuário foi selecionado."),
                        IconeMensagem::Nenhum);
        return;
    }
    if (!PedirSenha())
        return;
    // The password alone proves who may delete, not that he means to: the
    // default user's comes filled in.
    const QString nome = usuarios.Nome(linha);
    if (!d || !d->Perguntar(this, QStringLiteral("Teclomatic"), CadastroUsuarios::PerguntaExclusao(nome),
                            IconeMensagem::Exclamacao))
        return;
    if (!usuarios.Deletar())
        d->Mensagem(this, QStringLiteral("Teclomatic"), usuarios.FalhaAoDeletar(nome), IconeMensagem::Critico);
}

void FrmMain::CmdLogoff_Click()
{
    usuarios.ListUsuario_Click();
    // The user screen comes back over everything, the introduction picture
    // included.
    PicUsuario->show();
    PicUsuario->raise();
    atualizarAnimacoes();
    // A run outside the course gives the course back first: its place and
    // counters are what is saved.
    pratica.EncerrarTreino();
    usuarios.SalvarUsuario(pratica.ExercicioNaTela());
    usuarios.Sair();
    // The lesson's exercises go with the learner: left open, their position
    // would be saved into the record of the next learner who logs in to the
    // introduction, and the exercise buttons would walk through them there.
    pratica.Fechar();
    BotBranco();
    TocarSom(QStringLiteral("logoff"));
    TxtNome->setFocus(Qt::OtherFocusReason);
    RepousoTexto->start();
}

void FrmMain::CmdAdd_Click()
{
    TocarSom(QStringLiteral("bip"));
    CmdAdd->setPicture(aBranco);
    FrmAdd janela(this);
    if (auto* d = Plataforma().dialogos)
        d->Modal(&janela);
    // The new learner is selected: Enter in the name box logs him in.
    if (janela.result() == QDialog::Accepted) {
        TxtNome->setFocus(Qt::OtherFocusReason);
        TxtNome->selectAll();
    }
}

void FrmMain::CmdPerfil_Click()
{
    if (!PedirSenha())
        return;
    FrmPerfil janela(this);
    if (auto* d = Plataforma().dialogos)
        d->Modal(&janela);
}
