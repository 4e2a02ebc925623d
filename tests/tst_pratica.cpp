// The practice screen of the main window: what it draws of the practice
// session (yellow key and finger, caps, running text, cursor, arrow) and how
// key presses reach the session. The session's own rules are tested without
// a window in tst_nucleo_pratica.
#include "app/EstadoCurso.h"
#include "course/ModFun.h"
#include "Treino.h"
#include "fakes/JanelaTeste.h"
#include "ui/CamadaImagens.h"
#include "ui/Imagem.h"
#include "ui/JanelaResultado.h"
#include "ui/LinhaTexto.h"
#include "ui/PainelDesenhado.h"
#include "ui/Rotulo.h"
#include "ui/Estilo.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

const QString Senha = QStringLiteral("segredo");


// Writes Modulos/mod<licao>.mod (or another file name) as the module builder
// does: every line scrambled with the lesson's key, CR LF after each.
void EscreverModulo(AmbienteTeste& amb, int licao, const QStringList& linhas, const QString& nome = QString())
{
    QByteArray bytes;
    for (const QString& l : linhas) {
        int chave = ChaveModulo(licao);
        bytes += CifrarBytes(CodificarWindows1252(l), chave) + "\r\n";
    }
    amb.escrever(nome.isEmpty() ? QStringLiteral("Modulos/mod%1.mod").arg(licao) : nome, bytes);
}



// A started main window with one user on the profile's position, logged in.
// `antes` runs before the log-in (write modules, pick a layout).
std::unique_ptr<JanelaTeste> Entrar(const Perfil& p, const std::function<void(JanelaTeste&)>& antes = {})
{
    auto j = std::make_unique<JanelaTeste>(QStringList{p.linha()});
    if (antes)
        antes(*j);
    j->entrar(Senha);
    j->amb.som.tocados.clear();
    j->amb.dialogos.modais.clear();
    return j;
}

// A logged-in learner on lesson `licao` whose module holds `linhas`.
std::unique_ptr<JanelaTeste> EntrarCom(int licao, const QStringList& linhas, int tipoTeclado = 0)
{
    Perfil p;
    p.licao = licao;
    p.licaoMaxima = licao;
    return Entrar(p, [&](JanelaTeste& j) {
        EscreverModulo(j.amb, licao, linhas);
        Estado().TipoTeclado = qint16(tipoTeclado);
        j->ConstruirTeclado(tipoTeclado);
    });
}

QStringList Acesas(const QMap<QString, ImagemCamada*>& imagens)
{
    QStringList r;
    for (auto it = imagens.cbegin(); it != imagens.cend(); ++it)
        if (!it.value()->isHidden())
            r << it.key();
    return r;
}

QList<int> VermelhasAcesas(const FrmMain& w)
{
    QList<int> r;
    for (auto it = w.TeclaVermelha.cbegin(); it != w.TeclaVermelha.cend(); ++it)
        if (!it.value()->isHidden())
            r << it.key();
    return r;
}

QList<bool> CapasVisiveis(const FrmMain& w)
{
    QList<bool> r;
    for (const ImagemCamada* q : w.qLetra)
        r << !q->isHidden();
    return r;
}

Contadores Atuais() { return Contadores::Atuais(); }

}

class TstPratica : public QObject {
    Q_OBJECT
private slots:
    // Key drill: the group of five, the caps and the arrow, the short block.
    void amarelarTecla_data();
    void amarelarTecla();
    void aplicaLetra();

    // Judging keys.
    void letraIgnoraModificadores_data();
    void letraIgnoraModificadores();
    void tecladoBRSemCedilha();
    void tabEhErroEFocoFicaEmPicSet();

    // Running text.
    void textoCorridoAcompanhaALinha();
    void cursorPisca();

    // Timers and live figures.
    void setaSobeEDesce();
    void placarDesenhaComoUmRotulo();
    void painelCopiaOQueDesenhou();
    void camadaMostraSoAsAcesas();

    // Exercises and lessons.
    void fimDeLicao_data();
    void fimDeLicao();
    void teclasNaIntroducaoDeOutroAluno();
    void progressoGravadoDepoisDoQuadro();
};

// ---------------------------------------------------------------------------
// Key drill

void TstPratica::amarelarTecla_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QStringList>("teclas");
    QTest::addColumn<QStringList>("dedos");
    const QStringList nada;
    const auto l = [](std::initializer_list<const char*> nomes) {
        QStringList r;
        for (const char* n : nomes)
            r << QString::fromUtf8(n);
        return r;
    };
    QTest::newRow("a") << QStringLiteral("asdf asdf ") << l({"A"}) << l({"S5"});
    // A capital: the other hand's Shift is suggested.
    QTest::newRow("A") << QStringLiteral("Asdf") << l({"A", "K161"}) << l({"D5", "S5"});
    QTest::newRow("espaco") << QStringLiteral(" jkl") << l({"Space"}) << l({"D1"});
    QTest::newRow("enter") << QStringLiteral("\nfim") << l({"Enter"}) << l({"D5"});
    QTest::newRow("cedilha") << QStringLiteral("ça") << l({"Ç"}) << l({"D5"});
    QTest::newRow("virgula") << QStringLiteral(",") << l({"Virgula"}) << l({"D3"});
    QTest::newRow("digito") << QStringLiteral("1a") << l({"K49"}) << l({"S5"});
    QTest::newRow("interrogacao") << QStringLiteral("?") << l({"K16", "K193"}) << l({"D5", "S5"});
    // A dead key first.
    QTest::newRow("e agudo") << QStringLiteral("éa") << l({"K219"}) << l({"D5"});
    QTest::newRow("sem tecla") << QStringLiteral("\u20AC") << nada << nada;
    QTest::newRow("vazio") << QString() << nada << nada;
}

void TstPratica::amarelarTecla()
{
    QFETCH(QString, texto);
    QFETCH(QStringList, teclas);
    QFETCH(QStringList, dedos);
    auto j = EntrarCom(2, {QStringLiteral("asdf")});
    FrmMain& w = j->w();
    w.pratica.Licao = texto;
    w.AmarelarTecla();
    QCOMPARE(Acesas(w.Amarelas), teclas);
    QCOMPARE(Acesas(w.Dedos), dedos);
}

void TstPratica::aplicaLetra()
{
    auto j = EntrarCom(2, {QStringLiteral("jklç")});
    FrmMain& w = j->w();
    const qint64 branca = w.qLetra[4]->picture().cacheKey();
    QCOMPARE(w.qLetra[3]->picture().cacheKey(), w.Capas.value(QStringLiteral("TÇ")).cacheKey());

    w.AplicaLetra(QStringLiteral("asdf"));
    const QStringList capas = {QStringLiteral("TA"), QStringLiteral("TS"), QStringLiteral("TD"), QStringLiteral("TF")};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(w.qLetra[i]->picture().cacheKey(), w.Capas.value(capas.at(i)).cacheKey());
    QCOMPARE(w.qLetra[4]->picture().cacheKey(), branca);

    // A short line leaves the missing cap as it was; so do Enter ("#") and
    // the space bar.
    w.AplicaLetra(QStringLiteral("lo."));
    QCOMPARE(w.qLetra[0]->picture().cacheKey(), w.Capas.value(QStringLiteral("TL")).cacheKey());
    QCOMPARE(w.qLetra[1]->picture().cacheKey(), w.Capas.value(QStringLiteral("TOO")).cacheKey());
    QCOMPARE(w.qLetra[2]->picture().cacheKey(), w.Capas.value(QStringLiteral("TPONTO")).cacheKey());
    QCOMPARE(w.qLetra[3]->picture().cacheKey(), w.Capas.value(QStringLiteral("TF")).cacheKey());
    w.AplicaLetra(QStringLiteral("q# ;"));
    QCOMPARE(w.qLetra[0]->picture().cacheKey(), w.Capas.value(QStringLiteral("TQ")).cacheKey());
    QCOMPARE(w.qLetra[1]->picture().cacheKey(), w.Capas.value(QStringLiteral("TOO")).cacheKey());
    QCOMPARE(w.qLetra[2]->picture().cacheKey(), w.Capas.value(QStringLiteral("TPONTO")).cacheKey());
    QCOMPARE(w.qLetra[3]->picture().cacheKey(), w.Capas.value(QStringLiteral("TDOISPONTOS")).cacheKey());
    QCOMPARE(w.qLetra[4]->picture().cacheKey(), branca);

    // Digits, accented letters and symbols get their caps when a drill
    // first shows them.
    QVERIFY(!w.Capas.contains(QStringLiteral("T\u00C9")));
    w.AplicaLetra(QStringLiteral("\u00E91?/"));
    const QStringList novas = {QStringLiteral("T\u00C9"), QStringLiteral("T1"), QStringLiteral("T?"), QStringLiteral("T/")};
    for (int i = 0; i < 4; ++i) {
        QVERIFY(!w.Capas.value(novas.at(i)).isNull());
        QCOMPARE(w.qLetra[i]->picture().cacheKey(), w.Capas.value(novas.at(i)).cacheKey());
    }
}

// ---------------------------------------------------------------------------
// Judging keys

void TstPratica::letraIgnoraModificadores_data()
{
    QTest::addColumn<int>("modificadores");
    QTest::addColumn<bool>("eventoReal");
    QTest::addColumn<int>("erros");
    QTest::newRow("sem modificador") << int(Qt::NoModifier) << false << 0;
    QTest::newRow("Shift") << int(Qt::ShiftModifier) << false << 0;
    QTest::newRow("sem modificador, tecla pelo evento") << int(Qt::NoModifier) << true << 0;
    // Held down first, Shift arrives as a key of its own: pressed alone it
    // writes nothing and is no error.
    QTest::newRow("Shift, tecla pelo evento") << int(Qt::ShiftModifier) << true << 0;
}

void TstPratica::letraIgnoraModificadores()
{
    QFETCH(int, modificadores);
    QFETCH(bool, eventoReal);
    QFETCH(int, erros);
    auto j = EntrarCom(2, {QStringLiteral("asdf")});
    FrmMain& w = j->w();
    const auto mods = Qt::KeyboardModifiers(modificadores);
    if (eventoReal) {
        QTest::keyClick(w.PicSet, Qt::Key_A, mods);
        QTest::keyClick(w.PicSet, Qt::Key_S, mods);
    } else {
        w.PicSet_KeyDown(65, mods);
        w.PicSet_KeyDown(83, mods);
    }
    QCOMPARE(w.pratica.Licao, QStringLiteral("df ") + QStringLiteral("asdf ").repeated(7));
    QCOMPARE(Atuais(), (Contadores{2 + erros, 2, erros, 200 - 100 * erros}));
    QCOMPARE(j->amb.som.nomes(), QStringList(erros, QStringLiteral("erro")));
}

void TstPratica::tecladoBRSemCedilha()
{
    auto j = EntrarCom(30, {QStringLiteral("a caça"), QStringLiteral("outra")}, 1);
    FrmMain& w = j->w();
    QCOMPARE(w.pratica.Licao, QStringLiteral("a caca"));
    QCOMPARE(w.LblLicao->linha(), QStringLiteral("a caca"));
    QCOMPARE(w.LblLicao->resto(), QStringLiteral("a caca"));
    QCOMPARE(w.LblLicao->cursorTexto(), QStringLiteral("a"));

    j->digitar(QStringLiteral("A CA"));
    QCOMPARE(w.LblLicao->cursorTexto(), QStringLiteral("c"));
    QCOMPARE(w.LblLicao->resto(), QStringLiteral("ca"));
    // The key right of L gives the ";" engraved there.
    j->tecla(186);
    QCOMPARE(Estado().Erros, qint16(1));
    j->tecla(67);
    QCOMPARE(w.pratica.Licao, QStringLiteral("a"));
    QCOMPARE(Estado().Acertos, qint16(5));
}

void TstPratica::tabEhErroEFocoFicaEmPicSet()
{
    auto j = EntrarCom(2, {QStringLiteral("asdf")});
    FrmMain& w = j->w();
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.PicSet->setFocus();
    QVERIFY(w.PicSet->hasFocus());

    // A real Tab reaches the drill instead of moving the focus.
    QTest::keyClick(w.PicSet, Qt::Key_Tab);
    QCOMPARE(w.Label1->text(), QStringLiteral("9"));
    QVERIFY(w.PicSet->hasFocus());
    QCOMPARE(Atuais(), (Contadores{1, 0, 1, -100}));
    QCOMPARE(VermelhasAcesas(w), QList<int>{9});

    // Tab brings the focus back to PicSet from anywhere.
    QLineEdit outro(w.PicInter);
    outro.show();
    outro.setFocus();
    QVERIFY(outro.hasFocus());
    j->tecla(9);
    QVERIFY(w.PicSet->hasFocus());
    QCOMPARE(Atuais(), (Contadores{2, 0, 2, -200}));
    QCOMPARE(w.pratica.Licao.size(), 40);
}

// ---------------------------------------------------------------------------
// Running text

void TstPratica::textoCorridoAcompanhaALinha()
{
    const QString linha = QStringLiteral("abc def ghij");
    QCOMPARE(linha.size(), 12);
    auto j = EntrarCom(30, {linha, QStringLiteral("outra")});
    FrmMain& w = j->w();
    LinhaTexto* l = w.LblLicao;
    QVERIFY(!w.FrameTexto->isHidden());
    QVERIFY(!l->isHidden());
    QCOMPARE(l->geometry(), w.FrameTexto->rect());
    QCOMPARE(CapasVisiveis(w), QList<bool>({false, false, false, false, false}));
    const QFontMetrics fm(l->fonte());
    QVERIFY(qAbs(l->xLinha() - (w.FrameTexto->width() / 2 - fm.horizontalAdvance(linha) / 2)) <= 1);
    QCOMPARE(l->linha(), linha);
    QCOMPARE(l->resto(), linha);
    QCOMPARE(l->xResto(), l->xLinha());
    QCOMPARE(l->cursorTexto(), QStringLiteral("a"));

    j->digitar(QStringLiteral("ABC D"));
    QCOMPARE(l->resto(), QStringLiteral("ef ghij"));
    QCOMPARE(l->linha(), linha);
    const int sexto = l->xLinha() + fm.horizontalAdvance(linha.left(5));
    QCOMPARE(l->xResto(), sexto);
    QCOMPARE(l->cursorTexto(), QStringLiteral("e"));

    // An error moves nothing.
    j->tecla(49);
    QCOMPARE(l->resto(), QStringLiteral("ef ghij"));
    QCOMPARE(l->xResto(), sexto);

    // Drawn: grey where typed, blue still to type, the cursor underlined.
    l->setCursorVisivel(true);
    const QImage img = l->grab().toImage();
    const qreal dpr = img.devicePixelRatio();
    auto tinta = [&](int x0, int x1, bool azul) {
        for (int x = int(x0 * dpr); x < int(x1 * dpr); ++x)
            for (int y = int(l->topo() * dpr); y < img.height(); ++y) {
                const QColor c = img.pixelColor(x, y);
                if (c.alpha() > 200 && (azul ? c.blue() > c.red() + 80 : qAbs(c.blue() - c.red()) < 8))
                    return true;
            }
        return false;
    };
    QVERIFY(tinta(l->xLinha(), sexto - 1, false));
    QVERIFY(!tinta(l->xLinha(), sexto - 1, true));
    QVERIFY(tinta(sexto, l->xLinha() + fm.horizontalAdvance(linha), true));
}

void TstPratica::cursorPisca()
{
    auto j = EntrarCom(30, {QStringLiteral("um")});
    FrmMain& w = j->w();
    LinhaTexto* l = w.LblLicao;
    QVERIFY(w.TrmUnder->isActive());
    const bool visivel = l->cursorVisivel();
    w.TrmUnder_Timer();
    QCOMPARE(l->cursorVisivel(), !visivel);
    w.TrmUnder_Timer();
    QCOMPARE(l->cursorVisivel(), visivel);
    w.TrmUnder_Timer();
    QCOMPARE(l->cursorVisivel(), !visivel);

    // Once the lesson is over the line is gone, and the cursor with it.
    j->completarExercicio();
    QVERIFY(l->isHidden());
    for (int tick = 0; tick < 3; ++tick) {
        w.TrmUnder_Timer();
        QVERIFY(!l->cursorVisivel());
    }
    QVERIFY(!w.TrmUnder->isActive());
}

// ---------------------------------------------------------------------------
// Timers and live figures

void TstPratica::setaSobeEDesce()
{
    auto j = EntrarCom(2, {QStringLiteral("asdf")});
    FrmMain& w = j->w();
    QVERIFY(w.Seta->isActive());
    Twips::SetTop(w.PicSeta, 1170);
    for (int tick = 1; tick <= 15; ++tick) {
        w.Seta_Timer();
        QCOMPARE(Twips::Top(w.PicSeta), 1170 - 10 * tick);
    }
    QCOMPARE(Twips::Top(w.PicSeta), 1020);
    w.Seta_Timer();
    QCOMPARE(Twips::Top(w.PicSeta), 1170);
    w.Seta_Timer();
    QCOMPARE(Twips::Top(w.PicSeta), 1160);
    // The bob never moves the arrow sideways.
    QCOMPARE(Twips::Left(w.PicSeta), 1590);
}

// The figures under the caps keep their text laid out between keys, and
// must look exactly like the labels they replace, at any scale.
void TstPratica::placarDesenhaComoUmRotulo()
{
    for (const qreal dpr : {1.0, 1.25, 2.0})
        for (const QString& texto : {QStringLiteral("0"), QStringLiteral("187 CPM"), QStringLiteral("1024 TPM"), QStringLiteral("Teclomatic - Lição: 12")}) {
            QWidget fundo;
            fundo.resize(240, 40);
            QLabel rotulo(texto, &fundo);
            Rotulo rapido(texto, &fundo);
            for (QLabel* l : {&rotulo, static_cast<QLabel*>(&rapido)}) {
                l->setGeometry(3, 5, 200, 21);
                l->setFont(Estilo::Fonte(11, true));
                Estilo::Colorir(l, QColor(0, 97, 187));
            }
            // Off a whole device pixel too, as on screen at 125 %.
            auto desenho = [dpr](QLabel& l) {
                QImage img(QSize(210, 30) * dpr, QImage::Format_ARGB32_Premultiplied);
                img.setDevicePixelRatio(dpr);
                img.fill(Qt::white);
                l.render(&img, QPoint(3, 5), QRegion(), QWidget::DrawChildren);
                return img;
            };
            QCOMPARE(desenho(rapido), desenho(rotulo));
            rapido.setText(texto + QStringLiteral("7")); // laid out again
            rotulo.setText(texto + QStringLiteral("7"));
            QCOMPARE(desenho(rapido), desenho(rotulo));
        }
}

void TstPratica::painelCopiaOQueDesenhou()
{
    // A panel's kept picture reaches the screen unchanged: at every scale,
    // off the origin (a whole device pixel or not), rectangle by rectangle
    // with every pixel the screen counts covered, and the same when it was
    // drawn ahead on a thread of its own (a drawing changed meanwhile wins).
    auto arte = [](const QString& legenda) {
        return [legenda](QPainter& p, const QRect& r) {
            QLinearGradient g(r.topLeft(), r.bottomLeft());
            g.setColorAt(0, QColor(0, 118, 212));
            g.setColorAt(1, QColor(0, 84, 168));
            p.fillRect(r, g);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255, 90));
            p.drawRoundedRect(QRectF(10.5, 8.5, 60, 30), 6, 6);
            p.setPen(Qt::white);
            p.setFont(Estilo::Fonte(11, true));
            p.drawText(r, Qt::AlignCenter, legenda);
        };
    };
    const QRegion regiao = QRegion(0, 0, 40, 24) + QRegion(60, 40, 60, 40) + QRegion(118, 0, 2, 80);
    for (const qreal dpr : {1.0, 1.25, 2.0}) {
        QImage esperado(QSize(120, 80) * dpr, QImage::Format_RGB32);
        esperado.setDevicePixelRatio(dpr);
        esperado.fill(Qt::black);
        {
            QPainter p(&esperado);
            p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
            arte(QStringLiteral("Lição"))(p, QRect(0, 0, 120, 80));
        }
        for (const QPoint desvio : {QPoint(4, 8), QPoint(3, 5)})
            for (const int modo : {0, 1, 2}) {
                QWidget pai;
                PainelDesenhado painel(&pai);
                painel.resize(120, 80);
                painel.setOpaco(true);
                painel.setDesenho(arte(modo == 2 ? QStringLiteral("Antes") : QStringLiteral("Lição")));
                if (modo > 0)
                    painel.prepararEmParalelo(dpr);
                if (modo == 2)
                    painel.setDesenho(arte(QStringLiteral("Lição")));
                QImage tela(QSize(140, 100) * dpr, QImage::Format_RGB32);
                tela.setDevicePixelRatio(dpr);
                tela.fill(Qt::magenta);
                {
                    QPainter p(&tela);
                    p.translate(desvio);
                    painel.pintarFundo(p, regiao);
                }
                // The picture's first pixel goes where the origin rounds to;
                // each rectangle covers what the screen makes of it, as far
                // as the picture reaches.
                const QPoint origem(qRound(desvio.x() * dpr), qRound(desvio.y() * dpr));
                const QTransform escala = QTransform::fromScale(dpr, dpr);
                int diferentes = 0;
                for (const QRect& r : regiao) {
                    const QRect d = escala.mapRect(r.translated(desvio)).intersected(QRect(origem, esperado.size()));
                    for (int y = d.top(); y <= d.bottom(); ++y)
                        for (int x = d.left(); x <= d.right(); ++x)
                            diferentes += tela.pixel(x, y) != esperado.pixel(QPoint(x, y) - origem);
                }
                QCOMPARE(diferentes, 0);
                QCOMPARE(tela.pixelColor(escala.mapRect(QRect(50, 30, 1, 1).translated(desvio)).topLeft()),
                         QColor(Qt::magenta));
            }
    }
}

void TstPratica::camadaMostraSoAsAcesas()
{
    // The panel draws the shown pictures lying on it over its own picture,
    // each sized to its picture or cut to its place, those made later on
    // top, and finds the topmost one under a click.
    QWidget pai;
    PainelDesenhado painel(&pai);
    painel.resize(200, 100);
    painel.setOpaco(true);
    painel.setDesenho([](QPainter& p, const QRect& r) { p.fillRect(r, Qt::blue); });
    auto cor = [](const QColor& c) {
        QPixmap pm(10, 10);
        pm.fill(c);
        return pm;
    };
    CamadaImagens& camada = painel.imagens();
    ImagemCamada* vermelha = camada.criar(QStringLiteral("V"), true);
    vermelha->setGeometry(QRect(20, 30, 99, 99));
    vermelha->setPicture(cor(Qt::red));
    ImagemCamada* amarela = camada.criar(QStringLiteral("A"), true);
    amarela->setGeometry(QRect(25, 30, 1, 1));
    amarela->setPicture(cor(Qt::yellow));
    ImagemCamada* verde = camada.criar(QStringLiteral("D"), false);
    verde->setGeometry(QRect(150, 80, 4, 4));
    verde->setPicture(cor(Qt::green));
    QCOMPARE(vermelha->geometry(), QRect(20, 30, 10, 10));

    auto desenho = [&](const QRegion& regiao) {
        QImage img(painel.size(), QImage::Format_RGB32);
        img.fill(Qt::black);
        QPainter p(&img);
        painel.pintarFundo(p, regiao);
        return img;
    };
    const QRegion tudo(painel.rect());
    QCOMPARE(desenho(tudo).pixelColor(22, 32), QColor(Qt::blue));
    vermelha->show();
    amarela->show();
    verde->show();
    QCOMPARE(camada.em(QPoint(27, 32)), amarela);
    QCOMPARE(camada.em(QPoint(22, 32)), vermelha);
    QCOMPARE(camada.em(QPoint(5, 5)), nullptr);
    const QImage acesas = desenho(tudo);
    QCOMPARE(acesas.pixelColor(22, 32), QColor(Qt::red));
    QCOMPARE(acesas.pixelColor(27, 32), QColor(Qt::yellow));
    QCOMPARE(acesas.pixelColor(153, 83), QColor(Qt::green));
    QCOMPARE(acesas.pixelColor(155, 85), QColor(Qt::blue));
    // Painting a few places leaves the rest as it was.
    const QImage partes = desenho(QRegion(20, 30, 3, 3) + QRegion(26, 31, 2, 8));
    QCOMPARE(partes.pixelColor(22, 32), QColor(Qt::red));
    QCOMPARE(partes.pixelColor(27, 32), QColor(Qt::yellow));
    QCOMPARE(partes.pixelColor(24, 32), QColor(Qt::black));
    amarela->hide();
    QCOMPARE(desenho(tudo).pixelColor(27, 32), QColor(Qt::red));

    // A solid picture, laid over the panel's picture once, shows as the
    // same picture blended at every paint does, and follows the panel's
    // picture when that changes.
    ImagemCamada* solida = camada.criar(QStringLiteral("S"), true);
    ImagemCamada* comum = camada.criar(QStringLiteral("C"), true);
    solida->setSolida(true);
    for (ImagemCamada* i : {solida, comum}) {
        i->setPicture(cor(QColor(255, 0, 0, 128)));
        i->show();
    }
    solida->setGeometry(QRect(60, 10, 1, 1));
    comum->setGeometry(QRect(80, 10, 1, 1));
    QImage meias = desenho(tudo);
    QCOMPARE(meias.pixelColor(62, 12), meias.pixelColor(82, 12));
    QVERIFY(meias.pixelColor(62, 12) != QColor(Qt::blue));
    painel.setDesenho([](QPainter& p, const QRect& r) { p.fillRect(r, Qt::green); });
    meias = desenho(tudo);
    QCOMPARE(meias.pixelColor(62, 12), meias.pixelColor(82, 12));
    QVERIFY(meias.pixelColor(62, 12).green() > 0);
}

// ---------------------------------------------------------------------------
// Exercises and lessons

void TstPratica::fimDeLicao_data()
{
    QTest::addColumn<int>("licao");
    QTest::addColumn<QString>("linha");
    QTest::addColumn<QString>("janela");
    QTest::newRow("licao 1, teclas") << 1 << QStringLiteral("asdf") << QStringLiteral("FrmCom");
    QTest::newRow("licao 51, texto") << 51 << QStringLiteral("a casa") << QStringLiteral("FrmCom");
    QTest::newRow("licao 52, texto") << 52 << QStringLiteral("o fim") << QStringLiteral("FrmFim");
    QTest::newRow("licao 52, teclas") << 52 << QStringLiteral("jklç") << QStringLiteral("FrmFim");
}

void TstPratica::fimDeLicao()
{
    QFETCH(int, licao);
    QFETCH(QString, linha);
    QFETCH(QString, janela);
    auto j = EntrarCom(licao, {linha});
    FrmMain& w = j->w();
    const int tipo = Estado().TipoExercicio;
    const int tamanho = int(w.pratica.Licao.size());
    j->tecla(49);
    for (int s = 0; s < 3; ++s)
        w.pratica.TrmTpm_Timer();
    const qint16 velocidade = Estado().Velocidade;

    // What the result window finds when it opens.
    QStringList vistos;
    bool relogioParado = false;
    j->amb.dialogos.respostas << [&](QDialog* d) {
        if (auto* r = qobject_cast<JanelaDeResultado*>(d))
            vistos << r->LblAcetos->text() << r->LblErros->text() << r->LblPontos->text() << r->LblCpm->text();
        relogioParado = !w.pratica.TrmTpm.isActive();
    };
    j->completarExercicio();

    QCOMPARE(j->amb.dialogos.modais, QStringList{janela});
    QCOMPARE(vistos, (QStringList{QString::number(tamanho), QStringLiteral("1"),
                                  QString::number(100 * tamanho - 100), QString::number(velocidade)}));
    QVERIFY(relogioParado);
    QVERIFY(!w.pratica.TrmTpm.isActive());
    QCOMPARE(w.pratica.Modulo.ListCount(), 0);
    QCOMPARE(w.pratica.Modulo.indice, -1);
    QCOMPARE(w.LblAcertos->text(), QString());
    QCOMPARE(w.LblErros->text(), QString());
    QCOMPARE(w.LblPontos->text(), QStringLiteral("0"));
    QCOMPARE(w.Tpm->text(), QStringLiteral("0 TPM"));
    QCOMPARE(Twips::Left(w.Prog), -1620);
    QVERIFY(w.PicSeta->isHidden());
    QCOMPARE(Twips::Left(w.PicSeta), 1590);
    QVERIFY(VermelhasAcesas(w).isEmpty());
    QCOMPARE(w.LblLicao->isHidden(), tipo == 2);
    // The run's counts stay for the result window (which turns hits and
    // errors into percentages).
    QCOMPARE(Estado().TeclasDigitadas, qint16(tamanho + 1));
    QCOMPARE(Estado().Pontos, qint16(100 * tamanho - 100));
    QCOMPARE(Estado().Segundos, qint16(3));
    QCOMPARE(Estado().Velocidade, velocidade);
    QCOMPARE(Estado().LicaoAtual, qint16(licao));
}

void TstPratica::teclasNaIntroducaoDeOutroAluno()
{
    // Bia practises a one-exercise lesson and logs off near its end; Ana,
    // on the introduction, logs in next. Bia's text is still loaded, and
    // Ana's keys must neither type it nor finish it for her.
    Perfil bia;
    bia.licao = 2;
    bia.licaoMaxima = 2;
    Perfil ana;
    ana.licao = 0;
    JanelaTeste j({bia.linha().replace(QStringLiteral("Ana<"), QStringLiteral("Bia<")), ana.linha()});
    EscreverModulo(j.amb, 2, {QStringLiteral("asdf")});
    j->SelecionarUsuario(0);
    j.entrar(Senha);
    QCOMPARE(Estado().LicaoAtual, qint16(2));
    j.digitar(QStringLiteral("asdf ").repeated(7) + QStringLiteral("asd"));
    QCOMPARE(j->pratica.Licao, QStringLiteral("f "));
    j->CmdLogoff_Click();

    j->SelecionarUsuario(1);
    j.entrar(Senha);
    QCOMPARE(Estado().LicaoAtual, qint16(0));
    QVERIFY(!j->PicDedos->isHidden());
    j.amb.som.tocados.clear();
    j.amb.dialogos.modais.clear();
    const Contadores antes = Atuais();
    j.digitar(QStringLiteral("FF"));
    j.tecla(49);
    QCOMPARE(j->pratica.Licao, QStringLiteral("f "));
    QCOMPARE(Atuais(), antes);
    QVERIFY(j.amb.dialogos.modais.isEmpty());
    QVERIFY(j.amb.som.nomes().isEmpty());
    QCOMPARE(Estado().LicaoAtual, qint16(0));
    QCOMPARE(j.usuariosNoDisco().value(1), ana.linha());

    // The space bar (or Enter) there starts lesson 1, as Proxima Lição does.
    j.tecla(32);
    QCOMPARE(Estado().LicaoAtual, qint16(1));
    QVERIFY(j->PicDedos->isHidden());
    QCOMPARE(j->pratica.Modulo.indice, 0);
}


void TstPratica::progressoGravadoDepoisDoQuadro()
{
    auto j = EntrarCom(2, {QStringLiteral("asdf"), QStringLiteral("jklç"), QStringLiteral("asdf")});
    FrmMain& w = j->w();
    const QByteArray inicio = j->amb.ler(QStringLiteral("usuario.dat"));

    // The next exercise shows at once; its save waits for that frame.
    j->completarExercicio();
    QCOMPARE(w.pratica.Modulo.indice, 1);
    QVERIFY(w.usuarios.GravacaoPendente());
    QCOMPARE(j->amb.ler(QStringLiteral("usuario.dat")), inicio);
    QCoreApplication::processEvents();
    QVERIFY(!w.usuarios.GravacaoPendente());
    const QByteArray depois = j->amb.ler(QStringLiteral("usuario.dat"));
    QVERIFY(depois != inicio);

    // One still waiting is written at log-off, with the log-off's own.
    j->completarExercicio();
    QVERIFY(w.usuarios.GravacaoPendente());
    w.CmdLogoff_Click();
    QVERIFY(!w.usuarios.GravacaoPendente());
    QVERIFY(j->amb.ler(QStringLiteral("usuario.dat")) != depois);
}

QTEST_MAIN(TstPratica)
#include "tst_pratica.moc"
