// The lesson history: the SQLite store (record, read back, rename, delete,
// a schema brought up from an empty file, a file that cannot be used), the
// aggregation behind the heat map and the charts, and the recorder that
// fills it from a practice run.
#include "Treino.h"

#include "app/EstadoCurso.h"
#include "results/EstatisticaTeclas.h"
#include "results/Historico.h"
#include "results/RegistroProgresso.h"

#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

namespace {

LicaoGravada Licao(const QString& usuario, int licao, int tpm, int nota, int dia)
{
    LicaoGravada l;
    l.usuario = usuario;
    l.momento = QDateTime(QDate(2024, 3, dia), QTime(10, 0));
    l.licao = licao;
    l.exercicios = 12;
    l.tpm = tpm;
    l.acertos = 90;
    l.erros = 10;
    l.porcAcertos = 90;
    l.porcErros = 10;
    l.nota = nota;
    l.aprovado = nota >= 6;
    l.teclado = 2;
    return l;
}

MapaTeclas Contagens()
{
    MapaTeclas m;
    Registrar(m, u'K', QStringLiteral("K"), true, 200);
    Registrar(m, u'K', QStringLiteral("L"), false, 300);
    Registrar(m, u'K', QStringLiteral("L"), false, 300);
    Registrar(m, u'K', QStringLiteral("J"), false, 300);
    Registrar(m, u'A', QStringLiteral("A"), true, 100);
    Registrar(m, u'A', QStringLiteral("A"), true, PausaMs + 1); // a pause: no time
    Registrar(m, u'A', QStringLiteral("A"), true, -1);          // first key: no time
    Registrar(m, u' ', QString(), false, 50);
    return m;
}

} // namespace

class TstNucleoHistorico : public QObject {
    Q_OBJECT
private slots:
    void gravaLeRenomeiaEApaga();
    void esquemaCriadoNumArquivoVazio();
    void arquivoQueNaoServe();
    void historicoAntigoChamaEspacoEEnterDeOutroJeito();
    void historicoDanificadoPostoDeLado_data();
    void historicoDanificadoPostoDeLado();
    void excluirSemGravarNaoApagaNada();
    void agregacao();
    void praticaGravaNoHistorico();
    void licaoRetomadaCobreALicaoInteira();
    void historicoIndisponivelNaoParaAPratica();
};

void TstNucleoHistorico::gravaLeRenomeiaEApaga()
{
    QTemporaryDir dir;
    const QString caminho = dir.filePath(QStringLiteral("historico.db"));
    {
        Historico h(caminho);
        QVERIFY(h.GravarLicao(Licao(QStringLiteral("Ana"), 3, 120, 8, 2)));
        QVERIFY(h.GravarLicao(Licao(QStringLiteral("Ana"), 2, 100, 5, 1)));
        QVERIFY(h.GravarLicao(Licao(QStringLiteral("Bia"), 1, 90, 4, 1)));
        LicaoGravada semTeclado = Licao(QStringLiteral("Caio"), 1, 90, 4, 1);
        semTeclado.teclado = 7; // a setting out of range practised on ABNT2
        QVERIFY(h.GravarLicao(semTeclado));
        QVERIFY(h.GravarExercicio(QStringLiteral("Ana"), QDateTime::currentDateTime(), 3, 1, 2, Contagens()));
        QVERIFY(h.GravarExercicio(QStringLiteral("Ana"), QDateTime::currentDateTime(), 3, 2, 0, Contagens()));
        QVERIFY(h.GravarExercicio(QStringLiteral("Bia"), QDateTime::currentDateTime(), 1, 1, 0, Contagens()));
    }
    // Read back in a new connection, as the next run does.
    Historico h(caminho);
    const QList<LicaoGravada> ana = h.Licoes(QStringLiteral("Ana"));
    QCOMPARE(ana.size(), 2);
    QCOMPARE(ana.at(0).licao, 2); // oldest first
    QCOMPARE(ana.at(1).tpm, 120);
    QCOMPARE(ana.at(1).nota, 8);
    QVERIFY(ana.at(1).aprovado);
    QCOMPARE(ana.at(1).teclado, 2);
    QCOMPARE(ana.at(1).momento, QDateTime(QDate(2024, 3, 2), QTime(10, 0)));

    const MapaTeclas todas = h.Teclas(QStringLiteral("Ana"));
    QCOMPARE(todas.value(u'K').erros, 6);
    QCOMPARE(todas.value(u'K').trocas.value(QStringLiteral("L")), 4);
    QCOMPARE(todas.value(u'A').msMedio(), 100.0);
    QCOMPARE(todas.value(u' ').trocas.value(QString()), 2);
    QCOMPARE(h.Teclas(QStringLiteral("Ana"), 2).value(u'K').erros, 3); // one layout only

    QVERIFY(h.Csv(QStringLiteral("Ana")).startsWith(QStringLiteral("Data;Lição;")));
    QCOMPARE(h.Csv(QStringLiteral("Ana")).count(QStringLiteral("\r\n")), 3);
    QVERIFY(h.Csv(QStringLiteral("Ana")).contains(QStringLiteral("2024-03-02 10:00:00;3;12;120;90;10;90;10;8;sim;Portugal")));
    QVERIFY(h.Csv(QStringLiteral("Caio")).endsWith(QStringLiteral(";ABNT2;Curso\r\n")));

    QVERIFY(h.Renomear(QStringLiteral("Ana"), QStringLiteral("Ana Maria")));
    QVERIFY(h.Licoes(QStringLiteral("Ana")).isEmpty());
    QCOMPARE(h.Licoes(QStringLiteral("Ana Maria")).size(), 2);
    QCOMPARE(h.Teclas(QStringLiteral("Ana Maria")).value(u'K').trocas.value(QStringLiteral("L")), 4);

    QVERIFY(h.Apagar(QStringLiteral("Ana Maria")));
    QVERIFY(h.Licoes(QStringLiteral("Ana Maria")).isEmpty());
    QVERIFY(h.Teclas(QStringLiteral("Ana Maria")).isEmpty());
    QCOMPARE(h.Licoes(QStringLiteral("Bia")).size(), 1); // the others stay
    QCOMPARE(h.Teclas(QStringLiteral("Bia")).value(u'K').trocas.value(QStringLiteral("L")), 2);
}

void TstNucleoHistorico::esquemaCriadoNumArquivoVazio()
{
    QTemporaryDir dir;
    const QString caminho = dir.filePath(QStringLiteral("historico.db"));
    QFile vazio(caminho);
    QVERIFY(vazio.open(QIODevice::WriteOnly));
    vazio.close();
    {
        Historico h(caminho);
        QVERIFY2(h.Abrir(), qPrintable(h.Erro()));
        QVERIFY(h.GravarLicao(Licao(QStringLiteral("Ana"), 1, 80, 3, 1)));
    }
    Historico h(caminho); // already at the current version: opened as it is
    QVERIFY(h.Abrir());
    QCOMPARE(h.Licoes(QStringLiteral("Ana")).size(), 1);
    QVERIFY(QFile::exists(caminho + QStringLiteral("-wal")) || QFile::exists(caminho + QStringLiteral("-shm")));
}

void TstNucleoHistorico::arquivoQueNaoServe()
{
    QTemporaryDir dir;
    // A folder where the file should be, and a file that is no database.
    const QString pasta = dir.filePath(QStringLiteral("historico.db"));
    QVERIFY(QDir().mkpath(pasta));
    Historico h(pasta);
    QVERIFY(!h.GravarLicao(Licao(QStringLiteral("Ana"), 1, 80, 3, 1)));
    QVERIFY(h.Erro().contains(pasta));
    QVERIFY(h.Licoes(QStringLiteral("Ana")).isEmpty());
    QVERIFY(!h.LidoPorInteiro());
    QVERIFY(QFileInfo(pasta).isDir());
}

void TstNucleoHistorico::historicoDanificadoPostoDeLado_data()
{
    QTest::addColumn<DanoHistorico>("dano");
    QTest::addColumn<bool>("aoAbrir"); // found on opening, or only by a read
    QTest::newRow("nao eh banco") << DanoHistorico::NaoEhBanco << true;
    QTest::newRow("paginas") << DanoHistorico::Paginas << true;
    QTest::newRow("linha fora do indice") << DanoHistorico::ForaDoIndice << false;
}

void TstNucleoHistorico::historicoDanificadoPostoDeLado()
{
    // A damaged history is never shown in part as if it were whole: the
    // learner is told once, the file (with its -wal and -shm) is set aside
    // byte for byte, and a new history starts in its place.
    QFETCH(DanoHistorico, dano);
    QFETCH(bool, aoAbrir);
    Treino t({Perfil().linha()});
    const QString caminho = t.caminho(QStringLiteral("historico.db"));
    HistoricoComLicoes(caminho, QStringLiteral("Ana"), 400);
    QCOMPARE(Historico(caminho).Licoes(QStringLiteral("Ana")).size(), 400);
    Danificar(caminho, dano);
    QFile f(caminho);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray danificado = f.readAll();
    f.close();

    RegistroProgresso reg(*t.sessao, *t.usuarios);
    QSignalSpy avisos(&reg, &RegistroProgresso::aviso);
    t.usuarios->Carregar();
    Historico* h = reg.Banco();
    QVERIFY(h);
    QCOMPARE(h->Separado().isEmpty(), !aoAbrir);
    if (!aoAbrir) {
        QVERIFY(h->Licoes(QStringLiteral("Ana")).isEmpty()); // not 399 of 400
        QVERIFY(!h->LidoPorInteiro());
        QVERIFY(!h->Separado().isEmpty());
        reg.AvisarHistoricoSeparado();
    }
    const QString separado = h->Separado();
    QVERIFY2(separado.startsWith(caminho + QStringLiteral(".danificado-")), qPrintable(separado));
    QFile guardado(separado);
    QVERIFY(guardado.open(QIODevice::ReadOnly));
    if (aoAbrir)
        QCOMPARE(guardado.readAll(), danificado);

    QCOMPARE(avisos.size(), 1);
    QCOMPARE(avisos.at(0).at(0).toString(),
             QStringLiteral("O histórico de lições em %1 estava danificado. Ele foi guardado como %2 e um histórico "
                            "novo foi começado. Os alunos e o ponto do curso de cada um, em usuario.dat, não foram "
                            "afetados.").arg(caminho, separado));

    // The new history is whole, empty and takes lessons.
    QVERIFY(h->Licoes(QStringLiteral("Ana")).isEmpty());
    QVERIFY(h->LidoPorInteiro());
    QVERIFY(h->GravarLicao(Licao(QStringLiteral("Ana"), 1, 80, 7, 2)));
    QCOMPARE(Historico(caminho).Licoes(QStringLiteral("Ana")).size(), 1);
    reg.AvisarHistoricoSeparado();
    QCOMPARE(avisos.size(), 1);
}

void TstNucleoHistorico::excluirSemGravarNaoApagaNada()
{
    // The history goes only once usuario.dat holds no trace of the
    // learner: a save that fails keeps both, and the learner stays selected.
    Perfil ana;
    Perfil bia;
    bia.nome = QStringLiteral("Bia");
    Treino t({ana.linha(), bia.linha()});
    HistoricoComLicoes(t.caminho(QStringLiteral("historico.db")), QStringLiteral("Ana"), 3);
    RegistroProgresso reg(*t.sessao, *t.usuarios);
    t.usuarios->Carregar();
    t.usuarios->SelecionarUsuario(0);
    const QStringList antes = t.usuariosNoDisco();
    {
        DiscoComFalha cheio(DiscoComFalha::Falha::Reserva);
        QVERIFY(!t.usuarios->Deletar());
    }
    QCOMPARE(t.usuarios->Nomes(), (QStringList{QStringLiteral("Ana"), QStringLiteral("Bia")}));
    QCOMPARE(t.usuarios->Selecionado(), 0);
    QCOMPARE(t.usuariosNoDisco(), antes);
    QCOMPARE(reg.Banco()->Licoes(QStringLiteral("Ana")).size(), 3);
    QCOMPARE(t.usuarios->FalhaAoDeletar(QStringLiteral("Ana")),
             QStringLiteral("Não foi possível salvar a exclusão do usuário Ana em %1: o disco está cheio. O usuário "
                            "Ana continua na lista, com todo o seu progresso.").arg(t.caminho(QStringLiteral("usuario.dat"))));

    QVERIFY(t.usuarios->Deletar());
    QCOMPARE(t.usuarios->Nomes(), QStringList{QStringLiteral("Bia")});
    QVERIFY(reg.Banco()->Licoes(QStringLiteral("Ana")).isEmpty());
}

void TstNucleoHistorico::historicoAntigoChamaEspacoEEnterDeOutroJeito()
{
    // The first schema named the space bar "/" and Enter "#"; those are the
    // slash and the number sign now, so the counts move to " " and "\n". It
    // named the keys right of L and of the period "Ç" and ";" on every
    // keyboard: on BR and Portugal they move to what those keys type.
    QTemporaryDir dir;
    const QString caminho = dir.filePath(QStringLiteral("historico.db"));
    MapaTeclas pontuacao;
    Registrar(pontuacao, u'Ç', QStringLiteral(";"), false, 100);
    Registrar(pontuacao, u';', QStringLiteral("Ç"), false, 100);
    {
        Historico novo(caminho);
        QVERIFY(novo.GravarExercicio(QStringLiteral("Ana"), QDateTime::currentDateTime(), 1, 1, 0, Contagens()));
        for (int teclado : {0, 1, 2})
            QVERIFY(novo.GravarExercicio(QStringLiteral("Bia"), QDateTime::currentDateTime(), 1, 1, teclado, pontuacao));
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("antigo"));
        db.setDatabaseName(caminho);
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("UPDATE teclas SET esperado = '/' WHERE esperado = ' '")));
        QVERIFY(q.exec(QStringLiteral("UPDATE teclas SET esperado = '#' WHERE esperado = 'A'")));
        QVERIFY(q.exec(QStringLiteral("UPDATE trocas SET digitado = '#' WHERE digitado = 'J'")));
        QVERIFY(q.exec(QStringLiteral("PRAGMA user_version = 1")));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("antigo"));
    Historico h(caminho);
    QVERIFY2(h.Abrir(), qPrintable(h.Erro()));
    const MapaTeclas m = h.Teclas(QStringLiteral("Ana"));
    QCOMPARE(m.value(u' ').erros, 1);
    QCOMPARE(m.value(u'\n').acertos, 3);
    QCOMPARE(m.value(u'K').trocas.value(QStringLiteral("\n")), 1);
    QVERIFY(!m.contains(u'/') && !m.contains(u'#'));
    const QList<QPair<int, QString>> nomes = {{0, QStringLiteral("Ç;")}, {1, QStringLiteral(";/")},
                                              {2, QStringLiteral("Ç-")}};
    for (const auto& [teclado, par] : nomes) {
        const MapaTeclas b = h.Teclas(QStringLiteral("Bia"), teclado);
        QCOMPARE(b.size(), 2);
        QCOMPARE(b.value(par.at(0)).trocas.value(QString(par.at(1))), 1);
        QCOMPARE(b.value(par.at(1)).trocas.value(QString(par.at(0))), 1);
    }
}

void TstNucleoHistorico::agregacao()
{
    const MapaTeclas m = Contagens();
    const ContagemTecla k = m.value(u'K');
    QCOMPARE(k.total(), 4);
    QCOMPARE(k.taxaErro(), 0.75);
    QCOMPARE(m.value(u'A').msAmostras, 1); // pause and first key carry no time

    const QList<TeclaDificil> piores = PioresTeclas(m, 5);
    QCOMPARE(piores.size(), 2);
    QCOMPARE(piores.at(0).caractere, QChar(u' ')); // 1 of 1 beats 3 of 4
    QCOMPARE(piores.at(0).textoTroca(), QStringLiteral("outra tecla em vez de Espaço"));
    QCOMPARE(piores.at(1).textoTroca(), QStringLiteral("L em vez de K"));
    QCOMPARE(PioresTeclas(m, 5, 2).size(), 1); // too few keystrokes on the space bar
    QCOMPARE(MaisErradas(m, 3).at(0).caractere, QChar(u'K'));

    MapaTeclas soma = m;
    Somar(soma, m);
    QCOMPARE(soma.value(u'K').trocas.value(QStringLiteral("L")), 4);
    QCOMPARE(soma.value(u'A').msMedio(), 100.0);

    const QMap<QChar, double> erros = Calor(m, VistaCalor::Erros);
    QCOMPARE(erros.value(u'K'), 0.75);
    QCOMPARE(erros.value(u'A'), 0.0);
    MapaTeclas tempos;
    Registrar(tempos, u'A', QStringLiteral("A"), true, 100);
    Registrar(tempos, u'B', QStringLiteral("B"), true, 300);
    Registrar(tempos, u'C', QStringLiteral("C"), true, 200);
    const QMap<QChar, double> t = Calor(tempos, VistaCalor::Tempo);
    QCOMPARE(t.value(u'A'), 0.0);
    QCOMPARE(t.value(u'B'), 1.0);
    QCOMPARE(t.value(u'C'), 0.5);
    QCOMPARE(MaisLentas(tempos, 1).at(0).caractere, QChar(u'B'));

    const QList<ResumoLicao> r = ResumirLicoes({Licao(QString(), 2, 100, 5, 1), Licao(QString(), 1, 90, 4, 2),
                                                Licao(QString(), 2, 140, 8, 3), Licao(QString(), 2, 150, 6, 4)});
    QCOMPARE(r.size(), 2);
    QCOMPARE(r.at(0).licao, 1);
    QCOMPARE(r.at(1).tentativas, 3);
    QCOMPARE(r.at(1).melhor.nota, 8); // the grade first, not the speed
    QCOMPARE(r.at(1).ultima.tpm, 150);
}

void TstNucleoHistorico::praticaGravaNoHistorico()
{
    Perfil p;
    p.licao = p.licaoMaxima = 3;
    Treino t({p.linha()});
    t.escreverModulo(3, {QStringLiteral("jklç"), QStringLiteral("kkkk")});
    RegistroProgresso reg(*t.sessao, *t.usuarios);
    reg.Agora = [] { return QDateTime(QDate(2024, 5, 1), QTime(9, 0)); };
    qint64 agora = 0;
    t.sessao->Relogio = [&agora] { return agora += 250; };
    t.entrar();
    QVERIFY(!QFile::exists(t.caminho(QStringLiteral("historico.db")))); // not before it is needed

    // Exercise 1: an L where the first K is expected. Its keys wait until
    // the window has shown the next exercise.
    reg.AdiarGravacao(true);
    QSignalSpy adiada(&reg, &RegistroProgresso::gravacaoAdiada);
    t.digitar(QStringLiteral("JL"));
    t.completarExercicio();
    QCOMPARE(adiada.size(), 1);
    QVERIFY(!QFile::exists(t.caminho(QStringLiteral("historico.db"))));
    reg.Descarregar();
    QVERIFY(QFile::exists(t.caminho(QStringLiteral("historico.db"))));
    QCOMPARE(Historico(t.caminho(QStringLiteral("historico.db"))).Teclas(QStringLiteral("Ana")).value(u'K').erros, 1);
    t.digitar(QStringLiteral("L"));
    t.completarExercicio();
    QCOMPARE(t.licoesTerminadas, 1);

    QCOMPARE(reg.TeclasDaLicao().value(u'K').erros, 2);
    Historico h(t.caminho(QStringLiteral("historico.db")));
    const QList<LicaoGravada> licoes = h.Licoes(QStringLiteral("Ana"));
    QCOMPARE(licoes.size(), 1);
    QCOMPARE(licoes.at(0).licao, 3);
    QCOMPARE(licoes.at(0).exercicios, 2);
    QCOMPARE(licoes.at(0).erros, 2);
    QCOMPARE(licoes.at(0).acertos, 80);
    const MapaTeclas teclas = h.Teclas(QStringLiteral("Ana"));
    QCOMPARE(PioresTeclas(teclas, 1).at(0).textoTroca(), QStringLiteral("L em vez de K"));
    QCOMPARE(teclas.value(u'J').msMedio(), 250.0);

    // The history follows the learner's new name and goes with him.
    t.usuarios->SelecionarUsuario(0);
    QVERIFY(t.usuarios->AlterarPerfil(QStringLiteral("Ana Lúcia"), QStringLiteral("10"), QStringLiteral("50"),
                                      false, QStringLiteral("x")));
    QCOMPARE(h.Licoes(QStringLiteral("Ana Lúcia")).size(), 1);
    QVERIFY(h.Licoes(QStringLiteral("Ana")).isEmpty());
    t.usuarios->Deletar();
    QVERIFY(h.Licoes(QStringLiteral("Ana Lúcia")).isEmpty());
    QVERIFY(h.Teclas(QStringLiteral("Ana Lúcia")).isEmpty());
}

// A lesson resumed in a later run of the program: its counters come from
// the user record, so its keys and its count of exercises cover it whole.
void TstNucleoHistorico::licaoRetomadaCobreALicaoInteira()
{
    Perfil p;
    p.licao = p.licaoMaxima = 3;
    Treino t({p.linha()});
    t.escreverModulo(3, {QStringLiteral("jklç"), QStringLiteral("kkkk"), QStringLiteral("asdf")});
    QDateTime agora(QDate(2024, 5, 1), QTime(9, 0));
    const auto relogio = [&agora] { return agora = agora.addSecs(60); };
    {
        RegistroProgresso reg(*t.sessao, *t.usuarios);
        reg.Agora = relogio;
        t.entrar();
        t.digitar(QStringLiteral("K")); // where J is expected
        t.completarExercicio();
        t.usuarios->SalvarUsuario(t.sessao->ExercicioNaTela());
        t.usuarios->Sair();
        t.sessao->Fechar();
    }
    RegistroProgresso reg(*t.sessao, *t.usuarios);
    reg.Agora = relogio;
    t.entrar();
    QCOMPARE(t.sessao->ExercicioNaTela(), 2);
    QCOMPARE(Estado().Erros, qint16(1));
    t.digitar(QStringLiteral("J")); // where K is expected
    t.completarExercicio();
    t.completarExercicio();
    QCOMPARE(t.licoesTerminadas, 1);
    QCOMPARE(reg.TeclasDaLicao().value(u'J').erros, 1);
    QCOMPARE(reg.TeclasDaLicao().value(u'K').erros, 1);
    const QList<LicaoGravada> licoes = Historico(t.caminho(QStringLiteral("historico.db"))).Licoes(QStringLiteral("Ana"));
    QCOMPARE(licoes.size(), 1);
    QCOMPARE(licoes.at(0).exercicios, 3);
    QCOMPARE(licoes.at(0).erros, 2);
}

void TstNucleoHistorico::historicoIndisponivelNaoParaAPratica()
{
    Perfil p;
    p.licao = p.licaoMaxima = 3;
    Treino t({p.linha()});
    t.escreverModulo(3, {QStringLiteral("asdf"), QStringLiteral("asdf")});
    QVERIFY(QDir().mkpath(t.caminho(QStringLiteral("historico.db"))));
    RegistroProgresso reg(*t.sessao, *t.usuarios);
    QSignalSpy avisos(&reg, &RegistroProgresso::aviso);
    t.entrar();
    t.completarExercicio();
    t.completarExercicio();
    QCOMPARE(t.licoesTerminadas, 1);
    QCOMPARE(avisos.size(), 1); // told once, not at every exercise
    QVERIFY(avisos.at(0).at(0).toString().contains(QStringLiteral("histórico")));
    QCOMPARE(reg.Banco(), nullptr);
}

QTEST_GUILESS_MAIN(TstNucleoHistorico)
#include "tst_nucleo_historico.moc"
