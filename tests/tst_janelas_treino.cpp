// Practice outside the course: the "Meu texto" window (a learner's text
// cleaned while he edits it, opened from a file through the file service)
// and the result window of a run, with its weak keys before and after.
#include "app/EstadoCurso.h"
#include "fakes/JanelaTeste.h"
#include "ui/FrmMeuTexto.h"
#include "ui/FrmPausa.h"
#include "ui/FrmProgresso.h"
#include "ui/FrmResultadoTreino.h"
#include "ui/Imagem.h"
#include "ui/JanelaResultado.h"
#include "ui/Estilo.h"
#include "ui/TeclasErradas.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QStringEncoder>
#include <QtTest>

namespace {

// A practice panel that holds 30 characters a line.
bool Cabe(const QString& linha) { return linha.size() <= 30; }

ContagemTecla Contagem(int toques, int erros, int ms)
{
    ContagemTecla c;
    c.acertos = toques - erros;
    c.erros = erros;
    c.msTotal = qint64(ms) * c.acertos;
    c.msAmostras = ms > 0 ? c.acertos : 0;
    return c;
}

qint64 relogio = 0;

// A run of "Treino das minhas teclas": K and Ç weak before it; K typed
// better in it, Ç not at all.
ResultadoTreino RunDeTeclas()
{
    ResultadoTreino r;
    r.tipo = TipoTreino::MinhasTeclas;
    r.tpm = 180;
    r.acertos = 380;
    r.erros = 20;
    r.segundos = 150;
    r.fracas = {TeclaFraca{u'K', Contagem(50, 10, 300), u'L'}, TeclaFraca{u'Ç', Contagem(40, 6, 420), QChar()}};
    r.teclas[u'K'] = Contagem(30, 1, 250);
    r.teclas[u'A'] = Contagem(60, 0, 200);
    return r;
}

} // namespace

class TstJanelasTreino : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        relogio = 0;
        JanelaDeResultado::Relogio = [] { return relogio; };
    }

    // ---- Meu texto -------------------------------------------------------------------------

    void meuTextoMostraOQueSeraPraticado_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("previa");
        QTest::addColumn<QString>("resumo");
        QTest::addColumn<QString>("fora");
        QTest::newRow("vazio") << QString() << QString() << QStringLiteral("Nada para praticar ainda") << QString();
        // Typographic quotes and dashes become the keyboard's, the lines of a
        // paragraph are joined and wrapped again to the panel's width, the
        // emoji is one character, not two halves.
        QTest::newRow("aspas, acentos e um emoji")
            << QStringLiteral("“Olá”, disse ela — e a\nmaçã caiu… 😀 ™ 😀")
            << QStringLiteral("\"Olá\", disse ela - e a maçã\ncaiu...")
            << QStringLiteral("2 linhas · 36 toques · menos de 1 minuto")
            << QStringLiteral("Ficam de fora (nenhuma tecla os digita): 😀 ™ — 3 caracteres");
        // A word wider than the panel is cut where it stops fitting, in the
        // middle of a paragraph too.
        QTest::newRow("palavra mais larga que o quadro")
            << QString(35, u'a') + QStringLiteral(" bom dia") << QString(30, u'a') + QStringLiteral("\naaaaa bom dia")
            << QStringLiteral("2 linhas · 43 toques · menos de 1 minuto") << QString();
        QTest::newRow("um caractere invisível") << QStringLiteral("um\u200Bdois") << QStringLiteral("umdois")
                                                << QStringLiteral("1 linha · 6 toques · menos de 1 minuto")
                                                << QStringLiteral("Ficam de fora (nenhuma tecla os digita): U+200B — 1 caractere");
        QString longo;
        for (int i = 1; i <= 70; ++i)
            longo += QStringLiteral("linha %1 de um texto longo\n\n").arg(i);
        QStringList sessenta;
        for (int i = 1; i <= 60; ++i)
            sessenta << QStringLiteral("linha %1 de um texto longo").arg(i);
        QTest::newRow("mais de 60 linhas") << longo << sessenta.join(u'\n')
                                            << QStringLiteral("60 linhas · 1551 toques · cerca de 10 minutos")
                                            << QStringLiteral("Só as primeiras 60 linhas serão praticadas.");
    }
    void meuTextoMostraOQueSeraPraticado()
    {
        QFETCH(QString, texto);
        QFETCH(QString, previa);
        QFETCH(QString, resumo);
        QFETCH(QString, fora);
        AmbienteTeste amb;
        FrmMeuTexto w(nullptr, 0, Cabe);
        w.TxtTexto->setPlainText(texto);
        QCOMPARE(w.TxtPrevia->toPlainText(), previa);
        QCOMPARE(w.LblResumo->text(), resumo);
        QCOMPARE(w.LblFora->text(), fora);
        QCOMPARE(w.LblFora->isVisibleTo(&w), !fora.isEmpty());
        QCOMPARE(w.CmdPraticar->isEnabled(), !previa.isEmpty());
        QVERIFY(w.TxtPrevia->isReadOnly());
    }

    void meuTextoAbreArquivos_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // empty: the learner gave up
        QTest::addColumn<QString>("texto");   // what the box holds after
        QTest::addColumn<QString>("aviso");   // the start of the message shown
        QStringEncoder cp1252("windows-1252");
        const QString acao = QStringLiteral("Ação e “emoção” à beça");
        QTest::newRow("Windows-1252") << QByteArray(cp1252.encode(acao)) << acao << QString();
        QTest::newRow("grande demais") << QByteArray(FrmMeuTexto::MaximoArquivo + 1, 'a') << QStringLiteral("antes")
                                       << QStringLiteral("O arquivo “texto.txt” é grande demais");
        QTest::newRow("1 MiB cabe") << QByteArray(FrmMeuTexto::MaximoArquivo, 'a')
                                    << QString(FrmMeuTexto::MaximoArquivo, u'a') << QString();
        QTest::newRow("não é texto") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << QStringLiteral("antes")
                                     << QStringLiteral("O arquivo “texto.txt” não é um texto simples");
        QTest::newRow("desistiu") << QByteArray() << QStringLiteral("antes") << QString();
    }
    void meuTextoAbreArquivos()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, texto);
        QFETCH(QString, aviso);
        AmbienteTeste amb;
        if (!bytes.isEmpty()) {
            amb.escrever(QStringLiteral("texto.txt"), bytes);
            amb.dialogos.arquivoEscolhido = amb.caminho(QStringLiteral("texto.txt"));
        }
        FrmMeuTexto w(nullptr, 0, Cabe);
        w.TxtTexto->setPlainText(QStringLiteral("antes"));
        w.CmdAbrir->clicar();
        QCOMPARE(amb.dialogos.pedidosArquivo, QStringList{QStringLiteral("Abrir um texto")});
        QCOMPARE(w.TxtTexto->toPlainText(), texto);
        QCOMPARE(amb.dialogos.mensagens.size(), aviso.isEmpty() ? 0 : 1);
        if (!aviso.isEmpty())
            QVERIFY2(amb.dialogos.textos().value(0).startsWith(aviso), qPrintable(amb.dialogos.textos().value(0)));
    }

    void meuTextoArquivoIlegivel()
    {
        AmbienteTeste amb;
        FrmMeuTexto w(nullptr, 0, Cabe);
        QVERIFY(!w.AbrirArquivo(amb.caminho(QStringLiteral("nao-existe.txt"))));
        QCOMPARE(amb.dialogos.textos(), QStringList{QStringLiteral("Não foi possível abrir o arquivo “nao-existe.txt”.")});
    }

    void meuTextoEscolher_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("acao"); // 0 Praticar, 1 Enter on the window, 2 Ctrl+Enter in the box, 3 Esc, 4 Cancelar
        QTest::addColumn<bool>("escolheu");
        const QString t = QStringLiteral("Bom dia");
        QTest::newRow("Praticar") << t << 0 << true;
        QTest::newRow("Enter") << t << 1 << true;
        QTest::newRow("Ctrl+Enter na caixa") << t << 2 << true;
        QTest::newRow("Esc") << t << 3 << false;
        QTest::newRow("Cancelar") << t << 4 << false;
        QTest::newRow("Praticar sem texto") << QStringLiteral("™") << 0 << false;
        QTest::newRow("Enter sem texto") << QString() << 1 << false;
    }
    void meuTextoEscolher()
    {
        QFETCH(QString, texto);
        QFETCH(int, acao);
        QFETCH(bool, escolheu);
        AmbienteTeste amb;
        amb.dialogos.respostas << [&](QDialog* d) {
            auto* w = qobject_cast<FrmMeuTexto*>(d);
            QVERIFY(w);
            w->TxtTexto->setPlainText(texto);
            switch (acao) {
            case 0: w->CmdPraticar->clicar(); break;
            case 1: QTest::keyClick(w, Qt::Key_Return); break;
            case 2: QTest::keyClick(w->TxtTexto, Qt::Key_Return, Qt::ControlModifier); break;
            case 3: QTest::keyClick(w, Qt::Key_Escape); break;
            case 4: w->CmdCancelar->clicar(); break;
            }
        };
        const std::optional<QStringList> linhas = FrmMeuTexto::Escolher(nullptr, 0, Cabe);
        QCOMPARE(amb.dialogos.modais, QStringList{QStringLiteral("FrmMeuTexto")});
        QCOMPARE(linhas.has_value(), escolheu);
        if (escolheu)
            QCOMPARE(*linhas, QStringList{texto});
    }

    void meuTextoPeloTeclado()
    {
        // Tab walks the boxes and buttons in reading order (a plain Enter in
        // the text box is a new line, Tab never a tab); every control is named.
        AmbienteTeste amb;
        FrmMeuTexto w(nullptr, 0, Cabe);
        QList<QWidget*> ordem{w.TxtTexto, w.CmdAbrir, w.TxtPrevia, w.CmdPraticar, w.CmdCancelar};
        for (QWidget* c : ordem)
            QVERIFY2(!c->accessibleName().isEmpty(), qPrintable(c->objectName()));
        w.TxtTexto->setPlainText(QStringLiteral("Bom dia"));
        for (int i = 0; i + 1 < ordem.size(); ++i) {
            QWidget* proximo = ordem.at(i)->nextInFocusChain();
            while (!(proximo->focusPolicy() & Qt::TabFocus) || !proximo->isEnabled())
                proximo = proximo->nextInFocusChain();
            QCOMPARE(proximo, ordem.at(i + 1));
        }
        QVERIFY(w.TxtTexto->tabChangesFocus());
        QTest::keyClick(w.TxtTexto, Qt::Key_Return);
        QCOMPARE(w.result(), int(QDialog::Rejected));
        QCOMPARE(w.Limpo().linhas, QStringList{QStringLiteral("Bom dia")});
    }

    // ---- the result of a run ----------------------------------------------------------------

    void compararTeclas_data()
    {
        QTest::addColumn<int>("erros");   // of 50 keystrokes in the run; -1 the key was not typed
        QTest::addColumn<int>("ms");      // the run's average time
        QTest::addColumn<bool>("digitada");
        QTest::addColumn<int>("tendencia");
        // Before: 10 errors in 50 keystrokes (20 %), 300 ms.
        QTest::newRow("menos erros") << 5 << 400 << true << 1;
        QTest::newRow("mais erros") << 15 << 200 << true << -1;
        QTest::newRow("mesmos erros, mais rápida") << 10 << 280 << true << 1;
        QTest::newRow("mesmos erros, mais lenta") << 10 << 330 << true << -1;
        QTest::newRow("mesmos erros, tempo quase igual") << 10 << 290 << true << 0;
        QTest::newRow("mesmos erros, sem tempo") << 10 << 0 << true << 0;
        QTest::newRow("não digitada") << -1 << 0 << false << 0;
    }
    void compararTeclas()
    {
        QFETCH(int, erros);
        QFETCH(int, ms);
        QFETCH(bool, digitada);
        QFETCH(int, tendencia);
        ResultadoTreino r;
        r.fracas = {TeclaFraca{u'J', Contagem(50, 10, 300), QChar()}, TeclaFraca{u'K', Contagem(20, 1, 200), QChar()}};
        if (erros >= 0)
            r.teclas[u'J'] = Contagem(50, erros, ms);
        r.teclas[u'X'] = Contagem(10, 5, 100); // not a weak key: not compared
        const QList<ComparacaoTecla> c = CompararTeclas(r);
        QCOMPARE(c.size(), 2);
        QCOMPARE(c.at(0).tecla, QChar(u'J'));
        QCOMPARE(c.at(0).taxaAntes, 0.2);
        QCOMPARE(c.at(0).msAntes, 300.0);
        QCOMPARE(c.at(0).digitada, digitada);
        QCOMPARE(c.at(0).taxaAgora, digitada ? erros / 50.0 : 0.0);
        QCOMPARE(c.at(0).Tendencia(), tendencia);
        QVERIFY(!c.at(1).digitada);
        r.fracas.clear();
        QVERIFY(CompararTeclas(r).isEmpty()); // a text of the learner's own
    }

    void resultadoMostraOTreino()
    {
        AmbienteTeste amb;
        FrmResultadoTreino w(nullptr, RunDeTeclas(), 0);
        QCOMPARE(w.windowTitle(), QStringLiteral("Treino das minhas teclas"));
        QStringList valores;
        for (QLabel* l : std::as_const(w.Valores))
            valores << l->text();
        QCOMPARE(valores, (QStringList{QStringLiteral("180"), QStringLiteral("380"), QStringLiteral("20"),
                                       QStringLiteral("95%"), QStringLiteral("02:30")}));
        QCOMPARE(w.Antes.size(), 2);
        QCOMPARE(w.Antes.at(0)->text(), QStringLiteral("20% · 300 ms"));
        QCOMPARE(w.Agora.at(0)->text(), QStringLiteral("3% · 250 ms"));
        QVERIFY(w.Agora.at(0)->accessibleName().endsWith(QStringLiteral("melhorou")));
        QCOMPARE(w.Antes.at(1)->text(), QStringLiteral("15% · 420 ms"));
        QCOMPARE(w.Agora.at(1)->text(), QStringLiteral("—"));
        QVERIFY(!w.PicTeclas);

        // A text of the learner's own has no weak keys: the keys it went
        // wrong on instead.
        ResultadoTreino texto = RunDeTeclas();
        texto.tipo = TipoTreino::MeuTexto;
        texto.fracas.clear();
        FrmResultadoTreino t(nullptr, texto, 0);
        QCOMPARE(t.windowTitle(), QStringLiteral("Meu texto"));
        QVERIFY(t.Antes.isEmpty());
        QVERIFY(t.PicTeclas);
        QCOMPARE(t.PicTeclas->Teclas().size(), 1);
        QCOMPARE(t.PicTeclas->Teclas().at(0).caractere, QChar(u'K'));
        QVERIFY(t.height() < w.height());
    }

    void resultadoEscolha_data()
    {
        QTest::addColumn<int>("acao"); // 0 click, 1 Enter, 2 Esc, 3 Enter on the focused button
        QTest::addColumn<bool>("deNovo"); // the button acted on
        QTest::addColumn<bool>("cedo");   // within the first half second
        QTest::addColumn<int>("escolha");
        const int voltar = int(FrmResultadoTreino::Escolha::Voltar);
        const int deNovo = int(FrmResultadoTreino::Escolha::DeNovo);
        QTest::newRow("Treinar de novo") << 0 << true << false << deNovo;
        QTest::newRow("Voltar ao curso") << 0 << false << false << voltar;
        QTest::newRow("Enter") << 1 << false << false << voltar;
        QTest::newRow("Esc") << 2 << false << false << voltar;
        QTest::newRow("Enter em Treinar de novo") << 3 << true << false << deNovo;
        QTest::newRow("Enter cedo em Treinar de novo") << 3 << true << true << voltar;
        QTest::newRow("fechada sem escolha") << -1 << false << false << voltar;
    }
    void resultadoEscolha()
    {
        QFETCH(int, acao);
        QFETCH(bool, deNovo);
        QFETCH(bool, cedo);
        QFETCH(int, escolha);
        AmbienteTeste amb;
        Estado().SomLigado = true;
        amb.dialogos.respostas << [&](QDialog* d) {
            auto* w = qobject_cast<FrmResultadoTreino*>(d);
            QVERIFY(w);
            relogio = cedo ? JanelaDeResultado::GuardaTeclasMs - 1 : JanelaDeResultado::GuardaTeclasMs;
            Imagem* botao = deNovo ? w->CmdDeNovo : w->CmdVoltar;
            switch (acao) {
            case 0: botao->clicar(); break;
            case 1: QTest::keyClick(w, Qt::Key_Return); break;
            case 2: QTest::keyClick(w, Qt::Key_Escape); break;
            case 3: QTest::keyClick(botao, Qt::Key_Return); break;
            }
        };
        const auto e = FrmResultadoTreino::Mostrar(nullptr, RunDeTeclas(), 0);
        QCOMPARE(int(e), escolha);
        QCOMPARE(amb.dialogos.modais, QStringList{QStringLiteral("FrmResultadoTreino")});
        QCOMPARE(amb.som.nomes(), QStringList{QStringLiteral("fim")});
    }

    // ---- pictures ------------------------------------------------------------------------------

    // Renders both windows to PNG files in the folder named by
    // TECLOMATIC_CAPTURAS, for looking at them and for the manual; skipped
    // otherwise. The manual's pictures are the ones at twice the size
    // (QT_SCALE_FACTOR=2): FrmMeuTexto_2x.png is assets/help/meu-texto.png,
    // FrmResultadoTreino_2x.png assets/help/resultado-treino.png.
    void capturas()
    {
        const QString pasta = qEnvironmentVariable("TECLOMATIC_CAPTURAS");
        if (pasta.isEmpty())
            QSKIP("TECLOMATIC_CAPTURAS not set");
        QDir().mkpath(pasta);
        const QString escala = QString::number(qRound(qApp->devicePixelRatio())) + QStringLiteral("x");
        AmbienteTeste amb;
        auto salvar = [&](QWidget& w, const QString& nome) {
            w.show();
            QCoreApplication::processEvents();
            const QPixmap figura = w.grab();
            QVERIFY(!figura.isNull());
            // Cut to the window's rounded frame, as the screen shows it.
            QImage recortada(figura.size(), QImage::Format_ARGB32_Premultiplied);
            recortada.fill(Qt::transparent);
            {
                const qreal dpr = figura.devicePixelRatio();
                QPainter p(&recortada);
                p.setRenderHint(QPainter::Antialiasing);
                QPainterPath forma;
                forma.addRoundedRect(QRectF(QPointF(0, 0), QSizeF(figura.size())), Estilo::RaioJanela * dpr,
                                     Estilo::RaioJanela * dpr);
                QImage semEscala = figura.toImage();
                semEscala.setDevicePixelRatio(1);
                p.fillPath(forma, QBrush(semEscala));
            }
            QVERIFY(recortada.save(pasta + u'/' + nome + u'_' + escala + QStringLiteral(".png")));
            w.hide();
        };
        // About 46 characters a line, as the practice panel holds.
        const auto painel = [](const QString& l) { return l.size() <= 46; };
        {
            FrmMeuTexto w(nullptr, 0, painel);
            w.TxtTexto->setPlainText(QStringLiteral(
                "★ A Bela Adormecida ★\n\n"
                "Era uma vez um rei e uma rainha que, depois de muitos anos, tiveram uma filha.\n"
                "Para o batizado convidaram as fadas do reino — eram sete — e cada uma deu à\n"
                "princesa um dom: a beleza, a graça, a alegria…\n\n"
                "Mas a fada mais velha, que ninguém lembrou de convidar, chegou no fim da festa\n"
                "e disse: “No dia em que fizer quinze anos, ela vai espetar o dedo num fuso.”"));
            salvar(w, QStringLiteral("FrmMeuTexto"));
        }
        {
            FrmMeuTexto w(nullptr, 0, painel);
            salvar(w, QStringLiteral("FrmMeuTexto_vazio"));
        }
        {
            ResultadoTreino r = RunDeTeclas();
            r.fracas << TeclaFraca{u'´', Contagem(40, 5, 380), u'~'} << TeclaFraca{u'P', Contagem(60, 0, 410), QChar()};
            r.teclas[u'´'] = Contagem(12, 2, 390);
            r.teclas[u'P'] = Contagem(25, 0, 352);
            FrmResultadoTreino w(nullptr, r, 0);
            salvar(w, QStringLiteral("FrmResultadoTreino"));
        }
        {
            ResultadoTreino r = RunDeTeclas();
            r.tipo = TipoTreino::MeuTexto;
            r.fracas.clear();
            r.teclas[u'L'] = Contagem(30, 2, 250);
            FrmResultadoTreino w(nullptr, r, 0);
            salvar(w, QStringLiteral("FrmResultadoTreino_texto"));
        }
    }

    // From the pause window a learner practises a text of his own over his
    // lesson, and the result window takes him back to it where he stopped;
    // usuario.dat is not written. On the user screen the Progresso window
    // logs the learner in before it builds a run of his weak keys, and says
    // when his history is too short for one.
    void treinoSobreALicao()
    {
        JanelaTeste j({QStringLiteral("Ana<3<1<100<95<0<0<0<0<0<0<0<0<3<5<segredo")});
        j.entrar(QStringLiteral("segredo"));
        j.digitar(j->pratica.Licao.left(2));
        const QString resto = j->pratica.Licao;
        const QStringList gravado = j.usuariosNoDisco();
        j.amb.dialogos.modais.clear();
        j.amb.dialogos.respostas << [](QDialog* d) { qobject_cast<FrmPausa*>(d)->Escolher(8); }
                                 << [](QDialog* d) {
                                        auto* m = qobject_cast<FrmMeuTexto*>(d);
                                        m->TxtTexto->setPlainText(QStringLiteral("Olá, “você”!"));
                                        m->CmdPraticar_Click();
                                    };
        j.tecla(27);
        QVERIFY(j->pratica.EmTreino());
        QCOMPARE(j->pratica.Licao, QStringLiteral("Olá, \"você\"!"));
        QVERIFY(j->LblCaption->text().contains(QStringLiteral("Meu texto")));
        relogio = JanelaDeResultado::GuardaTeclasMs;
        j.amb.dialogos.respostas << [](QDialog* d) {
            auto* r = qobject_cast<FrmResultadoTreino*>(d);
            QVERIFY(r);
            r->Escolher(FrmResultadoTreino::Escolha::Voltar);
        };
        j.completarExercicio();
        QCOMPARE(j.amb.dialogos.modais, (QStringList{QStringLiteral("FrmPausa"), QStringLiteral("FrmMeuTexto"),
                                                     QStringLiteral("FrmResultadoTreino")}));
        QVERIFY(!j->pratica.EmTreino());
        QCOMPARE(j->pratica.Licao, resto);
        QCOMPARE(Estado().Acertos, qint16(2));
        QCOMPARE(j.usuariosNoDisco(), gravado);

        j->CmdLogoff_Click();
        j.amb.dialogos.modais.clear();
        j.amb.dialogos.respostas << [](QDialog* d) { qobject_cast<FrmProgresso*>(d)->CmdTreino->clicado(); };
        j.responderSenha(QStringLiteral("segredo"));
        j->CmdProgresso_Click();
        QVERIFY(j->Logado());
        QVERIFY(!j->pratica.EmTreino());
        QCOMPARE(j.amb.dialogos.mensagens.size(), 1);
        QVERIFY(j.amb.dialogos.mensagens.at(0).texto.startsWith(QStringLiteral("Ainda não há teclas suficientes")));
    }
};

QTEST_MAIN(TstJanelasTreino)
#include "tst_janelas_treino.moc"
