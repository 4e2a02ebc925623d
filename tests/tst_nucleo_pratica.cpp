// The practice session without a window: judging keys, the group of five
// and the keys that arrive while the caps come back, the counters, the speed
// clock and the rhythm bar, the end of an exercise and of a lesson, resuming
// and navigating. Timers are driven by calling their tick handlers.
#include "Treino.h"

#include "app/EstadoCurso.h"

#include <QFile>
#include <QtTest>

namespace {

using S = SessaoPratica;
Contadores Atuais() { return Contadores::Atuais(); }

// A learner logged in on lesson `licao`, whose module holds `linhas`.
std::unique_ptr<Treino> Com(int licao, const QStringList& linhas, int tipoTeclado = 0)
{
    Perfil p;
    p.licao = p.licaoMaxima = licao;
    auto t = std::make_unique<Treino>(QStringList{p.linha()});
    t->escreverModulo(licao, linhas);
    Estado().TipoTeclado = qint16(tipoTeclado);
    t->entrar();
    return t;
}

std::unique_ptr<Treino> Com(const Perfil& p)
{
    auto t = std::make_unique<Treino>(QStringList{p.linha()});
    t->entrar();
    return t;
}

QList<bool> Capas(const S& s) { return QList<bool>(s.CapasVisiveis.begin(), s.CapasVisiveis.end()); }

}


class TstNucleoPratica : public QObject {
    Q_OBJECT
private slots:
    void grupoDeCincoTeclas();
    void teclasDuranteOBloqueioEsperamAVez();
    void repoemComUltimaCapaVisivel();
    void teclaSemCaractereEhErro_data();
    void teclaSemCaractereEhErro();
    void modificadoresSozinhosNaoContam();
    void enterEspacoECedilha();
    void contadoresNoLimite_data();
    void contadoresNoLimite();
    void relogio_data();
    void relogio();
    void relogioNoLimite();
    void relogioSoEnquantoSeDigita();
    void barraDeRitmo();
    void fimDeExercicio_data();
    void fimDeExercicio();
    void fimDeLicao_data();
    void fimDeLicao();
    void contadoresZeradosSoNoPrimeiroExercicio();
    void retomaOExercicioSalvo_data();
    void retomaOExercicioSalvo();
    void moduloAusenteEPeloNumeroSemZero();
    void navegacao();
    void teclasNaIntroducaoNaoContam();
    void teclasEmEsperaSaemAoMudarDeLugar_data();
    void teclasEmEsperaSaemAoMudarDeLugar();
    void teclaRepetidaNaoConta();
};

void TstNucleoPratica::grupoDeCincoTeclas()
{
    auto t = Com(2, {QStringLiteral("asdf"), QStringLiteral("jklç")});
    S& s = *t->sessao;
    QCOMPARE(Estado().TipoExercicio, qint16(1));
    QCOMPARE(s.Licao, QStringLiteral("asdf ").repeated(8));
    QCOMPARE(Capas(s), QList<bool>({true, true, true, true, true}));
    QCOMPARE(s.SetaLeft, 1590);
    QVERIFY(s.SetaVisivel);

    const int setas[4] = {3720, 5835, 7935, 10035};
    const int codigos[4] = {65, 83, 68, 70};
    for (int i = 0; i < 4; ++i) {
        t->tecla(codigos[i]);
        for (int k = 0; k < 5; ++k)
            QCOMPARE(s.CapasVisiveis[k], k > i);
        QCOMPARE(s.SetaLeft, setas[i]);
        QVERIFY(!s.TeclasBloqueadas);
    }
    t->tecla(32);
    QCOMPARE(Capas(s), QList<bool>({false, false, false, false, false}));
    QVERIFY(s.TeclasBloqueadas);
    QVERIFY(s.TrmRepoem.isActive());
    QCOMPARE(s.SetaLeft, 1590);
    QCOMPARE(Estado().GrupoLetras, qint16(5));
    QCOMPARE(Atuais(), (Contadores{5, 5, 0, 500}));
    QCOMPARE(s.PlacarAcertos, QStringLiteral("5"));

    // One cap per tick, left to right; the block lifts on the fifth.
    for (int tick = 1; tick <= 5; ++tick) {
        s.TrmRepoem_Timer();
        for (int k = 0; k < 5; ++k)
            QCOMPARE(s.CapasVisiveis[k], k < tick);
        QCOMPARE(s.TeclasBloqueadas, tick < 5);
        QCOMPARE(s.TrmRepoem.isActive(), tick < 5);
    }
    t->tecla(65);
    QCOMPARE(Atuais(), (Contadores{6, 6, 0, 600}));
    QCOMPARE(s.SetaLeft, 3720);
}

void TstNucleoPratica::teclasDuranteOBloqueioEsperamAVez()
{
    // A fluent typist's next keys arrive while the caps come back: none is
    // lost and they are judged in order once the block lifts.
    auto t = Com(2, {QStringLiteral("asdf"), QStringLiteral("jklç")});
    S& s = *t->sessao;
    for (int c : {65, 83, 68, 70, 32})
        t->tecla(c);
    QVERIFY(s.TeclasBloqueadas);
    for (int c : {65, 83, 49, 68}) // A S, a wrong key, D
        t->tecla(c);
    QCOMPARE(s.TeclasEmEspera(), 4);
    QCOMPARE(Atuais(), (Contadores{5, 5, 0, 500}));
    QVERIFY(t->sons().isEmpty());
    for (int tick = 0; tick < 4; ++tick)
        s.TrmRepoem_Timer();
    QCOMPARE(Atuais(), (Contadores{5, 5, 0, 500}));
    s.TrmRepoem_Timer();
    QCOMPARE(s.TeclasEmEspera(), 0);
    QCOMPARE(Atuais(), (Contadores{9, 8, 1, 700}));
    QCOMPARE(s.Licao, QStringLiteral("f ") + QStringLiteral("asdf ").repeated(6));
    QCOMPARE(t->sons(), QStringList{QStringLiteral("erro")});
    QCOMPARE(s.SetaLeft, 7935);

    // A queue that runs past the next group waits for that block as well,
    // and across the end of an exercise.
    for (int c : {70, 32, 65, 83})
        t->tecla(c);
    QVERIFY(s.TeclasBloqueadas);
    QCOMPARE(s.TeclasEmEspera(), 2);
    while (s.TeclasBloqueadas)
        s.TrmRepoem_Timer();
    QCOMPARE(s.Licao, QStringLiteral("df ") + QStringLiteral("asdf ").repeated(5));
    t->digitar(s.Licao);
    QCOMPARE(s.Modulo.indice, 1);
    QCOMPARE(Estado().Erros, qint16(1));

    // Opening another exercise forgets keys still waiting for the old one.
    for (int c : {74, 75, 76, 186, 32, 74})
        t->tecla(c);
    QCOMPARE(s.TeclasEmEspera(), 1);
    s.ExercicioAnterior();
    QCOMPARE(s.TeclasEmEspera(), 0);
}

void TstNucleoPratica::repoemComUltimaCapaVisivel()
{
    auto t = Com(2, {QStringLiteral("asdf")});
    S& s = *t->sessao;
    s.TeclasBloqueadas = true;
    s.TrmRepoem.start();
    for (int tick = 0; tick < 3; ++tick) {
        s.TrmRepoem_Timer();
        QVERIFY(!s.TeclasBloqueadas);
        QVERIFY(s.TrmRepoem.isActive());
        s.TeclasBloqueadas = true;
    }
    // Only the last cap missing: it comes back and the timer stops.
    s.CapasVisiveis[4] = false;
    s.TrmRepoem_Timer();
    QVERIFY(!s.TeclasBloqueadas);
    QVERIFY(!s.TrmRepoem.isActive());
    QVERIFY(s.CapasVisiveis[4]);
}

void TstNucleoPratica::teclaSemCaractereEhErro_data()
{
    QTest::addColumn<int>("codigo");
    QTest::newRow("Backspace") << 8;
    QTest::newRow("Tab") << 9;
    QTest::newRow("digito 1") << 49;
    QTest::newRow("letra errada") << 74;
}

void TstNucleoPratica::teclaSemCaractereEhErro()
{
    QFETCH(int, codigo);
    auto t = Com(2, {QStringLiteral("asdf")});
    S& s = *t->sessao;
    t->tecla(codigo);
    QCOMPARE(s.Licao, QStringLiteral("asdf ").repeated(8));
    QCOMPARE(Atuais(), (Contadores{1, 0, 1, -100}));
    QCOMPARE(s.PlacarErros, QStringLiteral("1"));
    QCOMPARE(s.PlacarPontos, QStringLiteral("-100"));
    QCOMPARE(s.TeclaVermelha, codigo);
    QCOMPARE(t->sons(), QStringList{QStringLiteral("erro")});
    QCOMPARE(Capas(s), QList<bool>({true, true, true, true, true}));
    QCOMPARE(s.ProgLeft, S::ProgVazio);

    // The right key afterwards clears the red one.
    t->tecla(65);
    QCOMPARE(s.TeclaVermelha, -1);
    QCOMPARE(Atuais(), (Contadores{2, 1, 1, 0}));

    // Ten errors in a row.
    for (int i = 0; i < 9; ++i)
        t->tecla(49);
    QCOMPARE(Atuais(), (Contadores{11, 1, 10, -900}));
}

void TstNucleoPratica::modificadoresSozinhosNaoContam()
{
    // Shift, Ctrl, Alt / Alt Gr, Caps Lock, the system keys and Num Lock
    // pressed alone are neither hits nor errors; a capital typed with Shift
    // is a hit.
    auto t = Com(30, {QStringLiteral("Ana Lia"), QStringLiteral("outra")});
    S& s = *t->sessao;
    for (int c : {16, 65, 17, 18, 20, 78, 91, 92, 144, 16, 65, 32, 16, 76})
        t->tecla(c);
    QCOMPARE(s.Licao, QStringLiteral("ia"));
    QCOMPARE(Atuais(), (Contadores{5, 5, 0, 500}));
    QCOMPARE(s.TeclaVermelha, -1);
    QVERIFY(t->sons().isEmpty());
}

void TstNucleoPratica::enterEspacoECedilha()
{
    {
        auto t = Com(30, {QStringLiteral("fim#de linha"), QStringLiteral("outra")});
        S& s = *t->sessao;
        QCOMPARE(Estado().TipoExercicio, qint16(2));
        QCOMPARE(s.Licao, QStringLiteral("fim\nde linha"));
        t->digitar(QStringLiteral("FIM"));
        t->tecla(32); // Space where Enter is expected
        QCOMPARE(Estado().Erros, qint16(1));
        t->tecla(13);
        t->digitar(QStringLiteral("DE"));
        t->tecla(13); // Enter where Space is expected
        QCOMPARE(Estado().Erros, qint16(2));
        t->tecla(32);
        QCOMPARE(s.Licao, QStringLiteral("linha"));
        QCOMPARE(Estado().Acertos, qint16(7));
    }
    {
        // BR keyboard: no cedilla key, the text shows and expects a plain c.
        auto t = Com(30, {QStringLiteral("a caça"), QStringLiteral("outra")}, 1);
        S& s = *t->sessao;
        QCOMPARE(s.Licao, QStringLiteral("a caca"));
        QCOMPARE(s.LinhaMostrada(), QStringLiteral("a caca"));
        t->digitar(QStringLiteral("A CA"));
        t->tecla(186);
        QCOMPARE(Estado().Erros, qint16(1));
        t->tecla(67);
        QCOMPARE(s.Licao, QStringLiteral("a"));
    }
    {
        // Portuguese keyboard: Ç has its own key, and a wrong key's red
        // image lies at its place on the Portuguese picture.
        auto t = Com(30, {QStringLiteral("caçar"), QStringLiteral("outra")}, 2);
        S& s = *t->sessao;
        t->digitar(QStringLiteral("CA"));
        t->tecla(220);
        QCOMPARE(s.TeclaVermelha, 192);
        t->tecla(192);
        QCOMPARE(s.Licao, QStringLiteral("ar"));
        QCOMPARE(s.TeclaVermelha, -1);
        QCOMPARE(Atuais(), (Contadores{4, 3, 1, 200}));
    }
}

void TstNucleoPratica::contadoresNoLimite_data()
{
    QTest::addColumn<bool>("acerto");
    QTest::addColumn<Contadores>("antes");
    QTest::addColumn<Contadores>("depois");
    QTest::newRow("acerto, tudo no limite") << true << Contadores{32767, 32767, 0, 32668} << Contadores{32767, 32767, 0, 32668};
    QTest::newRow("acerto, ultimo passo") << true << Contadores{32766, 32766, 0, 32667} << Contadores{32767, 32767, 0, 32767};
    QTest::newRow("erro, tudo no limite") << false << Contadores{32767, 0, 32767, -32669} << Contadores{32767, 0, 32767, -32669};
    QTest::newRow("erro, ultimo passo") << false << Contadores{32766, 0, 32766, -32668} << Contadores{32767, 0, 32767, -32768};
}

void TstNucleoPratica::contadoresNoLimite()
{
    QFETCH(bool, acerto);
    QFETCH(Contadores, antes);
    QFETCH(Contadores, depois);
    auto t = Com(2, {QStringLiteral("asdf")});
    S& s = *t->sessao;
    EstadoCurso& e = Estado();
    e.TeclasDigitadas = qint16(antes.teclas);
    e.Acertos = qint16(antes.acertos);
    e.Erros = qint16(antes.erros);
    e.Pontos = qint16(antes.pontos);
    t->tecla(acerto ? 65 : 49);
    QCOMPARE(Atuais(), depois);
    QCOMPARE(s.PlacarPontos, QString::number(depois.pontos));
    QCOMPARE(acerto ? s.PlacarAcertos : s.PlacarErros, QString::number(acerto ? depois.acertos : depois.erros));
    QCOMPARE(s.Licao.size(), acerto ? 39 : 40); // a hit still counts as typed
}

void TstNucleoPratica::relogio_data()
{
    QTest::addColumn<int>("teclas");
    QTest::addColumn<int>("segundos");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("velocidade");
    QTest::newRow("30 em 40") << 30 << 40 << QStringLiteral("45 TPM") << 45;
    QTest::newRow("3 em 8, meio para o par abaixo") << 3 << 8 << QStringLiteral("22 TPM") << 22;
    QTest::newRow("47 em 120, meio para o par acima") << 47 << 120 << QStringLiteral("24 TPM") << 24;
    QTest::newRow("nenhuma tecla") << 0 << 5 << QStringLiteral("0 TPM") << 0;
}

void TstNucleoPratica::relogio()
{
    QFETCH(int, teclas);
    QFETCH(int, segundos);
    QFETCH(QString, texto);
    QFETCH(int, velocidade);
    auto t = Com(2, {QStringLiteral("asdf"), QStringLiteral("jklç")});
    S& s = *t->sessao;
    QCOMPARE(s.PlacarTpm, QStringLiteral("0 TPM"));
    int digitadas = 0;
    for (int seg = 1; seg <= segundos; ++seg) {
        while (digitadas < teclas * seg / segundos) {
            if (digitadas % 7 == 3)
                t->tecla(49);
            else
                t->digitar(s.Licao.left(1));
            ++digitadas;
        }
        s.TrmTpm_Timer();
    }
    QCOMPARE(Estado().TeclasDigitadas, qint16(teclas));
    QCOMPARE(Estado().Segundos, qint16(segundos));
    QCOMPARE(s.PlacarTpm, texto);
    QCOMPARE(Estado().Velocidade, qint16(velocidade));
    QCOMPARE(s.TrmTpm.isActive(), teclas > 0); // on across the exercises of the lesson
}

// The clock counts the time in which the learner can type: from the first
// key of a lesson run, without the time a window stood over the practice.
void TstNucleoPratica::relogioSoEnquantoSeDigita()
{
    auto t = Com(2, {QStringLiteral("asdf"), QStringLiteral("jklç")});
    S& s = *t->sessao;
    qint64 agora = 0;
    s.Relogio = [&agora] { return agora; };
    agora = 30000; // reading the first line is no typing
    QVERIFY(!s.TrmTpm.isActive());
    t->tecla(65);
    QVERIFY(s.TrmTpm.isActive());
    QCOMPARE(s.TrmTpm.interval(), 1000);
    agora += 1000;
    s.TrmTpm_Timer();
    // A window 400 ms into the second stops it, however long it stays open;
    // a modifier alone does not start it again, the next key does, with the
    // 600 ms left of that second.
    agora += 400;
    s.PausarRelogio();
    QVERIFY(!s.TrmTpm.isActive());
    agora += 10000;
    t->tecla(16);
    QVERIFY(!s.TrmTpm.isActive());
    t->tecla(83);
    QVERIFY(s.TrmTpm.isActive());
    QCOMPARE(s.TrmTpm.interval(), 600);
    agora += 600;
    s.TrmTpm_Timer();
    QCOMPARE(s.TrmTpm.interval(), 1000);
    QCOMPARE(Estado().Segundos, qint16(2));
    QCOMPARE(s.PlacarTpm, QStringLiteral("60 TPM"));
    // A lesson opened again waits for its first key, from a whole second.
    s.PausarRelogio();
    s.AbrirLicao(2);
    QVERIFY(!s.TrmTpm.isActive());
    t->tecla(65);
    QCOMPARE(s.TrmTpm.interval(), 1000);
}

void TstNucleoPratica::relogioNoLimite()
{
    auto t = Com(2, {QStringLiteral("asdf")});
    S& s = *t->sessao;
    EstadoCurso& e = Estado();
    e.Segundos = 32767;
    e.TeclasDigitadas = 32767;
    s.TrmTpm_Timer();
    QCOMPARE(e.Segundos, qint16(32767));
    QCOMPARE(s.PlacarTpm, QStringLiteral("60 TPM"));
    // A speed beyond 16 bits is shown but leaves Velocidade as it was.
    e.Segundos = 0;
    s.TrmTpm_Timer();
    QCOMPARE(s.PlacarTpm, QStringLiteral("1966020 TPM"));
    QCOMPARE(e.Velocidade, qint16(60));
}

void TstNucleoPratica::barraDeRitmo()
{
    auto t = Com(2, {QStringLiteral("asdf")});
    S& s = *t->sessao;
    t->tecla(49);
    QCOMPARE(s.ProgLeft, -1620);
    QVERIFY(!s.TrmProg.isActive());
    t->tecla(65);
    QCOMPARE(s.ProgLeft, -150);
    QVERIFY(s.TrmProg.isActive());
    for (int tick = 1; tick <= 121; ++tick)
        s.TrmProg_Timer();
    QCOMPARE(s.ProgLeft, -1602);
    t->tecla(49); // an error leaves the draining bar alone
    QCOMPARE(s.ProgLeft, -1602);
    s.TrmProg_Timer();
    QCOMPARE(s.ProgLeft, -1614);
    QVERIFY(!s.TrmProg.isActive());
}

void TstNucleoPratica::fimDeExercicio_data()
{
    QTest::addColumn<int>("licao");
    QTest::addColumn<int>("tipo");
    QTest::newRow("teclas, licao 1") << 1 << 1;
    QTest::newRow("texto corrido, licao 52") << 52 << 2;
}

void TstNucleoPratica::fimDeExercicio()
{
    QFETCH(int, licao);
    QFETCH(int, tipo);
    Perfil p;
    p.licao = p.licaoMaxima = licao;
    auto t = Com(p);
    S& s = *t->sessao;
    const QStringList linhas = LinhasDaLicao(licao);
    QCOMPARE(s.Modulo.linhas, linhas);
    QCOMPARE(s.TipoExercicio(), tipo);
    t->completarExercicio();
    QCOMPARE(s.Modulo.indice, 1);
    QCOMPARE(s.Licao, TextoEsperado(linhas.at(1), tipo));
    QCOMPARE(s.Caption(), QStringLiteral("Usuário: Ana \\ Lição: %1 de 52 \\ Exercicio: 2 de %2")
                              .arg(licao).arg(linhas.size()));
    // The next exercise is saved as the learner's position and frontier.
    const QString salvo = t->usuariosNoDisco().value(0);
    QCOMPARE(Campo(salvo, 2), QString::number(licao));
    QCOMPARE(Campo(salvo, 3), QStringLiteral("2"));
    QCOMPARE(Campo(salvo, 15), QStringLiteral("2"));
    QCOMPARE(t->licoesTerminadas, 0);
}

void TstNucleoPratica::fimDeLicao_data()
{
    QTest::addColumn<int>("licao");
    QTest::addColumn<QString>("linha");
    QTest::newRow("teclas") << 1 << QStringLiteral("asdf");
    QTest::newRow("texto") << 52 << QStringLiteral("o fim");
}

void TstNucleoPratica::fimDeLicao()
{
    QFETCH(int, licao);
    QFETCH(QString, linha);
    auto t = Com(licao, {linha});
    S& s = *t->sessao;
    const int tamanho = int(s.Licao.size());
    t->tecla(49);
    for (int seg = 0; seg < 3; ++seg)
        s.TrmTpm_Timer();
    const qint16 velocidade = Estado().Velocidade;
    bool relogioParado = false;
    connect(&s, &S::licaoTerminada, this, [&] { relogioParado = !s.TrmTpm.isActive(); });
    t->completarExercicio();

    QCOMPARE(t->licoesTerminadas, 1);
    QVERIFY(relogioParado);
    QCOMPARE(s.Modulo.ListCount(), 0);
    QCOMPARE(s.PlacarAcertos, QString());
    QCOMPARE(s.PlacarErros, QString());
    QCOMPARE(s.PlacarPontos, QStringLiteral("0"));
    QCOMPARE(s.PlacarTpm, QStringLiteral("0 TPM"));
    QCOMPARE(s.ProgLeft, -1620);
    QVERIFY(!s.SetaVisivel);
    QCOMPARE(s.TeclaVermelha, -1);
    // The run's counts stay for the result window.
    QCOMPARE(Atuais(), (Contadores{tamanho + 1, tamanho, 1, 100 * tamanho - 100}));
    QCOMPARE(Estado().Segundos, qint16(3));
    QCOMPARE(Estado().Velocidade, velocidade);

    // Keys after the end find nothing to type.
    t->tecla(65);
    QCOMPARE(Atuais(), (Contadores{tamanho + 1, tamanho, 1, 100 * tamanho - 100}));

    // The result window's Repetir starts the lesson again from zero.
    s.RecomecarLicao(0);
    QCOMPARE(Atuais(), (Contadores{0, 0, 0, 0}));
    QCOMPARE(s.Modulo.linhas, QStringList{linha});
    QCOMPARE(Estado().LicaoAtual, qint16(licao));
}

void TstNucleoPratica::contadoresZeradosSoNoPrimeiroExercicio()
{
    for (int exercicio : {1, 3}) {
        Perfil p;
        p.licao = p.licaoMaxima = 20;
        p.exercicio = p.exercicioMaximo = exercicio;
        p.teclas = 50;
        p.segundos = 60;
        p.erros = 5;
        p.acertos = 45;
        p.pontos = 4000;
        p.velocidade = 50;
        auto t = Com(p);
        S& s = *t->sessao;
        QCOMPARE(s.Modulo.indice, exercicio - 1);
        if (exercicio == 1) {
            QCOMPARE(Atuais(), (Contadores{0, 0, 0, 0}));
            QCOMPARE(s.PlacarAcertos, QStringLiteral("0"));
        } else {
            QCOMPARE(Atuais(), (Contadores{50, 45, 5, 4000}));
            s.TrmTpm_Timer(); // the clock carries on from the loaded figures
            QCOMPARE(Estado().Segundos, qint16(61));
            QCOMPARE(s.PlacarTpm, QStringLiteral("49 TPM"));
        }
    }
}

void TstNucleoPratica::retomaOExercicioSalvo_data()
{
    QTest::addColumn<int>("licao");
    QTest::addColumn<int>("exercicio");
    QTest::addColumn<int>("indice");
    QTest::newRow("teclas, exercicio 3") << 1 << 3 << 2;
    QTest::newRow("texto corrido, exercicio 3") << 52 << 3 << 2;
    QTest::newRow("alem do fim") << 52 << 99 << 0;
    QTest::newRow("zero") << 1 << 0 << 0;
}

void TstNucleoPratica::retomaOExercicioSalvo()
{
    QFETCH(int, licao);
    QFETCH(int, exercicio);
    QFETCH(int, indice);
    Perfil p;
    p.licao = p.licaoMaxima = licao;
    p.exercicio = p.exercicioMaximo = exercicio;
    auto t = Com(p);
    S& s = *t->sessao;
    QCOMPARE(s.Modulo.indice, indice);
    QVERIFY(!s.Retomar);
    QCOMPARE(s.Licao, TextoEsperado(LinhasDaLicao(licao).at(indice), s.TipoExercicio()));
    // Resuming writes nothing; the next exercise is saved again.
    QCOMPARE(t->usuariosNoDisco(), QStringList{p.linha()});
    t->completarExercicio();
    QCOMPARE(Campo(t->usuariosNoDisco().value(0), 3), QString::number(indice + 2));
    s.ExercicioAnterior();
    QCOMPARE(Campo(t->usuariosNoDisco().value(0), 3), QString::number(indice + 1));
}

void TstNucleoPratica::moduloAusenteEPeloNumeroSemZero()
{
    Perfil p;
    p.licao = p.licaoMaxima = 5;
    auto t = std::make_unique<Treino>(QStringList{p.linha()});
    QVERIFY(QFile::remove(t->caminho(QStringLiteral("Modulos/mod5.mod"))));
    t->escreverModulo(7, {QStringLiteral("qwer"), QStringLiteral("tyui")});
    t->escreverModulo(7, {QStringLiteral("zzzz")}, QStringLiteral("Modulos/mod07.mod"));
    t->entrar();
    S& s = *t->sessao;
    const QString mensagem = QStringLiteral("arquivo nao encontrado. reinstale o programa para corrigir o erro.");
    QCOMPARE(s.Modulo.linhas, QStringList(100, mensagem));
    QCOMPARE(s.TipoExercicio(), 2);
    QCOMPARE(s.Licao, mensagem);

    Estado().LicaoAtual = 7;
    s.AbrirLicao(7);
    QCOMPARE(s.Modulo.linhas, (QStringList{QStringLiteral("qwer"), QStringLiteral("tyui")}));
    QVERIFY(s.Caption().endsWith(QStringLiteral("Exercicio: 1 de 2")));
}

void TstNucleoPratica::navegacao()
{
    Perfil p;
    p.licao = p.licaoMaxima = 2;
    p.exercicio = p.exercicioMaximo = 2;
    auto t = Com(p);
    S& s = *t->sessao;
    // Not past the frontier exercise, nor past the highest lesson, without
    // the free course.
    QCOMPARE(s.ProximoExercicio(false), S::Passo::Recusado);
    QCOMPARE(s.ProximaLicao(false), S::Passo::Recusado);
    QCOMPARE(s.Modulo.indice, 1);
    QCOMPARE(Estado().LicaoAtual, qint16(2));
    // A red key left on the exercise goes when another one starts, and the
    // caps come back one by one.
    t->tecla(49);
    QCOMPARE(s.ExercicioAnterior(), S::Passo::Feito);
    QCOMPARE(s.TeclaVermelha, -1);
    QCOMPARE(Capas(s), QList<bool>({false, false, false, false, false}));
    QVERIFY(s.TrmRepoem.isActive());
    QCOMPARE(s.ExercicioAnterior(), S::Passo::Nenhum);
    QCOMPARE(s.ProximoExercicio(true), S::Passo::Feito);
    QCOMPARE(s.ProximaLicao(true), S::Passo::Feito);
    QCOMPARE(Estado().LicaoAtual, qint16(3));
    QCOMPARE(t->sons(), (QStringList{QStringLiteral("erro"), QStringLiteral("bip")}));
    QCOMPARE(s.LicaoAnterior(), S::Passo::Feito);
    Estado().LicaoAtual = 1;
    QCOMPARE(s.LicaoAnterior(), S::Passo::Introducao);
    QCOMPARE(s.LicaoAnterior(), S::Passo::Nenhum);
    Estado().LicaoAtual = 52;
    QCOMPARE(s.ProximaLicao(true), S::Passo::FimDoCurso);
}

void TstNucleoPratica::teclasNaIntroducaoNaoContam()
{
    Perfil p;
    p.licao = 0;
    p.teclas = 12;
    p.acertos = 10;
    p.erros = 2;
    p.pontos = 800;
    auto t = Com(p);
    S& s = *t->sessao;
    for (int codigo : {65, 49, 32, 13, 9})
        t->tecla(codigo);
    QVERIFY(t->sons().isEmpty());
    QCOMPARE(Atuais(), (Contadores{12, 10, 2, 800}));
    QVERIFY(!s.TrmTpm.isActive());
    QCOMPARE(t->usuariosNoDisco(), QStringList{p.linha()});

    // Back on the introduction from lesson 1, the lesson's text stays
    // behind the picture untouched.
    s.ProximaLicao(false);
    t->digitar(QStringLiteral("FF"));
    s.LicaoAnterior();
    const QString licao = s.Licao;
    t->completarExercicio();
    QCOMPARE(s.Licao, licao);
    QCOMPARE(t->licoesTerminadas, 0);
}

void TstNucleoPratica::teclasEmEsperaSaemAoMudarDeLugar_data()
{
    QTest::addColumn<int>("mudanca");
    QTest::newRow("exercicio seguinte") << 0;
    QTest::newRow("exercicio anterior") << 1;
    QTest::newRow("licao seguinte") << 2;
    QTest::newRow("introducao") << 3;
    QTest::newRow("logoff") << 4;
}

// Keys typed while the caps come back belong to the exercise on screen: a
// move elsewhere drops them rather than judge them there.
void TstNucleoPratica::teclasEmEsperaSaemAoMudarDeLugar()
{
    QFETCH(int, mudanca);
    Perfil p;
    p.exercicio = p.exercicioMaximo = 2;
    p.livre = 1;
    auto t = Com(p);
    S& s = *t->sessao;
    for (const ToqueDeTeste& k : ToquesDoTexto(s.Licao.left(5), 0))
        t->tecla(k.codigo, k.m);
    QVERIFY(s.TeclasBloqueadas);
    t->tecla(49);
    t->tecla(49);
    QCOMPARE(s.TeclasEmEspera(), 2);
    t->sons();
    switch (mudanca) {
    case 0: s.ProximoExercicio(true); break;
    case 1: s.ExercicioAnterior(); break;
    case 2: s.ProximaLicao(true); break;
    case 3: s.LicaoAnterior(); break;
    default: s.Fechar(); break;
    }
    QCOMPARE(s.TeclasEmEspera(), 0);
    for (int tick = 0; tick < 5; ++tick)
        s.TrmRepoem_Timer();
    QCOMPARE(Estado().Erros, qint16(0));
    QVERIFY(!t->sons().contains(QStringLiteral("erro")));
}

// A key held down is judged once: its repeats neither count, nor wait for
// the caps, nor start the clock.
void TstNucleoPratica::teclaRepetidaNaoConta()
{
    auto t = Com(2, {QStringLiteral("asdf")});
    S& s = *t->sessao;
    int a = 65;
    s.TeclaProx(a, {}, true);
    QCOMPARE(Atuais(), (Contadores{0, 0, 0, 0}));
    QVERIFY(!s.TrmTpm.isActive());
    t->digitar(QStringLiteral("asd"));
    for (int i = 0; i < 20; ++i) {
        int f = 70;
        s.TeclaProx(f, {}, i > 0);
    }
    t->tecla(32);
    QVERIFY(s.TeclasBloqueadas);
    int espaco = 32;
    s.TeclaProx(espaco, {}, true);
    QCOMPARE(s.TeclasEmEspera(), 0);
    QCOMPARE(Atuais(), (Contadores{5, 5, 0, 500}));
}

QTEST_GUILESS_MAIN(TstNucleoPratica)
#include "tst_nucleo_pratica.moc"
