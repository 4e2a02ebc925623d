// The practice engine of the main window, driven as a learner drives it: a
// user logs in on a lesson, keys arrive through PicSet, and the timers tick
// because the test calls their handlers.
#include "app/EstadoCurso.h"
#include "course/ModFun.h"
#include "fakes/JanelaTeste.h"
#include "ui/Imagem.h"
#include "ui/JanelaResultado.h"
#include "ui/PainelDesenhado.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

const QString Senha = QStringLiteral("segredo");

// A user record of usuario.dat with the fields a practice test cares about.
struct Perfil {
    int licao = 1;
    int exercicio = 1;
    int livre = 0;
    int teclas = 0;
    int segundos = 0;
    int erros = 0;
    int acertos = 0;
    int pontos = 0;
    int velocidade = 0;
    int licaoMaxima = 1;
    int exercicioMaximo = 1;

    QString linha() const
    {
        QStringList campos{QStringLiteral("Ana")};
        for (int v : {licao, exercicio})
            campos << QString::number(v);
        campos << QStringLiteral("100") << QStringLiteral("95");
        for (int v : {livre, teclas, segundos, erros, acertos, pontos, velocidade, 0, licaoMaxima, exercicioMaximo})
            campos << QString::number(v);
        campos << Senha;
        return campos.join(u'<');
    }
};

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

// The exercises of a lesson of the real course, from its source.
QStringList LinhasDaLicao(int n)
{
    QFile f(QStringLiteral(TECLOMATIC_SOURCE_DIR "/lessons/licao%1.txt").arg(n, 2, 10, QLatin1Char('0')));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

// What a learner types for one exercise line of a lesson of that kind.
QString TextoEsperado(const QString& linha, int tipo)
{
    if (tipo == 1)
        return QString(linha.toUpper() + u'/').repeated(8);
    return linha.toUpper().replace(u' ', u'/');
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

QStringList Acesas(const QMap<QString, Imagem*>& imagens)
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
    for (const Imagem* q : w.qLetra)
        r << !q->isHidden();
    return r;
}

struct Contadores {
    int teclas, acertos, erros, pontos;
    bool operator==(const Contadores&) const = default;
};

Contadores Atuais()
{
    const EstadoCurso& e = Estado();
    return {e.TeclasDigitadas, e.Acertos, e.Erros, e.Pontos};
}

QString Campo(const QString& registro, int n) { return registro.section(u'<', n - 1, n - 1); }

}

namespace QTest {
template <>
char* toString(const Contadores& c)
{
    return qstrdup(QStringLiteral("teclas %1, acertos %2, erros %3, pontos %4")
                       .arg(c.teclas).arg(c.acertos).arg(c.erros).arg(c.pontos).toUtf8().constData());
}
}

class TstPratica : public QObject {
    Q_OBJECT
private slots:
    // Key drill: the group of five, the caps and the arrow, the short block.
    void grupoDeCincoTeclas();
    void repoemComUltimaCapaVisivel();
    void amarelarTecla_data();
    void amarelarTecla();
    void aplicaLetra();

    // Judging keys.
    void teclaSemCaractereEhErro_data();
    void teclaSemCaractereEhErro();
    void letraIgnoraModificadores_data();
    void letraIgnoraModificadores();
    void enterEEspaco();
    void tecladoBRSemCedilha();
    void tecladoPortugues();
    void tabEhErroEFocoFicaEmPicSet();
    void dezErrosSeguidos();
    void contadoresNoLimite_data();
    void contadoresNoLimite();

    // Running text.
    void textoCorridoAcompanhaALinha();
    void cursorPisca();

    // Timers and live figures.
    void relogio_data();
    void relogio();
    void relogioSemTeclas();
    void relogioNoLimite();
    void barraDeRitmo();
    void setaSobeEDesce();

    // Exercises and lessons.
    void fimDeExercicio_data();
    void fimDeExercicio();
    void fimDeLicao_data();
    void fimDeLicao();
    void contadoresZeradosSoNoPrimeiroExercicio_data();
    void contadoresZeradosSoNoPrimeiroExercicio();
    void retomaOExercicioSalvo_data();
    void retomaOExercicioSalvo();
    void exercicioSalvoAlemDoFim_data();
    void exercicioSalvoAlemDoFim();
    void moduloAusente();
    void abreOModuloPeloNumeroSemZero();
    void teclasNaIntroducaoNaoContam();
    void teclasNaIntroducaoDeOutroAluno();
};

// ---------------------------------------------------------------------------
// Key drill

void TstPratica::grupoDeCincoTeclas()
{
    auto j = EntrarCom(2, {QStringLiteral("asdf"), QStringLiteral("jklç")});
    FrmMain& w = j->w();
    QCOMPARE(Estado().TipoExercicio, qint16(1));
    QCOMPARE(w.Licao, QStringLiteral("ASDF/").repeated(8));
    QCOMPARE(w.Licao.size(), 40);
    QCOMPARE(CapasVisiveis(w), QList<bool>({true, true, true, true, true}));
    QCOMPARE(Twips::Left(w.PicSeta), 1590);
    QVERIFY(!w.PicSeta->isHidden());
    QCOMPARE(Acesas(w.Amarelas), QStringList{QStringLiteral("A")});
    QCOMPARE(Acesas(w.Dedos), QStringList{QStringLiteral("S5")});

    const int setas[4] = {3720, 5835, 7935, 10035};
    const QString dedos[4] = {QStringLiteral("S4"), QStringLiteral("S3"), QStringLiteral("S2"), QStringLiteral("D1")};
    const QString teclas[4] = {QStringLiteral("S"), QStringLiteral("D"), QStringLiteral("F"), QStringLiteral("Space")};
    const int codigos[4] = {65, 83, 68, 70};
    for (int i = 0; i < 4; ++i) {
        j->tecla(codigos[i]);
        for (int k = 0; k < 5; ++k)
            QCOMPARE(w.qLetra[k]->isHidden(), k <= i);
        QCOMPARE(Twips::Left(w.PicSeta), setas[i]);
        QCOMPARE(Acesas(w.Amarelas), QStringList{teclas[i]});
        QCOMPARE(Acesas(w.Dedos), QStringList{dedos[i]});
        QVERIFY(!w.TeclasBloqueadas);
    }
    j->tecla(32);
    QCOMPARE(CapasVisiveis(w), QList<bool>({false, false, false, false, false}));
    QVERIFY(w.TeclasBloqueadas);
    QVERIFY(w.TrmRepoem->isActive());
    QCOMPARE(Twips::Left(w.PicSeta), 1590);
    QCOMPARE(Estado().GrupoLetras, qint16(5));
    QCOMPARE(w.Licao.size(), 35);
    QCOMPARE(Atuais(), (Contadores{5, 5, 0, 500}));

    // Keys pressed while the caps come back are dropped: right or wrong,
    // nothing is consumed, counted, shown or played.
    for (int codigo : {65, 49, 16, 32}) {
        j->tecla(codigo);
        QCOMPARE(w.Licao.size(), 35);
        QCOMPARE(Atuais(), (Contadores{5, 5, 0, 500}));
        QCOMPARE(w.LblAcertos->text(), QStringLiteral("5"));
        QCOMPARE(w.LblErros->text(), QStringLiteral("0"));
        QVERIFY(VermelhasAcesas(w).isEmpty());
        QVERIFY(j->amb.som.nomes().isEmpty());
    }

    // One cap per tick, left to right; the block lifts on the fifth.
    for (int tick = 1; tick <= 5; ++tick) {
        w.TrmRepoem_Timer();
        for (int k = 0; k < 5; ++k)
            QCOMPARE(w.qLetra[k]->isHidden(), k >= tick);
        QCOMPARE(w.TeclasBloqueadas, tick < 5);
        QCOMPARE(w.TrmRepoem->isActive(), tick < 5);
    }
    j->tecla(65);
    QCOMPARE(Atuais(), (Contadores{6, 6, 0, 600}));
    QVERIFY(w.qLetra[0]->isHidden());
    QCOMPARE(Twips::Left(w.PicSeta), 3720);
}

void TstPratica::repoemComUltimaCapaVisivel()
{
    auto j = EntrarCom(2, {QStringLiteral("asdf")});
    FrmMain& w = j->w();
    QCOMPARE(CapasVisiveis(w), QList<bool>({true, true, true, true, true}));
    w.TeclasBloqueadas = true;
    w.TrmRepoem->start();
    for (int tick = 0; tick < 3; ++tick) {
        w.TrmRepoem_Timer();
        QVERIFY(!w.TeclasBloqueadas);
        QVERIFY(w.TrmRepoem->isActive());
        QCOMPARE(CapasVisiveis(w), QList<bool>({true, true, true, true, true}));
        w.TeclasBloqueadas = true;
    }

    // Only the last cap missing: it comes back and the timer stops.
    w.qLetra[4]->hide();
    w.TrmRepoem_Timer();
    QVERIFY(!w.TeclasBloqueadas);
    QVERIFY(!w.TrmRepoem->isActive());
    QVERIFY(!w.qLetra[4]->isHidden());
}

void TstPratica::amarelarTecla_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QStringList>("teclas");
    QTest::addColumn<QStringList>("dedos");
    const QStringList nada;
    QTest::newRow("A") << QStringLiteral("ASDF/ASDF/") << QStringList{QStringLiteral("A")} << QStringList{QStringLiteral("S5")};
    QTest::newRow("espaco") << QStringLiteral("/JKL") << QStringList{QStringLiteral("Space")} << QStringList{QStringLiteral("D1")};
    QTest::newRow("enter") << QStringLiteral("#FIM") << QStringList{QStringLiteral("Enter")} << QStringList{QStringLiteral("D5")};
    QTest::newRow("cedilha") << QStringLiteral("ÇA") << QStringList{QStringLiteral("Ç")} << QStringList{QStringLiteral("D5")};
    QTest::newRow("virgula") << QStringLiteral(",") << QStringList{QStringLiteral("Virgula")} << QStringList{QStringLiteral("D3")};
    QTest::newRow("digito") << QStringLiteral("1A") << nada << nada;
    QTest::newRow("E agudo") << QStringLiteral("ÉA") << nada << nada;
    QTest::newRow("minuscula") << QStringLiteral("asdf") << nada << nada;
    QTest::newRow("vazio") << QString() << nada << nada;
}

void TstPratica::amarelarTecla()
{
    QFETCH(QString, texto);
    QFETCH(QStringList, teclas);
    QFETCH(QStringList, dedos);
    auto j = EntrarCom(2, {QStringLiteral("asdf")});
    FrmMain& w = j->w();
    w.Licao = texto;
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

    // A short line leaves the missing cap as it was; so do "#" and "/".
    w.AplicaLetra(QStringLiteral("lo."));
    QCOMPARE(w.qLetra[0]->picture().cacheKey(), w.Capas.value(QStringLiteral("TL")).cacheKey());
    QCOMPARE(w.qLetra[1]->picture().cacheKey(), w.Capas.value(QStringLiteral("TOO")).cacheKey());
    QCOMPARE(w.qLetra[2]->picture().cacheKey(), w.Capas.value(QStringLiteral("TPONTO")).cacheKey());
    QCOMPARE(w.qLetra[3]->picture().cacheKey(), w.Capas.value(QStringLiteral("TF")).cacheKey());
    w.AplicaLetra(QStringLiteral("q#/;"));
    QCOMPARE(w.qLetra[0]->picture().cacheKey(), w.Capas.value(QStringLiteral("TQ")).cacheKey());
    QCOMPARE(w.qLetra[1]->picture().cacheKey(), w.Capas.value(QStringLiteral("TOO")).cacheKey());
    QCOMPARE(w.qLetra[2]->picture().cacheKey(), w.Capas.value(QStringLiteral("TPONTO")).cacheKey());
    QCOMPARE(w.qLetra[3]->picture().cacheKey(), w.Capas.value(QStringLiteral("TDOISPONTOS")).cacheKey());
    QCOMPARE(w.qLetra[4]->picture().cacheKey(), branca);
}

// ---------------------------------------------------------------------------
// Judging keys

void TstPratica::teclaSemCaractereEhErro_data()
{
    QTest::addColumn<int>("codigo");
    QTest::newRow("Shift") << 16;
    QTest::newRow("Ctrl") << 17;
    QTest::newRow("Caps Lock") << 20;
    QTest::newRow("Backspace") << 8;
    QTest::newRow("digito 1") << 49;
    QTest::newRow("letra errada") << 74;
}

void TstPratica::teclaSemCaractereEhErro()
{
    QFETCH(int, codigo);
    auto j = EntrarCom(2, {QStringLiteral("asdf")});
    FrmMain& w = j->w();
    const int progAntes = Twips::Left(w.Prog);
    j->tecla(codigo);
    QCOMPARE(w.Licao, QStringLiteral("ASDF/").repeated(8));
    QCOMPARE(Atuais(), (Contadores{1, 0, 1, -100}));
    QCOMPARE(w.LblErros->text(), QStringLiteral("1"));
    QCOMPARE(w.LblPontos->text(), QStringLiteral("-100"));
    QCOMPARE(VermelhasAcesas(w), QList<int>{codigo});
    QCOMPARE(j->amb.som.nomes(), QStringList{QStringLiteral("erro")});
    QCOMPARE(w.Label1->text(), QString::number(codigo));
    // The guide keeps showing the expected key, the caps and the bar stay.
    QCOMPARE(Acesas(w.Amarelas), QStringList{QStringLiteral("A")});
    QCOMPARE(CapasVisiveis(w), QList<bool>({true, true, true, true, true}));
    QCOMPARE(Estado().GrupoLetras, qint16(5));
    QCOMPARE(Twips::Left(w.Prog), progAntes);

    // The right key afterwards clears the red one.
    j->tecla(65);
    QVERIFY(VermelhasAcesas(w).isEmpty());
    QCOMPARE(Atuais(), (Contadores{2, 1, 1, 0}));
}

void TstPratica::letraIgnoraModificadores_data()
{
    QTest::addColumn<int>("modificadores");
    QTest::addColumn<bool>("eventoReal");
    QTest::addColumn<int>("erros");
    QTest::newRow("sem modificador") << int(Qt::NoModifier) << false << 0;
    QTest::newRow("Shift") << int(Qt::ShiftModifier) << false << 0;
    QTest::newRow("sem modificador, tecla pelo evento") << int(Qt::NoModifier) << true << 0;
    // Held down first, Shift itself arrives as a key of its own: an error.
    QTest::newRow("Shift, tecla pelo evento") << int(Qt::ShiftModifier) << true << 2;
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
    QCOMPARE(w.Licao, QStringLiteral("DF/") + QStringLiteral("ASDF/").repeated(7));
    QCOMPARE(Atuais(), (Contadores{2 + erros, 2, erros, 200 - 100 * erros}));
    QCOMPARE(j->amb.som.nomes(), QStringList(erros, QStringLiteral("erro")));
}

void TstPratica::enterEEspaco()
{
    auto j = EntrarCom(30, {QStringLiteral("fim#de linha"), QStringLiteral("outra")});
    FrmMain& w = j->w();
    QCOMPARE(Estado().TipoExercicio, qint16(2));
    QCOMPARE(w.Licao, QStringLiteral("FIM#DE/LINHA"));
    j->digitar(QStringLiteral("FIM"));
    QCOMPARE(Acesas(w.Amarelas), QStringList{QStringLiteral("Enter")});
    QCOMPARE(Acesas(w.Dedos), QStringList{QStringLiteral("D5")});
    // Space where Enter is expected is wrong, and the other way round.
    j->tecla(32);
    QCOMPARE(Estado().Erros, qint16(1));
    j->tecla(13);
    QCOMPARE(w.Licao, QStringLiteral("DE/LINHA"));
    j->digitar(QStringLiteral("DE"));
    QCOMPARE(Acesas(w.Amarelas), QStringList{QStringLiteral("Space")});
    j->tecla(13);
    QCOMPARE(Estado().Erros, qint16(2));
    j->tecla(32);
    QCOMPARE(w.Licao, QStringLiteral("LINHA"));
    QCOMPARE(Estado().Acertos, qint16(7));
}

void TstPratica::tecladoBRSemCedilha()
{
    auto j = EntrarCom(30, {QStringLiteral("a caça"), QStringLiteral("outra")}, 1);
    FrmMain& w = j->w();
    QCOMPARE(w.Licao, QStringLiteral("A/CACA"));
    for (QLabel* l : {w.LblLicao[0], w.LblLicao[1]})
        QCOMPARE(l->text(), QStringLiteral("a caca"));
    QCOMPARE(w.LblLicao[2]->text(), QStringLiteral("a"));

    j->digitar(QStringLiteral("A CA"));
    QCOMPARE(w.LblLicao[2]->text(), QStringLiteral("c"));
    QCOMPARE(w.LblLicao[0]->text(), QStringLiteral("ca"));
    // The key right of L still gives Ç, which this text does not hold.
    j->tecla(186);
    QCOMPARE(Estado().Erros, qint16(1));
    j->tecla(67);
    QCOMPARE(w.Licao, QStringLiteral("A"));
    QCOMPARE(Estado().Acertos, qint16(5));
}

void TstPratica::tecladoPortugues()
{
    auto j = EntrarCom(30, {QStringLiteral("caçar"), QStringLiteral("outra")}, 2);
    FrmMain& w = j->w();
    QCOMPARE(w.Licao, QStringLiteral("CAÇAR"));
    j->digitar(QStringLiteral("CA"));
    QCOMPARE(Acesas(w.Amarelas), QStringList{QStringLiteral("Ç")});

    // A wrong key lights the red key at its place on the Portuguese picture.
    j->tecla(220);
    QCOMPARE(VermelhasAcesas(w), QList<int>{192});
    QCOMPARE(Estado().Erros, qint16(1));
    QCOMPARE(j->amb.som.nomes(), QStringList{QStringLiteral("erro")});

    j->tecla(192);
    QCOMPARE(w.Licao, QStringLiteral("AR"));
    QVERIFY(VermelhasAcesas(w).isEmpty());
    QCOMPARE(Estado().Acertos, qint16(3));
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
    QCOMPARE(w.Licao.size(), 40);
}

void TstPratica::dezErrosSeguidos()
{
    auto j = EntrarCom(2, {QStringLiteral("asdf")});
    FrmMain& w = j->w();
    QCOMPARE(Atuais(), (Contadores{0, 0, 0, 0}));
    for (int i = 0; i < 10; ++i)
        j->tecla(49 + i % 9);
    QCOMPARE(Atuais(), (Contadores{10, 0, 10, -1000}));
    QCOMPARE(w.LblErros->text(), QStringLiteral("10"));
    QCOMPARE(w.LblPontos->text(), QStringLiteral("-1000"));
    QCOMPARE(w.LblAcertos->text(), QStringLiteral("0"));
    QCOMPARE(w.Licao.size(), 40);
    QCOMPARE(j->amb.som.nomes().size(), 10);
}

void TstPratica::contadoresNoLimite_data()
{
    QTest::addColumn<bool>("acerto");
    QTest::addColumn<Contadores>("antes");
    QTest::addColumn<Contadores>("depois");
    QTest::newRow("acerto, tudo no limite") << true << Contadores{32767, 32767, 0, 32668} << Contadores{32767, 32767, 0, 32668};
    QTest::newRow("acerto, ultimo passo") << true << Contadores{32766, 32766, 0, 32667} << Contadores{32767, 32767, 0, 32767};
    QTest::newRow("erro, tudo no limite") << false << Contadores{32767, 0, 32767, -32669} << Contadores{32767, 0, 32767, -32669};
    QTest::newRow("erro, ultimo passo") << false << Contadores{32766, 0, 32766, -32668} << Contadores{32767, 0, 32767, -32768};
}

void TstPratica::contadoresNoLimite()
{
    QFETCH(bool, acerto);
    QFETCH(Contadores, antes);
    QFETCH(Contadores, depois);
    auto j = EntrarCom(2, {QStringLiteral("asdf")});
    FrmMain& w = j->w();
    EstadoCurso& e = Estado();
    e.TeclasDigitadas = qint16(antes.teclas);
    e.Acertos = qint16(antes.acertos);
    e.Erros = qint16(antes.erros);
    e.Pontos = qint16(antes.pontos);
    for (QLabel* l : {w.LblAcertos, w.LblErros, w.LblPontos})
        l->setText(QStringLiteral("?"));

    j->tecla(acerto ? 65 : 49);
    QCOMPARE(Atuais(), depois);
    QCOMPARE(w.LblPontos->text(), QString::number(depois.pontos));
    if (acerto) {
        QCOMPARE(w.LblAcertos->text(), QString::number(depois.acertos));
        QCOMPARE(w.Licao.size(), 39); // the key still counts as typed
    } else {
        QCOMPARE(w.LblErros->text(), QString::number(depois.erros));
        QCOMPARE(VermelhasAcesas(w), QList<int>{49});
    }
}

// ---------------------------------------------------------------------------
// Running text

void TstPratica::textoCorridoAcompanhaALinha()
{
    const QString linha = QStringLiteral("abc def ghij");
    QCOMPARE(linha.size(), 12);
    auto j = EntrarCom(30, {linha, QStringLiteral("outra")});
    FrmMain& w = j->w();
    QLabel* resto = w.LblLicao[0];
    QLabel* cinza = w.LblLicao[1];
    QLabel* cursor = w.LblLicao[2];
    QVERIFY(!w.FrameTexto->isHidden());
    QCOMPARE(CapasVisiveis(w), QList<bool>({false, false, false, false, false}));
    const QFontMetrics fm(cinza->font());
    QVERIFY(qAbs(cinza->x() - (w.FrameTexto->width() / 2 - fm.horizontalAdvance(linha) / 2)) <= 1);
    QCOMPARE(cinza->text(), linha);
    QCOMPARE(resto->text(), linha);
    QCOMPARE(resto->x(), cinza->x());
    QCOMPARE(cursor->text(), QStringLiteral("a"));

    j->digitar(QStringLiteral("ABC D"));
    QCOMPARE(resto->text(), QStringLiteral("ef ghij"));
    QCOMPARE(cinza->text(), linha);
    const int sexto = cinza->x() + fm.horizontalAdvance(linha.left(5));
    QCOMPARE(resto->x(), sexto);
    QCOMPARE(resto->y(), cinza->y());
    QVERIFY(qAbs(resto->x() + fm.horizontalAdvance(resto->text()) - (cinza->x() + fm.horizontalAdvance(linha))) <= 1);
    QCOMPARE(cursor->text(), QStringLiteral("e"));
    QCOMPARE(cursor->x(), sexto);
    QCOMPARE(cursor->y(), cinza->y());

    // An error moves nothing.
    j->tecla(49);
    QCOMPARE(resto->text(), QStringLiteral("ef ghij"));
    QCOMPARE(resto->x(), sexto);
    QCOMPARE(cursor->x(), sexto);
}

void TstPratica::cursorPisca()
{
    auto j = EntrarCom(30, {QStringLiteral("um")});
    FrmMain& w = j->w();
    QLabel* cursor = w.LblLicao[2];
    const bool escondido = cursor->isHidden();
    w.TrmUnder_Timer();
    QCOMPARE(cursor->isHidden(), !escondido);
    w.TrmUnder_Timer();
    QCOMPARE(cursor->isHidden(), escondido);
    w.TrmUnder_Timer();
    QCOMPARE(cursor->isHidden(), !escondido);

    // Once the lesson is over its labels are gone, and the cursor with them.
    j->completarExercicio();
    QVERIFY(w.LblLicao[0]->isHidden());
    for (int tick = 0; tick < 3; ++tick) {
        w.TrmUnder_Timer();
        QVERIFY(cursor->isHidden());
    }
}

// ---------------------------------------------------------------------------
// Timers and live figures

void TstPratica::relogio_data()
{
    QTest::addColumn<int>("teclas");
    QTest::addColumn<int>("segundos");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("velocidade");
    QTest::newRow("30 em 40") << 30 << 40 << QStringLiteral("45 TPM") << 45;
    QTest::newRow("15 em 20") << 15 << 20 << QStringLiteral("45 TPM") << 45;
    QTest::newRow("3 em 8, meio para o par abaixo") << 3 << 8 << QStringLiteral("22 TPM") << 22;
    QTest::newRow("47 em 120, meio para o par acima") << 47 << 120 << QStringLiteral("24 TPM") << 24;
    QTest::newRow("1 em 40, meio para o par acima") << 1 << 40 << QStringLiteral("2 TPM") << 2;
}

void TstPratica::relogio()
{
    QFETCH(int, teclas);
    QFETCH(int, segundos);
    QFETCH(QString, texto);
    QFETCH(int, velocidade);
    auto j = EntrarCom(2, {QStringLiteral("asdf"), QStringLiteral("jklç")});
    FrmMain& w = j->w();
    QVERIFY(w.TrmTpm->isActive());
    QCOMPARE(w.Tpm->text(), QStringLiteral("0 TPM"));
    // Keys spread over the seconds: hits and the odd error all count.
    int digitadas = 0;
    for (int s = 1; s <= segundos; ++s) {
        while (digitadas < teclas * s / segundos) {
            if (digitadas % 7 == 3)
                j->tecla(49);
            else
                j->digitar(w.Licao.left(1));
            ++digitadas;
        }
        w.TrmTpm_Timer();
    }
    QCOMPARE(Estado().TeclasDigitadas, qint16(teclas));
    QCOMPARE(Estado().Segundos, qint16(segundos));
    QCOMPARE(w.Tpm->text(), texto);
    QCOMPARE(Estado().Velocidade, qint16(velocidade));
    // The clock runs on across exercises of the lesson.
    QVERIFY(w.TrmTpm->isActive());
}

void TstPratica::relogioSemTeclas()
{
    auto j = EntrarCom(2, {QStringLiteral("asdf")});
    FrmMain& w = j->w();
    for (int s = 1; s <= 5; ++s) {
        w.TrmTpm_Timer();
        QCOMPARE(Estado().Segundos, qint16(s));
        QCOMPARE(w.Tpm->text(), QStringLiteral("0 TPM"));
        QCOMPARE(Estado().Velocidade, qint16(0));
    }
}

void TstPratica::relogioNoLimite()
{
    auto j = EntrarCom(2, {QStringLiteral("asdf")});
    FrmMain& w = j->w();
    EstadoCurso& e = Estado();
    e.Segundos = 32767;
    e.TeclasDigitadas = 32767;
    w.TrmTpm_Timer();
    QCOMPARE(e.Segundos, qint16(32767));
    QCOMPARE(w.Tpm->text(), QStringLiteral("60 TPM"));
    QCOMPARE(e.Velocidade, qint16(60));

    // A speed beyond 16 bits is shown but leaves Velocidade as it was.
    e.Segundos = 0;
    w.TrmTpm_Timer();
    QCOMPARE(e.Segundos, qint16(1));
    QCOMPARE(w.Tpm->text(), QStringLiteral("1966020 TPM"));
    QCOMPARE(e.Velocidade, qint16(60));
}

void TstPratica::barraDeRitmo()
{
    auto j = EntrarCom(2, {QStringLiteral("asdf")});
    FrmMain& w = j->w();
    QCOMPARE(Twips::Left(w.Prog), -1620);
    QVERIFY(!w.TrmProg->isActive());

    j->tecla(49);
    QCOMPARE(Twips::Left(w.Prog), -1620);
    QVERIFY(!w.TrmProg->isActive());

    j->tecla(65);
    QCOMPARE(Twips::Left(w.Prog), -150);
    QVERIFY(w.TrmProg->isActive());
    for (int tick = 1; tick <= 121; ++tick)
        w.TrmProg_Timer();
    QCOMPARE(Twips::Left(w.Prog), -1602);
    QVERIFY(w.TrmProg->isActive());

    // An error half-way leaves the draining bar alone.
    j->tecla(49);
    QCOMPARE(Twips::Left(w.Prog), -1602);
    QVERIFY(w.TrmProg->isActive());

    w.TrmProg_Timer();
    QCOMPARE(Twips::Left(w.Prog), -1614);
    QVERIFY(!w.TrmProg->isActive());

    // The next hit fills it again.
    j->tecla(83);
    QCOMPARE(Twips::Left(w.Prog), -150);
    QVERIFY(w.TrmProg->isActive());
}

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

// ---------------------------------------------------------------------------
// Exercises and lessons

void TstPratica::fimDeExercicio_data()
{
    QTest::addColumn<int>("licao");
    QTest::addColumn<int>("tipo");
    QTest::newRow("teclas, licao 1") << 1 << 1;
    QTest::newRow("texto corrido, licao 20") << 20 << 2;
}

void TstPratica::fimDeExercicio()
{
    QFETCH(int, licao);
    QFETCH(int, tipo);
    Perfil p;
    p.licao = licao;
    p.licaoMaxima = licao;
    auto j = Entrar(p);
    FrmMain& w = j->w();
    const QStringList linhas = LinhasDaLicao(licao);
    QVERIFY(linhas.size() > 2);
    QCOMPARE(w.Modulo.linhas, linhas);
    QCOMPARE(Estado().TipoExercicio, qint16(tipo));
    const QString antes = j->usuariosNoDisco().value(0);
    QCOMPARE(Campo(antes, 3), QStringLiteral("1"));

    j->completarExercicio();
    QCOMPARE(w.Modulo.indice, 1);
    QCOMPARE(w.Licao, TextoEsperado(linhas.at(1), tipo));
    QCOMPARE(w.LblCaption->text(), QStringLiteral("Usuário: Ana \\ Lição: %1 de 52 \\ Exercicio: 2 de %2")
                                       .arg(licao).arg(linhas.size()));
    const QString depois = j->usuariosNoDisco().value(0);
    QVERIFY(depois != antes);
    QCOMPARE(Campo(depois, 2), QString::number(licao));
    QCOMPARE(Campo(depois, 3), QStringLiteral("2"));
    QCOMPARE(Campo(depois, 15), QStringLiteral("2"));
    QVERIFY(j->amb.dialogos.modais.isEmpty());
    if (tipo == 1) {
        QCOMPARE(w.qLetra[0]->picture().cacheKey(),
                 w.Capas.value(QStringLiteral("T") + linhas.at(1).left(1).toUpper()).cacheKey());
    } else {
        QCOMPARE(w.LblLicao[1]->text(), linhas.at(1));
        QCOMPARE(w.LblLicao[0]->text(), linhas.at(1));
    }
    QCOMPARE(Acesas(w.Amarelas), QStringList{linhas.at(1).left(1).toUpper()});
}

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
    const int tamanho = int(w.Licao.size());
    j->tecla(49);
    for (int s = 0; s < 3; ++s)
        w.TrmTpm_Timer();
    const qint16 velocidade = Estado().Velocidade;

    // What the result window finds when it opens.
    QStringList vistos;
    bool relogioParado = false;
    j->amb.dialogos.respostas << [&](QDialog* d) {
        if (auto* r = qobject_cast<JanelaDeResultado*>(d))
            vistos << r->LblAcetos->text() << r->LblErros->text() << r->LblPontos->text() << r->LblCpm->text();
        relogioParado = !w.TrmTpm->isActive();
    };
    j->completarExercicio();

    QCOMPARE(j->amb.dialogos.modais, QStringList{janela});
    QCOMPARE(vistos, (QStringList{QString::number(tamanho), QStringLiteral("1"),
                                  QString::number(100 * tamanho - 100), QString::number(velocidade)}));
    QVERIFY(relogioParado);
    QVERIFY(!w.TrmTpm->isActive());
    QCOMPARE(w.Modulo.ListCount(), 0);
    QCOMPARE(w.Modulo.indice, -1);
    QCOMPARE(w.LblAcertos->text(), QString());
    QCOMPARE(w.LblErros->text(), QString());
    QCOMPARE(w.LblPontos->text(), QStringLiteral("0"));
    QCOMPARE(w.Tpm->text(), QStringLiteral("0 TPM"));
    QCOMPARE(Twips::Left(w.Prog), -1620);
    QVERIFY(w.PicSeta->isHidden());
    QCOMPARE(Twips::Left(w.PicSeta), 1590);
    QVERIFY(VermelhasAcesas(w).isEmpty());
    for (QLabel* l : w.LblLicao)
        QCOMPARE(l->isHidden(), tipo == 2);
    // The run's counts stay for the result window (which turns hits and
    // errors into percentages).
    QCOMPARE(Estado().TeclasDigitadas, qint16(tamanho + 1));
    QCOMPARE(Estado().Pontos, qint16(100 * tamanho - 100));
    QCOMPARE(Estado().Segundos, qint16(3));
    QCOMPARE(Estado().Velocidade, velocidade);
    QCOMPARE(Estado().LicaoAtual, qint16(licao));
}

void TstPratica::contadoresZeradosSoNoPrimeiroExercicio_data()
{
    QTest::addColumn<int>("licao");
    QTest::addColumn<int>("exercicio");
    QTest::newRow("teclas, exercicio 1") << 1 << 1;
    QTest::newRow("teclas, exercicio 3") << 1 << 3;
    QTest::newRow("texto corrido, exercicio 1") << 20 << 1;
    QTest::newRow("texto corrido, exercicio 3") << 20 << 3;
}

void TstPratica::contadoresZeradosSoNoPrimeiroExercicio()
{
    QFETCH(int, licao);
    QFETCH(int, exercicio);
    Perfil p;
    p.licao = licao;
    p.exercicio = exercicio;
    p.licaoMaxima = licao;
    p.exercicioMaximo = exercicio;
    p.teclas = 50;
    p.segundos = 60;
    p.erros = 5;
    p.acertos = 45;
    p.pontos = 4000;
    p.velocidade = 50;
    auto j = Entrar(p);
    FrmMain& w = j->w();
    QCOMPARE(w.Modulo.indice, exercicio - 1);
    const EstadoCurso& e = Estado();
    QCOMPARE(e.Velocidade, qint16(50));
    if (exercicio == 1) {
        QCOMPARE(Atuais(), (Contadores{0, 0, 0, 0}));
        QCOMPARE(e.Segundos, qint16(0));
        for (QLabel* l : {w.LblAcertos, w.LblErros, w.LblPontos})
            QCOMPARE(l->text(), QStringLiteral("0"));
        QCOMPARE(w.Tpm->text(), QStringLiteral("0 TPM"));
    } else {
        QCOMPARE(Atuais(), (Contadores{50, 45, 5, 4000}));
        QCOMPARE(e.Segundos, qint16(60));
        QCOMPARE(w.LblAcertos->text(), QStringLiteral("45"));
        QCOMPARE(w.LblErros->text(), QStringLiteral("5"));
        QCOMPARE(w.LblPontos->text(), QStringLiteral("4000"));
        // The clock carries on from the loaded figures.
        w.TrmTpm_Timer();
        QCOMPARE(e.Segundos, qint16(61));
        QCOMPARE(w.Tpm->text(), QStringLiteral("49 TPM"));
    }
}

void TstPratica::retomaOExercicioSalvo_data()
{
    QTest::addColumn<int>("licao");
    QTest::addColumn<int>("tipo");
    QTest::newRow("teclas, licao 1") << 1 << 1;
    QTest::newRow("texto corrido, licao 20") << 20 << 2;
}

void TstPratica::retomaOExercicioSalvo()
{
    QFETCH(int, licao);
    QFETCH(int, tipo);
    Perfil p;
    p.licao = licao;
    p.exercicio = 3;
    p.licaoMaxima = licao;
    p.exercicioMaximo = 3;
    auto j = Entrar(p);
    FrmMain& w = j->w();
    const QStringList linhas = LinhasDaLicao(licao);
    QCOMPARE(Estado().TipoExercicio, qint16(tipo));
    QCOMPARE(w.Modulo.indice, 2);
    QVERIFY(!w.Retomar);
    QCOMPARE(w.Licao, TextoEsperado(linhas.at(2), tipo));
    QVERIFY(w.LblCaption->text().endsWith(QStringLiteral("Exercicio: 3 de %1").arg(linhas.size())));
    if (tipo == 2)
        QCOMPARE(w.LblLicao[1]->text(), linhas.at(2));
    // Resuming writes nothing; the next exercise is saved again.
    QCOMPARE(j->usuariosNoDisco(), QStringList{p.linha()});

    j->completarExercicio();
    QCOMPARE(w.Modulo.indice, 3);
    const QString salvo = j->usuariosNoDisco().value(0);
    QCOMPARE(Campo(salvo, 3), QStringLiteral("4"));
    QCOMPARE(Campo(salvo, 15), QStringLiteral("4"));

    // Moving back within the lesson saves too.
    w.CmdAntExe_Click();
    QCOMPARE(Campo(j->usuariosNoDisco().value(0), 3), QStringLiteral("3"));
}

void TstPratica::exercicioSalvoAlemDoFim_data()
{
    QTest::addColumn<int>("licao");
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("exercicio");
    QTest::newRow("teclas, alem do fim") << 1 << 1 << QStringLiteral("99");
    QTest::newRow("texto corrido, alem do fim") << 20 << 2 << QStringLiteral("99");
    QTest::newRow("teclas, zero") << 1 << 1 << QStringLiteral("0");
    QTest::newRow("texto corrido, negativo") << 20 << 2 << QStringLiteral("-4");
}

void TstPratica::exercicioSalvoAlemDoFim()
{
    QFETCH(int, licao);
    QFETCH(int, tipo);
    QFETCH(QString, exercicio);
    Perfil p;
    p.licao = licao;
    p.exercicio = exercicio.toInt();
    p.licaoMaxima = licao;
    auto j = Entrar(p);
    FrmMain& w = j->w();
    const QStringList linhas = LinhasDaLicao(licao);
    QCOMPARE(w.Modulo.indice, 0);
    QCOMPARE(w.Licao, TextoEsperado(linhas.at(0), tipo));
    QVERIFY(w.LblCaption->text().endsWith(QStringLiteral("Exercicio: 1 de %1").arg(linhas.size())));
    QVERIFY(!w.Retomar);
    j->completarExercicio();
    QCOMPARE(w.Modulo.indice, 1);
    QCOMPARE(Campo(j->usuariosNoDisco().value(0), 3), QStringLiteral("2"));
}

void TstPratica::moduloAusente()
{
    Perfil p;
    p.licao = 5;
    p.licaoMaxima = 5;
    auto j = Entrar(p, [](JanelaTeste& jt) {
        QVERIFY(QFile::remove(jt.amb.caminho(QStringLiteral("Modulos/mod5.mod"))));
    });
    FrmMain& w = j->w();
    const QString mensagem = QStringLiteral("arquivo nao encontrado. reinstale o programa para corrigir o erro.");
    QCOMPARE(w.Modulo.ListCount(), 100);
    QCOMPARE(w.Modulo.linhas, QStringList(100, mensagem));
    QCOMPARE(Estado().TipoExercicio, qint16(2));
    QCOMPARE(w.LblCaption->text(), QStringLiteral("Usuário: Ana \\ Lição: 5 de 52 \\ Exercicio: 1 de 100"));
    QCOMPARE(w.Licao, QStringLiteral("ARQUIVO/NAO/ENCONTRADO./REINSTALE/O/PROGRAMA/PARA/CORRIGIR/O/ERRO."));
    QCOMPARE(w.LblLicao[1]->text(), mensagem);
    QVERIFY(j->amb.dialogos.mensagens.isEmpty());
    QVERIFY(j->amb.dialogos.modais.isEmpty());
}

void TstPratica::abreOModuloPeloNumeroSemZero()
{
    Perfil p;
    p.licao = 7;
    p.licaoMaxima = 7;
    auto j = Entrar(p, [](JanelaTeste& jt) {
        EscreverModulo(jt.amb, 7, {QStringLiteral("qwer"), QStringLiteral("tyui")});
        EscreverModulo(jt.amb, 7, {QStringLiteral("zzzz")}, QStringLiteral("Modulos/mod07.mod"));
    });
    FrmMain& w = j->w();
    QCOMPARE(w.Modulo.linhas, (QStringList{QStringLiteral("qwer"), QStringLiteral("tyui")}));
    QCOMPARE(w.Licao, QStringLiteral("QWER/").repeated(8));
    QVERIFY(w.LblCaption->text().endsWith(QStringLiteral("Exercicio: 1 de 2")));
}

void TstPratica::teclasNaIntroducaoNaoContam()
{
    // A new learner starts on the introduction: no lesson is open, so a key
    // is neither a hit nor an error, and above all it finishes no lesson.
    Perfil p;
    p.licao = 0;
    p.teclas = 12;
    p.acertos = 10;
    p.erros = 2;
    p.pontos = 800;
    auto j = Entrar(p);
    FrmMain& w = j->w();
    QVERIFY(!w.PicDedos->isHidden());
    for (int codigo : {65, 49, 32, 13, 9})
        j->tecla(codigo);
    QVERIFY(j->amb.dialogos.modais.isEmpty());
    QVERIFY(j->amb.som.nomes().isEmpty());
    QCOMPARE(Atuais(), (Contadores{12, 10, 2, 800}));
    QVERIFY(VermelhasAcesas(w).isEmpty());
    QVERIFY(!w.TrmTpm->isActive());
    QCOMPARE(j->usuariosNoDisco(), QStringList{p.linha()});

    // Back on the introduction from lesson 1, the lesson's text stays
    // behind the picture untouched.
    w.CmdProx2_Click();
    QCOMPARE(Estado().LicaoAtual, qint16(1));
    j->digitar(QStringLiteral("FF"));
    QCOMPARE(Estado().Acertos, qint16(2));
    w.CmdAnt2_Click();
    QCOMPARE(Estado().LicaoAtual, qint16(0));
    const QString licao = w.Licao;
    const int indice = w.Modulo.indice;
    j->amb.som.tocados.clear();
    j->completarExercicio();
    j->tecla(49);
    QCOMPARE(w.Licao, licao);
    QCOMPARE(w.Modulo.indice, indice);
    QCOMPARE(Atuais(), (Contadores{2, 2, 0, 200}));
    QVERIFY(j->amb.som.nomes().isEmpty());
    QVERIFY(j->amb.dialogos.modais.isEmpty());

    // Forward again, the lesson starts afresh and keys count.
    w.CmdProx2_Click();
    j->digitar(QStringLiteral("F"));
    QCOMPARE(Estado().Acertos, qint16(1));
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
    j.digitar(QStringLiteral("ASDF/ASDF/ASDF/ASDF/ASDF/ASDF/ASDF/ASD"));
    QCOMPARE(j->Licao, QStringLiteral("F/"));
    j->CmdLogoff_Click();

    j->SelecionarUsuario(1);
    j.entrar(Senha);
    QCOMPARE(Estado().LicaoAtual, qint16(0));
    QVERIFY(!j->PicDedos->isHidden());
    j.amb.som.tocados.clear();
    j.amb.dialogos.modais.clear();
    const Contadores antes = Atuais();
    j.digitar(QStringLiteral("F/"));
    j.tecla(49);
    QCOMPARE(j->Licao, QStringLiteral("F/"));
    QCOMPARE(Atuais(), antes);
    QVERIFY(j.amb.dialogos.modais.isEmpty());
    QVERIFY(j.amb.som.nomes().isEmpty());
    QCOMPARE(Estado().LicaoAtual, qint16(0));
    QCOMPARE(j.usuariosNoDisco().value(1), ana.linha());
}

QTEST_MAIN(TstPratica)
#include "tst_pratica.moc"
