// The Progresso window over a prepared history, opened from the user screen
// and with F2 during practice, and the result window's keys with most
// errors.
#include "app/EstadoCurso.h"
#include "fakes/JanelaTeste.h"
#include "results/Historico.h"
#include "ui/FrmCom.h"
#include "ui/FrmProgresso.h"
#include "ui/Imagem.h"
#include "ui/TeclasErradas.h"
#include "ui/art/ArteProgresso.h"
#include "Treino.h"

#include <QFile>
#include <QLabel>
#include <QStandardPaths>
#include <QTableWidget>

#include <QtTest>

namespace {

const QString Ana = QStringLiteral("Ana<2<1<60<90<1<0<0<0<0<0<0<0<2<1<segredo");

// Three lessons of Ana, with an L typed for K again and again.
void PrepararHistorico(const QString& pasta)
{
    Historico h(QDir(pasta).filePath(Historico::NomeArquivo()));
    for (int i = 0; i < 3; ++i) {
        LicaoGravada l;
        l.usuario = QStringLiteral("Ana");
        l.momento = QDateTime(QDate(2024, 6, 1 + i), QTime(10, 0));
        l.licao = i < 2 ? 2 : 3;
        l.tpm = 90 + 20 * i;
        l.porcAcertos = 88 + 3 * i;
        l.nota = 4 + i;
        MapaTeclas m;
        for (int k = 0; k < 10; ++k) {
            Registrar(m, u'K', k < 4 ? QStringLiteral("L") : QStringLiteral("K"), k >= 4, 300);
            Registrar(m, u'D', QStringLiteral("D"), true, 200);
        }
        Registrar(m, u'D', QStringLiteral("S"), false, 200);
        QVERIFY(h.GravarLicao(l));
        QVERIFY(h.GravarExercicio(l.usuario, l.momento, l.licao, 1, 0, m));
    }
}

} // namespace

class TstProgresso : public QObject {
    Q_OBJECT
private slots:
    void janelaSobreHistoricoPreparado();
    void f2NaPraticaETeclasDoResultado();
    void historicoDanificadoNaoEhMostrado();
    void escalaDeNumerosRedondos();
};

void TstProgresso::janelaSobreHistoricoPreparado()
{
    JanelaTeste j({Ana}, true, [](AmbienteTeste& amb) { PrepararHistorico(amb.pasta()); });
    bool visto = false;
    j.amb.dialogos.respostas << [&](QDialog* d) {
        auto* w = qobject_cast<FrmProgresso*>(d);
        QVERIFY(w);
        visto = true;
        QCOMPARE(w->Licoes().size(), 3);
        QCOMPARE(w->TabLicoes->rowCount(), 2); // lessons 2 and 3
        QCOMPARE(w->TabLicoes->item(0, 1)->text(), QStringLiteral("2"));
        QCOMPARE(w->TabLicoes->item(0, 2)->text(), QStringLiteral("110 TPM · 91%")); // best of lesson 2
        QCOMPARE(w->Piores().first().caractere, QChar(u'K'));
        QVERIFY(w->LblPiores->text().contains(QStringLiteral("L em vez de K")));
        QTest::keyClick(w->TabLicoes, Qt::Key_T); // from the table, where the focus starts
        QCOMPARE(w->Vista(), VistaCalor::Tempo);
        QCOMPARE(w->Piores().first().caractere, QChar(u'K')); // 300 ms against 200
        QTest::keyClick(w, Qt::Key_E);
        QCOMPARE(w->Vista(), VistaCalor::Erros);
        // An export that cannot be written is not announced as done.
        QFile::remove(w->ArquivoCsv()); // from an earlier run
        {
            DiscoComFalha cheio(DiscoComFalha::Falha::Reserva);
            w->CmdExportar->clicar();
        }
        QVERIFY(!QFile::exists(w->ArquivoCsv()));
        QCOMPARE(j.amb.dialogos.textos().last(),
                 QStringLiteral("Não foi possível exportar o histórico para %1: o disco está cheio").arg(w->ArquivoCsv()));
        w->CmdExportar->clicar();
        QFile csv(w->ArquivoCsv());
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QCOMPARE(csv.readAll().count("\r\n"), 4);
        QTest::keyClick(w, Qt::Key_Escape);
        QVERIFY(!w->isVisible());
    };
    j->CmdProgresso->clicar();
    QVERIFY(visto);
    QVERIFY(j.amb.dialogos.textos().join(u' ').contains(QStringLiteral("exportado")));
}

void TstProgresso::f2NaPraticaETeclasDoResultado()
{
    JanelaTeste j({Ana});
    j.entrar(QStringLiteral("segredo"));
    QVERIFY(!QFile::exists(j.amb.caminho(Historico::NomeArquivo()))); // nothing opened before it is needed

    // F2 opens the window and is not judged.
    const qint16 antes = Estado().TeclasDigitadas;
    QTest::keyClick(j->PicSet, Qt::Key_F2);
    QCOMPARE(j.amb.dialogos.modais.last(), QStringLiteral("FrmProgresso"));
    QCOMPARE(Estado().TeclasDigitadas, antes);

    // Lesson 2 with two Ls where a K is expected.
    QList<QList<TeclaDificil>> vistas;
    j.amb.dialogos.respostas << [&](QDialog* d) {
        if (auto* r = qobject_cast<FrmCom*>(d))
            vistas << r->PicTeclas->Teclas();
    };
    j.completarExercicio(); // dddd, then kkkk
    j.tecla('L');
    j.tecla('L');
    while (j->pratica.Modulo.ListCount() > 0 && vistas.isEmpty())
        j.completarExercicio();
    QCOMPARE(vistas.size(), 1);
    QCOMPARE(vistas.at(0).size(), 1);
    QCOMPARE(vistas.at(0).at(0).caractere, QChar(u'K'));
    QCOMPARE(vistas.at(0).at(0).contagem.erros, 2);
    Historico h(j.amb.caminho(Historico::NomeArquivo()));
    QCOMPARE(h.Licoes(QStringLiteral("Ana")).size(), 1);
}

void TstProgresso::historicoDanificadoNaoEhMostrado()
{
    // 400 lessons, of which a read gets 399 before SQLite finds the damage:
    // no window shows them as the history; the learner is told once that
    // the file was set aside, and the next look shows the new history.
    JanelaTeste j({Ana}, true, [](AmbienteTeste& amb) {
        const QString caminho = amb.caminho(Historico::NomeArquivo());
        HistoricoComLicoes(caminho, QStringLiteral("Ana"), 400);
        Danificar(caminho, DanoHistorico::ForaDoIndice);
    });
    j->CmdProgresso->clicar();
    QCOMPARE(j.amb.dialogos.modais, QStringList());
    QCOMPARE(j.amb.dialogos.mensagens.size(), 1);
    QVERIFY2(j.amb.dialogos.mensagens.at(0).texto.contains(QStringLiteral("estava danificado")),
             qPrintable(j.amb.dialogos.mensagens.at(0).texto));
    int vistas = -1;
    j.amb.dialogos.respostas << [&](QDialog* d) { vistas = int(qobject_cast<FrmProgresso*>(d)->Licoes().size()); };
    j->CmdProgresso->clicar();
    QCOMPARE(vistas, 0);
    QCOMPARE(j.amb.dialogos.mensagens.size(), 1);
}

void TstProgresso::escalaDeNumerosRedondos()
{
    // (the fastest lesson or minimum, with its 10 % headroom) -> the step
    const QList<QPair<int, int>> casos{{0, 5}, {55, 15}, {110, 30}, {125, 40}, {200, 50},
                                       {262, 75}, {1155, 300}, {3000, 750}};
    for (const auto& [maior, passo] : casos)
        QCOMPARE(ArteProgresso::PassoEscala(maior), passo);
}

QTEST_MAIN(TstProgresso)
#include "tst_progresso.moc"
