// Users and progress through the main window: the user list and its
// type-ahead, the loaded record, log-in and log-off, the progress saved while
// practising, deleting users, damaged user files, and a whole round trip
// from a new user to a restart.
#include "app/EstadoCurso.h"
#include "fakes/JanelaTeste.h"
#include "ui/FrmPerfil.h"
#include "ui/FrmAdd.h"
#include "ui/Imagem.h"
#include "ui/PainelDesenhado.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <QtTest>

namespace {

const QString Ana = QStringLiteral("Ana<0<1<100<95<0<0<0<0<0<0<0<0<1<1<segredo");
const QString Joao = QStringLiteral("João<0<1<100<95<0<0<0<0<0<0<0<0<1<1<j");
const QString Bia = QStringLiteral("Bia<3<1<100<95<0<5<6<7<8<9<10<11<3<1<b");
const QString Carla = QStringLiteral("Carla<12<7<80<90<1<100<200<3<97<9400<29<0<15<2<c");

QStringList Campos(const QString& registro)
{
    return registro.split(u'<');
}

// Field n (1..16) of line i of usuario.dat.
QString Campo(const JanelaTeste& j, int i, int n)
{
    return Campos(j.usuariosNoDisco().at(i)).at(n - 1);
}

QStringList Nomes(const QListWidget* lista)
{
    QStringList r;
    for (int i = 0; i < lista->count(); ++i)
        r << lista->item(i)->text();
    return r;
}

void Selecionar(JanelaTeste& j, const QString& nome)
{
    const QList<QListWidgetItem*> achados = j->ListUsuario->findItems(nome, Qt::MatchExactly);
    QCOMPARE(achados.size(), 1);
    j->ListUsuario->setCurrentItem(achados.first());
    QCOMPARE(j->LblUser->text(), nome);
}

QString Titulo(const QString& nome, int licao, int exercicio, int total)
{
    return QStringLiteral("Usuário: %1 \\ Lição: %2 de 52 \\ Exercicio: %3 de %4")
        .arg(nome)
        .arg(licao)
        .arg(exercicio)
        .arg(total);
}

// The raw lines of usuario.dat, split at CR LF.
QList<QByteArray> LinhasBrutas(const JanelaTeste& j)
{
    QList<QByteArray> linhas = j.amb.ler(QStringLiteral("usuario.dat")).split('\n');
    if (!linhas.isEmpty() && linhas.last().isEmpty())
        linhas.removeLast();
    return linhas;
}

} // namespace

class TstUsuarios : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    // ---- the list and the loaded record --------------------------------------
    void tipoAdiante();
    void tipoAdianteCortaACompletacao();
    void setasNoNomePercorremALista();
    void enterEntra_data();
    void enterEntra();
    void registroCarregado_data();
    void registroCarregado();

    // ---- log-in ----------------------------------------------------------------
    void entrar_data();
    void entrar();
    void entrarSemSelecao();
    void entrarTocaBipELogin();
    void entrarNaIntroducao();
    void entrarRetomaOExercicio();

    // ---- log-off and the saved progress ------------------------------------------
    void logoff();
    void logoffNaIntroducao();
    void outroUsuarioNaoHerdaALicao();
    void gravarMantemALinha();
    void pontosNegativos();

    // ---- deleting ----------------------------------------------------------------
    void deletar_data();
    void deletar();

    // ---- damaged files -----------------------------------------------------------
    void finsDeLinhaMisturados();
    void registroTruncado();

    // ---- a whole round trip ------------------------------------------------------
    void idaEVolta();
};

void TstUsuarios::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
}

void TstUsuarios::tipoAdiante()
{
    JanelaTeste j({Ana, Joao});
    QCOMPARE(j->ListUsuario->currentRow(), 0);
    QCOMPARE(j->TxtNome->selectedText(), QStringLiteral("Ana")); // typing replaces it

    QTest::keyClicks(j->TxtNome, QStringLiteral("j"));
    QCOMPARE(j->ListUsuario->currentRow(), 1);
    QCOMPARE(j->TxtNome->text(), QStringLiteral("João"));
    QCOMPARE(j->TxtNome->selectionStart(), 1);
    QCOMPARE(j->TxtNome->selectedText(), QStringLiteral("oão"));
    QCOMPARE(j->LblUser->text(), QStringLiteral("João"));
    QCOMPARE(Estado().SenhaUsuario, QStringLiteral("j"));

    // The same entry still matches: no new completion.
    QTest::keyClicks(j->TxtNome, QStringLiteral("o"));
    QCOMPARE(j->TxtNome->text(), QStringLiteral("Jo"));
    QVERIFY(!j->TxtNome->hasSelectedText());
    QCOMPARE(j->ListUsuario->currentRow(), 1);

    // Nothing begins with "Jox": the text is what was typed, João stays.
    QTest::keyClicks(j->TxtNome, QStringLiteral("x"));
    QCOMPARE(j->TxtNome->text(), QStringLiteral("Jox"));
    QCOMPARE(j->TxtNome->cursorPosition(), 3);
    QCOMPARE(j->ListUsuario->currentRow(), 1);
    QCOMPARE(j->LblUser->text(), QStringLiteral("João"));

    // Back to a match, in other letter case.
    QTest::keyClick(j->TxtNome, Qt::Key_Backspace);
    QTest::keyClick(j->TxtNome, Qt::Key_Backspace);
    QTest::keyClick(j->TxtNome, Qt::Key_Backspace);
    QCOMPARE(j->TxtNome->text(), QString());
    QTest::keyClicks(j->TxtNome, QStringLiteral("A"));
    QCOMPARE(j->ListUsuario->currentRow(), 0);
    QCOMPARE(j->TxtNome->text(), QStringLiteral("Ana"));
    QCOMPARE(j->TxtNome->selectedText(), QStringLiteral("na"));
    QCOMPARE(j->LblUser->text(), QStringLiteral("Ana"));
    QTest::keyClicks(j->TxtNome, QStringLiteral("N"));
    QCOMPARE(j->TxtNome->text(), QStringLiteral("AN"));
    QCOMPARE(j->ListUsuario->currentRow(), 0);

}

void TstUsuarios::setasNoNomePercorremALista()
{
    JanelaTeste j({Ana, Joao, Bia});
    QCOMPARE(j->ListUsuario->currentRow(), 0);
    QTest::keyClick(j->TxtNome, Qt::Key_Down);
    QCOMPARE(j->ListUsuario->currentRow(), 1);
    QCOMPARE(j->TxtNome->text(), QStringLiteral("João"));
    QCOMPARE(j->LblUser->text(), QStringLiteral("João"));
    QCOMPARE(Estado().SenhaUsuario, QStringLiteral("j"));
    QTest::keyClick(j->TxtNome, Qt::Key_Down);
    QTest::keyClick(j->TxtNome, Qt::Key_Down); // stops at the last entry
    QCOMPARE(j->ListUsuario->currentRow(), 2);
    QCOMPARE(j->TxtFase2->text(), QStringLiteral("3"));
    QTest::keyClick(j->TxtNome, Qt::Key_Up);
    QCOMPARE(j->ListUsuario->currentRow(), 1);
    // The whole name is selected, so typing starts a new search.
    QCOMPARE(j->TxtNome->selectedText(), QStringLiteral("João"));
    QTest::keyClicks(j->TxtNome, QStringLiteral("a"));
    QCOMPARE(j->ListUsuario->currentRow(), 0);
}

void TstUsuarios::enterEntra_data()
{
    QTest::addColumn<QString>("controle");
    QTest::addColumn<int>("tecla");
    QTest::newRow("Enter no nome") << QStringLiteral("TxtNome") << int(Qt::Key_Return);
    QTest::newRow("Enter do teclado numérico no nome") << QStringLiteral("TxtNome") << int(Qt::Key_Enter);
    QTest::newRow("Enter na lista") << QStringLiteral("ListUsuario") << int(Qt::Key_Return);
}

void TstUsuarios::enterEntra()
{
    QFETCH(QString, controle);
    QFETCH(int, tecla);
    JanelaTeste j({Joao, QStringLiteral("Ana<3<2<100<95<0<11<12<13<14<15<16<17<3<2<segredo")});
    QTest::keyClicks(j->TxtNome, QStringLiteral("a"));
    QCOMPARE(j->LblUser->text(), QStringLiteral("Ana"));
    j.responderSenha(QStringLiteral("segredo"));
    j.amb.som.tocados.clear();

    QTest::keyClick(j->findChild<QWidget*>(controle), Qt::Key(tecla));

    QVERIFY(j->Logado());
    QCOMPARE(Estado().NomeUsuario, QStringLiteral("Ana"));
    QCOMPARE(j->pratica.Modulo.indice, 1);
    // The Enter that logged in is not a keystroke of the exercise.
    QCOMPARE(Estado().TeclasDigitadas, qint16(11));
    QCOMPARE(Estado().Erros, qint16(13));
    QCOMPARE(j->LblErros->text(), QStringLiteral("13"));
    QCOMPARE(j.amb.som.nomes(), (QStringList{QStringLiteral("bip"), QStringLiteral("login")}));
}

void TstUsuarios::tipoAdianteCortaACompletacao()
{
    JanelaTeste j({Ana, Joao});
    Selecionar(j, QStringLiteral("João"));
    // A pick with the mouse selects the whole name.
    QCOMPARE(j->TxtNome->selectedText(), QStringLiteral("João"));

    // A letter typed inside the name, after which nothing matches, drops the
    // rest of the earlier completion.
    j->TxtNome->setCursorPosition(2);
    QTest::keyClicks(j->TxtNome, QStringLiteral("x"));
    QCOMPARE(j->TxtNome->text(), QStringLiteral("Jox"));
    QCOMPARE(j->TxtNome->cursorPosition(), 3);
    QCOMPARE(j->ListUsuario->currentRow(), 1);
}

void TstUsuarios::registroCarregado_data()
{
    QTest::addColumn<QString>("registro");
    QTest::addColumn<QString>("fase");
    QTest::addColumn<QString>("fase2");
    QTest::addColumn<QString>("exercicio");
    QTest::addColumn<QString>("velocidade");
    QTest::addColumn<QString>("precisao");
    QTest::addColumn<bool>("livre");
    QTest::addColumn<QList<int>>("numeros"); // fields 7..15
    QTest::addColumn<QString>("senha");
    QTest::newRow("introdução") << Ana << "0" << "Introdução" << "1" << "100" << "95%" << false
                                << QList<int>{0, 0, 0, 0, 0, 0, 0, 1, 1} << "segredo";
    QTest::newRow("lição 12, curso livre") << Carla << "12" << "12" << "7" << "80" << "90%" << true
                                           << QList<int>{100, 200, 3, 97, 9400, 29, 0, 15, 2} << "c";
    QTest::newRow("pontos negativos, senha vazia")
        << QStringLiteral("Duda<52<3<150<99<0<40<30<25<15<-1000<80<4<52<3<") << "52" << "52" << "3" << "150"
        << "99%" << false << QList<int>{40, 30, 25, 15, -1000, 80, 4, 52, 3} << "";
}

void TstUsuarios::registroCarregado()
{
    QFETCH(QString, registro);
    QFETCH(QString, fase);
    QFETCH(QString, fase2);
    QFETCH(QString, exercicio);
    QFETCH(QString, velocidade);
    QFETCH(QString, precisao);
    QFETCH(bool, livre);
    QFETCH(QList<int>, numeros);
    QFETCH(QString, senha);
    JanelaTeste j({Joao, registro}, false);
    const QString nome = Campos(registro).at(0);
    Selecionar(j, nome);

    QCOMPARE(j->TxtNome->text(), nome);
    QCOMPARE(j->TxtAluno->text(), nome);
    QCOMPARE(j->TxtFase->text(), fase);
    QCOMPARE(j->TxtFase2->text(), fase2);
    QCOMPARE(j->TxtLicao->text(), exercicio);
    QCOMPARE(j->TxtVelo->text(), velocidade);
    QCOMPARE(j->TxtPrePor->text(), precisao);
    QCOMPARE(j->Livre->isChecked(), livre);
    const EstadoCurso& e = Estado();
    const QList<int> lidos{e.TeclasDigitadas, e.Segundos, e.Erros, e.Acertos, e.Pontos,
                           e.Velocidade, e.ContadorExtra, e.LicaoMaxima, e.ExercicioMaximo};
    QCOMPARE(lidos, numeros);
    QCOMPARE(e.SenhaUsuario, senha);
    // The practice screen, built later, shows the counters loaded before.
    j->PrepararPratica();
    QCOMPARE(j->LblErros->text(), QString::number(numeros.at(2)));
    QCOMPARE(j->LblAcertos->text(), QString::number(numeros.at(3)));
    QCOMPARE(j->LblPontos->text(), QString::number(numeros.at(4)));

    // Picking the other user again loads his record over it.
    Selecionar(j, QStringLiteral("João"));
    QCOMPARE(j->TxtFase2->text(), QStringLiteral("Introdução"));
    QCOMPARE(Estado().LicaoMaxima, qint16(1));
    QCOMPARE(j->LblPontos->text(), QStringLiteral("0"));
    QVERIFY(!j->Livre->isChecked());
}

void TstUsuarios::entrar_data()
{
    QTest::addColumn<QString>("senha");
    QTest::addColumn<bool>("aceita");
    QTest::newRow("exata") << QStringLiteral("Segredo 1") << true;
    QTest::newRow("outra caixa e espaços") << QStringLiteral("   sEGREDO 1  ") << true;
    QTest::newRow("senha mestra") << QStringLiteral("chavemestra") << true;
    QTest::newRow("senha mestra em maiúsculas") << QStringLiteral(" CHAVEMESTRA") << true;
    QTest::newRow("errada") << QStringLiteral("Segredo") << false;
    QTest::newRow("espaço no meio") << QStringLiteral("Segredo  1") << false;
    QTest::newRow("vazia") << QString() << false;
}

void TstUsuarios::entrar()
{
    QFETCH(QString, senha);
    QFETCH(bool, aceita);
    JanelaTeste j({Joao, QStringLiteral("Ana<3<2<100<95<0<0<0<0<0<0<0<0<3<2<Segredo 1")});
    Selecionar(j, QStringLiteral("Ana"));
    const QByteArray arquivo = j.amb.ler(QStringLiteral("usuario.dat"));

    j.entrar(senha);

    QCOMPARE(j.amb.dialogos.modais, QStringList{QStringLiteral("FrmLogin")});
    QCOMPARE(Estado().SenhaOk, aceita);
    QCOMPARE(j->Logado(), aceita);
    QCOMPARE(j->PicUsuario->isHidden(), aceita);
    if (aceita) {
        QVERIFY(j.amb.dialogos.mensagens.isEmpty());
        QCOMPARE(Estado().NomeUsuario, QStringLiteral("Ana"));
        QCOMPARE(Estado().LicaoAtual, qint16(3));
    } else {
        QCOMPARE(j.amb.dialogos.mensagens.size(), 1);
        QCOMPARE(j.amb.dialogos.mensagens.first().texto, QStringLiteral("Senha não confere!"));
        QCOMPARE(j.amb.dialogos.mensagens.first().icone, IconeMensagem::Exclamacao);
        QCOMPARE(Estado().NomeUsuario, QString());
        QCOMPARE(j->pratica.Modulo.ListCount(), 0);
        QCOMPARE(j->ListUsuario->currentRow(), 1);
        QVERIFY(!j->pratica.TrmTpm.isActive());
    }
    QCOMPARE(j.amb.ler(QStringLiteral("usuario.dat")), arquivo);
}

void TstUsuarios::entrarSemSelecao()
{
    JanelaTeste j({Ana, Joao});
    j->usuarios.CarregarUsuario();
    j.amb.som.tocados.clear();

    j->CmdEntrar_Click();

    QCOMPARE(j.amb.dialogos.textos(), QStringList{QStringLiteral("Nenhum usuário foi selecionado.")});
    QVERIFY(j.amb.dialogos.modais.isEmpty());
    QVERIFY(!j->Logado());
    QCOMPARE(j.amb.som.nomes(), QStringList{QStringLiteral("bip")});
}

void TstUsuarios::entrarTocaBipELogin()
{
    JanelaTeste j({Ana});
    // The pointer was over Entrar: the successful log-in puts its plain look back.
    emit j->BolEntrar2->mouseMovido(Qt::NoButton, QPoint());
    QCOMPARE(j->CmdEntrar->picture().cacheKey(), j->aEntrar.cacheKey());
    j.amb.som.tocados.clear();

    j.responderSenha(QStringLiteral("segredo"));
    j->BolEntrar2->clicar();

    QVERIFY(j->Logado());
    QCOMPARE(j.amb.som.nomes(), (QStringList{QStringLiteral("bip"), QStringLiteral("login")}));
    QVERIFY(!j->CmdEntrar->temPicture());

    // A refused prompt is not a log-in: no "login".
    JanelaTeste k({Ana});
    k.amb.som.tocados.clear();
    k.entrar(QStringLiteral("errada"));
    QCOMPARE(k.amb.som.nomes(), QStringList{QStringLiteral("bip")});
}

void TstUsuarios::entrarNaIntroducao()
{
    JanelaTeste j({Ana});
    j.entrar(QStringLiteral("segredo"));
    QVERIFY(j->Logado());
    QCOMPARE(Estado().LicaoAtual, qint16(0));
    QVERIFY(!j->PicDedos->isHidden());
    QCOMPARE(j->pratica.Modulo.ListCount(), 0);
    QVERIFY(j->pratica.Licao.isEmpty());
    QVERIFY(!j->pratica.TrmTpm.isActive());
    QCOMPARE(j->LblCaption->text(), QStringLiteral("Teclomatic - Lição: 1"));
}

void TstUsuarios::entrarRetomaOExercicio()
{
    JanelaTeste j({Joao, QStringLiteral("Ana<3<2<100<95<0<11<12<13<14<15<16<17<3<2<segredo")});
    Selecionar(j, QStringLiteral("Ana"));
    const QByteArray arquivo = j.amb.ler(QStringLiteral("usuario.dat"));

    j.entrar(QStringLiteral("segredo"));

    QVERIFY(j->PicDedos->isHidden());
    QCOMPARE(Estado().TipoExercicio, qint16(1));
    QVERIFY(j->pratica.Modulo.ListCount() > 2);
    QCOMPARE(j->pratica.Modulo.indice, 1);
    QCOMPARE(j->LblCaption->text(), Titulo(QStringLiteral("Ana"), 3, 2, j->pratica.Modulo.ListCount()));
    // Resuming at a later exercise keeps the loaded counters.
    QCOMPARE(Estado().Acertos, qint16(14));
    QCOMPARE(j->LblAcertos->text(), QStringLiteral("14"));
    QVERIFY(!j->pratica.TrmTpm.isActive()); // until the first key
    // The first load after a log-in does not save.
    QCOMPARE(j.amb.ler(QStringLiteral("usuario.dat")), arquivo);
}

void TstUsuarios::logoff()
{
    JanelaTeste j({Joao, QStringLiteral("Ana<3<2<100<95<0<11<12<13<14<15<16<17<3<4<segredo")});
    Selecionar(j, QStringLiteral("Ana"));
    j.entrar(QStringLiteral("segredo"));
    for (int i = 0; i < 3; ++i)
        j.digitar(j->pratica.Licao.left(1));
    QCOMPARE(Estado().Acertos, qint16(17));
    emit j->BolProx->mouseMovido(Qt::NoButton, QPoint());
    j.amb.som.tocados.clear();

    j->BolLog->clicar();

    QVERIFY(!j->Logado());
    QVERIFY(j->PicUsuario->isVisible());
    QVERIFY(!j->pratica.TrmTpm.isActive());
    QVERIFY(!j->CmdProx2->temPicture());
    QCOMPARE(j.amb.som.nomes(), QStringList{QStringLiteral("logoff")});
    // Counters since the last save are dropped; the position is stored, and
    // in the highest lesson the frontier becomes the exercise on screen.
    QCOMPARE(j.usuariosNoDisco(),
             (QStringList{Joao, QStringLiteral("Ana<3<2<100<95<0<11<12<13<14<15<16<17<3<2<segredo")}));
    QCOMPARE(Estado().Acertos, qint16(14));
    QCOMPARE(j->LblAcertos->text(), QStringLiteral("14"));
    QCOMPARE(j->ListUsuario->currentRow(), 1);

    // Logging in again resumes at the stored place.
    j.entrar(QStringLiteral("segredo"));
    QCOMPARE(j->pratica.Modulo.indice, 1);
    QCOMPARE(Estado().ExercicioMaximo, qint16(2));
}

void TstUsuarios::logoffNaIntroducao()
{
    JanelaTeste j({Joao, QStringLiteral("Ana<0<1<100<95<0<0<0<0<0<0<0<0<1<1<segredo")});
    Selecionar(j, QStringLiteral("Ana"));
    j.entrar(QStringLiteral("segredo"));
    QVERIFY(!j->PicDedos->isHidden());
    j->CmdLogoff_Click();
    // Nothing was opened: the same lesson and exercise are stored.
    QCOMPARE(j.usuariosNoDisco(), (QStringList{Joao, QStringLiteral("Ana<0<1<100<95<0<0<0<0<0<0<0<0<1<1<segredo")}));
    QCOMPARE(j->TxtLicao->text(), QStringLiteral("1"));
    QCOMPARE(j->TxtFase2->text(), QStringLiteral("Introdução"));
    // The user screen lies over the introduction picture again.
    for (QWidget* w : {static_cast<QWidget*>(j->ListUsuario), static_cast<QWidget*>(j->CmdDeletar)}) {
        QWidget* topo = j->PicInter->childAt(w->mapTo(j->PicInter, w->rect().center()));
        QVERIFY(topo == j->PicUsuario || j->PicUsuario->isAncestorOf(topo));
    }

    // The profile editor opens with the learner's stored name, not with the
    // beginning of it typed into the name box.
    QTest::keyClicks(j->TxtNome, QStringLiteral("A"));
    QCOMPARE(j->TxtNome->text(), QStringLiteral("A"));
    QCOMPARE(j->LblUser->text(), QStringLiteral("Ana"));
    {
        FrmPerfil perfil;
        QCOMPARE(perfil.TxtNome->text(), QStringLiteral("Ana"));
    }

    // The same when the program is closed from the introduction.
    j.entrar(QStringLiteral("segredo"));
    j.reiniciar();
    QCOMPARE(j.usuariosNoDisco(), (QStringList{Joao, QStringLiteral("Ana<0<1<100<95<0<0<0<0<0<0<0<0<1<1<segredo")}));
}

void TstUsuarios::outroUsuarioNaoHerdaALicao()
{
    const QString bia = QStringLiteral("Bia<0<1<100<95<0<0<0<0<0<0<0<0<1<1<b");
    JanelaTeste j({QStringLiteral("Ana<3<4<100<95<0<0<0<0<0<0<0<0<3<4<segredo"), bia});
    j.entrar(QStringLiteral("segredo"));
    QCOMPARE(j->pratica.Modulo.indice, 3);
    j.digitar(j->pratica.Licao.left(1));
    j->CmdLogoff_Click();

    // Bia logs in to the introduction: Ana's lesson went with Ana, so
    // nothing of it is typed or saved in Bia's record.
    Selecionar(j, QStringLiteral("Bia"));
    j.entrar(QStringLiteral("b"));
    QVERIFY(!j->PicDedos->isHidden());
    j.digitar(QStringLiteral("sssslllls"));
    QCOMPARE(Estado().Acertos, qint16(0));
    j->CmdAntExe->clicar();
    j->CmdProxExe->clicar();
    j->CmdLogoff_Click();
    QCOMPARE(j.usuariosNoDisco().at(1), bia);
    QCOMPARE(j->TxtLicao->text(), QStringLiteral("1"));

    j.entrar(QStringLiteral("b"));
    j.reiniciar();
    QCOMPARE(j.usuariosNoDisco().at(1), bia);

    // Ana finds her own place again.
    j.entrar(QStringLiteral("segredo"));
    QCOMPARE(j->pratica.Modulo.indice, 3);
}

void TstUsuarios::gravarMantemALinha()
{
    JanelaTeste j({Ana, Bia, Carla});
    const QList<QByteArray> antes = LinhasBrutas(j);
    Selecionar(j, QStringLiteral("Bia"));
    j.entrar(QStringLiteral("b"));

    j.completarExercicio();
    j.completarExercicio();
    QList<QByteArray> agora = LinhasBrutas(j);
    QCOMPARE(agora.size(), 3);
    QCOMPARE(agora.at(0), antes.at(0));
    QCOMPARE(agora.at(2), antes.at(2));
    QCOMPARE(Campo(j, 1, 1), QStringLiteral("Bia"));
    QCOMPARE(Campo(j, 1, 3), QStringLiteral("3"));

    j->CmdLogoff_Click();
    agora = LinhasBrutas(j);
    QCOMPARE(agora.size(), 3);
    QCOMPARE(agora.at(0), antes.at(0));
    QCOMPARE(agora.at(2), antes.at(2));
    QCOMPARE(Campo(j, 1, 1), QStringLiteral("Bia"));
    QCOMPARE(Nomes(j->ListUsuario), (QStringList{QStringLiteral("Ana"), QStringLiteral("Bia"), QStringLiteral("Carla")}));
    QCOMPARE(j->ListUsuario->currentRow(), 1);
}

void TstUsuarios::pontosNegativos()
{
    JanelaTeste j({QStringLiteral("Ana<3<1<100<95<0<0<0<0<0<0<0<0<3<1<segredo")});
    j.entrar(QStringLiteral("segredo"));
    j.digitar(QStringLiteral("s"));
    j.tecla('Q');
    j.tecla('Q');
    j.tecla('Q');
    QCOMPARE(Estado().Pontos, qint16(-200));
    QCOMPARE(j->LblPontos->text(), QStringLiteral("-200"));

    j.reiniciar(); // closing while logged in saves
    QCOMPARE(Campo(j, 0, 11), QStringLiteral("-200"));
    QCOMPARE(Estado().Pontos, qint16(-200));
    j->PrepararPratica();
    QCOMPARE(j->LblPontos->text(), QStringLiteral("-200"));
}

void TstUsuarios::deletar_data()
{
    QTest::addColumn<QString>("senha"); // empty: the prompt is cancelled
    QTest::addColumn<bool>("sim");      // the answer to the confirmation
    QTest::addColumn<bool>("apaga");
    QTest::newRow("senha certa") << QStringLiteral("b") << true << true;
    QTest::newRow("senha mestra") << QStringLiteral("chavemestra") << true << true;
    QTest::newRow("confirmacao negada") << QStringLiteral("b") << false << false;
    QTest::newRow("senha errada") << QStringLiteral("x") << true << false;
    QTest::newRow("cancelado") << QString() << true << false;
}

void TstUsuarios::deletar()
{
    QFETCH(QString, senha);
    QFETCH(bool, sim);
    QFETCH(bool, apaga);
    JanelaTeste j({Ana, Bia, Joao});
    const QList<QByteArray> antes = LinhasBrutas(j);
    Selecionar(j, QStringLiteral("Bia"));
    if (!senha.isEmpty())
        j.responderSenha(senha);
    j.amb.dialogos.respostasPerguntas << sim;

    j->CmdDeletar->clicar();

    QCOMPARE(j.amb.dialogos.modais, QStringList{QStringLiteral("FrmLogin")});
    // The question comes only after the password, and names the learner.
    const bool senhaAceita = senha == QStringLiteral("b") || senha == QStringLiteral("chavemestra");
    QCOMPARE(j.amb.dialogos.perguntas.size(), senhaAceita ? 1 : 0);
    if (senhaAceita)
        QCOMPARE(j.amb.dialogos.perguntas.at(0).texto,
                 QStringLiteral("Excluir o usuário Bia e todo o seu progresso? Isto não pode ser desfeito."));
    if (apaga) {
        QVERIFY(j.amb.dialogos.mensagens.isEmpty());
        QCOMPARE(Nomes(j->ListUsuario), (QStringList{QStringLiteral("Ana"), QStringLiteral("João")}));
        QCOMPARE(LinhasBrutas(j), (QList<QByteArray>{antes.at(0), antes.at(2)}));
        QCOMPARE(j->ListUsuario->currentRow(), 0);
        QCOMPARE(j->LblUser->text(), QStringLiteral("Ana"));
        QCOMPARE(Estado().SenhaUsuario, QStringLiteral("segredo"));
    } else {
        QCOMPARE(Nomes(j->ListUsuario),
                 (QStringList{QStringLiteral("Ana"), QStringLiteral("Bia"), QStringLiteral("João")}));
        QCOMPARE(LinhasBrutas(j), antes);
        QCOMPARE(j->ListUsuario->currentRow(), 1);
    }
}

void TstUsuarios::finsDeLinhaMisturados()
{
    JanelaTeste j({}, false, [](AmbienteTeste& amb) {
        amb.escrever(QStringLiteral("usuario.dat"),
                     "Ana<0<1<100<95<0<0<0<0<0<0<0<0<1<1<a\r\n"
                     "Bia<3<1<100<95<0<0<0<0<0<0<0<0<3<1<b\r"
                     "Jo\xe3o<0<1<100<95<0<0<0<0<0<0<0<0<1<1<j\r\n"
                     "Duda<0<1<100<95<0<0<0<0<0<0<0<0<1<1<d\r"
                     "Eva<0<1<100<95<0<0<0<0<0<0<0<0<1<1<e");
    });
    QCOMPARE(Nomes(j->ListUsuario), (QStringList{QStringLiteral("Ana"), QStringLiteral("Bia"), QStringLiteral("João"),
                                                 QStringLiteral("Duda"), QStringLiteral("Eva")}));
    for (const char* nome : {"Bia", "Duda", "Eva"}) {
        Selecionar(j, QString::fromLatin1(nome));
        QCOMPARE(Estado().SenhaUsuario, QString(QChar::fromLatin1(nome[0]).toLower()));
    }
    Selecionar(j, QStringLiteral("Bia"));
    QCOMPARE(j->TxtFase2->text(), QStringLiteral("3"));
    j.entrar(QStringLiteral("b"));
    QVERIFY(j->Logado());

    // The next save writes every line back with CR LF.
    j->CmdLogoff_Click();
    const QByteArray bytes = j.amb.ler(QStringLiteral("usuario.dat"));
    QCOMPARE(bytes.count("\r\n"), 5);
    QCOMPARE(bytes.count('\r'), 5);
    QVERIFY(bytes.endsWith("<e\r\n"));
}

void TstUsuarios::registroTruncado()
{
    // Windows-1252 names and a number written with a leading zero: lines
    // that are not touched must come back exactly as they were.
    const QByteArray ana("Ana<0<01<100<95<0<0<0<0<0<0<0<0<1<1<a\r\n");
    const QByteArray joao("Jo\xe3o Con\xe7""alves<2<5<100<95<0<0<0<0<0<0<0<0<2<5<\xe7\r\n");
    JanelaTeste j({}, true, [&](AmbienteTeste& amb) {
        amb.escrever(QStringLiteral("usuario.dat"), ana + "Bia<3<2<80\r\n" + joao);
    });
    Selecionar(j, QStringLiteral("Bia"));
    QCOMPARE(j->TxtFase2->text(), QStringLiteral("3"));
    QCOMPARE(j->TxtLicao->text(), QStringLiteral("2"));
    QCOMPARE(j->TxtVelo->text(), QStringLiteral("80"));
    QCOMPARE(j->TxtPrePor->text(), QStringLiteral("95%"));
    QVERIFY(!j->Livre->isChecked());
    QCOMPARE(Estado().Acertos, qint16(0));
    QCOMPARE(Estado().LicaoMaxima, qint16(1));
    QCOMPARE(Estado().SenhaUsuario, QString());

    j.entrar(QString());
    QVERIFY(j->Logado());
    QCOMPARE(j->pratica.Modulo.indice, 1);
    j->CmdLogoff_Click();

    QCOMPARE(j.amb.ler(QStringLiteral("usuario.dat")),
             ana + "Bia<3<2<80<95<0<0<0<0<0<0<0<0<3<2<\r\n" + joao);
}

void TstUsuarios::idaEVolta()
{
    JanelaTeste j;
    j.amb.dialogos.respostas << [](QDialog* d) {
        auto* add = qobject_cast<FrmAdd*>(d);
        QVERIFY(add);
        add->TxtNovoUsuario->setText(QStringLiteral("  Lúcia "));
        add->TxtSenha->setText(QStringLiteral("abc"));
        add->TxtSenhaConfirma->setText(QStringLiteral("abc"));
        add->CmdOk_Click();
    };
    j->CmdCadastrar->clicar();
    QCOMPARE(Nomes(j->ListUsuario), (QStringList{QStringLiteral("Usuário Padrão"), QStringLiteral("Lúcia")}));
    QCOMPARE(j->LblUser->text(), QStringLiteral("Lúcia"));
    QCOMPARE(j.usuariosNoDisco().at(1), QStringLiteral("Lúcia<0<1<100<95<0<0<0<0<0<0<0<0<1<1<abc"));

    j.entrar(QStringLiteral("ABC"));
    QVERIFY(j->Logado());
    QVERIFY(!j->PicDedos->isHidden());
    j->CmdProx2_Click(); // from the introduction to lesson 1
    QCOMPARE(Estado().LicaoAtual, qint16(1));
    QCOMPARE(j->pratica.Modulo.indice, 0);

    int acertos = int(j->pratica.Licao.size());
    j.completarExercicio();
    acertos += int(j->pratica.Licao.size());
    j.completarExercicio();
    QCOMPARE(j->pratica.Modulo.indice, 2);
    QCOMPARE(Estado().Acertos, qint16(acertos));
    j->CmdLogoff_Click();
    QCOMPARE(j->PicUsuario->isVisible(), true);

    j.reiniciar();
    QCOMPARE(Nomes(j->ListUsuario), (QStringList{QStringLiteral("Usuário Padrão"), QStringLiteral("Lúcia")}));
    Selecionar(j, QStringLiteral("Lúcia"));
    QCOMPARE(j->TxtFase2->text(), QStringLiteral("1"));
    QCOMPARE(j->TxtLicao->text(), QStringLiteral("3"));
    j.entrar(QStringLiteral("abc"));

    QCOMPARE(Estado().LicaoAtual, qint16(1));
    QCOMPARE(j->pratica.Modulo.indice, 2);
    QCOMPARE(j->LblCaption->text(), Titulo(QStringLiteral("Lúcia"), 1, 3, j->pratica.Modulo.ListCount()));
    QCOMPARE(Estado().Acertos, qint16(acertos));
    QCOMPARE(Estado().TeclasDigitadas, qint16(acertos));
    QCOMPARE(Estado().Erros, qint16(0));
    QCOMPARE(Estado().Pontos, qint16(100 * acertos));
    QCOMPARE(j->LblAcertos->text(), QString::number(acertos));
    QCOMPARE(Estado().LicaoMaxima, qint16(1));
    QCOMPARE(Estado().ExercicioMaximo, qint16(3));

    // And the counters keep growing from there.
    j.digitar(j->pratica.Licao.left(1));
    QCOMPARE(Estado().Acertos, qint16(acertos + 1));
}

QTEST_MAIN(TstUsuarios)
#include "tst_usuarios.moc"
