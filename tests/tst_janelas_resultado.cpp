// The result windows FrmCom and FrmFim, the end-of-course window FrmBoxFim
// and the message window FrmBox, driven over a started main window with a
// learner logged in.
#include "app/EstadoCurso.h"
#include "fakes/JanelaTeste.h"
#include "ui/FrmBox.h"
#include "ui/FrmBoxFim.h"
#include "ui/FrmCom.h"
#include "ui/FrmFim.h"
#include "ui/Imagem.h"
#include "ui/PainelDesenhado.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

const QString Parabens = QStringLiteral(
    "Parabéns você concluiu a lição, clique no botão \"Proxima Lição\" para continuar o curso.");
const QString Rapido = QStringLiteral(
    "Vôcê digita rápido, porém com erros. Diminua um pouco o rítimo para obter melhor aproveitamento.");
const QString Calma = QStringLiteral(
    "Digite com calma e repita a lição quantas vezes forem necessárias. Você progredirá "
    "automaticamente. O Importante é saber que quando passar é porque realmente progrediu.");

// A learner with the free course off, logged in, minimums 90 % and 60.
struct Cenario {
    JanelaTeste janela{{QStringLiteral("Ana<0<1<60<90<0<0<0<0<0<0<0<0<1<1<segredo")}};

    Cenario()
    {
        janela.entrar(QStringLiteral("segredo"));
        janela.amb.som.tocados.clear();
        janela.amb.dialogos.modais.clear();
        Estado().SomLigado = true;
    }

    // The counters of a finished run.
    static void contar(int acertos, int erros, int velocidade, int pontos = 321)
    {
        EstadoCurso& e = Estado();
        e.Acertos = qint16(acertos);
        e.Erros = qint16(erros);
        e.Velocidade = qint16(velocidade);
        e.Pontos = qint16(pontos);
        e.TeclasDigitadas = qint16(acertos + erros);
        e.Segundos = 140;
        e.ContadorExtra = 3;
    }

    // Opens a lesson as the main window does, so the result window's buttons
    // act on a real lesson.
    void abrir(int licao)
    {
        Estado().LicaoAtual = qint16(licao);
        janela->AbrirLicao(licao);
    }

    // The next window shown modally gets this treatment.
    void responder(std::function<void(QDialog*)> r) { janela.amb.dialogos.respostas << std::move(r); }
};

std::unique_ptr<JanelaDeResultado> Criar(bool fim)
{
    if (fim)
        return std::make_unique<FrmFim>(FrmMain::Instancia());
    return std::make_unique<FrmCom>(FrmMain::Instancia());
}

void Mover(QWidget* alvo, Qt::MouseButtons botoes)
{
    QMouseEvent e(QEvent::MouseMove, QPointF(20, 10), alvo->mapToGlobal(QPointF(20, 10)), Qt::NoButton,
                  botoes, Qt::NoModifier);
    QCoreApplication::sendEvent(alvo, &e);
}

bool Mostrado(QWidget* w)
{
    return !w->isHidden();
}

} // namespace

class TstJanelasResultado : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void teclasGuardadasMeioSegundo();
    void aprovado_data();
    void aprovado();
    void reprovado_data();
    void reprovado();
    void fimECursoLivre_data();
    void fimECursoLivre();
    void semSomNaoTocaFim();
    void semToques();
    void botoesDeFrmCom_data();
    void botoesDeFrmCom();
    void fimProximaLevaAoFimDoCurso();
    void fimRepetirReabreALicao();
    void arrastarPelaBarraDeTitulo();
    void frmBoxMostraAMensagem();
};

void TstJanelasResultado::aprovado_data()
{
    QTest::addColumn<bool>("fim");
    QTest::addColumn<QString>("legendaNota");
    QTest::addColumn<QString>("nota");
    QTest::addColumn<QString>("titulo");
    QTest::newRow("FrmCom") << false << QStringLiteral("Nota:") << QStringLiteral("8")
                            << QStringLiteral("Teclomatic - Liçao Concluida");
    QTest::newRow("FrmFim") << true << QStringLiteral("Nota Final:") << QStringLiteral("7")
                            << QStringLiteral("Teclomatic");
}

void TstJanelasResultado::aprovado()
{
    QFETCH(bool, fim);
    QFETCH(QString, legendaNota);
    QFETCH(QString, nota);
    QFETCH(QString, titulo);
    Cenario c;
    Cenario::contar(190, 10, 85);
    auto w = Criar(fim);
    QCOMPARE(w->windowTitle(), titulo);
    QCOMPARE(w->cNota->text(), legendaNota);
    QCOMPARE(w->LblNota->text(), QStringLiteral("0"));
    QCOMPARE(w->LblCom->text(), QStringLiteral("Concluido"));

    w->Form_Load();

    QCOMPARE(c.janela.amb.som.nomes(), QStringList{QStringLiteral("fim")});
    QCOMPARE(w->LblCpm->text(), QStringLiteral("85"));
    QCOMPARE(w->LblAcetos->text(), QStringLiteral("190"));
    QCOMPARE(w->LblErros->text(), QStringLiteral("10"));
    QCOMPARE(w->LblPontos->text(), QStringLiteral("321"));
    QCOMPARE(w->LblPorAcerto->text(), QStringLiteral("95%"));
    QCOMPARE(w->LblPorErros->text(), QStringLiteral("5%"));
    QCOMPARE(w->IndiceErros(), 5);
    QCOMPARE(w->SeuPrecisao->text(), QStringLiteral("95%"));
    QCOMPARE(w->ReqPrecisao->text(), QStringLiteral("90%"));
    QCOMPARE(w->SeuVelocidade->text(), QStringLiteral("85 TPM"));
    QCOMPARE(w->ReqVelocidade->text(), QStringLiteral("60 TPM"));
    QCOMPARE(w->LblNota->text(), nota);
    QVERIFY(Mostrado(w->CmdProx2));
    QVERIFY(!Mostrado(w->ProxD));
    QCOMPARE(w->LblCom->text(), Parabens);

    // The percentages have taken the places of the counts.
    QCOMPARE(Estado().Acertos, qint16(95));
    QCOMPARE(Estado().Erros, qint16(5));
    QCOMPARE(Estado().Pontos, qint16(321));
    QCOMPARE(Estado().Velocidade, qint16(85));
}

void TstJanelasResultado::reprovado_data()
{
    QTest::addColumn<int>("velocidade");
    QTest::addColumn<QString>("conselho");
    QTest::addColumn<QString>("nota");
    // 85 % against a minimum of 90: fast but with errors, or simply too fast
    // for the precision reached.
    QTest::newRow("rápido") << 61 << Rapido << QStringLiteral("4");
    QTest::newRow("no mínimo") << 60 << Calma << QStringLiteral("4");
    QTest::newRow("lento") << 29 << Calma << QStringLiteral("2");
}

void TstJanelasResultado::reprovado()
{
    QFETCH(int, velocidade);
    QFETCH(QString, conselho);
    QFETCH(QString, nota);
    Cenario c;
    Cenario::contar(170, 30, velocidade);
    FrmCom w(FrmMain::Instancia());
    w.Form_Load();
    QCOMPARE(w.LblPorAcerto->text(), QStringLiteral("85%"));
    QCOMPARE(w.LblPorErros->text(), QStringLiteral("15%"));
    QCOMPARE(w.IndiceErros(), 17);
    QVERIFY(Mostrado(w.ProxD));
    QVERIFY(!Mostrado(w.CmdProx2));
    QCOMPARE(w.LblCom->text(), conselho);
    QCOMPARE(w.LblNota->text(), nota);
}

void TstJanelasResultado::fimECursoLivre_data()
{
    QTest::addColumn<bool>("fim");
    QTest::addColumn<bool>("livre");
    QTest::addColumn<bool>("proxima");
    // A failed run: only the last lesson lets a learner without the free
    // course go on.
    QTest::newRow("FrmFim, sem Curso Livre") << true << false << true;
    QTest::newRow("FrmFim, com Curso Livre") << true << true << false;
    QTest::newRow("FrmCom, sem Curso Livre") << false << false << false;
    QTest::newRow("FrmCom, com Curso Livre") << false << true << false;
}

// Each look at the clock is a second later, so keys sent by these tests come
// after the result window's key guard unless a test sets the clock itself.
qint64 relogioTeste = 0;
void TstJanelasResultado::initTestCase()
{
    JanelaDeResultado::Relogio = [] { return relogioTeste += 1000; };
}

void TstJanelasResultado::teclasGuardadasMeioSegundo()
{
    Cenario c;
    Cenario::contar(100, 0, 20);
    auto w = Criar(false);
    JanelaDeResultado::Relogio = [] { return relogioTeste; };
    w->Form_Load();
    QVERIFY(!w->Aprovado()); // 20 TPM against a minimum of 60
    QSignalSpy fim(w.get(), &QDialog::finished);
    relogioTeste += 499;
    for (QWidget* alvo : {static_cast<QWidget*>(w.get()), static_cast<QWidget*>(w->CmdRepetir)})
        for (Qt::Key k : {Qt::Key_Return, Qt::Key_Space, Qt::Key_R, Qt::Key_Escape})
            QTest::keyClick(alvo, k);
    QCOMPARE(fim.count(), 0);
    relogioTeste += 1;
    QTest::keyClick(w->CmdRepetir, Qt::Key_Return);
    QCOMPARE(fim.count(), 1);
    JanelaDeResultado::Relogio = [] { return relogioTeste += 1000; };
}

void TstJanelasResultado::fimECursoLivre()
{
    QFETCH(bool, fim);
    QFETCH(bool, livre);
    QFETCH(bool, proxima);
    Cenario c;
    CursoLivre(c.janela.w(), livre);
    Cenario::contar(100, 100, 20);
    auto w = Criar(fim);
    w->Form_Load();
    QCOMPARE(Mostrado(w->CmdProx2), proxima);
    QCOMPARE(Mostrado(w->ProxD), !proxima);
    // The advice still tells the truth about the run.
    QCOMPARE(w->LblCom->text(), Calma);
}

void TstJanelasResultado::semSomNaoTocaFim()
{
    Cenario c;
    Estado().SomLigado = false;
    Cenario::contar(190, 10, 85);
    FrmFim w(FrmMain::Instancia());
    w.Form_Load();
    QVERIFY(c.janela.amb.som.tocados.isEmpty());
    QCOMPARE(w.LblNota->text(), QStringLiteral("7"));
}

void TstJanelasResultado::semToques()
{
    // Not reachable from a finished exercise, but the window must not fail.
    Cenario c;
    Cenario::contar(0, 0, 0, 0);
    FrmCom w(FrmMain::Instancia());
    w.Form_Load();
    QCOMPARE(w.LblPorAcerto->text(), QStringLiteral("0%"));
    QCOMPARE(w.LblPorErros->text(), QStringLiteral("0%"));
    QCOMPARE(w.LblNota->text(), QStringLiteral("0"));
    QVERIFY(Mostrado(w.ProxD));
}

void TstJanelasResultado::botoesDeFrmCom_data()
{
    QTest::addColumn<bool>("passou");
    QTest::addColumn<QString>("acao");
    QTest::addColumn<int>("licao");
    QTest::newRow("Proxima Lição") << true << QStringLiteral("CmdProx2") << 52;
    QTest::newRow("Repetir Lição") << true << QStringLiteral("CmdRepetir") << 51;
    QTest::newRow("Enter, aprovado") << true << QStringLiteral("Enter") << 52;
    QTest::newRow("Enter, reprovado") << false << QStringLiteral("Enter") << 51;
    QTest::newRow("tecla R") << true << QStringLiteral("R") << 51;
    QTest::newRow("Esc") << true << QStringLiteral("Esc") << 51;
}

void TstJanelasResultado::botoesDeFrmCom()
{
    QFETCH(bool, passou);
    QFETCH(QString, acao);
    QFETCH(int, licao);
    Cenario c;
    c.abrir(51);
    if (passou)
        Cenario::contar(190, 10, 85);
    else
        Cenario::contar(150, 50, 85);
    c.janela->LblAcertos->setText(QStringLiteral("190"));
    c.janela->LblErros->setText(QStringLiteral("10"));
    c.janela->LblPontos->setText(QStringLiteral("321"));

    bool fechada = false;
    c.responder([&](QDialog* d) {
        auto* w = qobject_cast<FrmCom*>(d);
        QVERIFY(w);
        QCOMPARE(FrmCom::Aberta(), w);
        QSignalSpy fim(w, &QDialog::finished);
        if (acao == QLatin1String("CmdProx2"))
            w->CmdProx2->clicar();
        else if (acao == QLatin1String("CmdRepetir"))
            w->CmdRepetir->clicar();
        else if (acao == QLatin1String("Enter"))
            QTest::keyClick(w, Qt::Key_Return);
        else if (acao == QLatin1String("R"))
            QTest::keyClick(w, Qt::Key_R);
        else
            QTest::keyClick(w, Qt::Key_Escape);
        fechada = fim.count() == 1;
        // A second press while the lesson opens does nothing more.
        w->CmdProx2->clicar();
        w->CmdRepetir->clicar();
    });
    FrmCom::Mostrar();

    QCOMPARE(c.janela.amb.dialogos.modais, QStringList{QStringLiteral("FrmCom")});
    QVERIFY(fechada);
    QVERIFY(!FrmCom::Aberta());
    const EstadoCurso& e = Estado();
    QCOMPARE(e.LicaoAtual, qint16(licao));
    for (qint16 v : {e.TeclasDigitadas, e.Segundos, e.Erros, e.Acertos, e.Pontos, e.Velocidade, e.ContadorExtra})
        QCOMPARE(v, qint16(0));
    QCOMPARE(c.janela->LblAcertos->text(), QStringLiteral("0"));
    QCOMPARE(c.janela->LblErros->text(), QStringLiteral("0"));
    QCOMPARE(c.janela->LblPontos->text(), QStringLiteral("0"));
    // The lesson was opened on its first exercise.
    QCOMPARE(c.janela->pratica.Modulo.indice, 0);
    QVERIFY(c.janela->pratica.Modulo.ListCount() > 0);
    QVERIFY(c.janela->LblCaption->text().contains(QStringLiteral("Lição: %1 de 52").arg(licao)));
}

void TstJanelasResultado::fimProximaLevaAoFimDoCurso()
{
    Cenario c;
    c.abrir(52);
    Cenario::contar(190, 10, 85);
    QVERIFY(c.janela->PicUsuario->isHidden());
    bool fimFechada = false;
    c.responder([&](QDialog* d) {
        auto* w = qobject_cast<FrmFim*>(d);
        QVERIFY(w);
        QSignalSpy fim(w, &QDialog::finished);
        QTest::keyClick(w, Qt::Key_Enter);
        fimFechada = fim.count() == 1;
    });
    c.responder([](QDialog* d) {
        auto* w = qobject_cast<FrmBoxFim*>(d);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Teclomatic - Fim"));
        // The learner is still logged in until OK, the counters (now the
        // percentages) and the lesson as they were.
        QVERIFY(FrmMain::Instancia()->PicUsuario->isHidden());
        QCOMPARE(Estado().LicaoAtual, qint16(52));
        QCOMPARE(Estado().Acertos, qint16(95));
        QCOMPARE(Estado().Erros, qint16(5));
        w->CmdOk->clicar();
    });
    FrmFim::Mostrar();

    QVERIFY(fimFechada);
    QCOMPARE(c.janela.amb.dialogos.modais, (QStringList{QStringLiteral("FrmFim"), QStringLiteral("FrmBoxFim")}));
    // Logged off.
    QVERIFY(!c.janela->PicUsuario->isHidden());
    QCOMPARE(c.janela.amb.som.nomes(), (QStringList{QStringLiteral("fim"), QStringLiteral("logoff")}));
}

void TstJanelasResultado::fimRepetirReabreALicao()
{
    Cenario c;
    c.abrir(52);
    c.janela->pratica.Modulo.indice = c.janela->pratica.Modulo.ListCount() - 1;
    Cenario::contar(190, 10, 85);
    bool fechada = false;
    c.responder([&](QDialog* d) {
        auto* w = qobject_cast<FrmFim*>(d);
        QVERIFY(w);
        QSignalSpy fim(w, &QDialog::finished);
        QTest::keyClick(w, Qt::Key_R);
        fechada = fim.count() == 1;
    });
    FrmFim::Mostrar();

    QVERIFY(fechada);
    QCOMPARE(c.janela.amb.dialogos.modais, QStringList{QStringLiteral("FrmFim")});
    QCOMPARE(Estado().LicaoAtual, qint16(52));
    QCOMPARE(c.janela->pratica.Modulo.indice, 0);
    QVERIFY(c.janela->PicUsuario->isHidden());
}

void TstJanelasResultado::arrastarPelaBarraDeTitulo()
{
    Cenario c;
    Cenario::contar(190, 10, 85);
    QList<QWidget*>& arrastadas = c.janela.amb.arrastar.janelas;
    for (bool fim : {false, true}) {
        auto w = Criar(fim);
        w->Form_Load();
        arrastadas.clear();
        Mover(w->BarMove, Qt::NoButton);
        Mover(w->BarMove, Qt::RightButton);
        QVERIFY(arrastadas.isEmpty());
        Mover(w->BarMove, Qt::LeftButton);
        QCOMPARE(arrastadas, QList<QWidget*>{w.get()});
        // The tables and buttons are no drag area.
        arrastadas.clear();
        Mover(w->CmdRepetir, Qt::LeftButton);
        QVERIFY(arrastadas.isEmpty());
    }

    FrmBoxFim caixa(FrmMain::Instancia());
    arrastadas.clear();
    Mover(&caixa, Qt::NoButton);
    QVERIFY(arrastadas.isEmpty());
    Mover(&caixa, Qt::LeftButton);
    QCOMPARE(arrastadas, QList<QWidget*>{&caixa});
}

void TstJanelasResultado::frmBoxMostraAMensagem()
{
    Cenario c;
    const QString texto = QStringLiteral(
        "Você não concluiu a lição, e por isso não é possível ir para a próxima lição.\r\n\r\n"
        "Para navegar em todas as lições e necessário alterar o seu perfil de usuário, marcando a opção "
        "'Curso Livre'.");
    for (const char* modo : {"OK", "Enter", "Esc"}) {
        QString mostrado;
        bool fechada = false;
        c.responder([&](QDialog* d) {
            auto* w = qobject_cast<FrmBox*>(d);
            QVERIFY(w);
            QCOMPARE(w->windowTitle(), QStringLiteral("Teclomatic"));
            mostrado = w->LblMs->text();
            QSignalSpy fim(w, &QDialog::finished);
            if (qstrcmp(modo, "OK") == 0)
                w->CmdOk->clicar();
            else
                QTest::keyClick(w, qstrcmp(modo, "Enter") == 0 ? Qt::Key_Return : Qt::Key_Escape);
            fechada = fim.count() == 1;
        });
        FrmBox::Mostrar(texto);
        QCOMPARE(mostrado, texto);
        QVERIFY2(fechada, modo);
    }
    QCOMPARE(c.janela.amb.dialogos.modais.size(), 3);
    QVERIFY(c.janela.amb.som.tocados.isEmpty());
}

QTEST_MAIN(TstJanelasResultado)
#include "tst_janelas_resultado.moc"
