// The main window's image buttons: hover pictures and the bare surfaces that
// put the plain look back, partner images that forward their clicks, the
// sound switch, silence while sounds are off, and the two help buttons.
#include "app/EstadoCurso.h"
#include "fakes/JanelaTeste.h"
#include "ui/FrmAjuda.h"
#include "ui/FrmPausa.h"
#include "ui/Imagem.h"
#include "ui/JanelaResultado.h"
#include "ui/PainelDesenhado.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QtTest>

namespace {

const QString Ana = QStringLiteral("Ana<3<1<100<95<0<0<0<0<0<0<0<0<5<1<segredo");

// The pointer moves over a control with no button held.
void Passar(QWidget* alvo)
{
    QMouseEvent e(QEvent::MouseMove, QPointF(3, 3), alvo->mapToGlobal(QPointF(3, 3)), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QCoreApplication::sendEvent(alvo, &e);
}

Imagem* Controle(JanelaTeste& j, const QString& nome)
{
    auto* i = j->findChild<Imagem*>(nome);
    if (!i)
        qWarning("no control %s", qPrintable(nome));
    return i;
}

const QPixmap& Figura(FrmMain& w, const QString& nome)
{
    static const QMap<QString, QPixmap FrmMain::*> figuras{
        {QStringLiteral("aProx"), &FrmMain::aProx},       {QStringLiteral("aAnt"), &FrmMain::aAnt},
        {QStringLiteral("aLog"), &FrmMain::aLog},         {QStringLiteral("aSom"), &FrmMain::aSom},
        {QStringLiteral("ASoml"), &FrmMain::ASoml},       {QStringLiteral("aAjuda"), &FrmMain::aAjuda},
        {QStringLiteral("aFechar"), &FrmMain::aFechar},   {QStringLiteral("aEntrar"), &FrmMain::aEntrar},
        {QStringLiteral("aNovoUsuario"), &FrmMain::aNovoUsuario}, {QStringLiteral("Aopcao"), &FrmMain::Aopcao},
        {QStringLiteral("bSoml"), &FrmMain::bSoml},
    };
    return w.*figuras.value(nome);
}

qint64 Chave(const Imagem* i)
{
    return i->picture().cacheKey();
}

QStringList Barra()
{
    return {QStringLiteral("CmdProx2"), QStringLiteral("CmdAnt2"), QStringLiteral("CmdLogoff"),
            QStringLiteral("CmdSom"), QStringLiteral("CmdAjuda"), QStringLiteral("CmdFechar")};
}

QStringList TelaDeUsuario()
{
    return {QStringLiteral("CmdEntrar"), QStringLiteral("CmdAdd"), QStringLiteral("CmdOpcao"),
            QStringLiteral("CmdAjuda2"), QStringLiteral("CmdFechar2")};
}

QString Ajuda(const JanelaTeste& j)
{
    return QDir::cleanPath(j.amb.pasta() + QStringLiteral("/Ajuda.html"));
}

} // namespace

class TstBotoes : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    void hoverAcende_data();
    void hoverAcende();
    void barraNuaApagaABarra();
    void botaoDesenhadoAcendeSoComOPonteiroAndando();
    void telaDeUsuarioNuaApagaOsCinco();

    void bolProxFazOQueCmdProx2Faz_data();
    void bolProxFazOQueCmdProx2Faz();
    void cmdOpcao2AbreAsOpcoes();
    void cmdCadastrarAbreONovoUsuario();

    void somIdaEVolta();
    void semSomNadaToca();

    void ajudaDaBarra_data();
    void ajudaDaBarra();
    void ajudaDaTelaDeUsuario_data();
    void ajudaDaTelaDeUsuario();
};

void TstBotoes::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
}

void TstBotoes::hoverAcende_data()
{
    QTest::addColumn<QString>("botao");
    QTest::addColumn<QString>("parceira");
    QTest::addColumn<QString>("figura");
    QTest::addColumn<bool>("barra");
    QTest::newRow("Proxima Lição") << "CmdProx2" << "BolProx" << "aProx" << true;
    QTest::newRow("Lição Anterior") << "CmdAnt2" << "BolAnt" << "aAnt" << true;
    QTest::newRow("Fazer Logoff") << "CmdLogoff" << "BolLog" << "aLog" << true;
    QTest::newRow("Desligar Som") << "CmdSom" << "BolSom" << "aSom" << true;
    QTest::newRow("Ajuda da barra") << "CmdAjuda" << "BolAjuda" << "aAjuda" << true;
    QTest::newRow("Fechar da barra") << "CmdFechar" << "BolFechar" << "aFechar" << true;
    QTest::newRow("Entrar") << "CmdEntrar" << "BolEntrar2" << "aEntrar" << false;
    QTest::newRow("Novo Usuário") << "CmdAdd" << "BolAdd2" << "aNovoUsuario" << false;
    QTest::newRow("Ajuda do usuário") << "CmdAjuda2" << "BolAjuda2" << "aAjuda" << false;
    QTest::newRow("Fechar do usuário") << "CmdFechar2" << "BolFechar2" << "aFechar" << false;
    QTest::newRow("Opções") << "CmdOpcao" << "CmdOpcao2" << "Aopcao" << false;
}

void TstBotoes::hoverAcende()
{
    QFETCH(QString, botao);
    QFETCH(QString, parceira);
    QFETCH(QString, figura);
    QFETCH(bool, barra);
    JanelaTeste j({Ana}, false);
    if (barra)
        j.entrar(QStringLiteral("segredo"));
    Imagem* cmd = Controle(j, botao);
    Imagem* bol = Controle(j, parceira);
    QVERIFY(cmd && bol);
    QVERIFY(!cmd->temPicture()); // the drawn caption shows through

    // Over the partner image (the drawn icon) the caption lights too.
    Passar(bol);
    QVERIFY(!Figura(j.w(), figura).isNull());
    QCOMPARE(Chave(cmd), Figura(j.w(), figura).cacheKey());
    QVERIFY(!bol->temPicture());

    // Back to plain over the bare surface, then lit over the caption itself.
    Passar(barra ? static_cast<QWidget*>(j->PicMenu) : j->PicUsuario);
    QVERIFY(!cmd->temPicture());
    Passar(cmd);
    QCOMPARE(Chave(cmd), Figura(j.w(), figura).cacheKey());
}

void TstBotoes::barraNuaApagaABarra()
{
    JanelaTeste j({Ana}, false);
    j.entrar(QStringLiteral("segredo"));
    for (const QString& nome : Barra())
        Passar(Controle(j, nome));
    QCOMPARE(Chave(j->CmdFechar), j->aFechar.cacheKey()); // the last one stays lit
    QVERIFY(j->CmdProx2->temPicture());

    Passar(j->PicMenu);
    for (const QString& nome : Barra())
        QVERIFY2(!Controle(j, nome)->temPicture(), qPrintable(nome));

    // While sounds are off the sound button's plain look is "Ligar Som" in white.
    j->CmdSom_Click();
    Passar(j->BolSom);
    QCOMPARE(Chave(j->CmdSom), j->ASoml.cacheKey());
    j->PicMenu_MouseMove();
    QCOMPARE(Chave(j->CmdSom), j->bSoml.cacheKey());
}

void TstBotoes::telaDeUsuarioNuaApagaOsCinco()
{
    JanelaTeste j({Ana}, false);
    for (const QString& nome : TelaDeUsuario())
        Passar(Controle(j, nome));
    // Each stays lit until the pointer reaches the bare screen.
    for (const QString& nome : TelaDeUsuario())
        QVERIFY2(Controle(j, nome)->temPicture(), qPrintable(nome));

    j->PicUsuario_MouseMove();
    for (const QString& nome : TelaDeUsuario())
        QVERIFY2(!Controle(j, nome)->temPicture(), qPrintable(nome));
}

void TstBotoes::bolProxFazOQueCmdProx2Faz_data()
{
    QTest::addColumn<QString>("clicado");
    QTest::addColumn<int>("licaoMaxima");
    QTest::addColumn<int>("licaoDepois");
    QTest::addColumn<QStringList>("modais");
    QTest::addColumn<QStringList>("sons");
    const QStringList nenhum;
    for (const char* clicado : {"CmdProx2", "BolProx"}) {
        const QString c = QString::fromLatin1(clicado);
        QTest::addRow("%s, lição seguinte", clicado) << c << 5 << 4 << nenhum << QStringList{QStringLiteral("bip")};
        QTest::addRow("%s, lição não concluída", clicado)
            << c << 3 << 3 << QStringList{QStringLiteral("FrmBox")} << nenhum;
    }
}

void TstBotoes::bolProxFazOQueCmdProx2Faz()
{
    QFETCH(QString, clicado);
    QFETCH(int, licaoMaxima);
    QFETCH(int, licaoDepois);
    QFETCH(QStringList, modais);
    QFETCH(QStringList, sons);
    JanelaTeste j({QStringLiteral("Ana<3<1<100<95<0<0<0<0<0<0<0<0<%1<1<segredo").arg(licaoMaxima)});
    j.entrar(QStringLiteral("segredo"));
    Passar(j->BolProx);
    j.amb.som.tocados.clear();
    j.amb.dialogos.modais.clear();

    Controle(j, clicado)->clicar();

    QCOMPARE(Estado().LicaoAtual, qint16(licaoDepois));
    QCOMPARE(j.amb.dialogos.modais, modais);
    QCOMPARE(j.amb.som.nomes(), sons);
    if (licaoDepois != 3) {
        QCOMPARE(j->pratica.Modulo.indice, 0);
        QVERIFY(j->LblCaption->text().contains(QStringLiteral("Lição: 4 de 52")));
        QVERIFY(!j->CmdProx2->temPicture());
    }
}

void TstBotoes::cmdOpcao2AbreAsOpcoes()
{
    JanelaTeste j({Ana}, false);
    Passar(j->CmdOpcao2);
    QVERIFY(j->CmdOpcao->temPicture());
    j.amb.som.tocados.clear();

    j->CmdOpcao2->clicar();

    QCOMPARE(j.amb.dialogos.modais, QStringList{QStringLiteral("FrmOpcao")});
    QCOMPARE(j.amb.som.nomes(), QStringList{QStringLiteral("bip")});
    QVERIFY(!j->CmdOpcao->temPicture());
}

void TstBotoes::cmdCadastrarAbreONovoUsuario()
{
    JanelaTeste j({Ana}, false);
    Passar(j->BolAdd2);
    j.amb.som.tocados.clear();

    j->CmdCadastrar->clicar();

    QCOMPARE(j.amb.dialogos.modais, QStringList{QStringLiteral("FrmAdd")});
    QCOMPARE(j.amb.som.nomes(), QStringList{QStringLiteral("bip")});
    QVERIFY(!j->CmdAdd->temPicture());
    // Cancelled (closed by the window manager here): nothing was added.
    QCOMPARE(j->ListUsuario->count(), 1);
}

void TstBotoes::somIdaEVolta()
{
    JanelaTeste j({Ana}, false);
    j.entrar(QStringLiteral("segredo"));
    QVERIFY(Estado().SomLigado);
    j.amb.som.tocados.clear();
    const QRect disco = j->BolSom->geometry();
    const QImage alto = j->PicMenu->grab(disco).toImage();

    // Sounds on: the click bips, then turns them off; the disc shows a muted speaker.
    j->CmdSom->clicar();
    QCOMPARE(j.amb.som.nomes(), QStringList{QStringLiteral("bip")});
    QVERIFY(!Estado().SomLigado);
    QVERIFY(j->PicMenu->grab(disco).toImage() != alto);
    QCOMPARE(Chave(j->CmdSom), j->bSoml.cacheKey());
    Passar(j->CmdSom);
    QCOMPARE(Chave(j->CmdSom), j->ASoml.cacheKey());

    // Sounds off: the click is silent and turns them on again.
    j.amb.som.tocados.clear();
    j->BolSom->clicar();
    QVERIFY(j.amb.som.tocados.isEmpty());
    QVERIFY(Estado().SomLigado);
    QCOMPARE(j->PicMenu->grab(disco).toImage(), alto);
    QVERIFY(!j->CmdSom->temPicture());
    Passar(j->BolSom);
    QCOMPARE(Chave(j->CmdSom), j->aSom.cacheKey());
}

void TstBotoes::semSomNadaToca()
{
    JanelaTeste j({QStringLiteral("Ana<1<1<100<95<0<0<0<0<0<0<0<0<1<1<segredo")});
    j.entrar(QStringLiteral("segredo"));
    j->CmdSom_Click();
    QVERIFY(!Estado().SomLigado);
    j.amb.som.tocados.clear();

    j.tecla('Q'); // a wrong key
    QCOMPARE(Estado().Erros, qint16(1));
    // The whole lesson, up to its result window.
    for (int i = 0; i < 100 && !j.amb.dialogos.modais.contains(QStringLiteral("FrmCom")); ++i)
        j.completarExercicio();
    QVERIFY(j.amb.dialogos.modais.contains(QStringLiteral("FrmCom")));

    j->CmdLogoff_Click();
    QVERIFY(!j->Logado());
    j.entrar(QStringLiteral("errada"));
    QCOMPARE(j.amb.dialogos.textos().last(), QStringLiteral("Senha não confere!"));
    j.entrar(QStringLiteral("segredo"));
    QVERIFY(j->Logado());
    j->CmdAjuda_Click();
    j->CmdFechar_Click();

    QCOMPARE(j.amb.som.tocados, QStringList());
}

void TstBotoes::ajudaDaBarra_data()
{
    QTest::addColumn<bool>("existe");
    QTest::newRow("Ajuda.html presente") << true;
    QTest::newRow("Ajuda.html ausente") << false;
}

void TstBotoes::ajudaDaBarra()
{
    QFETCH(bool, existe);
    JanelaTeste j({Ana}, false);
    if (existe)
        j.amb.escrever(QStringLiteral("Ajuda.html"), "<html></html>");
    j.entrar(QStringLiteral("segredo"));
    Passar(j->BolAjuda);
    j.amb.som.tocados.clear();

    j->BolAjuda->clicar();

    QCOMPARE(j.amb.som.nomes(), QStringList{QStringLiteral("bip")});
    QVERIFY(!j->CmdAjuda->temPicture());
    // The manual opens in the program's own window, not the desktop's.
    QVERIFY(j.amb.documentos.abertos.isEmpty());
    QCOMPARE(FrmAjuda::Aberta() != nullptr, existe);
    if (existe) {
        QVERIFY(j.amb.dialogos.mensagens.isEmpty());
    } else {
        QCOMPARE(j.amb.dialogos.mensagens.size(), 1);
        const MensagemRegistrada& m = j.amb.dialogos.mensagens.first();
        QCOMPARE(m.titulo, QStringLiteral("Ajuda do Windows"));
        QCOMPARE(m.icone, IconeMensagem::Informacao);
        QCOMPARE(m.texto, QStringLiteral("Aquivo de ajuda ") + Ajuda(j)
                              + QStringLiteral(" não encontrado.Verifique se o\r\narquivo está mesmo no disco. Se ele "
                                               "não existir, você precisara reinstalá-lo."));
    }
    QVERIFY(j->Logado());
}

void TstBotoes::ajudaDaTelaDeUsuario_data()
{
    QTest::addColumn<bool>("existe");
    QTest::newRow("Ajuda.html presente") << true;
    QTest::newRow("Ajuda.html ausente") << false;
}

void TstBotoes::ajudaDaTelaDeUsuario()
{
    QFETCH(bool, existe);
    JanelaTeste j({Ana}, false);
    if (existe)
        j.amb.escrever(QStringLiteral("Ajuda.html"), "<html></html>");
    Passar(j->CmdAjuda2);
    j.amb.som.tocados.clear();

    j->BolAjuda2->clicar();

    QCOMPARE(j.amb.som.nomes(), QStringList{QStringLiteral("bip")});
    QVERIFY(!j->CmdAjuda2->temPicture());
    QVERIFY(j.amb.documentos.abertos.isEmpty());
    QCOMPARE(FrmAjuda::Aberta() != nullptr, existe);
    QVERIFY(j.amb.dialogos.mensagens.isEmpty());
}

// A window that opens under a resting pointer lights no button (it would
// pass for the focus); the pointer's first move over one does, and its label
// stays as dark as at rest (a paler one reads as a button that cannot be
// pressed).
void TstBotoes::botaoDesenhadoAcendeSoComOPonteiroAndando()
{
    JanelaTeste j;
    FrmPausa pausa(&j.w(), true);
    pausa.show();
    Imagem* b = pausa.Botoes.at(4);
    QEnterEvent entrada(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(b, &entrada);
    QVERIFY(!b->temPicture());
    QMouseEvent movimento(QEvent::MouseMove, QPointF(6, 5), QPointF(6, 5), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
    QApplication::sendEvent(b, &movimento);
    QVERIFY(b->temPicture());
    const auto maisEscuro = [](const QPixmap& figura) {
        const QImage img = figura.toImage();
        int menor = 255;
        for (int y = 6; y < img.height() - 6; ++y)
            for (int x = 6; x < img.width() - 6; ++x)
                menor = qMin(menor, qGray(img.pixel(x, y)));
        return menor;
    };
    const QPixmap emRepouso = FaceBotao::Figura(b->size(), QStringLiteral("Lição seguinte"), FaceBotao::Aspecto::Normal);
    QVERIFY(qAbs(maisEscuro(b->picture()) - maisEscuro(emRepouso)) <= 8);
    QEvent saida(QEvent::Leave);
    QApplication::sendEvent(b, &saida);
    QVERIFY(!b->temPicture());
}

QTEST_MAIN(TstBotoes)
#include "tst_botoes.moc"
