#include "app/Arredondar.h"
#include "results/Avaliacao.h"

#include <QtTest>

#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(JanelaResultado)

namespace {

const QString Parabens = QStringLiteral(
    "Parabéns você concluiu a lição, clique no botão \"Proxima Lição\" para continuar o curso.");
const QString Rapido = QStringLiteral(
    "Vôcê digita rápido, porém com erros. Diminua um pouco o rítimo para obter melhor aproveitamento.");
const QString Calma = QStringLiteral(
    "Digite com calma e repita a lição quantas vezes forem necessárias. Você progredirá "
    "automaticamente. O Importante é saber que quando passar é porque realmente progrediu.");

} // namespace

class TstAvaliacao : public QObject {
    Q_OBJECT
private slots:
    void arredondamentoPar()
    {
        QCOMPARE(ArredondarPar(0.5), qint64(0));
        QCOMPARE(ArredondarPar(1.5), qint64(2));
        QCOMPARE(ArredondarPar(2.5), qint64(2));
        QCOMPARE(ArredondarPar(37.5), qint64(38));
        QCOMPARE(ArredondarPar(2.5000001), qint64(3));
        QCOMPARE(ArredondarPar(2.4999999), qint64(2));
        QCOMPARE(ArredondarPar(-0.5), qint64(0));
        QCOMPARE(ArredondarPar(-1.5), qint64(-2));
        QCOMPARE(ArredondarPar(std::nan("")), qint64(0));
        QCOMPARE(ArredondarPar(1e300), std::numeric_limits<qint64>::max());
        QCOMPARE(ArredondarPar(-1e300), std::numeric_limits<qint64>::min());
    }

    void licaoAprovada()
    {
        const ResultadoLicao com = AvaliarLicao(190, 10, 85, QStringLiteral("90"), QStringLiteral("60"),
                                                JanelaResultado::Com);
        QCOMPARE(com.textoAcertos, QStringLiteral("190"));
        QCOMPARE(com.vPorAcerto, QStringLiteral("95%"));
        QCOMPARE(com.vPorErros, QStringLiteral("5%"));
        QCOMPARE(com.indiceErros, 5);
        QCOMPARE(com.pontosPrecisao, 5);
        QCOMPARE(com.pontosVelocidade, 3);
        QCOMPARE(com.nota, 8);
        QCOMPARE(com.textoNota, QStringLiteral("8"));
        QCOMPARE(com.seuPrecisao, QStringLiteral("95%"));
        QCOMPARE(com.reqPrecisao, QStringLiteral("90%"));
        QCOMPARE(com.seuVelocidade, QStringLiteral("85 TPM"));
        QCOMPARE(com.reqVelocidade, QStringLiteral("60 TPM"));
        QVERIFY(com.passa);
        QCOMPARE(com.conselho, Parabens);

        const ResultadoLicao fim = AvaliarLicao(190, 10, 85, QStringLiteral("90"), QStringLiteral("60"),
                                                JanelaResultado::Fim);
        QCOMPARE(fim.pontosVelocidade, 2);
        QCOMPARE(fim.nota, 7);
        QVERIFY(fim.passa);
        QCOMPARE(fim.conselho, Parabens);
    }

    void minimosExatosPassam()
    {
        const ResultadoLicao r = AvaliarLicao(9, 1, 60, QStringLiteral("90"), QStringLiteral("60"),
                                              JanelaResultado::Com);
        QCOMPARE(r.porcentagens.acertos, 90);
        QCOMPARE(r.porcentagens.erros, 10);
        QCOMPARE(r.indiceErros, 11);
        QCOMPARE(r.pontosPrecisao, 4);
        QVERIFY(r.passa);

        QVERIFY(!PassaPrecisao(QStringLiteral("91"), 90));
        QVERIFY(!PassaVelocidade(QStringLiteral("61"), 60));
    }

    void conselhos()
    {
        // 85 % against 90 %: fast but careless when above the minimum speed.
        ResultadoLicao r = AvaliarLicao(17, 3, 61, QStringLiteral("90"), QStringLiteral("60"),
                                        JanelaResultado::Com);
        QCOMPARE(r.porcentagens.acertos, 85);
        QVERIFY(!r.passa);
        QCOMPARE(r.conselho, Rapido);

        r = AvaliarLicao(17, 3, 60, QStringLiteral("90"), QStringLiteral("60"), JanelaResultado::Com);
        QVERIFY(!r.passa);
        QCOMPARE(r.conselho, Calma);

        // Precise enough but too slow.
        r = AvaliarLicao(19, 1, 50, QStringLiteral("90"), QStringLiteral("60"), JanelaResultado::Fim);
        QVERIFY(r.passaPrecisao);
        QVERIFY(!r.passaVelocidade);
        QCOMPARE(r.conselho, Calma);
    }

    // The title line says which minimum was missed.
    void cabecalho_data()
    {
        QTest::addColumn<int>("acertos");
        QTest::addColumn<int>("velocidade");
        QTest::addColumn<QString>("cabecalho");
        QTest::newRow("aprovada") << 19 << 100 << QStringLiteral("Lição concluída");
        QTest::newRow("lenta") << 19 << 82 << QStringLiteral("Velocidade abaixo do mínimo: 82 de 100 TPM");
        QTest::newRow("imprecisa") << 17 << 120 << QStringLiteral("Precisão abaixo do mínimo: 85% de 95%");
        QTest::newRow("as duas") << 17 << 82 << QStringLiteral("Precisão e velocidade abaixo do mínimo");
    }

    void cabecalho()
    {
        QFETCH(int, acertos);
        QFETCH(int, velocidade);
        QFETCH(QString, cabecalho);
        const ResultadoLicao r = AvaliarLicao(qint16(acertos), qint16(20 - acertos), qint16(velocidade),
                                              QStringLiteral("95"), QStringLiteral("100"), JanelaResultado::Com);
        QCOMPARE(r.cabecalho, cabecalho);
    }

    void pontosDeVelocidade_data()
    {
        QTest::addColumn<int>("velocidade");
        QTest::addColumn<JanelaResultado>("janela");
        QTest::addColumn<int>("pontos");
        const auto com = JanelaResultado::Com;
        const auto fim = JanelaResultado::Fim;
        QTest::newRow("com 29") << 29 << com << 0;
        QTest::newRow("com 30") << 30 << com << 1;
        QTest::newRow("com 80") << 80 << com << 3;
        QTest::newRow("com 150") << 150 << com << 5;
        QTest::newRow("fim 29") << 29 << fim << 0;
        QTest::newRow("fim 30") << 30 << fim << 1;
        QTest::newRow("fim 80") << 80 << fim << 2;
        QTest::newRow("fim 90") << 90 << fim << 3;
        QTest::newRow("fim 120") << 120 << fim << 4;
    }

    void pontosDeVelocidade()
    {
        QFETCH(int, velocidade);
        QFETCH(JanelaResultado, janela);
        QFETCH(int, pontos);
        QCOMPARE(PontosVelocidade(velocidade, janela), pontos);
    }

    void pontosDePrecisao()
    {
        const QList<QPair<int, int>> casos{{0, 5},  {10, 5}, {11, 4}, {15, 4}, {16, 2}, {20, 2},
                                           {21, 1}, {25, 1}, {26, 0}, {100, 0}, {-1, 0}};
        for (const auto& [indice, pontos] : casos) {
            QCOMPARE(PontosPrecisao(indice), pontos);
        }
    }

    void porcentagens_data()
    {
        QTest::addColumn<int>("acertos");
        QTest::addColumn<int>("erros");
        QTest::addColumn<int>("porcAcertos");
        QTest::addColumn<int>("porcErros");
        QTest::newRow("3/5") << 3 << 5 << 38 << 62;
        QTest::newRow("1/2") << 1 << 2 << 33 << 67;
        QTest::newRow("190/10") << 190 << 10 << 95 << 5;
        QTest::newRow("1/7") << 1 << 7 << 12 << 88;
        QTest::newRow("1/0") << 1 << 0 << 100 << 0;
        QTest::newRow("0/4") << 0 << 4 << 0 << 100;
        // Two steps: 0.5025 -> 0.50 -> 0, and 99.4975 -> 99.50 -> 100.
        QTest::newRow("1/198") << 1 << 198 << 0 << 100;
        // The sum of two large counts does not overflow.
        QTest::newRow("32767/32767") << 32767 << 32767 << 50 << 50;
        QTest::newRow("nenhuma tecla") << 0 << 0 << 0 << 0;
        QTest::newRow("negativos") << -3 << 1 << 0 << 100;
    }

    void porcentagens()
    {
        QFETCH(int, acertos);
        QFETCH(int, erros);
        QFETCH(int, porcAcertos);
        QFETCH(int, porcErros);
        const Porcentagens p = PegaPorcentagem(qint16(acertos), qint16(erros));
        QCOMPARE(p.acertos, porcAcertos);
        QCOMPARE(p.erros, porcErros);
    }

    void semTeclasEErrosDemais()
    {
        ResultadoLicao r = AvaliarLicao(0, 0, 0, QStringLiteral("95"), QStringLiteral("100"),
                                        JanelaResultado::Com);
        QCOMPARE(r.vPorAcerto, QStringLiteral("0%"));
        QCOMPARE(r.vPorErros, QStringLiteral("0%"));
        QCOMPARE(r.pontosPrecisao, 0);
        QCOMPARE(r.textoNota, QStringLiteral("0"));
        QVERIFY(!r.passa);
        QCOMPARE(r.conselho, Calma);

        r = AvaliarLicao(2, 8, 200, QStringLiteral("95"), QStringLiteral("100"), JanelaResultado::Com);
        QCOMPARE(r.indiceErros, -1);
        QCOMPARE(r.pontosPrecisao, 0);
        QCOMPARE(r.nota, 5);
        QCOMPARE(r.conselho, Rapido);
    }

    void porcentagemDeUmaParte()
    {
        QCOMPARE(GetPercentage(5, 95), static_cast<float>(500.0 / 95));
        QCOMPARE(GetPercentage(51, 50), -1.0f);
        QCOMPARE(GetPercentage(0, 0), 0.0f);
        QCOMPARE(GetPercentage(-1, 0), -1.0f);
        QCOMPARE(GetPercentage(-1e300, 1e-300), -1.0f);
        QCOMPARE(GetPercentage(std::nan(""), 10), -1.0f);
        QCOMPARE(IndiceErros(5, 95), 5);
        QCOMPARE(IndiceErros(20, 80), 25);
        QCOMPARE(IndiceErros(51, 49), -1);
    }

    void minimosEmTexto()
    {
        bool ok = false;
        QCOMPARE(NumeroDoTexto(QStringLiteral(" 95 "), &ok), 95);
        QVERIFY(ok);
        QCOMPARE(NumeroDoTexto(QStringLiteral("90%")), 90);
        QCOMPARE(NumeroDoTexto(QStringLiteral("60.9")), 60);
        QCOMPARE(NumeroDoTexto(QStringLiteral("99999999999999")), std::numeric_limits<int>::max());
        QCOMPARE(NumeroDoTexto(QStringLiteral("abc"), &ok), 0);
        QVERIFY(!ok);
        QCOMPARE(NumeroDoTexto(QString(), &ok), 0);
        QVERIFY(!ok);

        QVERIFY(PassaVelocidade(QStringLiteral("60.9"), 60));
        // A minimum that is not a number never blocks the learner.
        QVERIFY(PassaPrecisao(QStringLiteral("muito"), 0));
        QVERIFY(PassaVelocidade(QString(), 0));
    }
};

QTEST_MAIN(TstAvaliacao)
#include "tst_avaliacao.moc"
