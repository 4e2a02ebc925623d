// The three user windows driven as the main window drives them: the password
// prompt, the new-user window (with the default user) and the profile editor.
#include "app/EstadoCurso.h"
#include "ui/FrmAdd.h"
#include "fakes/JanelaTeste.h"
#include "ui/FrmLogin.h"
#include "ui/FrmMain.h"
#include "ui/FrmPerfil.h"
#include "ui/Twips.h"
#include "users/ArquivoUsuarios.h"
#include "users/Deslizador.h"
#include "users/RegistroUsuario.h"
#include "fakes/Fakes.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStringDecoder>
#include <QtTest>

#include <memory>

namespace {

QString Registro(const QString& nome, const QString& senha, const QString& velocidade = QStringLiteral("100"),
                 const QString& precisao = QStringLiteral("95"), int livre = 0)
{
    return nome + QStringLiteral("<0<1<") + velocidade + u'<' + precisao + u'<' + QString::number(livre)
        + QStringLiteral("<0<0<0<0<0<0<0<1<1<") + senha;
}

// A test application folder with a user file, and the main window started
// on it. The window goes before the folder.
struct Cenario {
    AmbienteTeste ambiente;
    std::unique_ptr<FrmMain> main;

    explicit Cenario(const QStringList& registros)
    {
        if (!registros.isEmpty())
            ambiente.escrever(QStringLiteral("usuario.dat"),
                              CodificarWindows1252(registros.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
        main = std::make_unique<FrmMain>();
        main->Form_Load();
        ambiente.dialogos.mensagens.clear();
    }

    void selecionar(const QString& nome)
    {
        for (int i = 0; i < main->ListUsuario->count(); ++i)
            if (main->ListUsuario->item(i)->text() == nome)
                main->SelecionarUsuario(i);
        QCOMPARE(main->ListUsuario->currentItem()->text(), nome);
    }

    QByteArray arquivo() const { return ambiente.ler(QStringLiteral("usuario.dat")); }

    QStringList linhasDoArquivo() const
    {
        QStringDecoder cp1252("windows-1252");
        QStringList linhas = QString(cp1252.decode(arquivo())).split(QStringLiteral("\r\n"));
        if (!linhas.isEmpty() && linhas.last().isEmpty())
            linhas.removeLast();
        return linhas;
    }

    QStringList textos() const { return ambiente.dialogos.textos(); }
};

const QString SenhaNaoConfere = QStringLiteral("Senha não confere, digite as senhas novamente!");
const QString CaractereMenor = QStringLiteral("O caractere '<' não pode ser usado no nome nem na senha.");

} // namespace

class TstJanelasUsuario : public QObject {
    Q_OBJECT

private slots:
    // ---- password prompt ---------------------------------------------------------
    void login_conferirSenha_data();
    void login_conferirSenha();
    void login_senhaRecusadaMantemJanela();
    void login_enterConfirma();
    void login_prePreenchimentoDoPadrao_data();
    void login_prePreenchimentoDoPadrao();
    void login_fecharContaComoCancelar_data();
    void login_fecharContaComoCancelar();

    // ---- new user ----------------------------------------------------------------
    void add_nomeSoDeEspacos();
    void add_senhasDiferemNaCaixa();
    void add_nomeRepetidoEmOutraCaixa();
    void add_caractereSeparadorRecusado_data();
    void add_caractereSeparadorRecusado();
    void add_novoUsuarioAparadoUltimoESelecionado();
    void add_senhasVazias();
    void add_enterSoNoNome();
    void add_addPadrao();
    void add_listaVaziaCriaPadrao();

    // ---- profile editor --------------------------------------------------------------
    void perfil_semMudancasGravaOMesmoRegistro();
    void perfil_valorDaPosicao_data();
    void perfil_valorDaPosicao();
    void perfil_arrasteRapidoAlemDaPonta();
    void perfil_botoesRecomendados();
    void perfil_setasAndamUmValor();
    void perfil_criterioNaoNumerico();
    void perfil_recusas();
    void perfil_renomearParaNomeDeOutro();
    void perfil_cursoLivreValeNaHora();
    void perfil_novaSenhaValeNoProximoPrompt();

    // ---- all three -----------------------------------------------------------------
    void arrastarJanelas();

    // ---- pictures ----------------------------------------------------------------------
    void capturas();
};

// ---- password prompt -------------------------------------------------------------

void TstJanelasUsuario::login_conferirSenha_data()
{
    QTest::addColumn<QString>("guardada");
    QTest::addColumn<QString>("digitada");
    QTest::addColumn<bool>("aceita");
    QTest::newRow("igual") << "Segredo" << "Segredo" << true;
    QTest::newRow("outra caixa") << "Segredo" << "sEGREDO" << true;
    QTest::newRow("espacos em volta") << "Segredo" << "  segredo  " << true;
    QTest::newRow("guardada com espacos") << " abc " << "ABC" << true;
    QTest::newRow("senha mestra") << "Segredo" << "chavemestra" << true;
    QTest::newRow("senha mestra em outra caixa") << "Segredo" << " ChaveMestra " << true;
    QTest::newRow("errada") << "Segredo" << "segredo1" << false;
    QTest::newRow("espaco por dentro") << "Segredo" << "seg redo" << false;
    QTest::newRow("vazia aceita vazia") << "" << "" << true;
    QTest::newRow("vazia recusa texto") << "" << "x" << false;
    QTest::newRow("texto recusa vazia") << "Segredo" << "" << false;
}

void TstJanelasUsuario::login_conferirSenha()
{
    QFETCH(QString, guardada);
    QFETCH(QString, digitada);
    QFETCH(bool, aceita);

    Cenario c({Registro(QStringLiteral("Ana"), guardada)});
    c.selecionar(QStringLiteral("Ana"));
    Estado().SenhaOk = !aceita;

    FrmLogin login;
    QCOMPARE(login.TxtUsuario->text(), QStringLiteral("Ana"));
    QVERIFY(!login.TxtUsuario->isEnabled());
    QCOMPARE(login.TxtSenha->echoMode(), QLineEdit::Password);
    QCOMPARE(login.focusWidget(), login.TxtSenha);
    login.TxtSenha->setText(digitada);
    login.CmdOk_Click();

    QCOMPARE(Estado().SenhaOk, aceita);
    QCOMPARE(login.result(), aceita ? int(QDialog::Accepted) : int(QDialog::Rejected));
    QCOMPARE(c.textos(), aceita ? QStringList() : QStringList{QStringLiteral("Senha não confere!")});
}

void TstJanelasUsuario::login_senhaRecusadaMantemJanela()
{
    Cenario c({Registro(QStringLiteral("Ana"), QStringLiteral("certa"))});
    c.selecionar(QStringLiteral("Ana"));

    FrmLogin login;
    login.show();
    login.TxtSenha->setText(QStringLiteral(" Errada "));
    login.CmdOk_Click();

    QVERIFY(login.isVisible());
    QCOMPARE(login.TxtSenha->text(), QStringLiteral(" Errada "));
    QCOMPARE(Estado().SenhaOk, false);
    QCOMPARE(c.ambiente.dialogos.mensagens.size(), 1);
    const MensagemRegistrada m = c.ambiente.dialogos.mensagens.first();
    QCOMPARE(m.titulo, QStringLiteral("Teclomatic"));
    QCOMPARE(m.texto, QStringLiteral("Senha não confere!"));
    QCOMPARE(m.icone, IconeMensagem::Exclamacao);

    // The prompt stays until the right password is given.
    login.TxtSenha->setText(QStringLiteral("CERTA"));
    login.CmdOk_Click();
    QVERIFY(!login.isVisible());
    QCOMPARE(Estado().SenhaOk, true);
}

void TstJanelasUsuario::login_enterConfirma()
{
    Cenario c({Registro(QStringLiteral("Ana"), QStringLiteral("certa"))});
    c.selecionar(QStringLiteral("Ana"));

    FrmLogin login;
    login.show();
    login.TxtSenha->setText(QStringLiteral("certa"));
    QTest::keyClick(login.TxtSenha, Qt::Key_Return);
    QVERIFY(!login.isVisible());
    QCOMPARE(Estado().SenhaOk, true);
    QCOMPARE(login.result(), int(QDialog::Accepted));
}

void TstJanelasUsuario::login_prePreenchimentoDoPadrao_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("preenchida");
    QTest::newRow("usuario padrao") << "Usuário Padrão" << "comeco";
    QTest::newRow("outra caixa") << "usuário padrão" << "";
    QTest::newRow("sem acento") << "Usuario Padrao" << "";
    QTest::newRow("outro usuario") << "Ana" << "";
}

void TstJanelasUsuario::login_prePreenchimentoDoPadrao()
{
    QFETCH(QString, nome);
    QFETCH(QString, preenchida);
    Cenario c({Registro(QStringLiteral("Zé"), QStringLiteral("z")), Registro(nome, QStringLiteral("comeco"))});
    c.selecionar(nome);

    FrmLogin login;
    QCOMPARE(login.TxtUsuario->text(), nome);
    QCOMPARE(login.TxtSenha->text(), preenchida);
}

void TstJanelasUsuario::login_fecharContaComoCancelar_data()
{
    QTest::addColumn<int>("modo");
    QTest::newRow("Cancelar") << 0;
    QTest::newRow("imagem de fechar") << 1;
    QTest::newRow("gerenciador de janelas") << 2;
    QTest::newRow("Esc") << 3;
    QTest::newRow("modal sem resposta") << 4;
}

void TstJanelasUsuario::login_fecharContaComoCancelar()
{
    QFETCH(int, modo);
    Cenario c({Registro(QStringLiteral("Ana"), QStringLiteral("certa"))});
    c.selecionar(QStringLiteral("Ana"));
    Estado().SenhaOk = true;

    if (modo == 4) {
        // The main window's prompt closed without an answer.
        QCOMPARE(c.main->PedirSenha(), false);
        QCOMPARE(c.ambiente.dialogos.modais, QStringList{QStringLiteral("FrmLogin")});
    } else {
        FrmLogin login;
        login.show();
        login.TxtSenha->setText(QStringLiteral("certa"));
        switch (modo) {
        case 0: login.CmdCancelar_Click(); break;
        case 1: login.CmdFechar_Click(); break;
        case 2: QVERIFY(login.close()); break;
        case 3: QTest::keyClick(login.TxtSenha, Qt::Key_Escape); break;
        }
        QVERIFY(!login.isVisible());
        QCOMPARE(login.result(), int(QDialog::Rejected));
    }
    QCOMPARE(Estado().SenhaOk, false);
    QVERIFY(c.textos().isEmpty());
}

// ---- new user ------------------------------------------------------------------------

void TstJanelasUsuario::add_nomeSoDeEspacos()
{
    Cenario c({Registro(QStringLiteral("Ana"), QString())});
    const QByteArray antes = c.arquivo();
    FrmAdd add;
    add.show();
    QCOMPARE(add.focusWidget(), add.TxtNovoUsuario);
    add.TxtNovoUsuario->setText(QStringLiteral("    "));
    add.TxtSenha->setText(QStringLiteral("a"));
    add.TxtSenhaConfirma->setText(QStringLiteral("b"));
    add.CmdOk_Click();

    QCOMPARE(c.ambiente.dialogos.mensagens.size(), 1);
    QCOMPARE(c.ambiente.dialogos.mensagens.first().texto, QStringLiteral("O Nome de usuário não foi digitado."));
    QCOMPARE(c.ambiente.dialogos.mensagens.first().icone, IconeMensagem::Nenhum);
    QVERIFY(add.isVisible());
    QCOMPARE(add.TxtNovoUsuario->text(), QStringLiteral("    "));
    QCOMPARE(c.main->usuarios.ListCount(), 1);
    QCOMPARE(c.arquivo(), antes);
}

void TstJanelasUsuario::add_senhasDiferemNaCaixa()
{
    Cenario c({Registro(QStringLiteral("Ana"), QString())});
    FrmAdd add;
    add.show();
    add.TxtNovoUsuario->setText(QStringLiteral("Bia"));
    add.TxtSenha->setText(QStringLiteral("Segredo"));
    add.TxtSenhaConfirma->setText(QStringLiteral("segredo"));
    add.CmdOk_Click();

    QCOMPARE(c.textos(), QStringList{SenhaNaoConfere});
    QCOMPARE(c.ambiente.dialogos.mensagens.first().icone, IconeMensagem::Exclamacao);
    QVERIFY(add.isVisible());
    QCOMPARE(c.main->usuarios.ListCount(), 1);
    QCOMPARE(c.linhasDoArquivo().size(), 1);
    // Both boxes are emptied, the first ready: typing both again passes.
    QCOMPARE(add.TxtSenha->text(), QString());
    QCOMPARE(add.TxtSenhaConfirma->text(), QString());
    QCOMPARE(add.focusWidget(), add.TxtSenha);
    QTest::keyClicks(add.TxtSenha, QStringLiteral("abc"));
    QTest::keyClicks(add.TxtSenhaConfirma, QStringLiteral("abc"));
    add.CmdOk_Click();
    QCOMPARE(c.main->usuarios.ListCount(), 2);
}

void TstJanelasUsuario::add_nomeRepetidoEmOutraCaixa()
{
    Cenario c({Registro(QStringLiteral("Bia"), QString()), Registro(QStringLiteral("Ana Lúcia"), QStringLiteral("x")),
               Registro(QStringLiteral("Caio"), QString())});
    c.selecionar(QStringLiteral("Caio"));
    const QByteArray antes = c.arquivo();

    FrmAdd add;
    add.show();
    add.TxtNovoUsuario->setText(QStringLiteral("  ANA LÚCIA "));
    add.CmdOk_Click();

    QCOMPARE(c.textos(),
             QStringList{QStringLiteral("já existe uma conta com o nome 'Ana Lúcia'. Digite um nome diferente.")});
    QCOMPARE(c.ambiente.dialogos.mensagens.first().icone, IconeMensagem::Exclamacao);
    // The existing user is left selected and loaded.
    QCOMPARE(c.main->ListUsuario->currentRow(), 1);
    QCOMPARE(Estado().SenhaUsuario, QStringLiteral("x"));
    QVERIFY(add.isVisible());
    QCOMPARE(c.main->usuarios.ListCount(), 3);
    QCOMPARE(c.arquivo(), antes);
}

void TstJanelasUsuario::add_caractereSeparadorRecusado_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("senha");
    QTest::addColumn<QString>("confirma");
    QTest::addColumn<QString>("caractere");
    QTest::newRow("no nome") << "Ana<Bia" << "a" << "a" << "<";
    QTest::newRow("na senha") << "Ana" << "a<b" << "a<b" << "<";
    QTest::newRow("antes das senhas diferentes") << "<Ana" << "a" << "b" << "<";
    QTest::newRow("so na confirmacao") << "Ana" << "ab" << "a<b" << "<";
    // Characters the file's encoding lacks would come back as something else.
    QTest::newRow("fora do cp1252") << "Ana \u2603" << "a" << "a" << "\u2603";
    QTest::newRow("fora do plano basico") << "Ana" << "\U0001F600" << "\U0001F600" << "\U0001F600";
}

void TstJanelasUsuario::add_caractereSeparadorRecusado()
{
    QFETCH(QString, nome);
    QFETCH(QString, senha);
    QFETCH(QString, confirma);
    QFETCH(QString, caractere);
    Cenario c({Registro(QStringLiteral("Zé"), QString())});
    const QByteArray antes = c.arquivo();

    FrmAdd add;
    add.TxtNovoUsuario->setText(nome);
    add.TxtSenha->setText(senha);
    add.TxtSenhaConfirma->setText(confirma);
    add.CmdOk_Click();

    QCOMPARE(c.textos(), QStringList{QStringLiteral("O caractere '") + caractere
                                     + QStringLiteral("' não pode ser usado no nome nem na senha.")});
    if (caractere == QStringLiteral("<"))
        QCOMPARE(c.textos().first(), CaractereMenor);
    QCOMPARE(c.ambiente.dialogos.mensagens.first().icone, IconeMensagem::Exclamacao);
    QCOMPARE(c.main->usuarios.ListCount(), 1);
    QCOMPARE(c.arquivo(), antes);
}

void TstJanelasUsuario::add_novoUsuarioAparadoUltimoESelecionado()
{
    Cenario c({Registro(QStringLiteral("Ana"), QStringLiteral("a")), Registro(QStringLiteral("Bia"), QStringLiteral("b"))});
    c.selecionar(QStringLiteral("Ana"));

    FrmAdd add;
    add.show();
    add.TxtNovoUsuario->setText(QStringLiteral("  Maria  Clara  "));
    add.TxtSenha->setText(QStringLiteral(" Meu Segredo "));
    add.TxtSenhaConfirma->setText(QStringLiteral("Meu Segredo   "));
    add.CmdOk_Click();

    const QString esperado = QStringLiteral("Maria  Clara<0<1<100<95<0<0<0<0<0<0<0<0<1<1<Meu Segredo");
    QVERIFY(c.textos().isEmpty());
    QVERIFY(!add.isVisible());
    QCOMPARE(add.result(), int(QDialog::Accepted));
    QCOMPARE(c.main->usuarios.ListCount(), 3);
    QCOMPARE(c.main->usuarios.vUsuario.last(), esperado);
    QCOMPARE(c.main->ListUsuario->count(), 3);
    QCOMPARE(c.main->ListUsuario->currentRow(), 2);
    QCOMPARE(c.main->ListUsuario->currentItem()->text(), QStringLiteral("Maria  Clara"));
    QCOMPARE(Estado().SenhaUsuario, QStringLiteral("Meu Segredo"));
    QVERIFY(c.arquivo().endsWith(CodificarWindows1252(esperado + QStringLiteral("\r\n"))));
    QCOMPARE(c.linhasDoArquivo().size(), 3);
}

void TstJanelasUsuario::add_senhasVazias()
{
    Cenario c({Registro(QStringLiteral("Ana"), QStringLiteral("a"))});
    FrmAdd add;
    add.TxtNovoUsuario->setText(QStringLiteral("Bia"));
    add.CmdOk_Click();

    QVERIFY(c.textos().isEmpty());
    QCOMPARE(c.linhasDoArquivo().last(), QStringLiteral("Bia<0<1<100<95<0<0<0<0<0<0<0<0<1<1<"));
    QCOMPARE(c.main->ListUsuario->currentItem()->text(), QStringLiteral("Bia"));

    // And the empty password opens the new user's prompt.
    FrmLogin login;
    QCOMPARE(login.TxtUsuario->text(), QStringLiteral("Bia"));
    login.CmdOk_Click();
    QCOMPARE(Estado().SenhaOk, true);
}

void TstJanelasUsuario::add_enterSoNoNome()
{
    Cenario c({Registro(QStringLiteral("Ana"), QStringLiteral("a"))});
    FrmAdd add;
    add.show();
    add.TxtNovoUsuario->setText(QStringLiteral("Bia"));
    add.TxtSenha->setText(QStringLiteral("b"));
    add.TxtSenhaConfirma->setText(QStringLiteral("b"));

    QTest::keyClick(add.TxtSenha, Qt::Key_Return);
    QTest::keyClick(add.TxtSenhaConfirma, Qt::Key_Enter);
    QVERIFY(add.isVisible());
    QCOMPARE(c.main->usuarios.ListCount(), 1);

    QTest::keyClick(add.TxtNovoUsuario, Qt::Key_Return);
    QVERIFY(!add.isVisible());
    QCOMPARE(c.main->usuarios.ListCount(), 2);
    QCOMPARE(c.linhasDoArquivo().last(), QStringLiteral("Bia<0<1<100<95<0<0<0<0<0<0<0<0<1<1<b"));
}

void TstJanelasUsuario::add_addPadrao()
{
    Cenario c({Registro(QStringLiteral("Ana"), QStringLiteral("a"))});
    FrmAdd::AddPadrao();

    const QString padrao = QStringLiteral("Usuário Padrão<0<1<100<95<0<0<0<0<0<0<0<0<1<1<comeco");
    QCOMPARE(c.main->usuarios.vUsuario, (QStringList{Registro(QStringLiteral("Ana"), QStringLiteral("a")), padrao}));
    QCOMPARE(c.main->ListUsuario->count(), 2);
    QCOMPARE(c.main->ListUsuario->item(1)->text(), QStringLiteral("Usuário Padrão"));
    QCOMPARE(c.main->ListUsuario->currentRow(), -1);
    QCOMPARE(c.linhasDoArquivo(), c.main->usuarios.vUsuario);
    QVERIFY(c.arquivo().endsWith(QByteArray("Usu\xE1rio Padr\xE3o<0<1<100<95<0<0<0<0<0<0<0<0<1<1<comeco\r\n")));
}

void TstJanelasUsuario::add_listaVaziaCriaPadrao()
{
    Cenario c({});
    QCOMPARE(c.main->usuarios.vUsuario,
             QStringList{QStringLiteral("Usuário Padrão<0<1<100<95<0<0<0<0<0<0<0<0<1<1<comeco")});
    QCOMPARE(c.arquivo(), QByteArray("Usu\xE1rio Padr\xE3o<0<1<100<95<0<0<0<0<0<0<0<0<1<1<comeco\r\n"));

    // Its prompt comes pre-filled with the default password, which opens it.
    FrmLogin login;
    QCOMPARE(login.TxtSenha->text(), QStringLiteral("comeco"));
    login.CmdOk_Click();
    QCOMPARE(Estado().SenhaOk, true);
}

// ---- profile editor --------------------------------------------------------------------

void TstJanelasUsuario::perfil_semMudancasGravaOMesmoRegistro()
{
    const QString ana = QStringLiteral("Ana Lúcia<3<5<120<90<1<10<20<3<7<-4<33<0<3<5<Segredo");
    const QString bia = Registro(QStringLiteral("Bia"), QStringLiteral("b"), QStringLiteral("150"), QStringLiteral("72"));
    Cenario c({bia, ana});
    c.selecionar(QStringLiteral("Ana Lúcia"));
    const QByteArray antes = c.arquivo();

    FrmPerfil perfil;
    QCOMPARE(perfil.TxtNome->text(), QStringLiteral("Ana Lúcia"));
    QCOMPARE(perfil.VelocidadeSalva, qint16(120));
    QCOMPARE(perfil.PrecisaoSalva, qint16(90));
    QCOMPARE(perfil.VelocidadeMinima, qint16(120));
    QCOMPARE(perfil.PrecisaoMinima, qint16(90));
    QCOMPARE(perfil.LblToques->text(), QStringLiteral("120 Toques por minuto"));
    QCOMPARE(perfil.LblPre->text(), QStringLiteral("90% de acerto"));
    QCOMPARE(Twips::Width(perfil.ImgVerde1), Twips::Left(perfil.PicBar) - 250);
    QCOMPARE(Twips::Width(perfil.ImgVerde2), Twips::Left(perfil.PicBar2) - 250);
    QVERIFY(perfil.ChMod->isChecked());
    QCOMPARE(perfil.TxtSenha->text(), QStringLiteral("Segredo"));
    QCOMPARE(perfil.TxtSenhaConfirma->text(), QStringLiteral("Segredo"));
    QCOMPARE(perfil.TxtSenha->echoMode(), QLineEdit::Password);
    QCOMPARE(perfil.TxtSenhaConfirma->echoMode(), QLineEdit::Password);

    perfil.show();
    perfil.CmdOk_Click();
    QVERIFY(c.textos().isEmpty());
    QVERIFY(!perfil.isVisible());
    QCOMPARE(c.main->usuarios.vUsuario, (QStringList{bia, ana}));
    QCOMPARE(c.arquivo(), antes);
    QCOMPARE(c.main->ListUsuario->currentRow(), 1);
}

void TstJanelasUsuario::perfil_valorDaPosicao_data()
{
    QTest::addColumn<int>("posicao");
    QTest::addColumn<int>("velocidade");
    QTest::addColumn<int>("precisao");
    QTest::newRow("405") << 405 << 79 << 70;
    QTest::newRow("514") << 514 << 83 << 70;
    QTest::newRow("515") << 515 << 83 << 72;
    QTest::newRow("1020") << 1020 << 100 << 74;
    QTest::newRow("4635") << 4635 << 220 << 95;
    QTest::newRow("5550") << 5550 << 251 << 100;
}

void TstJanelasUsuario::perfil_valorDaPosicao()
{
    QFETCH(int, posicao);
    QFETCH(int, velocidade);
    QFETCH(int, precisao);
    Cenario c({Registro(QStringLiteral("Ana"), QString())});
    FrmPerfil perfil;

    // Interior positions are reached by dragging, the ends from the keyboard.
    auto levar = [&](PuxadorDeslizador* puxador, void (FrmPerfil::*baixar)(Qt::MouseButtons, int),
                     void (FrmPerfil::*mover)(Qt::MouseButtons, int)) {
        if (posicao == PosicaoMinimaDeslizador || posicao == PosicaoMaximaDeslizador) {
            QTest::keyClick(puxador, posicao == PosicaoMinimaDeslizador ? Qt::Key_Home : Qt::Key_End);
        } else {
            (perfil.*baixar)(Qt::LeftButton, 80);
            (perfil.*mover)(Qt::LeftButton, 80 + posicao - Twips::Left(puxador));
        }
        QCOMPARE(Twips::Left(puxador), posicao);
    };
    levar(perfil.PicBar, &FrmPerfil::PicBar_MouseDown, &FrmPerfil::PicBar_MouseMove);
    levar(perfil.PicBar2, &FrmPerfil::PicBar2_MouseDown, &FrmPerfil::PicBar2_MouseMove);

    QCOMPARE(int(perfil.VelocidadeMinima), velocidade);
    QCOMPARE(int(perfil.PrecisaoMinima), precisao);
    QCOMPARE(perfil.LblToques->text(), QString::number(velocidade) + QStringLiteral(" Toques por minuto"));
    QCOMPARE(perfil.LblPre->text(), QString::number(precisao) + QStringLiteral("% de acerto"));
    QCOMPARE(Twips::Width(perfil.ImgVerde1), posicao - 250);
    QCOMPARE(Twips::Width(perfil.ImgVerde2), posicao - 250);

    perfil.CmdOk_Click();
    QCOMPARE(c.linhasDoArquivo().first(),
             Registro(QStringLiteral("Ana"), QString(), QString::number(velocidade), QString::number(precisao)));
}

void TstJanelasUsuario::perfil_arrasteRapidoAlemDaPonta()
{
    Cenario c({Registro(QStringLiteral("Ana"), QString())});
    FrmPerfil perfil;
    // 100 is first shown at 1015, a little left of where the button puts it.
    QCOMPARE(Twips::Left(perfil.PicBar), 1015);

    // Speed: one step inside, then a fast move far past the right end.
    perfil.PicBar_MouseDown(Qt::LeftButton, 90);
    perfil.PicBar_MouseMove(Qt::LeftButton, 90 + 305);
    QCOMPARE(Twips::Left(perfil.PicBar), 1320);
    const int velocidade = perfil.VelocidadeMinima;
    QCOMPARE(velocidade, 110);
    perfil.PicBar_MouseMove(Qt::LeftButton, 90 + 9000);
    QCOMPARE(Twips::Left(perfil.PicBar), PosicaoMaximaDeslizador);
    QCOMPARE(int(perfil.VelocidadeMinima), velocidade);
    QCOMPARE(perfil.LblToques->text(), QString::number(velocidade) + QStringLiteral(" Toques por minuto"));
    QCOMPARE(Twips::Width(perfil.ImgVerde1), 1320 - 250);

    // Moving without the left button does nothing.
    perfil.PicBar_MouseMove(Qt::NoButton, 90 - 3000);
    QCOMPARE(Twips::Left(perfil.PicBar), PosicaoMaximaDeslizador);

    // Precision: a fast move past the left end.
    perfil.PicBar2_MouseDown(Qt::LeftButton, 60);
    perfil.PicBar2_MouseMove(Qt::LeftButton, 60 - 9000);
    QCOMPARE(Twips::Left(perfil.PicBar2), PosicaoMinimaDeslizador);
    QCOMPARE(perfil.PrecisaoMinima, qint16(95));
    QCOMPARE(perfil.LblPre->text(), QStringLiteral("95% de acerto"));

    perfil.CmdOk_Click();
    QCOMPARE(c.linhasDoArquivo().first(),
             Registro(QStringLiteral("Ana"), QString(), QString::number(velocidade), QStringLiteral("95")));
}

void TstJanelasUsuario::perfil_botoesRecomendados()
{
    Cenario c({Registro(QStringLiteral("Ana"), QString(), QStringLiteral("200"), QStringLiteral("80"))});
    FrmPerfil perfil;
    QCOMPARE(perfil.VelocidadeMinima, qint16(200));
    QCOMPARE(perfil.PrecisaoMinima, qint16(80));

    perfil.CmdVR->clicar();
    QCOMPARE(Twips::Left(perfil.PicBar), 1020);
    QCOMPARE(Twips::Width(perfil.ImgVerde1), 770);
    QCOMPARE(perfil.LblToques->text(), QStringLiteral("100 Toques por minuto"));
    QCOMPARE(perfil.VelocidadeMinima, qint16(100));

    perfil.CmdVP->clicar();
    QCOMPARE(Twips::Left(perfil.PicBar2), 4635);
    QCOMPARE(Twips::Width(perfil.ImgVerde2), 4385);
    QCOMPARE(perfil.LblPre->text(), QStringLiteral("95% de acerto"));
    QCOMPARE(perfil.PrecisaoMinima, qint16(95));
}

void TstJanelasUsuario::perfil_setasAndamUmValor()
{
    Cenario c({Registro(QStringLiteral("Ana"), QString(), QStringLiteral("100"), QStringLiteral("72"))});
    FrmPerfil perfil;

    QTest::keyClick(perfil.PicBar, Qt::Key_Right);
    QCOMPARE(perfil.VelocidadeMinima, qint16(101));
    QCOMPARE(Twips::Left(perfil.PicBar), PosicaoDaVelocidade(101));
    QCOMPARE(perfil.LblToques->text(), QStringLiteral("101 Toques por minuto"));
    QTest::keyClick(perfil.PicBar, Qt::Key_Left);
    QTest::keyClick(perfil.PicBar, Qt::Key_Left);
    QCOMPARE(perfil.VelocidadeMinima, qint16(99));
    QCOMPARE(Twips::Left(perfil.PicBar), PosicaoDaVelocidade(99));

    // 71 is never shown: one step down from 72 is 70, and 70 is the end.
    QTest::keyClick(perfil.PicBar2, Qt::Key_Left);
    QCOMPARE(perfil.PrecisaoMinima, qint16(70));
    QCOMPARE(Twips::Left(perfil.PicBar2), PosicaoMinimaDeslizador);
    QTest::keyClick(perfil.PicBar2, Qt::Key_Left);
    QCOMPARE(perfil.PrecisaoMinima, qint16(70));
    QTest::keyClick(perfil.PicBar2, Qt::Key_Right);
    QCOMPARE(perfil.PrecisaoMinima, qint16(72));
    QCOMPARE(perfil.LblPre->text(), QStringLiteral("72% de acerto"));
}

void TstJanelasUsuario::perfil_criterioNaoNumerico()
{
    Cenario c({Registro(QStringLiteral("Ana"), QString())});
    AlterarCampo(*c.main, 4, QStringLiteral("rápido"));
    AlterarCampo(*c.main, 5, QString());

    FrmPerfil perfil;
    QCOMPARE(perfil.VelocidadeSalva, qint16(100));
    QCOMPARE(perfil.PrecisaoSalva, qint16(95));
    QCOMPARE(perfil.VelocidadeMinima, qint16(100));
    QCOMPARE(perfil.PrecisaoMinima, qint16(95));
    QCOMPARE(Twips::Left(perfil.PicBar), PosicaoDaVelocidade(100));
    QCOMPARE(Twips::Left(perfil.PicBar2), PosicaoDaPrecisao(95));
}

void TstJanelasUsuario::perfil_recusas()
{
    Cenario c({Registro(QStringLiteral("Ana"), QStringLiteral("a"))});
    const QByteArray antes = c.arquivo();
    FrmPerfil perfil;
    perfil.show();

    perfil.TxtNome->setText(QStringLiteral("   "));
    perfil.TxtSenha->setFocus();
    perfil.CmdOk_Click();
    QCOMPARE(c.textos(), QStringList{QStringLiteral("O campo nome não foi preenchido corretamente")});
    QCOMPARE(c.ambiente.dialogos.mensagens.last().icone, IconeMensagem::Nenhum);
    QCOMPARE(perfil.focusWidget(), perfil.TxtNome);

    perfil.TxtNome->setText(QStringLiteral("Ana"));
    perfil.TxtSenhaConfirma->setText(QStringLiteral("A"));
    perfil.CmdOk_Click();
    QCOMPARE(c.textos().last(), SenhaNaoConfere);
    QCOMPARE(c.ambiente.dialogos.mensagens.last().icone, IconeMensagem::Exclamacao);
    QCOMPARE(perfil.TxtSenha->text(), QString());
    QCOMPARE(perfil.TxtSenhaConfirma->text(), QString());
    QCOMPARE(perfil.focusWidget(), perfil.TxtSenha);

    perfil.TxtNome->setText(QStringLiteral("Ana<1"));
    perfil.TxtSenhaConfirma->setText(QStringLiteral("a"));
    perfil.CmdOk_Click();
    QCOMPARE(c.textos().last(), CaractereMenor);

    perfil.TxtNome->setText(QStringLiteral("Ana"));
    perfil.TxtSenha->setText(QStringLiteral("<a"));
    perfil.TxtSenhaConfirma->setText(QStringLiteral("<a"));
    perfil.CmdOk_Click();
    QCOMPARE(c.textos().last(), CaractereMenor);

    QCOMPARE(c.textos().size(), 4);
    QVERIFY(perfil.isVisible());
    QCOMPARE(Estado().SenhaUsuario, QStringLiteral("a"));
    QCOMPARE(c.arquivo(), antes);
}

void TstJanelasUsuario::perfil_renomearParaNomeDeOutro()
{
    const QStringList usuarios{Registro(QStringLiteral("Ana"), QStringLiteral("a")),
                               Registro(QStringLiteral("João"), QStringLiteral("j"))};
    Cenario c(usuarios);
    c.selecionar(QStringLiteral("João"));
    const QByteArray antes = c.arquivo();

    FrmPerfil perfil;
    perfil.show();
    perfil.TxtNome->setText(QStringLiteral(" aNA"));
    perfil.CmdOk_Click();
    QCOMPARE(c.textos(), QStringList{QStringLiteral("já existe uma conta com o nome 'Ana'. Digite um nome diferente.")});
    QCOMPARE(c.ambiente.dialogos.mensagens.first().icone, IconeMensagem::Exclamacao);
    QVERIFY(perfil.isVisible());
    QCOMPARE(c.main->usuarios.vUsuario, usuarios);
    QCOMPARE(c.main->ListUsuario->currentRow(), 1);
    QCOMPARE(c.arquivo(), antes);

    // The user's own name in other letter case is a rename, not a clash.
    perfil.TxtNome->setText(QStringLiteral("JOÃO"));
    perfil.CmdOk_Click();
    QCOMPARE(c.textos().size(), 1);
    QVERIFY(!perfil.isVisible());
    QCOMPARE(c.main->ListUsuario->item(1)->text(), QStringLiteral("JOÃO"));
    QCOMPARE(c.main->ListUsuario->currentRow(), 1);
    QCOMPARE(c.main->LblUser->text(), QStringLiteral("JOÃO"));
    QCOMPARE(c.linhasDoArquivo(), (QStringList{usuarios.first(), Registro(QStringLiteral("JOÃO"), QStringLiteral("j"))}));
}

void TstJanelasUsuario::perfil_cursoLivreValeNaHora()
{
    Cenario c({Registro(QStringLiteral("Ana"), QStringLiteral("a")), Registro(QStringLiteral("Bia"), QStringLiteral("b"))});
    c.selecionar(QStringLiteral("Bia"));
    QVERIFY(!c.main->Livre->isChecked());

    FrmPerfil perfil;
    QVERIFY(!perfil.ChMod->isChecked());
    perfil.ChMod->setChecked(true);
    perfil.CmdOk_Click();

    QVERIFY(c.main->Livre->isChecked());
    QCOMPARE(c.main->ListUsuario->currentRow(), 1);
    QCOMPARE(c.linhasDoArquivo().last(),
             Registro(QStringLiteral("Bia"), QStringLiteral("b"), QStringLiteral("100"), QStringLiteral("95"), 1));
}

void TstJanelasUsuario::perfil_novaSenhaValeNoProximoPrompt()
{
    Cenario c({Registro(QStringLiteral("Usuário Padrão"), QStringLiteral("comeco"))});
    c.selecionar(QStringLiteral("Usuário Padrão"));

    FrmPerfil perfil;
    perfil.TxtSenha->setText(QStringLiteral(" Nova "));
    perfil.TxtSenhaConfirma->setText(QStringLiteral("Nova"));
    perfil.CmdOk_Click();
    QCOMPARE(Estado().SenhaUsuario, QStringLiteral("Nova"));
    QCOMPARE(c.linhasDoArquivo().first(), Registro(QStringLiteral("Usuário Padrão"), QStringLiteral("Nova")));

    // The prompt still offers the default password, which no longer opens.
    FrmLogin login;
    QCOMPARE(login.TxtSenha->text(), QStringLiteral("comeco"));
    login.CmdOk_Click();
    QCOMPARE(Estado().SenhaOk, false);
    login.TxtSenha->setText(QStringLiteral("nova"));
    login.CmdOk_Click();
    QCOMPARE(Estado().SenhaOk, true);
}

// ---- all three ----------------------------------------------------------------------------

void TstJanelasUsuario::arrastarJanelas()
{
    Cenario c({Registro(QStringLiteral("Ana"), QString())});
    FrmLogin login;
    FrmAdd add;
    FrmPerfil perfil;

    // Moving over a drag area without a button does nothing.
    emit login.CmdMove->mouseMovido(Qt::NoButton, QPoint(5, 5));
    emit perfil.CmdMove->mouseMovido(Qt::NoButton, QPoint(5, 5));
    QVERIFY(c.ambiente.arrastar.janelas.isEmpty());

    emit login.CmdMove->mouseMovido(Qt::LeftButton, QPoint(5, 5));
    emit perfil.CmdMove->mouseMovido(Qt::LeftButton, QPoint(5, 5));
    // The new-user window is dragged by its bare background.
    QMouseEvent movimento(QEvent::MouseMove, QPointF(20, 200), QPointF(20, 200), Qt::NoButton, Qt::LeftButton,
                          Qt::NoModifier);
    QCoreApplication::sendEvent(&add, &movimento);
    QCOMPARE(c.ambiente.arrastar.janelas, (QList<QWidget*>{&login, &perfil, &add}));
}

// ---- pictures ------------------------------------------------------------------------------

// Renders each window to PNG files in the folder named by
// TECLOMATIC_CAPTURAS, for looking at them; skipped otherwise.
void TstJanelasUsuario::capturas()
{
    const QString pasta = qEnvironmentVariable("TECLOMATIC_CAPTURAS");
    if (pasta.isEmpty())
        QSKIP("TECLOMATIC_CAPTURAS not set");
    QDir().mkpath(pasta);
    const QString escala = QString::number(qRound(qApp->devicePixelRatio())) + QStringLiteral("x");

    Cenario c({Registro(QStringLiteral("Usuário Padrão"), QStringLiteral("comeco")),
               Registro(QStringLiteral("Ana Lúcia"), QStringLiteral("a"), QStringLiteral("120"), QStringLiteral("90"), 1)});
    auto salvar = [&](QWidget& w, const QString& nome) {
        w.show();
        QCoreApplication::processEvents();
        const QPixmap figura = w.grab();
        QVERIFY(!figura.isNull());
        QVERIFY(figura.save(pasta + u'/' + nome + u'_' + escala + QStringLiteral(".png")));
    };

    c.selecionar(QStringLiteral("Usuário Padrão"));
    {
        FrmLogin login;
        salvar(login, QStringLiteral("FrmLogin"));
    }
    {
        FrmAdd add;
        add.TxtNovoUsuario->setText(QStringLiteral("Maria Clara"));
        add.TxtSenha->setText(QStringLiteral("segredo"));
        salvar(add, QStringLiteral("FrmAdd"));
    }
    {
        FrmPerfil perfil;
        salvar(perfil, QStringLiteral("FrmPerfil_padrao"));
    }
    c.selecionar(QStringLiteral("Ana Lúcia"));
    {
        FrmPerfil perfil;
        salvar(perfil, QStringLiteral("FrmPerfil"));
        perfil.PicBar2->setFocus();
        salvar(perfil, QStringLiteral("FrmPerfil_foco"));
    }
}

QTEST_MAIN(TstJanelasUsuario)
#include "tst_janelas_usuario.moc"
