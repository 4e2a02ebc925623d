// The real platform services, where they can run without a display or a
// sound card: the settings store, sounds, display mode, system keyboard.
#include "app/EstadoCurso.h"
#include "app/platform/ServicosReais.h"
#include "app/platform/TecladoSistemaX11.h"
#include "options/Configuracoes.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QtTest>

class TstServicos : public QObject {
    Q_OBJECT
private slots:
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
        QCOMPARE(LerIndiceOpcao(ChaveTela, 2), 1);

        // Application "Teclomatic", section "Settings", decimal text.
        QFile f(arquivo);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray texto = f.readAll();
        QVERIFY(texto.contains("[Settings]"));
        QVERIFY(texto.contains("SelTeclado=2"));
        QVERIFY(texto.contains("SelTela=1"));
    }

    void valorNaoNumericoNaoEhConfiguracao()
    {
        ServicosReais servicos;
        Plataforma().configuracao->Gravar(ChaveTela, QStringLiteral("tela cheia"));
        bool invalido = false;
        QCOMPARE(LerConfiguracaoNumero(ChaveTela, &invalido), std::nullopt);
        QVERIFY(invalido);
        QCOMPARE(LerIndiceOpcao(ChaveTela, 2), 0);
        Plataforma().configuracao->Gravar(ChaveTeclado, QStringLiteral("7"));
        QCOMPARE(LerIndiceOpcao(ChaveTeclado, 3), 0);
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
};

QTEST_MAIN(TstServicos)
#include "tst_servicos.moc"
