// The keyboard guide's rules: system layout proposal, key grid and legends
// of the three layouts, translation of pressed keys, highlighting and caps.
#include "app/platform/TecladoSistemaX11.h"
#include "keyboard/GradeTeclado.h"
#include "keyboard/MapaTeclas.h"
#include "keyboard/MapaXkb.h"
#include "keyboard/SistemaTeclado.h"
#include "keyboard/TeclaFisica.h"

#include <QtTest>

namespace {

const QList<int> Layouts{Layout::ABNT2, Layout::BR, Layout::Portugues};

// The parts of a key's outline, as rectangles (the Enter keys are two).
QList<QRect> partes(const Tecla& t)
{
    const QRect r = t.twips;
    switch (t.forma) {
    case FormaTecla::EnterAbnt2:
        return {QRect(r.left(), r.top(), r.width(), 495), QRect(r.left() + 255, r.top(), r.width() - 255, r.height())};
    case FormaTecla::EnterBr:
        return {QRect(r.left() + 255, r.top(), r.width() - 255, r.height()),
                QRect(r.left(), r.top() + 525, r.width(), 495)};
    case FormaTecla::Retangular:
        break;
    }
    return {r};
}

} // namespace

class TstTeclado : public QObject {
    Q_OBJECT
private slots:
    // ---- system keyboard ---------------------------------------------------

    void handleDoTeclado_data()
    {
        QTest::addColumn<qint32>("handle");
        QTest::addColumn<int>("proposta");
        QTest::newRow("Portugal") << qint32(135661590) << 2;
        QTest::newRow("US under pt-BR") << qint32(67699734) << 1;
        QTest::newRow("Brazilian ABNT2") << qint32(68551702) << 0;
        QTest::newRow("US English") << qint32(67699721) << 0;
        QTest::newRow("negative, remainder -3866") << qint32(-1000003866) << 0;
        QTest::newRow("negative, remainder -1590") << qint32(-135661590) << 0;
        QTest::newRow("negative, remainder -9734") << qint32(-67699734) << 0;
    }

    void handleDoTeclado()
    {
        QFETCH(qint32, handle);
        QFETCH(int, proposta);
        QCOMPARE(TecladoDoHandle(handle), proposta);
    }

    void propostaXkb_data()
    {
        QTest::addColumn<QString>("layouts");
        QTest::addColumn<QString>("variants");
        QTest::addColumn<int>("grupo");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("proposta");
        QTest::newRow("pt") << "pt" << "" << 0 << "pt_PT" << 2;
        QTest::newRow("pt, any locale") << "pt" << "nodeadkeys" << 0 << "en_US" << 2;
        QTest::newRow("us under pt_BR") << "us" << "" << 0 << "pt_BR" << 1;
        QTest::newRow("us intl under pt_BR") << "us" << "intl" << 0 << "pt_BR" << 1;
        QTest::newRow("us(intl) under pt_BR") << "us(intl)" << "" << 0 << "pt_BR" << 1;
        QTest::newRow("us under en_US") << "us" << "" << 0 << "en_US" << 0;
        QTest::newRow("us under pt_PT") << "us" << "" << 0 << "pt_PT" << 0;
        QTest::newRow("br") << "br" << "" << 0 << "pt_BR" << 0;
        QTest::newRow("br abnt2") << "br" << "abnt2" << 0 << "pt_BR" << 0;
        QTest::newRow("br(abnt2)") << "br(abnt2)" << "" << 0 << "pt_BR" << 0;
        QTest::newRow("br nativo-us, a US keyboard") << "br" << "nativo-us" << 0 << "en_US" << 1;
        QTest::newRow("br(nativo-us)") << "br(nativo-us)" << "" << 0 << "pt_BR" << 1;
        QTest::newRow("pt nativo-us") << "pt" << "nativo-us" << 0 << "pt_PT" << 1;
        QTest::newRow("br nativo, an ABNT2 keyboard") << "br" << "nativo" << 0 << "pt_BR" << 0;
        QTest::newRow("second group br nativo-us") << "us,br" << ",nativo-us" << 1 << "en_US" << 1;
        QTest::newRow("de") << "de" << "" << 0 << "pt_BR" << 0;
        QTest::newRow("second group pt") << "br,pt" << "abnt2," << 1 << "pt_BR" << 2;
        QTest::newRow("second group us") << "br,us" << ",intl" << 1 << "pt_BR" << 1;
        QTest::newRow("first group of two") << "br,us" << "," << 0 << "pt_BR" << 0;
        QTest::newRow("group out of range") << "us,pt" << "," << 3 << "pt_BR" << 1;
        QTest::newRow("nothing known") << "" << "" << 0 << "pt_BR" << 0;
    }

    void propostaXkb()
    {
        QFETCH(QString, layouts);
        QFETCH(QString, variants);
        QFETCH(int, grupo);
        QFETCH(QString, locale);
        QFETCH(int, proposta);
        QCOMPARE(PropostaXkb(layouts, variants, grupo, locale), proposta);
    }

    // The keymap a Wayland compositor sends: the layouts it was made of, by
    // group, and what they propose under Brazilian Portuguese.
    void layoutsDoMapaWayland_data()
    {
        QTest::addColumn<QString>("mapa");
        QTest::addColumn<QString>("layouts");
        QTest::addColumn<QString>("variantes");
        QTest::addColumn<int>("proposta");
        const auto simbolos = [](const char* nome) {
            return QStringLiteral("xkb_keymap {\nxkb_keycodes \"evdev+aliases(qwerty)\" {\n};\nxkb_symbols \"")
                + QLatin1String(nome) + QStringLiteral("\" {\n\tname[Group1]=\"English (US)\";\n};\n};\n");
        };
        const auto grupos = [](const char* g1, const char* g2 = nullptr) {
            QString m = QStringLiteral("xkb_symbols \"(unnamed)\" {\n\tname[Group1]=\"") + QLatin1String(g1) + u'"' + u';';
            if (g2)
                m += QStringLiteral("\n\tname[Group2]=\"") + QLatin1String(g2) + QStringLiteral("\";");
            return m + QStringLiteral("\n\tkey <AE01> { [ 1, exclam ] };\n};");
        };
        QTest::newRow("br") << simbolos("pc+br+inet(evdev)") << "br" << "" << 0;
        QTest::newRow("br(abnt2)") << simbolos("pc+br(abnt2)+inet(evdev)") << "br" << "abnt2" << 0;
        QTest::newRow("pt") << simbolos("pc+pt+inet(evdev)+group(alt_shift_toggle)") << "pt" << "" << 2;
        QTest::newRow("us(intl)") << simbolos("pc+us(intl)+inet(evdev)") << "us" << "intl" << 1;
        QTest::newRow("two groups, the first in use") << simbolos("pc+br+us(intl):2+inet(evdev)") << "br,us" << ",intl" << 0;
        QTest::newRow("second group only named") << simbolos("pc+pt:2+inet(evdev)") << ",pt" << "," << 0;
        QTest::newRow("from a device: Portuguese") << grupos("Portuguese") << "pt" << "" << 2;
        QTest::newRow("from a device: Brazil") << grupos("Portuguese (Brazil)", "English (US)") << "br,us" << "," << 0;
        QTest::newRow("from a device: US intl") << grupos("English (US, intl., with dead keys)") << "us" << "intl" << 1;
        QTest::newRow("from a device: German") << grupos("German") << "german" << "" << 0;
        QTest::newRow("no keymap") << QString() << "" << "" << 0;
    }

    void layoutsDoMapaWayland()
    {
        QFETCH(QString, mapa);
        QFETCH(QString, layouts);
        QFETCH(QString, variantes);
        QFETCH(int, proposta);
        const LayoutsXkb l = LayoutsDoMapaXkb(mapa);
        QCOMPARE(l.layouts, layouts);
        QCOMPARE(l.variantes, variantes);
        QCOMPARE(PropostaXkb(l.layouts, l.variantes, 0, QStringLiteral("pt_BR")), proposta);
    }

    void semDisplayX11PropoeAbnt2()
    {
        // The tests run on the offscreen platform: no X display to read.
        TecladoSistemaX11 sistema;
        QCOMPARE(sistema.Proposta(), 0);
    }

    // ---- key grid -------------------------------------------------------------

    void vermelhasEmTodosOsLayouts()
    {
        const QList<int> codigos = CodigosVermelhos();
        QCOMPARE(codigos.size(), 57);
        for (int tipo : Layouts)
            for (int codigo : codigos)
                QVERIFY2(!RetanguloVermelha(codigo, tipo).isNull(),
                         qPrintable(QStringLiteral("code %1 layout %2").arg(codigo).arg(tipo)));
        for (int semImagem : {0, 7, 112, 194, 218, 250})
            QVERIFY(RetanguloVermelha(semImagem, Layout::ABNT2).isNull());
    }

    void vermelha220MudaComBr()
    {
        QCOMPARE(RetanguloVermelha(220, Layout::BR), QRect(9330, 6165, 480, 495));
        QCOMPARE(RetanguloVermelha(220, Layout::ABNT2), QRect(8820, 5640, 480, 495));
        QCOMPARE(RetanguloVermelha(220, Layout::Portugues), QRect(8820, 5640, 480, 495));
        QCOMPARE(RetanguloVermelha(13, Layout::BR), QRect(8820, 5115, 990, 1020));
        QCOMPARE(RetanguloVermelha(13, Layout::ABNT2), QRect(9075, 5115, 735, 1020));
        QCOMPARE(RetanguloVermelha(16, Layout::BR).width(), 1245);
        QCOMPARE(RetanguloVermelha(16, Layout::ABNT2), QRect(2190, 6165, 735, 495));
        // An unknown layout number shows the ABNT2 keyboard.
        QCOMPARE(RetanguloVermelha(220, 9), QRect(8820, 5640, 480, 495));
        // Everything else stays on the ABNT2 grid, extra keys included.
        for (int codigo : CodigosVermelhos())
            if (codigo != 220 && codigo != 13 && codigo != 16)
                QCOMPARE(RetanguloVermelha(codigo, Layout::BR), RetanguloVermelha(codigo, Layout::ABNT2));
        for (int codigo : CodigosVermelhos())
            QCOMPARE(RetanguloVermelha(codigo, Layout::Portugues), RetanguloVermelha(codigo, Layout::ABNT2));
    }

    void gradeSemSobreposicoes()
    {
        // Every key lies inside the keyboard picture and no two keys overlap.
        for (int tipo : Layouts) {
            const QList<Tecla> teclas = TeclasDoLayout(tipo);
            QList<int> codigos;
            for (int i = 0; i < teclas.size(); ++i) {
                QVERIFY(AreaTecladoTwips().contains(teclas[i].twips));
                if (teclas[i].codigo) {
                    QVERIFY2(!codigos.contains(teclas[i].codigo), "a code appears twice");
                    codigos << teclas[i].codigo;
                    QCOMPARE(teclas[i].twips, RetanguloVermelha(teclas[i].codigo, tipo));
                }
                for (int j = i + 1; j < teclas.size(); ++j)
                    for (const QRect& a : partes(teclas[i]))
                        for (const QRect& b : partes(teclas[j]))
                            QVERIFY2(!a.intersects(b), qPrintable(QStringLiteral("layout %1: keys %2 and %3 overlap")
                                                                    .arg(tipo)
                                                                    .arg(teclas[i].cima)
                                                                    .arg(teclas[j].cima)));
            }
        }
        // Only the right Ctrl has no code; the right Shift and Alt Gr, which
        // the guide lights, have no red image.
        for (int tipo : Layouts) {
            QStringList semCodigo;
            for (const Tecla& t : TeclasDoLayout(tipo))
                if (!t.codigo)
                    semCodigo << t.cima;
            QCOMPARE(semCodigo, QStringList{QStringLiteral("Ctrl")});
        }
        QVERIFY(!TemVermelha(CodigoTecla::ShiftDireito));
        QVERIFY(!TemVermelha(CodigoTecla::AltGr));
    }

    void legendasDasTeclasPorLayout()
    {
        const auto legenda = [](int codigo, int tipo) {
            const Tecla t = TeclaVermelhaDoLayout(codigo, tipo);
            return QStringList{t.cima, t.baixo, t.terceiro}.join(QLatin1Char(' ')).trimmed();
        };
        QCOMPARE(legenda(192, Layout::ABNT2), QStringLiteral("\" '"));
        QCOMPARE(legenda(192, Layout::BR), QStringLiteral("~ `"));
        QCOMPARE(legenda(192, Layout::Portugues), QStringLiteral("| \\"));
        QCOMPARE(legenda(49, Layout::ABNT2), QStringLiteral("! 1 \u00B9"));
        QCOMPARE(legenda(54, Layout::BR), QStringLiteral("^ 6"));
        QCOMPARE(legenda(50, Layout::Portugues), QStringLiteral("\" 2 @"));
        QCOMPARE(legenda(219, Layout::Portugues), QStringLiteral("* + \u00A8"));
        QCOMPARE(legenda(50, Layout::BR), QStringLiteral("@ 2"));
        QCOMPARE(legenda(187, Layout::Portugues), QStringLiteral("\u00BB \u00AB"));
        QCOMPARE(legenda(186, Layout::ABNT2), QStringLiteral("\u00C7"));
        QCOMPARE(legenda(186, Layout::BR), QStringLiteral(": ;"));
        QCOMPARE(legenda(186, Layout::Portugues), QStringLiteral("\u00C7"));
        QCOMPARE(legenda(220, Layout::BR), QStringLiteral("| \\"));
        QCOMPARE(legenda(191, Layout::BR), QStringLiteral("? /"));
        QCOMPARE(legenda(191, Layout::Portugues), QStringLiteral("_ -"));
        QCOMPARE(legenda(226, Layout::Portugues), QStringLiteral("> <"));
        QCOMPARE(legenda(13, Layout::BR), QStringLiteral("Enter"));
        QCOMPARE(TeclaVermelhaDoLayout(13, Layout::BR).forma, FormaTecla::EnterBr);
        QCOMPARE(TeclaVermelhaDoLayout(13, Layout::Portugues).forma, FormaTecla::EnterAbnt2);
        // Keys the layout's keyboard lacks keep the ABNT2 picture.
        QCOMPARE(legenda(193, Layout::BR), QStringLiteral("? / \u00B0"));
        QCOMPARE(legenda(226, Layout::BR), QStringLiteral("| \\"));
        QCOMPARE(legenda(193, Layout::Portugues), QStringLiteral("? / \u00B0"));
        QCOMPARE(legenda(65, Layout::Portugues), QStringLiteral("A"));
    }

    void amarelasPorLayout()
    {
        // The 32 of the letters, Ç, comma, period, semicolon, Enter and space,
        // then one for every other key a text may ask for.
        const QStringList nomes = NomesAmarelas();
        QCOMPARE(nomes.mid(26, 6), (QStringList{QStringLiteral("\u00C7"), QStringLiteral("Virgula"),
                                                QStringLiteral("Ponto"), QStringLiteral("DoisPontos"),
                                                QStringLiteral("Enter"), QStringLiteral("Space")}));
        QCOMPARE(nomes.size(), 54);
        for (const QString& nome : nomes) {
            QVERIFY2(!RetanguloAmarela(nome).isNull(), qPrintable(nome));
            QCOMPARE(NomeAmarela(CodigoAmarela(nome)), nome);
        }
        for (const int semAmarela : {8, 9, 17, 18, 20, 0, 7})
            QVERIFY(NomeAmarela(semAmarela).isEmpty());
        QCOMPARE(CodigoAmarela(QStringLiteral("K8")), 0);
        QCOMPARE(RetanguloAmarela(QStringLiteral("\u00C7")), RetanguloVermelha(186, Layout::ABNT2));
        QCOMPARE(RetanguloAmarela(QStringLiteral("Virgula")), RetanguloVermelha(188, Layout::ABNT2));
        QCOMPARE(RetanguloAmarela(QStringLiteral("Ponto")), RetanguloVermelha(190, Layout::ABNT2));
        QCOMPARE(RetanguloAmarela(QStringLiteral("DoisPontos")), RetanguloVermelha(191, Layout::ABNT2));
        QCOMPARE(RetanguloAmarela(QStringLiteral("Space")), QRect(4230, 6690, 3540, 495));
        QCOMPARE(RetanguloAmarela(QStringLiteral("Q")), QRect(2955, 5115, 480, 495));
        QVERIFY(RetanguloAmarela(QStringLiteral("q")).isNull());
        QVERIFY(RetanguloAmarela(QStringLiteral("Barra")).isNull());

        const auto legenda = [](const QString& nome, int tipo) {
            const Tecla t = TeclaAmarelaDoLayout(nome, tipo);
            return (t.cima + QLatin1Char(' ') + t.baixo).trimmed();
        };
        QCOMPARE(legenda(QStringLiteral("\u00C7"), Layout::ABNT2), QStringLiteral("\u00C7"));
        QCOMPARE(legenda(QStringLiteral("\u00C7"), Layout::BR), QStringLiteral(": ;"));
        QCOMPARE(legenda(QStringLiteral("\u00C7"), Layout::Portugues), QStringLiteral("\u00C7"));
        QCOMPARE(legenda(QStringLiteral("Virgula"), Layout::Portugues), QStringLiteral("; ,"));
        QCOMPARE(legenda(QStringLiteral("Virgula"), Layout::BR), QStringLiteral("< ,"));
        QCOMPARE(legenda(QStringLiteral("Ponto"), Layout::Portugues), QStringLiteral(": ."));
        QCOMPARE(legenda(QStringLiteral("DoisPontos"), Layout::ABNT2), QStringLiteral(": ;"));
        QCOMPARE(legenda(QStringLiteral("DoisPontos"), Layout::BR), QStringLiteral("? /"));
        QCOMPARE(legenda(QStringLiteral("DoisPontos"), Layout::Portugues), QStringLiteral("_ -"));
        // The other yellow keys lie on the layout's own key.
        QCOMPARE(TeclaAmarelaDoLayout(QStringLiteral("K220"), Layout::BR).twips, QRect(9330, 6165, 480, 495));
        QCOMPARE(TeclaAmarelaDoLayout(QStringLiteral("K16"), Layout::BR).twips.width(), 1245);
        QCOMPARE(TeclaAmarelaDoLayout(QStringLiteral("K161"), Layout::Portugues).twips.left(), 8565);
        // The yellow Enter stays the ABNT2 Enter in every layout.
        const Tecla enter = TeclaAmarelaDoLayout(QStringLiteral("Enter"), Layout::BR);
        QCOMPARE(enter.forma, FormaTecla::EnterAbnt2);
        QCOMPARE(enter.twips, QRect(9075, 5115, 735, 1020));
    }

    void aneisDosDedos()
    {
        QCOMPARE(NomesDedos().size(), 10);
        QCOMPARE(RetanguloDedo(QStringLiteral("S1")), QRect(1425, 6495, 375, 360));
        QCOMPARE(RetanguloDedo(QStringLiteral("S5")), QRect(195, 6165, 375, 360));
        QCOMPARE(RetanguloDedo(QStringLiteral("D3")), QRect(11100, 5655, 375, 360));
        QCOMPARE(RetanguloDedo(QStringLiteral("D5")), QRect(11415, 6165, 375, 360));
        QVERIFY(RetanguloDedo(QStringLiteral("D6")).isNull());
    }

    // ---- exercise characters -----------------------------------------------------

    void formataTecla_data()
    {
        // What a key types, by the code the layout gives it, at each level.
        QTest::addColumn<int>("tecla");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<QString>("abnt2");
        QTest::addColumn<QString>("br");
        QTest::addColumn<QString>("portugues");
        const QString c = QStringLiteral("\u00C7");
        QTest::newRow("Enter") << 13 << false << "\n" << "\n" << "\n";
        QTest::newRow("space") << 32 << true << " " << " " << " ";
        QTest::newRow("A") << 65 << false << "A" << "A" << "A";
        QTest::newRow("Shift+Z") << 90 << true << "Z" << "Z" << "Z";
        QTest::newRow("186") << 186 << false << c << ";" << "\u00B4";
        QTest::newRow("188") << 188 << false << "," << "," << ",";
        QTest::newRow("Shift+188") << 188 << true << "<" << "<" << ";";
        QTest::newRow("189") << 189 << false << "-" << "-" << "-";
        QTest::newRow("190") << 190 << false << "." << "." << ".";
        QTest::newRow("191") << 191 << false << ";" << "/" << "~";
        QTest::newRow("Shift+191") << 191 << true << ":" << "?" << "^";
        QTest::newRow("192") << 192 << false << "'" << "`" << c;
        QTest::newRow("219") << 219 << false << "\u00B4" << "[" << "'";
        QTest::newRow("222") << 222 << false << "~" << "'" << "\u00BA";
        QTest::newRow("digit 1") << 49 << false << "1" << "1" << "1";
        QTest::newRow("Shift+2") << 50 << true << "@" << "@" << "\"";
        QTest::newRow("Shift") << 16 << false << "" << "" << "";
        QTest::newRow("Tab") << 9 << false << "" << "" << "";
        QTest::newRow("193") << 193 << false << "/" << "" << "";
        QTest::newRow("a (97)") << 97 << false << "" << "" << "";
    }

    void formataTecla()
    {
        QFETCH(int, tecla);
        QFETCH(bool, shift);
        QFETCH(QString, abnt2);
        QFETCH(QString, br);
        QFETCH(QString, portugues);
        const Modificadores m{shift, false};
        QCOMPARE(FormataTecla(tecla, Layout::ABNT2, m), abnt2);
        QCOMPARE(FormataTecla(tecla, Layout::BR, m), br);
        QCOMPARE(FormataTecla(tecla, Layout::Portugues, m), portugues);
    }

    void guiaDoProximoToque()
    {
        // The key and finger of the keystroke expected now, and the other
        // hand's Shift with its little finger where Shift is needed or, for
        // a capital, suggested.
        const auto guia = [](const QString& c, int tipo = Layout::ABNT2, int passo = 0) {
            const Sequencia s = SequenciaDe(c.at(0), tipo);
            const Guia g = GuiaDoToque(passo < s.tamanho ? s[passo] : Toque());
            QStringList r;
            for (int i = 0; i < 2; ++i)
                if (g.teclas[i])
                    r << NomeAmarela(g.teclas[i]) + QLatin1Char('+') + g.dedos[i];
            return r.isEmpty() ? QStringLiteral("nada") : r.join(QLatin1Char(' '));
        };
        QCOMPARE(guia(QStringLiteral("a")), QStringLiteral("A+S5"));
        QCOMPARE(guia(QStringLiteral("s")), QStringLiteral("S+S4"));
        QCOMPARE(guia(QStringLiteral("b")), QStringLiteral("B+S2"));
        QCOMPARE(guia(QStringLiteral("n")), QStringLiteral("N+D2"));
        QCOMPARE(guia(QStringLiteral("o")), QStringLiteral("O+D4"));
        QCOMPARE(guia(QStringLiteral(" ")), QStringLiteral("Space+D1"));
        QCOMPARE(guia(QStringLiteral("\n")), QStringLiteral("Enter+D5"));
        QCOMPARE(guia(QStringLiteral("\u00E7")), QStringLiteral("\u00C7+D5"));
        QCOMPARE(guia(QStringLiteral(";")), QStringLiteral("DoisPontos+D5"));
        QCOMPARE(guia(QStringLiteral(",")), QStringLiteral("Virgula+D3"));
        QCOMPARE(guia(QStringLiteral("V")), QStringLiteral("V+S2 K161+D5"));
        QCOMPARE(guia(QStringLiteral("P")), QStringLiteral("P+D5 K16+S5"));
        QCOMPARE(guia(QStringLiteral("?")), QStringLiteral("K193+D5 K16+S5"));
        QCOMPARE(guia(QStringLiteral("!")), QStringLiteral("K49+S5 K161+D5"));
        QCOMPARE(guia(QStringLiteral("7")), QStringLiteral("K55+D2"));
        // A dead key first, then the letter.
        QCOMPARE(guia(QStringLiteral("\u00E9")), QStringLiteral("K219+D5"));
        QCOMPARE(guia(QStringLiteral("\u00E9"), Layout::ABNT2, 1), QStringLiteral("E+S3"));
        QCOMPARE(guia(QStringLiteral("\u00C9"), Layout::ABNT2, 1), QStringLiteral("E+S3 K161+D5"));
        QCOMPARE(guia(QStringLiteral("\u00E0")), QStringLiteral("K219+D5 K16+S5"));
        // Portugal: ";" over the comma, "@" with Alt Gr and the right thumb.
        QCOMPARE(guia(QStringLiteral(";"), Layout::Portugues), QStringLiteral("Virgula+D3 K16+S5"));
        QCOMPARE(guia(QStringLiteral("@"), Layout::Portugues), QStringLiteral("K50+S4 K165+D1"));
        QCOMPARE(guia(QStringLiteral("\u20AC")), QStringLiteral("nada"));

        // Every lit key is a yellow image, every finger a ring, and the left
        // thumb is never lit.
        const QStringList amarelas = NomesAmarelas();
        for (int tipo : Layouts)
            for (const QChar c : CaracteresDigitaveis(tipo)) {
                const Sequencia s = SequenciaDe(c, tipo);
                for (int i = 0; i < s.tamanho; ++i) {
                    const Guia g = GuiaDoToque(s[i]);
                    for (int j = 0; j < 2; ++j) {
                        if (!g.teclas[j])
                            continue;
                        QVERIFY2(amarelas.contains(NomeAmarela(g.teclas[j])), qPrintable(QString(c)));
                        QVERIFY(NomesDedos().contains(g.dedos[j]));
                        QVERIFY(g.dedos[j] != QStringLiteral("S1"));
                    }
                }
            }
    }

    void capasDoExercicio()
    {
        QCOMPARE(NomeCapa(QStringLiteral("A")), QStringLiteral("TA"));
        QCOMPARE(NomeCapa(QStringLiteral("s")), QStringLiteral("TS"));
        QCOMPARE(NomeCapa(QStringLiteral("O")), QStringLiteral("TOO"));
        QCOMPARE(NomeCapa(QStringLiteral("\u00E7")), QStringLiteral("T\u00C7"));
        QCOMPARE(NomeCapa(QStringLiteral(";")), QStringLiteral("TDOISPONTOS"));
        QCOMPARE(NomeCapa(QStringLiteral(".")), QStringLiteral("TPONTO"));
        QCOMPARE(NomeCapa(QStringLiteral(",")), QStringLiteral("TVIRGULA"));
        QCOMPARE(NomeCapa(QStringLiteral("\u00E9")), QStringLiteral("T\u00C9"));
        QCOMPARE(NomeCapa(QStringLiteral("7")), QStringLiteral("T7"));
        QCOMPARE(NomeCapa(QStringLiteral("?")), QStringLiteral("T?"));
        for (const char* nada : {"#", " ", "", "ab"})
            QCOMPARE(NomeCapa(QString::fromUtf8(nada)), QString());

        // What the caps show in each layout.
        QCOMPARE(LegendaCapa(QStringLiteral("T\u00C7"), Layout::ABNT2), QStringLiteral("\u00C7"));
        QCOMPARE(LegendaCapa(QStringLiteral("T\u00C7"), Layout::BR), QStringLiteral(";"));
        QCOMPARE(LegendaCapa(QStringLiteral("T\u00C7"), Layout::Portugues), QStringLiteral("\u00C7"));
        QCOMPARE(LegendaCapa(QStringLiteral("TDOISPONTOS"), Layout::ABNT2), QStringLiteral(";"));
        QCOMPARE(LegendaCapa(QStringLiteral("TDOISPONTOS"), Layout::BR), QStringLiteral("/"));
        QCOMPARE(LegendaCapa(QStringLiteral("TDOISPONTOS"), Layout::Portugues), QStringLiteral(";"));
        QCOMPARE(LegendaCapa(QStringLiteral("TVIRGULA"), Layout::BR), QStringLiteral(","));
        QCOMPARE(LegendaCapa(QStringLiteral("TPONTO"), Layout::Portugues), QStringLiteral("."));
        QCOMPARE(LegendaCapa(QStringLiteral("TOO"), Layout::ABNT2), QStringLiteral("O"));
        QCOMPARE(LegendaCapa(QStringLiteral("TQ"), Layout::BR), QStringLiteral("Q"));
        QCOMPARE(LegendaCapa(QStringLiteral("T\u00C9"), Layout::BR), QStringLiteral("\u00C9"));
        QCOMPARE(LegendaCapa(QStringLiteral("TO"), Layout::ABNT2), QString());
        QCOMPARE(LegendaCapa(QStringLiteral("T#"), Layout::ABNT2), QString());
        // Every character a drill may hold has a cap with a legend ("#" is
        // Enter in a lesson).
        for (int tipo : Layouts)
            for (const QChar c : CaracteresDigitaveis(tipo))
                if (c != QLatin1Char(' ') && c != QLatin1Char('\n') && c != QLatin1Char('#'))
                    QVERIFY2(!LegendaCapa(NomeCapa(QString(c)), tipo).isEmpty(), qPrintable(QString(c)));
    }

    void remapeamentoPortugues()
    {
        const QList<QPair<int, int>> pares{{220, 192}, {219, 189}, {221, 187}, {186, 221},
                                           {187, 219}, {189, 191}, {192, 186}, {191, 220}};
        for (const auto& [de, para] : pares)
            QCOMPARE(RemapearPortugues(de), para);
        // One rewrite at most, other codes unchanged.
        QCOMPARE(RemapearPortugues(RemapearPortugues(220)), 186);
        for (int igual : {222, 188, 190, 226, 193, 13, 65, 16, 250})
            QCOMPARE(RemapearPortugues(igual), igual);
    }

    // ---- pressed keys by position ----------------------------------------------------

    void teclaFisicaPorPosicao()
    {
        const QString c = QStringLiteral("\u00C7");
        for (int tipo : Layouts) {
            const auto xkb = [tipo](quint32 keycode, int qtKey = 0) {
                return FormataTecla(CodigoVirtual(keycode, qtKey, 0, tipo, true, false), tipo);
            };
            // The key right of L and the key right of the period give what
            // the chosen layout engraves there, whatever character the
            // system layout puts on them.
            QCOMPARE(xkb(47, Qt::Key_Semicolon), tipo == Layout::BR ? QStringLiteral(";") : c);
            QCOMPARE(xkb(61, Qt::Key_Minus),
                     QStringLiteral(";/-").mid(tipo == Layout::BR ? 1 : tipo == Layout::Portugues ? 2 : 0, 1));
            QCOMPARE(xkb(59), QStringLiteral(","));
            QCOMPARE(xkb(60), QStringLiteral("."));
            QCOMPARE(xkb(36), QStringLiteral("\n"));
            QCOMPARE(xkb(104), QStringLiteral("\n"));
            QCOMPARE(xkb(65), QStringLiteral(" "));
            // Letters by QWERTY position, even under another system layout.
            QCOMPARE(xkb(38, Qt::Key_Q), QStringLiteral("A"));
            QCOMPARE(xkb(24), QStringLiteral("Q"));
            QCOMPARE(xkb(52, Qt::Key_Y), QStringLiteral("Z"));
            QCOMPARE(xkb(58), QStringLiteral("M"));
            QCOMPARE(xkb(46), QStringLiteral("L"));
            // Keys that give no character.
            for (quint32 nada : {22u, 23u, 37u, 50u, 62u, 64u, 66u})
                QCOMPARE(xkb(nada), QString());
            QCOMPARE(xkb(10), QStringLiteral("1"));
        }
    }

    void codigosXkbDasTeclasEspeciais()
    {
        const auto codigo = [](quint32 keycode, int tipo) { return CodigoDoKeycodeXkb(keycode, tipo); };
        for (int tipo : Layouts) {
            QCOMPARE(codigo(22, tipo), 8);
            QCOMPARE(codigo(23, tipo), 9);
            QCOMPARE(codigo(50, tipo), 16);
            QCOMPARE(codigo(62, tipo), 16);
            QCOMPARE(codigo(37, tipo), 17);
            QCOMPARE(codigo(105, tipo), 17);
            QCOMPARE(codigo(64, tipo), 18);
            QCOMPARE(codigo(108, tipo), 18);
            QCOMPARE(codigo(66, tipo), 20);
            QCOMPARE(codigo(10, tipo), 49);
            QCOMPARE(codigo(18, tipo), 57);
            QCOMPARE(codigo(19, tipo), 48);
            QCOMPARE(codigo(94, tipo), 226);
            QCOMPARE(codigo(97, tipo), 193);
            QCOMPARE(codigo(255, tipo), 0);
        }
        QCOMPARE(codigo(49, Layout::ABNT2), 192);
        QCOMPARE(codigo(20, Layout::BR), 189);
        QCOMPARE(codigo(21, Layout::ABNT2), 187);
        QCOMPARE(codigo(34, Layout::ABNT2), 219);
        QCOMPARE(codigo(35, Layout::BR), 221);
        QCOMPARE(codigo(48, Layout::ABNT2), 222);
        QCOMPARE(codigo(51, Layout::BR), 220);
        QCOMPARE(codigo(47, Layout::Portugues), 192);
        QCOMPARE(codigo(61, Layout::Portugues), 189);
    }

    void vermelhaPortuguesaCaiNaTeclaApertada()
    {
        // With the Portuguese keyboard, the code of each punctuation key,
        // remapped as for a wrong key, shows its red image on that key's
        // place: the same place the ABNT2 code of that key has.
        for (quint32 keycode : {49u, 20u, 21u, 34u, 35u, 47u, 48u, 51u, 94u, 59u, 60u, 61u}) {
            const int pt = RemapearPortugues(CodigoDoKeycodeXkb(keycode, Layout::Portugues));
            const int abnt2 = CodigoDoKeycodeXkb(keycode, Layout::ABNT2);
            QCOMPARE(RetanguloVermelha(pt, Layout::Portugues), RetanguloVermelha(abnt2, Layout::ABNT2));
        }
    }

    void origemDaPlataforma()
    {
        QCOMPARE(OrigemDaPlataforma(QStringLiteral("xcb")), OrigemTeclas::Xkb);
        QCOMPARE(OrigemDaPlataforma(QStringLiteral("wayland")), OrigemTeclas::Xkb);
        QCOMPARE(OrigemDaPlataforma(QStringLiteral("wayland-egl")), OrigemTeclas::Xkb);
        QCOMPARE(OrigemDaPlataforma(QStringLiteral("windows")), OrigemTeclas::Windows);
        QCOMPARE(OrigemDaPlataforma(QStringLiteral("offscreen")), OrigemTeclas::Outra);
    }

    void outrasPlataformas()
    {
        for (int tipo : Layouts) {
            // Windows: the virtual key is already the code.
            QCOMPARE(CodigoVirtual(0, Qt::Key_unknown, 186, tipo, false, true), 186);
            QCOMPARE(CodigoVirtual(0, Qt::Key_A, 65, tipo, false, true), 65);
            // The Qt key fallback agrees with the keycodes for letters, space and Enter.
            for (int k = Qt::Key_A; k <= Qt::Key_Z; ++k)
                QCOMPARE(CodigoVirtual(0, k, 0, tipo, false, false), 65 + (k - Qt::Key_A));
            QCOMPARE(CodigoVirtual(0, Qt::Key_Space, 0, tipo, false, false), CodigoDoKeycodeXkb(65, tipo));
            QCOMPARE(CodigoVirtual(0, Qt::Key_Return, 0, tipo, false, false), CodigoDoKeycodeXkb(36, tipo));
            QCOMPARE(CodigoVirtual(0, Qt::Key_Enter, 0, tipo, false, false), CodigoDoKeycodeXkb(104, tipo));
            QCOMPARE(CodigoVirtual(0, Qt::Key_Shift, 0, tipo, false, false), 16);
            QCOMPARE(CodigoVirtual(0, Qt::Key_CapsLock, 0, tipo, false, false), 20);
            QCOMPARE(CodigoVirtual(0, Qt::Key_1, 0, tipo, false, false), 49);
            QCOMPARE(CodigoVirtual(0, Qt::Key_Comma, 0, tipo, false, false), 188);
            QCOMPARE(CodigoVirtual(0, Qt::Key_Period, 0, tipo, false, false), 190);
            // Ç means the key right of L in every layout.
            QCOMPARE(PosicaoDaTecla(CodigoVirtual(0, Qt::Key_Ccedilla, 0, tipo, false, false), tipo), 186);
            // A synthetic X11 event (no keycode) falls back on the Qt key.
            QCOMPARE(CodigoVirtual(0, Qt::Key_K, 0, tipo, true, false), 75);
            QCOMPARE(CodigoVirtual(0, Qt::Key_unknown, 0, tipo, false, false), 0);
        }
        // Punctuation follows where the character sits in the chosen layout.
        QCOMPARE(CodigoDaTeclaQt(Qt::Key_Semicolon, Layout::ABNT2), 191);
        QCOMPARE(CodigoDaTeclaQt(Qt::Key_Semicolon, Layout::BR), 186);
        QCOMPARE(CodigoDaTeclaQt(Qt::Key_Semicolon, Layout::Portugues), 188);
        QCOMPARE(CodigoDaTeclaQt(Qt::Key_Slash, Layout::ABNT2), 193);
        QCOMPARE(CodigoDaTeclaQt(Qt::Key_Slash, Layout::BR), 191);
        QCOMPARE(CodigoDaTeclaQt(Qt::Key_Minus, Layout::Portugues), 189);
        QCOMPARE(FormataTecla(CodigoDaTeclaQt(Qt::Key_Minus, Layout::Portugues), Layout::Portugues),
                 QStringLiteral("-"));
    }
};

QTEST_MAIN(TstTeclado)
#include "tst_teclado.moc"
