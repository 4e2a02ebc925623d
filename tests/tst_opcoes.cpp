// The options window: what it opens with, what OK stores and applies, what
// Cancelar leaves alone, and how it copes with settings it did not write.
#include "app/EstadoCurso.h"
#include "fakes/JanelaTeste.h"
#include "ui/FrmOpcao.h"
#include "ui/Imagem.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

namespace {

struct Cenario {
    JanelaTeste janela{{}, false};

    Cenario()
    {
        configuracao().clear();
        Estado().TipoTeclado = 0;
        Estado().ModoTela = 0;
        janela->ConstruirTeclado(0);
        janela.amb.dialogos.modais.clear();
    }

    QMap<QString, QString>& configuracao() { return janela.amb.configuracao.valores; }

    // Opens the window through the dialogs service and lets r act on it.
    void abrir(std::function<void(FrmOpcao*)> r)
    {
        janela.amb.dialogos.respostas << [r](QDialog* d) {
            auto* w = qobject_cast<FrmOpcao*>(d);
            QVERIFY(w);
            r(w);
        };
        FrmOpcao::Mostrar();
    }
};

bool Mostrado(QWidget* w)
{
    return !w->isHidden();
}

template <typename T>
qint64 Figura(const T* img)
{
    return img->picture().cacheKey();
}

} // namespace

class TstOpcoes : public QObject {
    Q_OBJECT
private slots:
    void abreComOPadrao();
    void mostraOQueFoiEscolhido();
    void okGravaEAplica_data();
    void okGravaEAplica();
    void cancelarNaoMudaNada_data();
    void cancelarNaoMudaNada();
    void configuracaoInvalida_data();
    void configuracaoInvalida();
    void armazemSomenteLeituraAvisa();
};

void TstOpcoes::abreComOPadrao()
{
    Cenario c;
    FrmOpcao w(FrmMain::Instancia());
    w.Form_Load();

    QCOMPARE(w.windowTitle(), QStringLiteral("Teclomatic Opções"));
    QCOMPARE(w.Label1->text(), QStringLiteral("Selecione o Teclado:"));
    QCOMPARE(w.Label2->text(), QStringLiteral("Selecione o modo de exibição:"));
    QCOMPARE(w.SelTeclado->count(), 3);
    QCOMPARE(w.SelTeclado->itemText(0), QStringLiteral("ABNT2 - teclado que possui a tecla \"Ç\""));
    QCOMPARE(w.SelTeclado->itemText(1), QStringLiteral("BR - teclado sem a tecla \"Ç\""));
    QCOMPARE(w.SelTeclado->itemText(2), QStringLiteral("Português - Portugal"));
    QCOMPARE(w.SelTela->count(), 2);
    QCOMPARE(w.SelTela->itemText(0), QStringLiteral("Normal"));
    QCOMPARE(w.SelTela->itemText(1), QStringLiteral("Tela cheia"));

    // Width and button places in twips; the window's blue.
    QCOMPARE(w.width(), 421);
    // OK before Cancelar, as in the other windows.
    QCOMPARE(Twips::Left(w.CmdOk), 2300);
    QCOMPARE(Twips::Left(w.CmdCancelar), 4250);
    QCOMPARE(w.CmdOk->x(), 153);
    QCOMPARE(w.CmdCancelar->x(), 283);
    QCOMPARE(w.palette().color(QPalette::Window), QColor(0, 113, 207));

    // Nothing stored: ABNT2 and Normal, with their pictures.
    QCOMPARE(w.SelTeclado->currentIndex(), 0);
    QCOMPARE(w.SelTela->currentText(), QStringLiteral("Normal"));
    QCOMPARE(Figura(w.TecladoMini), Figura(w.Miniabnt2));
    QVERIFY(Mostrado(w.ImgNormal));
    QVERIFY(!Mostrado(w.ImgFull));
    QVERIFY(!Mostrado(w.Miniabnt2) && !Mostrado(w.Minibr) && !Mostrado(w.Miniportugal));
    // Opening stores nothing.
    QVERIFY(c.configuracao().isEmpty());
}

void TstOpcoes::mostraOQueFoiEscolhido()
{
    Cenario c;
    FrmOpcao w(FrmMain::Instancia());
    w.Form_Load();

    // Three different keyboards, each 380 x 142.
    const Imagem* minis[] = {w.Miniabnt2, w.Minibr, w.Miniportugal};
    for (const Imagem* m : minis)
        QCOMPARE(m->picture().deviceIndependentSize().toSize(), QSize(380, 142));
    QVERIFY(w.Miniabnt2->picture().toImage() != w.Minibr->picture().toImage());
    QVERIFY(w.Minibr->picture().toImage() != w.Miniportugal->picture().toImage());

    for (int i : {1, 2, 0}) {
        w.SelTeclado->setCurrentIndex(i);
        QCOMPARE(Figura(w.TecladoMini), Figura(minis[i]));
    }
    w.SelTela->setCurrentIndex(1);
    QVERIFY(Mostrado(w.ImgFull));
    QVERIFY(!Mostrado(w.ImgNormal));
    w.SelTela->setCurrentIndex(0);
    QVERIFY(Mostrado(w.ImgNormal));
    QVERIFY(!Mostrado(w.ImgFull));
    QVERIFY(w.ImgNormal->picture().toImage() != w.ImgFull->picture().toImage());
    QCOMPARE(w.ImgNormal->picture().deviceIndependentSize().toSize(), QSize(177, 159));
}

void TstOpcoes::okGravaEAplica_data()
{
    QTest::addColumn<int>("teclado");
    QTest::addColumn<int>("tela");
    QTest::addColumn<bool>("pelaTecla");
    QTest::newRow("BR") << 1 << 0 << false;
    QTest::newRow("Tela cheia") << 0 << 1 << false;
    QTest::newRow("Portugal e tela cheia, Enter") << 2 << 1 << true;
}

void TstOpcoes::okGravaEAplica()
{
    QFETCH(int, teclado);
    QFETCH(int, tela);
    QFETCH(bool, pelaTecla);
    Cenario c;
    bool fechada = false;
    c.abrir([&](FrmOpcao* w) {
        w->SelTeclado->setCurrentIndex(teclado);
        w->SelTela->setCurrentIndex(tela);
        QSignalSpy fim(w, &QDialog::finished);
        if (pelaTecla)
            QTest::keyClick(w, Qt::Key_Return);
        else
            w->CmdOk->clicar();
        fechada = fim.count() == 1;
    });
    QVERIFY(fechada);
    QCOMPARE(c.janela.amb.dialogos.modais, QStringList{QStringLiteral("FrmOpcao")});
    QCOMPARE(c.janela.amb.dialogos.textos(), QStringList{});
    QCOMPARE(c.configuracao().value(QStringLiteral("SelTeclado")), QString::number(teclado));
    QCOMPARE(c.configuracao().value(QStringLiteral("SelTela")), QString::number(tela));
    QCOMPARE(Estado().TipoTeclado, qint16(teclado));
    QCOMPARE(Estado().ModoTela, qint16(tela));
    // The main window's keyboard changed at once: ABNT2 is the background
    // itself, the other layouts lie over it.
    c.janela->PrepararPratica();
    QCOMPARE(c.janela->ImgTeclado->temPicture(), teclado != 0);

    // The next opening shows the stored choices.
    FrmOpcao w(FrmMain::Instancia());
    w.Form_Load();
    QCOMPARE(w.SelTeclado->currentIndex(), teclado);
    QCOMPARE(w.SelTela->currentIndex(), tela);
}

void TstOpcoes::cancelarNaoMudaNada_data()
{
    QTest::addColumn<QString>("como");
    QTest::newRow("Cancelar") << QStringLiteral("Cancelar");
    QTest::newRow("Esc") << QStringLiteral("Esc");
    QTest::newRow("gerenciador de janelas") << QStringLiteral("fechar");
}

void TstOpcoes::cancelarNaoMudaNada()
{
    QFETCH(QString, como);
    Cenario c;
    c.configuracao().insert(QStringLiteral("SelTeclado"), QStringLiteral("2"));
    Estado().TipoTeclado = 2;
    Estado().ModoTela = 0;
    c.janela->PrepararPratica();
    c.janela->ConstruirTeclado(2);
    const qint64 teclado = Figura(c.janela->ImgTeclado);

    bool fechada = false;
    c.abrir([&](FrmOpcao* w) {
        QCOMPARE(w->SelTeclado->currentIndex(), 2);
        w->SelTeclado->setCurrentIndex(1);
        w->SelTela->setCurrentIndex(1);
        QSignalSpy fim(w, &QDialog::finished);
        if (como == QLatin1String("Cancelar"))
            w->CmdCancelar->clicar();
        else if (como == QLatin1String("Esc"))
            QTest::keyClick(w, Qt::Key_Escape);
        else
            w->reject();
        fechada = fim.count() == 1;
    });
    QVERIFY(fechada);
    QCOMPARE(c.configuracao(), (QMap<QString, QString>{{QStringLiteral("SelTeclado"), QStringLiteral("2")}}));
    QCOMPARE(Estado().TipoTeclado, qint16(2));
    QCOMPARE(Estado().ModoTela, qint16(0));
    QCOMPARE(Figura(c.janela->ImgTeclado), teclado);
}

void TstOpcoes::configuracaoInvalida_data()
{
    QTest::addColumn<QString>("teclado");
    QTest::addColumn<QString>("tela");
    QTest::addColumn<int>("indiceTeclado");
    QTest::addColumn<int>("indiceTela");
    QTest::newRow("texto") << QStringLiteral("abc") << QStringLiteral("abc") << 0 << 0;
    QTest::newRow("fora da lista") << QStringLiteral("7") << QStringLiteral("2") << 0 << 0;
    QTest::newRow("negativo") << QStringLiteral("-1") << QStringLiteral("-1") << 0 << 0;
    QTest::newRow("vazio") << QString() << QString() << 0 << 0;
    QTest::newRow("além de 16 bits") << QStringLiteral("65537") << QStringLiteral("65537") << 0 << 0;
    QTest::newRow("fração") << QStringLiteral("1.5") << QStringLiteral("0.9") << 0 << 0;
    QTest::newRow("válidos") << QStringLiteral("2") << QStringLiteral("1") << 2 << 1;
}

void TstOpcoes::configuracaoInvalida()
{
    QFETCH(QString, teclado);
    QFETCH(QString, tela);
    QFETCH(int, indiceTeclado);
    QFETCH(int, indiceTela);
    Cenario c;
    c.configuracao().insert(QStringLiteral("SelTeclado"), teclado);
    c.configuracao().insert(QStringLiteral("SelTela"), tela);
    c.janela.reiniciar(); // read as the program starts

    FrmOpcao w(FrmMain::Instancia());
    w.Form_Load();
    QCOMPARE(w.SelTeclado->currentIndex(), indiceTeclado);
    QCOMPARE(w.SelTela->currentIndex(), indiceTela);
    const Imagem* minis[] = {w.Miniabnt2, w.Minibr, w.Miniportugal};
    QCOMPARE(Figura(w.TecladoMini), Figura(minis[indiceTeclado]));
    QCOMPARE(Mostrado(w.ImgNormal), indiceTela == 0);
    QCOMPARE(Mostrado(w.ImgFull), indiceTela == 1);

    // Confirming writes valid values over the bad ones.
    w.CmdOk_Click();
    QCOMPARE(c.configuracao().value(QStringLiteral("SelTeclado")), QString::number(indiceTeclado));
    QCOMPARE(c.configuracao().value(QStringLiteral("SelTela")), QString::number(indiceTela));
}

void TstOpcoes::armazemSomenteLeituraAvisa()
{
    // A settings store that cannot be written (a read-only home): the
    // choices apply to this run and the learner is told they will not last.
    Cenario c;
    c.janela.amb.configuracao.somenteLeitura = true;
    c.abrir([](FrmOpcao* w) {
        w->SelTeclado->setCurrentIndex(1);
        w->SelTela->setCurrentIndex(1);
        w->CmdOk->clicar();
    });
    QCOMPARE(c.configuracao(), (QMap<QString, QString>{}));
    QCOMPARE(Estado().TipoTeclado, qint16(1));
    QCOMPARE(Estado().ModoTela, qint16(1));
    const auto& mensagens = c.janela.amb.dialogos.mensagens;
    QCOMPARE(mensagens.size(), 1);
    QCOMPARE(mensagens.at(0).titulo, QStringLiteral("Teclomatic"));
    QCOMPARE(mensagens.at(0).texto,
             QStringLiteral("Não foi possível salvar as opções: as configurações desta conta não podem ser "
                            "gravadas. As escolhas valem só até o Teclomatic ser fechado."));
    QCOMPARE(mensagens.at(0).icone, IconeMensagem::Exclamacao);
}

QTEST_MAIN(TstOpcoes)
#include "tst_opcoes.moc"
