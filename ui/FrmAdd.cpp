#include "ui/FrmAdd.h"

#include "users/CadastroUsuarios.h"
#include "app/EstadoCurso.h"
#include "app/Servicos.h"
#include "ui/Estilo.h"
#include "ui/FrmLogin.h"
#include "ui/FrmMain.h"
#include "users/ArquivoUsuarios.h"
#include "users/RegistroUsuario.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>

namespace {

constexpr int Largura = 370; // 5550 twips
constexpr int Altura = 238;  // 3570 twips
constexpr int ColunaCampo = 150;
constexpr int LarguraCampo = 196;
constexpr int AlturaCampo = 26;
constexpr int TopoNome = 54;
constexpr int TopoSenha = 90;
constexpr int TopoConfirma = 126;
constexpr int TopoBotoes = 184;

QLineEdit* NovoCampo(QWidget* pai, const QString& nome, const QString& acessivel, int topo, bool senha)
{
    auto* c = new QLineEdit(pai);
    c->setObjectName(nome);
    c->setAccessibleName(acessivel);
    c->setGeometry(ColunaCampo, topo, LarguraCampo, AlturaCampo);
    c->setMaxLength(255);
    if (senha)
        c->setEchoMode(QLineEdit::Password);
    return c;
}

} // namespace

FrmAdd::FrmAdd(QWidget* pai)
    : JanelaDesenhada(PaiOuPrincipal(pai), QStringLiteral("FrmAdd"), QStringLiteral("Teclomatic - Novo Usuário"),
                      QSize(Largura, Altura))
{
    // The whole bare background, title strip included, drags the window.
    arrastarPeloFundo(true);

    Image1 = new FecharJanelaUsuario(this, QStringLiteral("Image1"));
    Image1->setGeometry(Largura - 33, 5, 24, 24);

    TxtNovoUsuario = NovoCampo(this, QStringLiteral("TxtNovoUsuario"), QStringLiteral("Nome"), TopoNome, false);
    TxtSenha = NovoCampo(this, QStringLiteral("TxtSenha"), QStringLiteral("Senha"), TopoSenha, true);
    TxtSenhaConfirma = NovoCampo(this, QStringLiteral("TxtSenhaConfirma"), QStringLiteral("Confirme a senha"),
                                 TopoConfirma, true);

    CmdOk = new BotaoJanelaUsuario(this, QStringLiteral("CmdOk"), QStringLiteral("OK"),
                               QStringLiteral("OK, criar o usuário"));
    CmdOk->setGeometry(ColunaCampo + LarguraCampo - 2 * 96 - 8, TopoBotoes, 96, 32);
    CmdCancelar = new BotaoJanelaUsuario(this, QStringLiteral("CmdCancelar"), QStringLiteral("Cancelar"),
                                     QStringLiteral("Cancelar"), false);
    CmdCancelar->setGeometry(ColunaCampo + LarguraCampo - 96, TopoBotoes, 96, 32);

    connect(CmdOk, &Imagem::clicado, this, &FrmAdd::CmdOk_Click);
    connect(CmdCancelar, &Imagem::clicado, this, &FrmAdd::CmdCancelar_Click);
    connect(Image1, &Imagem::clicado, this, &FrmAdd::Image1_Click);
    // Enter in the name box confirms; in the password boxes it does nothing.
    connect(TxtNovoUsuario, &QLineEdit::returnPressed, this, &FrmAdd::CmdOk_Click);

    setTabOrder(TxtNovoUsuario, TxtSenha);
    setTabOrder(TxtSenha, TxtSenhaConfirma);
    setTabOrder(TxtSenhaConfirma, CmdOk);
    setTabOrder(CmdOk, CmdCancelar);
    setTabOrder(CmdCancelar, Image1);

    TxtNovoUsuario->setFocus();
}

QString FrmAdd::CaractereProibido(const QStringList& textos)
{
    for (const QString& t : textos) {
        for (qsizetype i = 0; i < t.size(); ++i) {
            // A character outside the basic plane is one pair of code units.
            const qsizetype n = (t.at(i).isHighSurrogate() && i + 1 < t.size()) ? 2 : 1;
            const QString c = t.mid(i, n);
            if (!CabeNoRegistro(c))
                return c;
            i += n - 1;
        }
    }
    return {};
}

QString FrmAdd::MensagemCaractereProibido(const QString& caractere)
{
    return QStringLiteral("O caractere '") + caractere + QStringLiteral("' não pode ser usado no nome nem na senha.");
}

QString FrmAdd::MensagemNomeExistente(const QString& nomeExistente)
{
    return QStringLiteral("já existe uma conta com o nome '") + nomeExistente
        + QStringLiteral("'. Digite um nome diferente.");
}

bool FrmAdd::SenhasConferem(JanelaDesenhada* janela, QLineEdit* senha, QLineEdit* confirma)
{
    if (senha->text().trimmed() == confirma->text().trimmed())
        return true;
    janela->avisar(QStringLiteral("Senha não confere, digite as senhas novamente!"), IconeMensagem::Exclamacao);
    senha->clear();
    confirma->clear();
    senha->setFocus();
    return false;
}

void FrmAdd::CmdOk_Click()
{
    CadastroUsuarios* u = CadastroUsuarios::Instancia();
    const QString nome = TxtNovoUsuario->text().trimmed();
    if (nome.isEmpty()) {
        avisar(QStringLiteral("O Nome de usuário não foi digitado."), IconeMensagem::Nenhum);
        TxtNovoUsuario->setFocus();
        return;
    }

    // "<" separates the fields of the record: a name or password holding it
    // would come back from the file split in the wrong places.
    const QString proibido = CaractereProibido({TxtNovoUsuario->text(), TxtSenha->text(), TxtSenhaConfirma->text()});
    if (!proibido.isEmpty()) {
        avisar(MensagemCaractereProibido(proibido), IconeMensagem::Exclamacao);
        return;
    }

    const QString senha = TxtSenha->text().trimmed();
    if (!SenhasConferem(this, TxtSenha, TxtSenhaConfirma))
        return;

    if (!u)
        return;

    // On a clash the existing user is selected, so the learner sees whose
    // name it is.
    if (const int existente = u->OutroComNome(nome); existente >= 0) {
        u->SelecionarUsuario(existente);
        avisar(MensagemNomeExistente(u->Nome(existente)), IconeMensagem::Exclamacao);
        TxtNovoUsuario->setFocus();
        return;
    }

    RegistroUsuario registro = RegistroNovo(nome, senha);
    registro.velocidadeMinima = QString::number(VelocidadeNovoUsuario);
    registro.precisaoMinima = QString::number(PrecisaoNovoUsuario);
    registro.livre = LivreNovoUsuario ? 1 : 0;
    if (!u->Adicionar(registro)) {
        // Not saved, so not added: the window stays open so the learner knows.
        avisar(u->FalhaAoSalvar(QStringLiteral("o novo usuário")), IconeMensagem::Critico);
        return;
    }
    accept();
}

void FrmAdd::CmdCancelar_Click()
{
    reject();
}

void FrmAdd::Image1_Click()
{
    reject();
}

void FrmAdd::AddPadrao()
{
    if (CadastroUsuarios* u = CadastroUsuarios::Instancia())
        u->AddPadrao();
}

void FrmAdd::keyPressEvent(QKeyEvent* e)
{
    // Enter reaches the window from the text boxes; the name box has
    // already confirmed through returnPressed.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        return;
    JanelaDesenhada::keyPressEvent(e);
}

void FrmAdd::desenharFundo(QPainter& p)
{
    const QRect cliente = Estilo::DesenharJanela(p, rect(), titulo);

    p.setPen(Qt::white);
    p.setFont(Estilo::Fonte(10, true));
    const int esquerda = cliente.left() + 10;
    const int largura = ColunaCampo - 8 - esquerda;
    p.drawText(QRect(esquerda, TopoNome, largura, AlturaCampo), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Nome:"));
    p.drawText(QRect(esquerda, TopoSenha, largura, AlturaCampo), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Senha:"));
    p.drawText(QRect(esquerda, TopoConfirma, largura, AlturaCampo), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Confirme a senha:"));

    // A thin rule between the boxes and the buttons.
    p.setPen(QPen(QColor(255, 255, 255, 70), 1));
    p.drawLine(QPointF(cliente.left() + 12, TopoBotoes - 14.5), QPointF(cliente.right() - 12, TopoBotoes - 14.5));
}
