// The real platform services, where they can run without a display or a
// sound card: the settings store, sounds, display mode, system keyboard,
// the program's message box and its own help window.
#include "app/EscalaPainel.h"
#include "app/EstadoCurso.h"
#include "app/platform/EscalaTela.h"
#include "app/platform/ServicosReais.h"
#include "app/platform/TecladoSistemaX11.h"
#include "options/Configuracoes.h"
#include "ui/CaixaMensagem.h"
#include "ui/FrmAjuda.h"
#include "ui/Imagem.h"
#include "Treino.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTimer>

#include <QDir>
#include <QFile>
#include <QLibrary>
#include <QStandardPaths>
#include <QtTest>
#include <memory>

namespace {
// What a message box showed, read while it is open, and how it closed.
struct CaixaVista {
    QString titulo, texto;
    IconeMensagem icone = IconeMensagem::Nenhum;
    QRect geometria;
    bool okComFoco = false;
    bool textoCabe = false;
    bool fechouComEnter = false;
};

CaixaVista MostrarMensagem(QWidget* dono, const QString& titulo, const QString& texto, IconeMensagem icone)
{
    CaixaVista v;
    QTimer::singleShot(0, [&v] {
        auto* c = qobject_cast<CaixaMensagem*>(QApplication::activeModalWidget());
        if (!c || !QTest::qWaitFor([c] { return QGuiApplication::focusWindow() == c->windowHandle(); }))
            return;
        v = {c->Titulo(), c->Texto(), c->Icone(), c->frameGeometry(), c->focusWidget() == static_cast<QWidget*>(c->CmdOk),
             c->rect().contains(c->LblTexto->geometry()), false};
        QTest::keyClick(c->CmdOk, Qt::Key_Return);
        v.fechouComEnter = !c->isVisible();
    });
    // Never left open, whatever happens above.
    QTimer guarda;
    guarda.setSingleShot(true);
    QObject::connect(&guarda, &QTimer::timeout, [] {
        if (QWidget* w = QApplication::activeModalWidget())
            w->close();
    });
    guarda.start(5000);
    Plataforma().dialogos->Mensagem(dono, titulo, texto, icone);
    return v;
}
}

class TstServicos : public QObject {
    Q_OBJECT
private slots:
    // The panel's scale: what Qt reports of the screen (work area in
    // logical pixels, device pixel ratio, the user's QT_SCALE_FACTOR part
    // of it) gives device pixels per panel pixel in eighths, the factor Qt
    // is given, and the panel's own reduction below one device pixel.
    void escalaDoPainel_data()
    {
        QTest::addColumn<QSize>("area");
        QTest::addColumn<double>("razao");
        QTest::addColumn<double>("usuario");
        QTest::addColumn<double>("esperada");
        QTest::addColumn<double>("fatorQt");
        QTest::addColumn<double>("reducao");
        QTest::newRow("1366x768") << QSize(1366, 768) << 1.0 << 1.0 << 1.25 << 1.25 << 1.0;
        QTest::newRow("1366x768 less a 32 px panel") << QSize(1366, 736) << 1.0 << 1.0 << 1.125 << 1.125 << 1.0;
        QTest::newRow("1920x1080") << QSize(1920, 1080) << 1.0 << 1.0 << 1.75 << 1.75 << 1.0;
        QTest::newRow("800x600") << QSize(800, 600) << 1.0 << 1.0 << 1.0 << 1.0 << 1.0;
        // QT_SCREEN_SCALE_FACTORS=screen=2, Xft.dpi 192 or a Wayland output
        // at scale 2: Qt keeps the desktop's 2 and gets 0.875 on top.
        QTest::newRow("1920x1080 desktop at 200 %") << QSize(960, 540) << 2.0 << 1.0 << 1.75 << 0.875 << 1.0;
        QTest::newRow("1366x768 Xft.dpi 144") << QSize(911, 512) << 1.5 << 1.0 << 1.25 << 1.25 / 1.5 << 1.0;
        QTest::newRow("3840x2160 desktop at 200 %") << QSize(1920, 1080) << 2.0 << 1.0 << 3.5 << 1.75 << 1.0;
        // The user's factor multiplies: below 1 the panel shrinks by it,
        // above 1 it stops at the screen.
        QTest::newRow("1920x1080 QT_SCALE_FACTOR=0.75") << QSize(2560, 1440) << 0.75 << 0.75 << 1.25 << 1.25 << 1.0;
        QTest::newRow("1920x1080 QT_SCALE_FACTOR=2") << QSize(960, 540) << 2.0 << 2.0 << 1.75 << 1.75 << 1.0;
        QTest::newRow("1920x1080 at 200 %, QT_SCALE_FACTOR=0.5") << QSize(1920, 1080) << 1.0 << 0.5 << 0.875 << 0.5 << 0.875;
        // Below 600 device pixels Qt stays at one device pixel per pixel
        // and the panel itself is reduced.
        QTest::newRow("1024x576") << QSize(1024, 576) << 1.0 << 1.0 << 0.875 << 1.0 << 0.875;
        QTest::newRow("800x480") << QSize(800, 480) << 1.0 << 1.0 << 0.75 << 1.0 << 0.75;
        QTest::newRow("1366x768 QT_SCALE_FACTOR=0.5") << QSize(2732, 1536) << 0.5 << 0.5 << 0.625 << 1.0 << 0.625;
        QTest::newRow("too small to choose for") << QSize(160, 120) << 1.0 << 1.0 << 0.0 << 0.0 << 1.0;
        QTest::newRow("no work area") << QSize() << 1.0 << 1.0 << 0.0 << 0.0 << 1.0;
    }

    void escalaDoPainel()
    {
        QFETCH(QSize, area);
        QFETCH(double, razao);
        QFETCH(double, usuario);
        QFETCH(double, esperada);
        QFETCH(double, fatorQt);
        QFETCH(double, reducao);
        const EscalaDoPainel e = EscolherEscala(TelaDoPainel{area, razao, usuario});
        QCOMPARE(e.razao, esperada);
        QCOMPARE(e.fatorGlobal, fatorQt);
        QCOMPARE(e.reducao, reducao);
        if (e.razao > 0) {
            // The whole panel fits the work area, in whole device pixels.
            const QSizeF painel = QSizeF(800, 600) * e.razao;
            QVERIFY(painel.width() <= area.width() * razao && painel.height() <= area.height() * razao);
            QCOMPARE(painel.width(), std::round(painel.width()));
            QCOMPARE(painel.height(), std::round(painel.height()));
            // Qt draws at razao / reducao, never finer than a device pixel.
            QCOMPARE(e.fatorGlobal * razao / usuario, e.razao / e.reducao);
        }
    }

    void escalaNaoMudaSemTela()
    {
        // The tests run offscreen: nothing is chosen, Qt keeps its factor.
        const double antes = QGuiApplication::primaryScreen()->devicePixelRatio();
        QCOMPARE(AjustarEscalaDoPainel().razao, 0.0);
        QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), antes);
    }

    void configuracoesNoArmazemDoUsuario()
    {
        const QString arquivo = QDir(QStandardPaths::writableLocation(QStandardPaths::ConfigLocation))
                                    .filePath(QStringLiteral("Teclomatic.conf"));
        QFile::remove(arquivo);
        ServicosReais servicos;
        QCOMPARE(LerConfiguracaoNumero(ChaveTeclado), std::nullopt);

        GravarConfiguracaoNumero(ChaveTeclado, 2);
        GravarConfiguracaoNumero(ChaveTela, 1);
        QCOMPARE(LerConfiguracaoNumero(ChaveTeclado), std::optional<int>(2));
        QCOMPARE(TelaAoIniciar(), 1);

        // Application "Teclomatic", section "Settings", decimal text.
        QFile f(arquivo);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray texto = f.readAll();
        QVERIFY(texto.contains("[Settings]"));
        QVERIFY(texto.contains("SelTeclado=2"));
        QVERIFY(texto.contains("SelTela=1"));

        // A store that cannot be written (a full disk) keeps its old text;
        // the new value lasts for this run only.
        {
            DiscoComFalha cheio(DiscoComFalha::Falha::Reserva);
            QVERIFY(!GravarConfiguracaoNumero(ChaveTeclado, 1));
        }
        QCOMPARE(LerConfiguracaoNumero(ChaveTeclado), std::optional<int>(1));
        f.close();
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), texto);
    }

    void valorNaoNumericoNaoEhConfiguracao()
    {
        ServicosReais servicos;
        Plataforma().configuracao->Gravar(ChaveTela, QStringLiteral("tela cheia"));
        bool invalido = false;
        QCOMPARE(LerConfiguracaoNumero(ChaveTela, &invalido), std::nullopt);
        QVERIFY(invalido);
        QCOMPARE(TelaAoIniciar(), 0);
        // Not a layout: ABNT2, whatever the system proposes.
        Plataforma().configuracao->Gravar(ChaveTeclado, QStringLiteral("7"));
        QCOMPARE(TecladoAoIniciar(1), 0);
    }

    void somAusenteOuSemPlacaNaoFalha()
    {
        // No sound device here: playing must neither block nor fail loudly,
        // and a missing file only beeps.
        SomQt som;
        som.Tocar(QStringLiteral("/nao/existe/erro.wav"));
        som.Tocar(QStringLiteral(TECLOMATIC_SOURCE_DIR "/assets/sounds/bip.wav"));
        som.Tocar(QStringLiteral(TECLOMATIC_SOURCE_DIR "/assets/sounds/erro.wav"));
        QCoreApplication::processEvents();

        // The player itself lives in the module the program loads on the
        // first sound: it must load and play without blocking.
        QLibrary modulo(QStringLiteral(TECLOMATIC_APP_DIR "/teclomatic_som.so"));
        using Criar = ServicoSom* (*)();
        const auto criar = reinterpret_cast<Criar>(modulo.resolve("teclomatic_criar_som"));
        QVERIFY2(criar, qPrintable(modulo.errorString()));
        std::unique_ptr<ServicoSom> real(criar());
        real->Tocar(QStringLiteral(TECLOMATIC_SOURCE_DIR "/assets/sounds/bip.wav"));
        real->Tocar(QStringLiteral(TECLOMATIC_SOURCE_DIR "/assets/sounds/bip.wav"));
        QCoreApplication::processEvents();
    }

    void semTelaX11NadaEhMedidoNemPedido()
    {
        ModoVideoX11 video;
        const ResolucaoTela r = video.Atual();
        QVERIFY(r.vazia());
        video.Pedir(ResolucaoTela{1024, 768, 32, 60}); // does nothing visible
        TecladoSistemaX11 teclado;
        QCOMPARE(teclado.Proposta(), 0);
    }

    void caixaDeMensagemDoPrograma()
    {
        ServicosReais servicos;
        QWidget dono;
        dono.setGeometry(120, 90, 700, 500);
        dono.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dono));

        // Title, text and icon as given; centred on the owner; OK has the
        // focus and Enter closes.
        const QString texto = QStringLiteral("Aquivo de ajuda /usr/share/teclomatic/Ajuda.html não encontrado."
                                             "Verifique se o\r\narquivo está mesmo no disco.");
        CaixaVista v = MostrarMensagem(&dono, QStringLiteral("Ajuda do Windows"), texto, IconeMensagem::Exclamacao);
        QCOMPARE(v.titulo, QStringLiteral("Ajuda do Windows"));
        QCOMPARE(v.texto, texto);
        QCOMPARE(v.icone, IconeMensagem::Exclamacao);
        QVERIFY(v.okComFoco);
        QVERIFY(v.fechouComEnter);
        QVERIFY((v.geometria.center() - dono.frameGeometry().center()).manhattanLength() <= 2);
        QVERIFY(v.geometria.width() <= 460);
        QVERIFY(v.textoCabe);
        // Closed, it hands the keyboard back to its owner, window manager or
        // not.
        QTRY_COMPARE(QApplication::activeWindow(), &dono);

        // Without an owner on screen: centred on the screen.
        dono.hide();
        v = MostrarMensagem(&dono, QStringLiteral("Teclomatic"), QStringLiteral("Nenhum usuário foi selecionado."),
                            IconeMensagem::Critico);
        QCOMPARE(v.icone, IconeMensagem::Critico);
        QVERIFY(v.fechouComEnter);
        const QRect tela = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY((v.geometria.center() - tela.center()).manhattanLength() <= 2);

        // A question starts on Não: Enter and Esc answer Não, Sim must be
        // chosen.
        for (const int tecla : {int(Qt::Key_Return), int(Qt::Key_Escape), 0}) {
            bool naoComFoco = false;
            QTimer::singleShot(0, [&] {
                auto* c = qobject_cast<CaixaMensagem*>(QApplication::activeModalWidget());
                if (!c)
                    return;
                naoComFoco = c->focusWidget() == static_cast<QWidget*>(c->CmdNao);
                if (tecla)
                    QTest::keyClick(c->focusWidget(), Qt::Key(tecla));
                else
                    c->CmdOk->clicar();
            });
            const bool sim = Plataforma().dialogos->Perguntar(&dono, QStringLiteral("Teclomatic"),
                                                               QStringLiteral("Excluir?"), IconeMensagem::Exclamacao);
            QVERIFY(naoComFoco);
            QCOMPARE(sim, tecla == 0);
        }
    }

    void ajudaNaJanelaDoPrograma()
    {
        ServicosReais servicos;
        // Without a launcher the desktop has nothing to show a page with.
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", "/nao/existe");
        const bool aberto = Plataforma().documentos->Abrir(QStringLiteral(TECLOMATIC_SOURCE_DIR "/assets/help/Ajuda.html"));
        qputenv("PATH", path);
        QVERIFY(!aberto);

        FrmAjuda* janela = FrmAjuda::Mostrar(QStringLiteral(TECLOMATIC_SOURCE_DIR "/assets/help/Ajuda.html"));
        QVERIFY(janela);
        std::unique_ptr<FrmAjuda> dona(janela);
        QVERIFY(janela->isVisible());
        QCOMPARE(janela->windowTitle(), QStringLiteral("Ajuda do Teclomatic"));
        QVERIFY(QTest::qWaitForWindowExposed(janela));

        // The inline figures and the pictures beside the page became images
        // of the document, every one.
        QFile pagina(QStringLiteral(TECLOMATIC_SOURCE_DIR "/assets/help/Ajuda.html"));
        QVERIFY(pagina.open(QIODevice::ReadOnly));
        const QByteArray html = pagina.readAll();
        const qsizetype figuras = html.count("<svg") + html.count("<img ");
        QVERIFY(figuras >= 5);
        QCOMPARE(janela->Figuras().size(), figuras);
        for (const QString& nome : janela->Figuras()) {
            const QImage figura = janela->Texto->document()->resource(QTextDocument::ImageResource, QUrl(nome)).value<QImage>();
            QVERIFY(!figura.isNull());
            bool desenhada = false;
            for (int y = 0; y < figura.height() && !desenhada; y += 4)
                for (int x = 0; x < figura.width() && !desenhada; x += 4)
                    desenhada = qAlpha(figura.pixel(x, y)) > 0;
            QVERIFY(desenhada);
        }

        // Links inside the page scroll to their section and back.
        QScrollBar* barra = janela->Texto->verticalScrollBar();
        QCOMPARE(barra->value(), 0);
        emit janela->Texto->anchorClicked(QUrl(QStringLiteral("#opcoes")));
        const int opcoes = barra->value();
        QVERIFY(opcoes > 0);
        emit janela->Texto->anchorClicked(QUrl(QStringLiteral("#sumario")));
        QVERIFY(barra->value() < opcoes);

        QTest::keyClick(janela->Texto, Qt::Key_Escape);
        QVERIFY(!janela->isVisible());
    }
};

QTEST_MAIN(TstServicos)
#include "tst_servicos.moc"
