// Practice made for one learner: the weak keys chosen from a history, the
// words and drills of "Treino das minhas teclas", and "Meu texto" cleaned
// into lines the keyboard types.
#include "Treino.h"

#include "keyboard/Digitacao.h"
#include "practice/TreinoPersonalizado.h"
#include "results/Historico.h"
#include "results/RegistroProgresso.h"

#include <QFile>
#include <QSignalSpy>
#include <QtTest>

namespace {

// A key's counts: keystrokes, errors, the average time of a hit and what
// was typed instead.
ContagemTecla Contagem(int toques, int erros, int ms, const QString& troca = QString())
{
    ContagemTecla c;
    c.acertos = toques - erros;
    c.erros = erros;
    c.msTotal = qint64(ms) * c.acertos;
    c.msAmostras = c.acertos;
    if (erros > 0)
        c.trocas[troca] = erros;
    return c;
}

QString Nomes(const QList<TeclaFraca>& teclas)
{
    QString r;
    for (const TeclaFraca& t : teclas)
        r += t.tecla;
    return r;
}

QSet<QChar> Conjunto(const QString& s) { return QSet<QChar>(s.cbegin(), s.cend()); }

} // namespace

class TstNucleoTreino : public QObject {
    Q_OBJECT
private slots:
    void teclasFracas()
    {
        MapaTeclas h;
        h[u'K'] = Contagem(50, 10, 300, QStringLiteral("L"));  // 20 %
        h[u'J'] = Contagem(50, 10, 400, QStringLiteral("H"));  // 20 %, slower: before K
        h[u'A'] = Contagem(100, 5, 200);                       // 5 %
        h[u'Q'] = Contagem(10, 9, 900);                        // below the floor
        h[u'´'] = Contagem(40, 12, 350, QStringLiteral("~"));  // 30 %
        h[u'7'] = Contagem(40, 30, 500);                       // not taught yet
        h[u' '] = Contagem(500, 200, 100);                     // the space bar
        h[u'S'] = Contagem(60, 0, 600);                        // no error, slow
        const QSet<QChar> ensinados = Conjunto(QStringLiteral("KJAQ´S "));

        QCOMPARE(Nomes(EscolherTeclasFracas(h, ensinados)), QStringLiteral("´JKA"));
        QCOMPARE(Nomes(EscolherTeclasFracas(h, ensinados, 20, 3)), QStringLiteral("´JK"));
        const QList<TeclaFraca> fracas = EscolherTeclasFracas(h, ensinados);
        QCOMPARE(fracas.at(0).troca, QChar(u'~'));
        QCOMPARE(fracas.at(2).troca, QChar(u'L'));
        QVERIFY(fracas.at(3).troca.isNull() || fracas.at(3).troca == QChar());
        // Fewer than three keys with errors: the slowest others make up three.
        MapaTeclas poucos;
        poucos[u'K'] = Contagem(50, 5, 300, QStringLiteral("L"));
        poucos[u'S'] = Contagem(60, 0, 600);
        poucos[u'D'] = Contagem(60, 0, 200);
        poucos[u'F'] = Contagem(60, 0, 400);
        QCOMPARE(Nomes(EscolherTeclasFracas(poucos, Conjunto(QStringLiteral("KSDF")))), QStringLiteral("KSF"));
        QVERIFY(EscolherTeclasFracas(MapaTeclas(), ensinados).isEmpty());
    }

    void treinoDeTeclas()
    {
        Vocabulario v;
        v.ensinados = Conjunto(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ´~ ,."));
        const char* palavras[] = {"casa", "kátia", "já", "café", "karatê", "lá", "bolo", "kiko",
                                  "sofá", "mesa", "rua", "ação", "você", "é"};
        int vezes = 40;
        for (const char* p : palavras)
            v.palavras << PalavraDoCurso{QString::fromUtf8(p), vezes--};
        // K and the acute go wrong; A is only slow, and far more common.
        QList<TeclaFraca> fracas(3);
        fracas[0].tecla = u'K';
        fracas[0].troca = u'L';
        fracas[0].contagem = Contagem(50, 10, 300, QStringLiteral("L"));
        fracas[1].tecla = u'´';
        fracas[1].contagem = Contagem(40, 12, 350);
        fracas[2].tecla = u'A';
        fracas[2].contagem = Contagem(200, 0, 500);

        const TreinoDeTeclas t = MontarTreino(v, fracas, Layout::ABNT2, 400, 7, 40);
        QVERIFY(!t.linhas.isEmpty());
        QVERIFY(t.palavras > 20);
        // Most words hold a weak key; none needs a keystroke not taught
        // ("karatê" and "você" need the circumflex, "ação" the tilde's ç).
        QVERIFY2(t.palavrasComFracas * 10 >= t.palavras * 5,
                 qPrintable(QStringLiteral("%1 of %2").arg(t.palavrasComFracas).arg(t.palavras)));
        int toques = 0;
        for (const QString& l : t.linhas) {
            QVERIFY(l.size() <= 40);
            QVERIFY(!l.contains(QStringLiteral("karatê")) && !l.contains(QStringLiteral("você")));
            for (const QChar c : l)
                toques += SequenciaDe(c, Layout::ABNT2).tamanho;
        }
        QVERIFY(toques >= 360 && toques < 460);
        QVERIFY(t.linhas.join(QLatin1Char(' ')).contains(QStringLiteral("kl lk kkl llk")));
        // The keys that go wrong get most of the words, however rare.
        int usadas = 0, comKOuAgudo = 0;
        for (const QString& w : t.linhas.join(QLatin1Char(' ')).split(QLatin1Char(' ')))
            if (std::any_of(v.palavras.cbegin(), v.palavras.cend(), [&](const PalavraDoCurso& p) { return p.palavra == w; })) {
                ++usadas;
                comKOuAgudo += TemToque(w, Conjunto(QStringLiteral("K´")), Layout::ABNT2);
            }
        QVERIFY2(comKOuAgudo * 10 >= usadas * 4, qPrintable(QStringLiteral("%1 of %2").arg(comKOuAgudo).arg(usadas)));
        // A new run each time; the same one for the same seed.
        QCOMPARE(MontarTreino(v, fracas, Layout::ABNT2, 400, 7, 40).linhas, t.linhas);
        QVERIFY(MontarTreino(v, fracas, Layout::ABNT2, 400, 8, 40).linhas != t.linhas);
        QCOMPARE(ToquesParaTreino(100), 250);
        QCOMPARE(ToquesParaTreino(10), 150);
    }

    void meuTexto()
    {
        const auto cabe = [](const QString& s) { return s.size() <= 24; };
        const QString texto = QStringLiteral("“Olá”, disse ela — e foi embora…\nSem dizer\n\n"
                                             "o preço: 5 € #1 ‘ok’ ação™");
        const TextoLimpo t = LimparTexto(texto, Layout::ABNT2, cabe);
        QCOMPARE(t.linhas, (QStringList{QStringLiteral("\"Olá\", disse ela - e foi"), QStringLiteral("embora... Sem dizer"),
                                        QStringLiteral("o preço: 5 1 'ok' ação")}));
        QCOMPARE(t.removidos, QStringLiteral("€#™"));
        QCOMPARE(t.quantosRemovidos, 3);
        QVERIFY(!t.cortado);
        // The BR keyboard types ç as c, Portugal has « » of its own but
        // they are practised as quotes everywhere.
        QCOMPARE(LimparTexto(QStringLiteral("maçã «ok»"), Layout::BR, cabe).linhas, QStringList{QStringLiteral("maçã \"ok\"")});
        const TextoLimpo longo = LimparTexto(QStringLiteral("palavra ").repeated(1000), Layout::ABNT2, cabe);
        QVERIFY(longo.cortado);
        QCOMPARE(longo.linhas.size(), MaximoLinhasTexto);

        QCOMPARE(DecodificarTexto(QByteArray("\xEF\xBB\xBF" "a\xC3\xA7\xC3\xA3o")), QStringLiteral("ação"));
        QCOMPARE(DecodificarTexto(QByteArray("a\xE7\xE3o \x93x\x94")), QStringLiteral("ação “x”"));
    }

    // The course itself as a source: words most common first, and the
    // keystrokes its drills have taught by a lesson.
    void vocabularioDoCurso()
    {
        Treino t;
        const Vocabulario cedo = LerVocabulario(10, Layout::ABNT2);
        QVERIFY(cedo.palavras.size() > 500);
        QVERIFY(cedo.palavras.at(0).vezes >= cedo.palavras.at(1).vezes);
        QVERIFY(cedo.ensinados.contains(u'F') && cedo.ensinados.contains(u'O') && !cedo.ensinados.contains(u'´'));
        QVERIFY(cedo.Digitavel(QStringLiteral("roda"), Layout::ABNT2));
        QVERIFY(!cedo.Digitavel(QStringLiteral("café"), Layout::ABNT2));
        const Vocabulario fim = LerVocabulario(52, Layout::BR);
        QVERIFY(fim.Digitavel(QStringLiteral("café"), Layout::BR));
        QVERIFY(fim.Digitavel(QStringLiteral("ação"), Layout::BR)); // ç typed as c
    }

    // A run outside the course opens over a half-typed exercise and gives
    // it back as it was; it never writes usuario.dat, and the history keeps
    // it as a run of its kind, out of the lessons but in the key counts.
    void treinoSobreOCurso_data()
    {
        QTest::addColumn<TipoTreino>("tipo");
        QTest::newRow("minhas teclas") << TipoTreino::MinhasTeclas;
        QTest::newRow("meu texto") << TipoTreino::MeuTexto;
    }
    void treinoSobreOCurso()
    {
        QFETCH(TipoTreino, tipo);
        Perfil p;
        p.licao = p.licaoMaxima = 3;
        Treino t({p.linha()});
        t.escreverModulo(3, {QStringLiteral("jklç"), QStringLiteral("kkkk")});
        RegistroProgresso reg(*t.sessao, *t.usuarios);
        t.entrar();
        SessaoPratica& s = *t.sessao;
        t.digitar(QStringLiteral("JKX"));
        const QString resto = s.Licao;
        const Contadores antes = Contadores::Atuais();
        QFile arquivo(t.caminho(QStringLiteral("usuario.dat")));
        QVERIFY(arquivo.open(QIODevice::ReadOnly));
        const QByteArray gravado = arquivo.readAll();
        arquivo.close();

        QSignalSpy fim(&s, &SessaoPratica::treinoTerminado);
        s.AbrirTreino(tipo, {QStringLiteral("olá kl"), QStringLiteral("lk")});
        QVERIFY(s.EmTreino());
        QCOMPARE(s.Caption(), QStringLiteral("Usuário: Ana \\ %1 \\ Linha: 1 de 2").arg(NomeDoTreino(tipo)));
        QCOMPARE(Contadores::Atuais(), (Contadores{0, 0, 0, 0}));
        t.digitar(QStringLiteral("P"));
        t.completarExercicio();
        t.completarExercicio();
        QCOMPARE(fim.size(), 1);
        QCOMPARE(t.licoesTerminadas, 0);
        QCOMPARE(s.UltimoTreino().erros, 1);
        QVERIFY(s.UltimoTreino().acertos >= 9);
        QCOMPARE(reg.TeclasDoTreino().value(u'O').erros, 1);
        QVERIFY(arquivo.open(QIODevice::ReadOnly));
        QCOMPARE(arquivo.readAll(), gravado);
        arquivo.close();

        s.EncerrarTreino();
        QVERIFY(!s.EmTreino());
        QCOMPARE(s.Licao, resto);
        QCOMPARE(Contadores::Atuais(), antes);
        QCOMPARE(s.ExercicioNaTela(), 1);
        QVERIFY(s.Caption().contains(QStringLiteral("Lição: 3")));
        t.completarExercicio();
        t.completarExercicio();
        QCOMPARE(t.licoesTerminadas, 1);
        // The lesson's keys are its own: the X typed before the run, nothing of it.
        QCOMPARE(reg.TeclasDaLicao().value(u'L').erros, 1);
        QVERIFY(!reg.TeclasDaLicao().contains(u'O'));

        Historico h(t.caminho(QStringLiteral("historico.db")));
        const QList<LicaoGravada> licoes = h.Licoes(QStringLiteral("Ana"));
        QCOMPARE(licoes.size(), 2);
        QCOMPARE(licoes.at(0).tipo, int(tipo));
        QCOMPARE(licoes.at(0).licao, 0);
        QCOMPARE(licoes.at(0).erros, 1);
        QCOMPARE(licoes.at(1).tipo, 0);
        QCOMPARE(ResumirLicoes(licoes).size(), 1);
        QCOMPARE(h.Teclas(QStringLiteral("Ana")).value(u'O').erros, 1);
        QVERIFY(h.Csv(QStringLiteral("Ana")).contains(u';' + NomeDoTreino(tipo) + QStringLiteral("\r\n")));
    }
};

QTEST_MAIN(TstNucleoTreino)
#include "tst_nucleo_treino.moc"
