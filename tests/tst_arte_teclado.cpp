// The keyboard pictures: sizes, pixel ratios, shapes and where the hands go.
// With TECLOMATIC_ARTE_DIR set, the pictures are also saved there as PNG
// files (each layout at 1x and 2x, and a mock-up of the practice panel).
#include "keyboard/GradeTeclado.h"
#include "keyboard/MapaTeclas.h"
#include "keyboard/gui/ArteTeclado.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QtTest>

namespace {

QSize logico(const QPixmap& pm) { return (QSizeF(pm.size()) / pm.devicePixelRatio()).toSize(); }

QSize emPixels(const QRect& twips) { return twips.size() / TwipsPorPixel; }

// Colour at a logical point of a picture.
QColor corEm(const QPixmap& pm, QPointF logicoPt)
{
    const QImage img = pm.toImage();
    const qreal dpr = pm.devicePixelRatio();
    return img.pixelColor(int(logicoPt.x() * dpr), int(logicoPt.y() * dpr));
}

const QList<int> Layouts{Layout::ABNT2, Layout::BR, Layout::Portugues};

QStringList todasAsCapas()
{
    QStringList nomes;
    for (char c = 'A'; c <= 'Z'; ++c)
        nomes << NomeCapa(QString(QLatin1Char(c)));
    nomes << QStringLiteral("T\u00C7") << QStringLiteral("TDOISPONTOS") << QStringLiteral("TPONTO")
          << QStringLiteral("TVIRGULA");
    return nomes;
}

// The practice panel as the main window lays it out, for looking at.
QImage painel(int tipo, qreal dpr, int vermelha, const QString& amarela, const QString& dedo)
{
    QImage img(QSize(800, 600) * dpr, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(dpr);
    img.fill(QColor(236, 242, 250));
    QPainter p(&img);
    ArteTeclado::DesenharMaos(p);
    const auto pos = [](const QRect& twips) { return twips.topLeft() / TwipsPorPixel; };
    p.drawPixmap(pos(AreaTecladoTwips()), ArteTeclado::Teclado(tipo, dpr));
    if (vermelha)
        p.drawPixmap(pos(RetanguloVermelha(vermelha, tipo)), ArteTeclado::TeclaVermelha(vermelha, tipo, dpr));
    if (!amarela.isEmpty())
        p.drawPixmap(pos(RetanguloAmarela(amarela)), ArteTeclado::TeclaAmarela(amarela, tipo, dpr));
    if (!dedo.isEmpty())
        p.drawPixmap(pos(RetanguloDedo(dedo)), ArteTeclado::AnelDedo(dpr));
    const int esquerdas[] = {975, 3090, 5205, 7320, 9435};
    const QStringList capas{QStringLiteral("TA"), QStringLiteral("T\u00C7"), QStringLiteral("TDOISPONTOS"),
                            QStringLiteral("TPONTO")};
    for (int i = 0; i < 5; ++i) {
        const QPixmap capa = i < 4 ? ArteTeclado::Capa(capas[i], tipo, dpr) : ArteTeclado::CapaBranca(dpr);
        p.drawPixmap(QPoint(esquerdas[i], 1200) / TwipsPorPixel, capa);
    }
    return img;
}

} // namespace

class TstArteTeclado : public QObject {
    Q_OBJECT
private slots:
    void tamanhosEPixelRatio_data()
    {
        QTest::addColumn<qreal>("dpr");
        QTest::newRow("1x") << 1.0;
        QTest::newRow("1.5x") << 1.5;
        QTest::newRow("2x") << 2.0;
    }

    void tamanhosEPixelRatio()
    {
        QFETCH(qreal, dpr);
        const auto confere = [dpr](const QPixmap& pm, QSize esperado) {
            QVERIFY(!pm.isNull());
            QCOMPARE(pm.devicePixelRatio(), dpr);
            QCOMPARE(logico(pm), esperado);
        };
        for (int tipo : Layouts) {
            confere(ArteTeclado::Teclado(tipo, dpr), QSize(510, 175));
            confere(ArteTeclado::TecladoMini(tipo, dpr), QSize(380, 142));
            for (const QString& capa : todasAsCapas())
                confere(ArteTeclado::Capa(capa, tipo, dpr), QSize(98, 163));
            for (const QString& nome : NomesAmarelas())
                confere(ArteTeclado::TeclaAmarela(nome, tipo, dpr), emPixels(TeclaAmarelaDoLayout(nome, tipo).twips));
        }
        confere(ArteTeclado::CapaBranca(dpr), QSize(98, 163));
        confere(ArteTeclado::AnelDedo(dpr), QSize(25, 24));
    }

    void todaTeclaVermelhaTemImagemDoTamanhoDoLugar()
    {
        for (int tipo : Layouts) {
            for (int codigo : CodigosVermelhos()) {
                for (qreal dpr : {1.0, 2.0}) {
                    const QPixmap pm = ArteTeclado::TeclaVermelha(codigo, tipo, dpr);
                    QVERIFY2(!pm.isNull(), qPrintable(QStringLiteral("code %1 layout %2").arg(codigo).arg(tipo)));
                    QCOMPARE(logico(pm), emPixels(RetanguloVermelha(codigo, tipo)));
                    QCOMPARE(pm.devicePixelRatio(), dpr);
                }
            }
        }
        // The BR Enter and left Shift are wider.
        QCOMPARE(logico(ArteTeclado::TeclaVermelha(13, Layout::BR, 1)), QSize(66, 68));
        QCOMPARE(logico(ArteTeclado::TeclaVermelha(13, Layout::ABNT2, 1)), QSize(49, 68));
        QCOMPARE(logico(ArteTeclado::TeclaVermelha(16, Layout::BR, 1)), QSize(83, 33));
    }

    void nomesSemImagemDaoImagemNula()
    {
        QVERIFY(ArteTeclado::TeclaVermelha(0, Layout::ABNT2, 1).isNull());
        QVERIFY(ArteTeclado::TeclaVermelha(250, Layout::ABNT2, 1).isNull());
        QVERIFY(ArteTeclado::TeclaVermelha(112, Layout::BR, 1).isNull());
        QVERIFY(ArteTeclado::TeclaAmarela(QStringLiteral("Barra"), Layout::ABNT2, 1).isNull());
        QVERIFY(ArteTeclado::Capa(QStringLiteral("TO"), Layout::ABNT2, 1).isNull());
        QVERIFY(ArteTeclado::Capa(QStringLiteral("T#"), Layout::ABNT2, 1).isNull());
        QVERIFY(ArteTeclado::Capa(QString(), Layout::ABNT2, 1).isNull());
    }

    void coresDasCapinhas()
    {
        // Red caps are red, yellow caps yellow, at the middle of the key and
        // at both ratios.
        for (qreal dpr : {1.0, 2.0}) {
            const QColor v = corEm(ArteTeclado::TeclaVermelha(70, Layout::ABNT2, dpr), QPointF(24, 26));
            QVERIFY(v.red() > 180 && v.green() < 110 && v.blue() < 110);
            const QColor a = corEm(ArteTeclado::TeclaAmarela(QStringLiteral("F"), Layout::ABNT2, dpr),
                                   QPointF(24, 26));
            QVERIFY(a.red() > 220 && a.green() > 170 && a.blue() < 120);
        }
    }

    void formaDosEnters()
    {
        // ABNT2: wide on top, narrow below. BR: narrow on top, wide below.
        const QPixmap abnt2 = ArteTeclado::TeclaVermelha(13, Layout::ABNT2, 2);
        QCOMPARE(corEm(abnt2, QPointF(5, 15)).alpha(), 255);
        QCOMPARE(corEm(abnt2, QPointF(5, 55)).alpha(), 0);
        QCOMPARE(corEm(abnt2, QPointF(35, 55)).alpha(), 255);
        const QPixmap br = ArteTeclado::TeclaVermelha(13, Layout::BR, 2);
        QCOMPARE(corEm(br, QPointF(5, 15)).alpha(), 0);
        QCOMPARE(corEm(br, QPointF(5, 55)).alpha(), 255);
        QCOMPARE(corEm(br, QPointF(45, 15)).alpha(), 255);
        // The yellow Enter keeps the ABNT2 shape in every layout.
        const QPixmap amarelo = ArteTeclado::TeclaAmarela(QStringLiteral("Enter"), Layout::BR, 2);
        QCOMPARE(logico(amarelo), QSize(49, 68));
        QCOMPARE(corEm(amarelo, QPointF(5, 55)).alpha(), 0);
    }

    void tecladosDiferemPorLayout()
    {
        const QImage abnt2 = ArteTeclado::Teclado(Layout::ABNT2, 1).toImage();
        const QImage br = ArteTeclado::Teclado(Layout::BR, 1).toImage();
        const QImage pt = ArteTeclado::Teclado(Layout::Portugues, 1).toImage();
        QVERIFY(abnt2 != br);
        QVERIFY(abnt2 != pt);
        QVERIFY(br != pt);
        // An unknown layout number shows the ABNT2 keyboard.
        QCOMPARE(ArteTeclado::Teclado(7, 1).toImage(), abnt2);
        // The keyboard covers its whole area (it lies over the ABNT2 one).
        QCOMPARE(abnt2.pixelColor(255, 87).alpha(), 255);
        QCOMPARE(br.pixelColor(255, 174).alpha(), 255);
        QCOMPARE(pt.pixelColor(0, 87).alpha(), 255);
    }

    void capasMudamComOLayout()
    {
        const auto img = [](const QString& nome, int tipo) { return ArteTeclado::Capa(nome, tipo, 1).toImage(); };
        QVERIFY(img(QStringLiteral("T\u00C7"), Layout::ABNT2) != img(QStringLiteral("T\u00C7"), Layout::BR));
        QCOMPARE(img(QStringLiteral("T\u00C7"), Layout::ABNT2), img(QStringLiteral("T\u00C7"), Layout::Portugues));
        QCOMPARE(img(QStringLiteral("TPONTO"), Layout::ABNT2), img(QStringLiteral("TPONTO"), Layout::BR));
        QVERIFY(img(QStringLiteral("TDOISPONTOS"), Layout::BR) != img(QStringLiteral("TDOISPONTOS"), Layout::Portugues));
        QVERIFY(img(QStringLiteral("TA"), Layout::ABNT2) != ArteTeclado::CapaBranca(1).toImage());
    }

    void maosSobOsAneisEForaDoTeclado()
    {
        QImage img(800, 600, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        {
            QPainter p(&img);
            ArteTeclado::DesenharMaos(p);
        }
        // Every finger tip lies under the middle of its ring.
        for (const QString& dedo : NomesDedos()) {
            const QRect r = RetanguloDedo(dedo);
            const QPoint centro = (r.topLeft() + QPoint(r.width() / 2, r.height() / 2)) / TwipsPorPixel;
            QVERIFY2(img.pixelColor(centro).alpha() == 255, qPrintable(dedo));
        }
        // Nothing is drawn over the keyboard.
        const QRect teclado(145, 305, 510, 175);
        for (int y = teclado.top(); y <= teclado.bottom(); ++y)
            for (int x = teclado.left(); x <= teclado.right(); ++x)
                if (img.pixelColor(x, y).alpha() != 0)
                    QFAIL(qPrintable(QStringLiteral("hand over the keyboard at %1,%2").arg(x).arg(y)));
        // The hands are mirror images of each other.
        QCOMPARE(img.pixelColor(60, 500), img.pixelColor(739, 500));
    }

    void salvarParaOlhar()
    {
        const QString pasta = qEnvironmentVariable("TECLOMATIC_ARTE_DIR");
        if (pasta.isEmpty())
            QSKIP("set TECLOMATIC_ARTE_DIR to save the pictures");
        QDir().mkpath(pasta);
        const QStringList nomes{QStringLiteral("abnt2"), QStringLiteral("br"), QStringLiteral("pt")};
        for (int tipo : Layouts) {
            for (qreal dpr : {1.0, 2.0}) {
                const QString sufixo = nomes[tipo] + QStringLiteral("_%1x.png").arg(int(dpr));
                ArteTeclado::Teclado(tipo, dpr).save(pasta + QStringLiteral("/teclado_") + sufixo);
                ArteTeclado::TecladoMini(tipo, dpr).save(pasta + QStringLiteral("/mini_") + sufixo);
                painel(tipo, dpr, tipo == Layout::BR ? 220 : 13, QStringLiteral("DoisPontos"), QStringLiteral("D5"))
                    .save(pasta + QStringLiteral("/painel_") + sufixo);
            }
        }
        painel(Layout::ABNT2, 2, 16, QStringLiteral("A"), QStringLiteral("S5"))
            .save(pasta + QStringLiteral("/painel_abnt2_A_2x.png"));
        painel(Layout::BR, 1, 16, QStringLiteral("Enter"), QStringLiteral("D5"))
            .save(pasta + QStringLiteral("/painel_br_enter_1x.png"));
    }
};

QTEST_MAIN(TstArteTeclado)
#include "tst_arte_teclado.moc"
