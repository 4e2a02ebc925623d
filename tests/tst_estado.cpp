#include "app/EstadoCurso.h"
#include "app/Som.h"
#include "options/Display.h"
#include "fakes/Fakes.h"

#include <QtTest>

class TstEstado : public QObject {
    Q_OBJECT
private slots:
    void contadoresNosLimites()
    {
        qint16 v = 32766;
        QVERIFY(Contador::Mudar(v, 1));
        QCOMPARE(v, qint16(32767));
        QVERIFY(!Contador::Mudar(v, 1));
        QCOMPARE(v, qint16(32767));

        qint16 pontos = 32667;
        QVERIFY(Contador::Mudar(pontos, 100));
        QCOMPARE(pontos, qint16(32767));
        pontos = 32668;
        QVERIFY(!Contador::Mudar(pontos, 100));
        QCOMPARE(pontos, qint16(32668));

        pontos = -32668;
        QVERIFY(Contador::Mudar(pontos, -100));
        QCOMPARE(pontos, qint16(-32768));
        pontos = -32669;
        QVERIFY(!Contador::Mudar(pontos, -100));
        QCOMPARE(pontos, qint16(-32669));
    }

    void atribuirForaDaFaixaMantemValor()
    {
        qint16 v = 45;
        QVERIFY(!Contador::Atribuir(v, 40000));
        QCOMPARE(v, qint16(45));
        QVERIFY(Contador::Atribuir(v, -5));
        QCOMPARE(v, qint16(-5));
    }

    void somDesligadoNaoToca()
    {
        AmbienteTeste amb;
        Estado().SomLigado = false;
        TocarSom(QStringLiteral("erro"));
        QVERIFY(amb.som.tocados.isEmpty());
        Estado().SomLigado = true;
        TocarSom(QStringLiteral("erro"));
        QCOMPARE(amb.som.tocados, QStringList{amb.caminho(QStringLiteral("erro.wav"))});
    }

    void modoDeVideoRestaurado_data()
    {
        QTest::addColumn<int>("largura");
        QTest::addColumn<int>("altura");
        QTest::addColumn<int>("bits");
        QTest::addColumn<int>("freq");
        QTest::addColumn<bool>("pede");
        QTest::newRow("1024x768x32@60") << 1024 << 768 << 32 << 60 << true;
        QTest::newRow("frequencia zero") << 1920 << 1080 << 24 << 0 << true;
        QTest::newRow("consulta falhou") << 0 << 0 << 0 << 0 << false;
    }
    void modoDeVideoRestaurado()
    {
        QFETCH(int, largura);
        QFETCH(int, altura);
        QFETCH(int, bits);
        QFETCH(int, freq);
        QFETCH(bool, pede);
        AmbienteTeste amb;
        const ResolucaoTela modo{qint16(largura), qint16(altura), qint16(bits), qint16(freq)};
        amb.modoVideo.atual = modo;
        LerResolucao();
        amb.modoVideo.atual = ResolucaoTela{800, 600, 16, 75};
        RestaurarResolucao();
        if (pede) {
            QCOMPARE(amb.modoVideo.pedidos.size(), 1);
            QVERIFY(amb.modoVideo.pedidos.first() == modo);
        } else {
            QVERIFY(amb.modoVideo.pedidos.isEmpty());
        }
    }
};

QTEST_MAIN(TstEstado)
#include "tst_estado.moc"
