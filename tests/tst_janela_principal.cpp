// The main window as the program starts, lays out, routes the keyboard and
// closes it: the first start, the two stored settings, the display mode put
// back at exit, the focus of the key receiver, saving at close, the close
// buttons, keys evaluated once and the interface colours.
#include "app/EstadoCurso.h"
#include "fakes/JanelaTeste.h"
#include "ui/CaixaMensagem.h"
#include "ui/FrmAjuda.h"
#include "ui/FrmOpcao.h"
#include "ui/FrmPausa.h"
#include "ui/Imagem.h"
#include "ui/PainelDesenhado.h"
#include "ui/Twips.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QDir>
#include <QFileInfo>
#include <QtTest>

using Configuracao = QMap<QString, QString>;

namespace {

// Ana at lesson 3, exercise 1 (a key drill), frontier at lesson 3.
const QString AnaLicao3 = QStringLiteral("Ana<3<1<100<95<0<0<0<0<0<0<0<0<3<1<segredo");

JanelaTeste::Preparo Configurar(const QMap<QString, QString>& valores, int tecladoDoSistema = 0)
{
    return [valores, tecladoDoSistema](AmbienteTeste& amb) {
        amb.configuracao.valores = valores;
        amb.tecladoSistema.proposta = tecladoDoSistema;
    };
}

QPoint PosicaoTwips(const QWidget* w)
{
    return {Twips::Left(w), Twips::Top(w)};
}

// The panel's place when centred in a window of that size, in twips.
QPoint Centrado(QSize janela)
{
    return {int((janela.width() / 2.0 - 400) * Twips::PorPixel), int((janela.height() / 2.0 - 300) * Twips::PorPixel)};
}

void Redimensionar(FrmMain& w, QSize tamanho)
{
    w.showNormal();
    w.resize(tamanho);
    QCOMPARE(w.size(), tamanho);
    w.Form_Activate();
}

// Shows the window and makes it the active one, so focus can be checked.
void Ativar(FrmMain& w)
{
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
}

QStringList Campos(const QString& registro)
{
    return registro.split(u'<');
}

} // namespace

class TstJanelaPrincipal : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    void primeiroInicioCriaOUsuarioPadrao();
    void praticaConstruidaNoPrimeiroUso();
    void arquivoDeUsuariosIlegivelEAvisado();
    void modoTela_data();
    void modoTela();
    void painelReduzidoNumaTelaPequena();
    void tecladoDaConfiguracao_data();
    void tecladoDaConfiguracao();
    void modoDeVideoDevolvidoAoFechar_data();
    void modoDeVideoDevolvidoAoFechar();

    void focoComecaNoPicSet_data();
    void focoComecaNoPicSet();
    void cliquesDevolvemOFoco_data();
    void cliquesDevolvemOFoco();
    void teclaAvaliadaUmaVez();
    void tabPercorreSoATelaDeUsuario();
    void janelaDePausa_data();
    void janelaDePausa();
    void f1AbreAAjuda();
    void teclasDeComandoERepetidasNaoContam();

    void fecharNaTelaDeUsuarioNaoGrava_data();
    void fecharNaTelaDeUsuarioNaoGrava();
    void fecharPraticandoGravaAPosicao();
    void botoesFechar_data();
    void botoesFechar();

    void coresDaInterface_data();
    void coresDaInterface();
};

void TstJanelaPrincipal::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
}

void TstJanelaPrincipal::primeiroInicioCriaOUsuarioPadrao()
{
    JanelaTeste j;
    QCOMPARE(j.amb.ler(QStringLiteral("usuario.dat")),
             QByteArray("Usu\xe1rio Padr\xe3o<0<1<100<95<0<0<0<0<0<0<0<0<1<1<comeco\r\n"));
    QCOMPARE(j->ListUsuario->count(), 1);
    QCOMPARE(j->ListUsuario->currentRow(), 0);
    QCOMPARE(j->ListUsuario->item(0)->text(), QStringLiteral("Usuário Padrão"));
    QCOMPARE(j->TxtNome->text(), QStringLiteral("Usuário Padrão"));
    QCOMPARE(j->LblUser->text(), QStringLiteral("Usuário Padrão"));
    QCOMPARE(Estado().SenhaUsuario, QStringLiteral("comeco"));
    QVERIFY(Estado().SomLigado);
    QVERIFY(j->isVisible());
    QVERIFY(j->PicUsuario->isVisible());
    QVERIFY(!j->Logado());
    QVERIFY(j.amb.dialogos.mensagens.isEmpty());
    QVERIFY(j.amb.dialogos.modais.isEmpty());
}

void TstJanelaPrincipal::praticaConstruidaNoPrimeiroUso()
{
    // The user screen starts alone: nothing of the practice screen is built
    // and nothing ticks.
    JanelaTeste j;
    QVERIFY(!j->PraticaPronta());
    QVERIFY(!j->findChild<QWidget*>(QStringLiteral("PicMenu")));
    QVERIFY(!j->Seta->isActive());
    QVERIFY(!j->TrmUnder->isActive());

    // Logging in to the introduction builds it and shows the introduction.
    j.entrar();
    QVERIFY(j->PraticaPronta());
    QVERIFY(!j->PicDedos->isHidden());
    QVERIFY(j->PicDedos->temPicture());
    QCOMPARE(PosicaoTwips(j->PicDedos), QPoint(0, 0));
    QVERIFY(!j->Seta->isActive());

    // The arrow bobs while a drill shows it, and stops at log-off.
    j->CmdProx2_Click();
    QVERIFY(j->PicDedos->isHidden());
    QVERIFY(!j->PicSeta->isHidden());
    QVERIFY(j->Seta->isActive());
    j->CmdLogoff_Click();
    QVERIFY(!j->Seta->isActive());
    QVERIFY(!j->TrmUnder->isActive());
}

void TstJanelaPrincipal::modoTela_data()
{
    QTest::addColumn<Configuracao>("configuracao");
    QTest::addColumn<bool>("noCanto");
    QTest::newRow("SelTela 1") << Configuracao{{QStringLiteral("SelTela"), QStringLiteral("1")}} << true;
    QTest::newRow("SelTela 0") << Configuracao{{QStringLiteral("SelTela"), QStringLiteral("0")}} << false;
    QTest::newRow("SelTela ausente") << Configuracao{} << false;
    QTest::newRow("SelTela x") << Configuracao{{QStringLiteral("SelTela"), QStringLiteral("x")}} << false;
    QTest::newRow("SelTela 2") << Configuracao{{QStringLiteral("SelTela"), QStringLiteral("2")}} << false;
}

void TstJanelaPrincipal::modoTela()
{
    QFETCH(Configuracao, configuracao);
    QFETCH(bool, noCanto);
    JanelaTeste j({AnaLicao3}, false, Configurar(configuracao));
    QCOMPARE(Estado().ModoTela, qint16(noCanto ? 1 : 0));
    if (noCanto)
        QCOMPARE(PosicaoTwips(j->PicInter), QPoint(0, 0));
    else
        QCOMPARE(PosicaoTwips(j->PicInter), Centrado(j->size()));

    // Every activation lays the panel out again for the window's size.
    for (const QSize tamanho : {QSize(1000, 700), QSize(1280, 1024), QSize(801, 601)}) {
        Redimensionar(j.w(), tamanho);
        QCOMPARE(j->PicFundo->size(), tamanho);
        QCOMPARE(PosicaoTwips(j->PicInter), noCanto ? QPoint(0, 0) : Centrado(tamanho));
    }

    // The options window can switch the mode; the next activation follows it.
    Estado().ModoTela = noCanto ? 0 : 1;
    j->Form_Activate();
    QCOMPARE(PosicaoTwips(j->PicInter), noCanto ? Centrado(j->size()) : QPoint(0, 0));
}

// A screen that holds less than the panel (1024 x 576): the panel is shown
// reduced, whole and centred, and works as ever: the user screen takes
// typing and clicks, the practice its keys.
void TstJanelaPrincipal::painelReduzidoNumaTelaPequena()
{
    JanelaTeste j({AnaLicao3}, true);
    j->ReduzirPainel(0.875);
    Redimensionar(j.w(), QSize(1024, 576));
    auto* vista = j->findChild<QAbstractScrollArea*>(QStringLiteral("VistaReduzida"));
    QVERIFY(vista && j->PicInter->graphicsProxyWidget());
    QCOMPARE(vista->geometry(), QRect(162, 25, 700, 525));
    QCOMPARE(j->PicInter->size(), QSize(800, 600));
    j->Form_Activate();
    QCOMPARE(vista->pos(), QPoint(162, 25));

    // Clicked through the view: Novo Usuário's caption opens its window.
    j.amb.dialogos.respostas << [](QDialog* d) { d->reject(); };
    const QPoint legenda = j->CmdAdd->mapTo(j->PicInter, j->CmdAdd->rect().center()) * 0.875;
    QTest::mouseClick(vista->viewport(), Qt::LeftButton, {}, legenda);
    QCOMPARE(j.amb.dialogos.modais, QStringList({QStringLiteral("FrmAdd")}));

    j.entrar(QStringLiteral("segredo"));
    QCOMPARE(Estado().LicaoAtual, qint16(3));
    j.completarExercicio();
    QCOMPARE(Estado().Erros, qint16(0));
    QCOMPARE(j->pratica.ExercicioNaTela(), 2);
}

void TstJanelaPrincipal::tecladoDaConfiguracao_data()
{
    QTest::addColumn<QString>("selTeclado"); // empty: not stored
    QTest::addColumn<int>("proposta");
    QTest::addColumn<int>("tipo");
    QTest::newRow("ausente, sistema BR") << QString() << 1 << 1;
    QTest::newRow("ausente, sistema Portugal") << QString() << 2 << 2;
    QTest::newRow("ausente, sistema ABNT2") << QString() << 0 << 0;
    QTest::newRow("guardado vence o sistema") << QStringLiteral("2") << 1 << 2;
    QTest::newRow("guardado ABNT2") << QStringLiteral("0") << 1 << 0;
    QTest::newRow("não numérico fica em ABNT2") << QStringLiteral("abc") << 1 << 0;
    QTest::newRow("fora da lista fica em ABNT2") << QStringLiteral("7") << 1 << 0;
}

void TstJanelaPrincipal::tecladoDaConfiguracao()
{
    QFETCH(QString, selTeclado);
    QFETCH(int, proposta);
    QFETCH(int, tipo);
    QMap<QString, QString> valores;
    if (!selTeclado.isEmpty())
        valores.insert(QStringLiteral("SelTeclado"), selTeclado);
    JanelaTeste j({AnaLicao3}, true, Configurar(valores, proposta));

    QCOMPARE(Estado().TecladoSistema, qint16(proposta));
    QCOMPARE(Estado().TipoTeclado, qint16(tipo));
    // The options window opens on the keyboard in use, so OK keeps it.
    {
        FrmOpcao opcoes(&j.w());
        opcoes.Form_Load();
        QCOMPARE(opcoes.SelTeclado->currentIndex(), tipo);
    }
    // The ABNT2 keyboard is drawn in the panel itself; the other two lie
    // over it as a picture (once the practice screen is built).
    j->PrepararPratica();
    QCOMPARE(j->ImgTeclado->temPicture(), tipo != 0);

    // Start-up went on to the end: the first user is ready to log in, and
    // the practice maps keys in the layout chosen.
    QCOMPARE(j->TxtNome->text(), QStringLiteral("Ana"));
    j.entrar(QStringLiteral("segredo"));
    QVERIFY(j->Logado());
    const qint16 acertos = Estado().Acertos;
    j.digitar(QStringLiteral("s"));
    QCOMPARE(Estado().Acertos, qint16(acertos + 1));
}

void TstJanelaPrincipal::modoDeVideoDevolvidoAoFechar_data()
{
    QTest::addColumn<int>("largura");
    QTest::addColumn<int>("altura");
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("frequencia");
    QTest::newRow("1024x768x32@60") << 1024 << 768 << 32 << 60;
    QTest::newRow("frequência 0") << 1280 << 1024 << 24 << 0;
    QTest::newRow("consulta falhou") << 0 << 0 << 0 << 0;
}

void TstJanelaPrincipal::modoDeVideoDevolvidoAoFechar()
{
    QFETCH(int, largura);
    QFETCH(int, altura);
    QFETCH(int, bits);
    QFETCH(int, frequencia);
    const ResolucaoTela modo{qint16(largura), qint16(altura), qint16(bits), qint16(frequencia)};
    JanelaTeste j({AnaLicao3}, false, [modo](AmbienteTeste& amb) { amb.modoVideo.atual = modo; });

    QCOMPARE(Estado().ResolucaoInicial, modo);
    // Nothing is requested while the program runs, whatever the screen mode.
    Estado().ModoTela = 1;
    j->Form_Activate();
    QVERIFY(j.amb.modoVideo.pedidos.isEmpty());

    QVERIFY(j->close());
    if (modo.vazia())
        QVERIFY(j.amb.modoVideo.pedidos.isEmpty());
    else
        QCOMPARE(j.amb.modoVideo.pedidos, QList<ResolucaoTela>{modo});

    // Closing once more does not ask again.
    j->close();
    QCOMPARE(j.amb.modoVideo.pedidos.size(), modo.vazia() ? 0 : 1);
}

void TstJanelaPrincipal::focoComecaNoPicSet_data()
{
    QTest::addColumn<QString>("registro");
    QTest::newRow("introdução") << QStringLiteral("Ana<0<1<100<95<0<0<0<0<0<0<0<0<1<1<segredo");
    QTest::newRow("treino de teclas") << AnaLicao3;
    QTest::newRow("texto corrido") << QStringLiteral("Ana<30<2<100<95<0<0<0<0<0<0<0<0<30<2<segredo");
}

void TstJanelaPrincipal::focoComecaNoPicSet()
{
    QFETCH(QString, registro);
    JanelaTeste j({registro});
    Ativar(j.w());
    QCOMPARE(QApplication::focusWidget(), j->TxtNome);

    j.entrar(QStringLiteral("segredo"));
    QVERIFY(j->Logado());
    QCOMPARE(QApplication::focusWidget(), j->PicSet);

    // A key typed right away counts for the exercise.
    if (Estado().LicaoAtual != 0) {
        const qint16 teclas = Estado().TeclasDigitadas;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q);
        QCOMPARE(Estado().TeclasDigitadas, qint16(teclas + 1));
    }
}

void TstJanelaPrincipal::cliquesDevolvemOFoco_data()
{
    QTest::addColumn<QString>("alvo");
    QTest::newRow("FrameTexto") << QStringLiteral("FrameTexto");
    QTest::newRow("PicInter") << QStringLiteral("PicInter");
    QTest::newRow("PicMenu") << QStringLiteral("PicMenu");
    QTest::newRow("PicSeta") << QStringLiteral("PicSeta");
    QTest::newRow("clique do mouse na barra") << QStringLiteral("mouse");
}

void TstJanelaPrincipal::cliquesDevolvemOFoco()
{
    QFETCH(QString, alvo);
    // A running text that starts with a plain letter.
    JanelaTeste j({QStringLiteral("Ana<7<1<100<95<0<0<0<0<0<0<0<0<7<1<segredo")});
    Ativar(j.w());
    j.entrar(QStringLiteral("segredo"));
    QVERIFY(j->pratica.Licao.at(0).isLetter() && j->pratica.Licao.at(0).unicode() < 128);

    // Something else takes the focus (a toolbar button reached with Tab).
    j->CmdProx2->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), j->CmdProx2);

    if (alvo == QLatin1String("FrameTexto"))
        j->FrameTexto_Click();
    else if (alvo == QLatin1String("PicInter"))
        j->PicInter_Click();
    else if (alvo == QLatin1String("PicMenu"))
        j->PicMenu_Click();
    else if (alvo == QLatin1String("PicSeta"))
        j->PicSeta_Click();
    else
        QTest::mouseClick(j->PicMenu, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    QCOMPARE(QApplication::focusWidget(), j->PicSet);

    // The next key still counts for the exercise.
    const qint16 acertos = Estado().Acertos;
    const QChar primeira = j->pratica.Licao.at(0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(primeira.toUpper().unicode()));
    QCOMPARE(Estado().Acertos, qint16(acertos + 1));
}

void TstJanelaPrincipal::teclaAvaliadaUmaVez()
{
    JanelaTeste j({AnaLicao3});
    Ativar(j.w());
    j.entrar(QStringLiteral("segredo"));
    QCOMPARE(j->pratica.Licao.left(1), QStringLiteral("s"));

    const qint16 teclas = Estado().TeclasDigitadas;
    QTest::keyClick(j->PicSet, Qt::Key_S);
    QCOMPARE(Estado().TeclasDigitadas, qint16(teclas + 1));
    QCOMPARE(Estado().Acertos, qint16(1));
    QCOMPARE(j->Label1->text(), QStringLiteral("83"));

    // A key that reaches the window itself (nothing holds the focus) is
    // evaluated too, once.
    QTest::keyClick(&j.w(), Qt::Key_S);
    QCOMPARE(Estado().TeclasDigitadas, qint16(teclas + 2));
    QCOMPARE(Estado().Acertos, qint16(2));

    // A wrong key: one error, one sound.
    j.amb.som.tocados.clear();
    QTest::keyClick(j->PicSet, Qt::Key_Q);
    QCOMPARE(Estado().TeclasDigitadas, qint16(teclas + 3));
    QCOMPARE(Estado().Erros, qint16(1));
    QCOMPARE(j.amb.som.nomes(), QStringList{QStringLiteral("erro")});
}

void TstJanelaPrincipal::fecharNaTelaDeUsuarioNaoGrava_data()
{
    QTest::addColumn<bool>("depoisDeUmLogoff");
    QTest::newRow("logo após o início") << false;
    QTest::newRow("após entrar e sair") << true;
}

void TstJanelaPrincipal::fecharNaTelaDeUsuarioNaoGrava()
{
    QFETCH(bool, depoisDeUmLogoff);
    JanelaTeste j({AnaLicao3, QStringLiteral("Bia<5<4<100<95<0<9<9<9<9<9<9<9<5<4<b")});
    if (depoisDeUmLogoff) {
        j.entrar(QStringLiteral("segredo"));
        j.digitar(QStringLiteral("ss"));
        j->CmdLogoff_Click();
        j->SelecionarUsuario(1);
    }
    // The file is changed behind the program's back: a close that wrote
    // anything would show.
    const QByteArray outro("Ana<0<1<100<95<0<0<0<0<0<0<0<0<1<1<x\r\n");
    j.amb.escrever(QStringLiteral("usuario.dat"), outro);

    QVERIFY(j->close());
    QCOMPARE(j.amb.ler(QStringLiteral("usuario.dat")), outro);
}

void TstJanelaPrincipal::fecharPraticandoGravaAPosicao()
{
    JanelaTeste j({QStringLiteral("Zé<0<1<100<95<0<0<0<0<0<0<0<0<1<1<z"), AnaLicao3});
    j->SelecionarUsuario(1);
    j.entrar(QStringLiteral("segredo"));
    const QStringList antes = j.usuariosNoDisco();
    QCOMPARE(antes.at(1), AnaLicao3); // the first load after a log-in does not save

    j.digitar(QStringLiteral("sss"));
    j.tecla('Q');
    QVERIFY(j->close());

    const QStringList depois = j.usuariosNoDisco();
    QCOMPARE(depois.size(), 2);
    QCOMPARE(depois.at(0), antes.at(0));
    const QStringList c = Campos(depois.at(1));
    QCOMPARE(c.size(), 16);
    QCOMPARE(c.at(0), QStringLiteral("Ana"));
    QCOMPARE(c.at(1), QStringLiteral("3"));       // lesson
    QCOMPARE(c.at(2), QStringLiteral("1"));       // exercise on screen
    QCOMPARE(c.at(6), QStringLiteral("4"));       // keystrokes
    QCOMPARE(c.at(8), QStringLiteral("1"));       // errors
    QCOMPARE(c.at(9), QStringLiteral("3"));       // hits
    QCOMPARE(c.at(10), QStringLiteral("200"));    // points
    QCOMPARE(c.at(13), QStringLiteral("3"));      // highest lesson
    QCOMPARE(c.at(14), QStringLiteral("1"));      // frontier exercise
    QCOMPARE(c.at(15), QStringLiteral("segredo"));
}

void TstJanelaPrincipal::botoesFechar_data()
{
    QTest::addColumn<bool>("logado");
    QTest::newRow("CmdFechar, na barra") << true;
    QTest::newRow("CmdFechar2, na tela de usuário") << false;
}

void TstJanelaPrincipal::botoesFechar()
{
    QFETCH(bool, logado);
    const ResolucaoTela modo{1024, 768, 32, 60};
    JanelaTeste j({AnaLicao3}, true, [modo](AmbienteTeste& amb) { amb.modoVideo.atual = modo; });
    if (logado)
        j.entrar(QStringLiteral("segredo"));
    const QByteArray arquivo = j.amb.ler(QStringLiteral("usuario.dat"));
    j.amb.som.tocados.clear();

    (logado ? j->CmdFechar : j->CmdFechar2)->clicar();

    QCOMPARE(j.amb.som.nomes(), QStringList{QStringLiteral("bip")});
    QVERIFY(!j->isVisible());
    QCOMPARE(j.amb.modoVideo.pedidos, QList<ResolucaoTela>{modo});
    if (logado)
        QCOMPARE(j.usuariosNoDisco().size(), 1);
    else
        QCOMPARE(j.amb.ler(QStringLiteral("usuario.dat")), arquivo);
}

void TstJanelaPrincipal::coresDaInterface_data()
{
    QTest::addColumn<QString>("controle");
    for (const char* nome : {"Tpm", "LblErros", "LblAcertos", "LblPontos", "TxtNome",
                             "ListUsuario", "TxtPrePor", "TxtVelo", "TxtFase", "TxtFase2", "TxtLicao"})
        QTest::newRow(nome) << QString::fromLatin1(nome);
}

void TstJanelaPrincipal::coresDaInterface()
{
    QFETCH(QString, controle);
    JanelaTeste j({AnaLicao3}, false);
    j->PrepararPratica();
    auto* w = j->findChild<QWidget*>(controle);
    QVERIFY(w);
    w->ensurePolished();
    const QPalette::ColorRole papel = qobject_cast<QLabel*>(w) ? QPalette::WindowText : QPalette::Text;
    QCOMPARE(w->palette().color(papel), QColor(0, 97, 187));
}

void TstJanelaPrincipal::arquivoDeUsuariosIlegivelEAvisado()
{
    // A folder where usuario.dat should be: the learner is told once, in a
    // message box, and the program goes on with the default user unsaved.
    JanelaTeste j({}, true, [](AmbienteTeste& amb) { QDir(amb.pasta()).mkdir(QStringLiteral("usuario.dat")); });
    QCoreApplication::processEvents();
    QCOMPARE(j.amb.dialogos.mensagens.size(), 1);
    QVERIFY(j.amb.dialogos.textos().at(0).startsWith(QStringLiteral("Não foi possível ler o arquivo de usuários")));
    QCOMPARE(j.amb.dialogos.mensagens.at(0).icone, IconeMensagem::Exclamacao);
    QCOMPARE(j->ListUsuario->count(), 1);
    j.entrar();
    j->CmdLogoff_Click();
    QCOMPARE(j.amb.dialogos.mensagens.size(), 1);
    QVERIFY(QFileInfo(j.amb.caminho(QStringLiteral("usuario.dat"))).isDir());
}

void TstJanelaPrincipal::tabPercorreSoATelaDeUsuario()
{
    JanelaTeste j;
    Ativar(j.w());
    QCOMPARE(QApplication::focusWidget(), j->TxtNome);
    // Tab visits only controls the learner can see, and comes round again.
    QStringList visitados;
    for (int i = 0; i < 30 && (visitados.isEmpty() || QApplication::focusWidget() != j->TxtNome); ++i) {
        QWidget* f = QApplication::focusWidget();
        QVERIFY(f);
        QVERIFY2(f->isVisibleTo(j->PicUsuario) && j->PicUsuario->isAncestorOf(f), qPrintable(f->objectName()));
        visitados << f->objectName();
        QTest::keyClick(f, Qt::Key_Tab);
    }
    QCOMPARE(QApplication::focusWidget(), j->TxtNome);
    QVERIFY(visitados.contains(QStringLiteral("CmdFechar2")));
    QVERIFY(visitados.contains(QStringLiteral("CmdEntrar")));
    QTest::keyClick(j->TxtNome, Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->objectName(), visitados.last());
}

void TstJanelaPrincipal::janelaDePausa_data()
{
    QTest::addColumn<int>("botao");
    QTest::addColumn<int>("licao");
    QTest::addColumn<int>("exercicio");
    QTest::addColumn<QStringList>("modais");
    QTest::newRow("continuar") << 0 << 3 << 1 << QStringList{QStringLiteral("FrmPausa")};
    QTest::newRow("exercicio seguinte") << 2 << 3 << 2 << QStringList{QStringLiteral("FrmPausa")};
    // Not past the highest lesson without the free course: the toolbar's
    // own refusal.
    QTest::newRow("licao seguinte recusada") << 4 << 3 << 1
                                             << QStringList{QStringLiteral("FrmPausa"), QStringLiteral("FrmBox")};
    QTest::newRow("licao anterior") << 3 << 2 << 1 << QStringList{QStringLiteral("FrmPausa")};
}

void TstJanelaPrincipal::janelaDePausa()
{
    QFETCH(int, botao);
    QFETCH(int, licao);
    QFETCH(int, exercicio);
    QFETCH(QStringList, modais);
    JanelaTeste j({QStringLiteral("Ana<3<1<100<95<0<0<0<0<0<0<0<0<3<5<segredo")});
    j.entrar(QStringLiteral("segredo"));
    j.amb.dialogos.modais.clear();
    j.digitar(j->pratica.Licao.left(1));
    QVERIFY(j->pratica.TrmTpm.isActive());
    QStringList legendas;
    bool relogioNaPausa = true;
    j.amb.dialogos.respostas << [&](QDialog* d) {
        auto* pausa = qobject_cast<FrmPausa*>(d);
        QVERIFY(pausa);
        relogioNaPausa = j->pratica.TrmTpm.isActive();
        for (Imagem* b : pausa->Botoes)
            legendas << b->accessibleName();
        QTest::keyClick(pausa, Qt::Key_Home);
        for (int i = 0; i < botao; ++i)
            QTest::keyClick(pausa, Qt::Key_Down);
        QTest::keyClick(pausa, Qt::Key_Return);
    };
    j.tecla(27); // Esc: no typing error, the pause window
    QCOMPARE(legendas, (QStringList{QStringLiteral("Continuar"), QStringLiteral("Exercício anterior"),
                                    QStringLiteral("Exercício seguinte"), QStringLiteral("Lição anterior"),
                                    QStringLiteral("Lição seguinte"), QStringLiteral("Desligar som"),
                                    QStringLiteral("Progresso"), QStringLiteral("Treino das minhas teclas"),
                                    QStringLiteral("Meu texto"), QStringLiteral("Ajuda"),
                                    QStringLiteral("Fazer logoff"),
                                    QStringLiteral("Fechar")}));
    QCOMPARE(j.amb.dialogos.modais, modais);
    QCOMPARE(Estado().LicaoAtual, qint16(licao));
    QCOMPARE(j->pratica.Modulo.indice + 1, exercicio);
    QCOMPARE(Estado().Erros, qint16(0));
    QCOMPARE(QApplication::focusWidget() == j->PicSet || !j->isActiveWindow(), true);
    // The speed clock stood still in the pause and stays so until a key.
    QVERIFY(!relogioNaPausa);
    QVERIFY(!j->pratica.TrmTpm.isActive());
    j.digitar(j->pratica.Licao.left(1));
    QVERIFY(j->pratica.TrmTpm.isActive());
    // So it does under any window shown over the main window.
    CaixaMensagem caixa(&j.w(), QStringLiteral("Teclomatic"), QStringLiteral("Aviso"), IconeMensagem::Nenhum);
    caixa.show();
    QVERIFY(!j->pratica.TrmTpm.isActive());
}

// Help opens in the program's own window on either screen; from there a
// button hands the manual to the desktop's browser, and says when it cannot.
void TstJanelaPrincipal::f1AbreAAjuda()
{
    JanelaTeste j;
    j.amb.escrever(QStringLiteral("Ajuda.html"), "<html><body><p>Manual</p></body></html>");
    Ativar(j.w());
    QTest::keyClick(j->TxtNome, Qt::Key_F1);
    FrmAjuda* ajuda = FrmAjuda::Aberta();
    QVERIFY(ajuda);
    QVERIFY(ajuda->Texto->toPlainText().contains(QStringLiteral("Manual")));
    ajuda->close();
    j.entrar();
    QTest::keyClick(j->PicSet, Qt::Key_F1);
    QCOMPARE(FrmAjuda::Aberta(), ajuda);
    QCOMPARE(Estado().Erros, qint16(0));
    QVERIFY(j.amb.documentos.abertos.isEmpty());

    ajuda->CmdNavegador->clicar();
    QCOMPARE(j.amb.documentos.abertos, QStringList{j.amb.caminho(QStringLiteral("Ajuda.html"))});
    QVERIFY(j.amb.dialogos.mensagens.isEmpty());
    j.amb.documentos.recusar = true;
    ajuda->CmdNavegador->clicar();
    QCOMPARE(j.amb.dialogos.textos(), QStringList{QStringLiteral(
        "Não foi possível abrir a ajuda no navegador. Ela continua aqui, nesta janela.")});
}

// Keys sent straight to the key receiver, as they come when no window
// manager made the window the active one (no shortcut reaches it then):
// F1, F2 and Esc are commands, never typing, and the repeats of a key held
// down are not judged.
void TstJanelaPrincipal::teclasDeComandoERepetidasNaoContam()
{
    JanelaTeste j({QStringLiteral("Ana<0<1<100<95<0<0<0<0<0<0<0<0<1<1<segredo")});
    j.amb.escrever(QStringLiteral("Ajuda.html"), "<html></html>");
    j.entrar(QStringLiteral("segredo"));
    j.amb.dialogos.modais.clear();
    const auto enviar = [&](int tecla, bool repetida) {
        QKeyEvent ev(QEvent::KeyPress, tecla, Qt::NoModifier, QString(), repetida);
        QApplication::sendEvent(j->PicSet, &ev);
    };
    // An Enter held from the password prompt leaves the introduction alone.
    enviar(Qt::Key_Return, true);
    QCOMPARE(Estado().LicaoAtual, qint16(0));
    enviar(Qt::Key_Return, false);
    QCOMPARE(Estado().LicaoAtual, qint16(1));
    enviar(Qt::Key_F, true);
    enviar(Qt::Key_F1, false);
    QVERIFY(FrmAjuda::Aberta());
    enviar(Qt::Key_F2, false);
    enviar(Qt::Key_Escape, false);
    enviar(Qt::Key_Escape, true);
    QCOMPARE(j.amb.dialogos.modais, (QStringList{QStringLiteral("FrmProgresso"), QStringLiteral("FrmPausa")}));
    QCOMPARE(Estado().TeclasDigitadas, qint16(0));
}

QTEST_MAIN(TstJanelaPrincipal)
#include "tst_janela_principal.moc"
