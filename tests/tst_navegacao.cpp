// Moving through the course from the practice screen: the lesson buttons,
// the exercise buttons, the free-course rule with its refusals, and the
// toolbar's resting look.
#include "app/EstadoCurso.h"
#include "fakes/JanelaTeste.h"
#include "ui/CamadaImagens.h"
#include "ui/FrmBox.h"
#include "ui/Imagem.h"
#include "ui/LinhaTexto.h"
#include "ui/Twips.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

const QString Senha = QStringLiteral("segredo");

const QString RecusaLicao = QStringLiteral(
    "Você não concluiu a lição, e por isso não é possível ir para a próxima lição.\r\n\r\n"
    "Para navegar em todas as lições e necessário alterar o seu perfil de usuário, marcando a opção 'Curso Livre'.");
const QString RecusaExercicio = QStringLiteral(
    "Você não concluiu o exercício, e por isso não é possível ir para o próximo exercício.\r\n\r\n"
    "Para navegar em todos os exercícios e necessário alterar o seu perfil de usuário, marcando a opção 'Curso Livre'.");

// A learner's record: position, free course, frontier.
QString Registro(int licao, int exercicio, bool livre, int licaoMaxima, int exercicioMaximo,
                 int acertos = 0)
{
    return QStringList{QStringLiteral("Ana"), QString::number(licao), QString::number(exercicio),
                       QStringLiteral("100"), QStringLiteral("95"), livre ? QStringLiteral("1") : QStringLiteral("0"),
                       QString::number(acertos), QStringLiteral("0"), QStringLiteral("0"), QString::number(acertos),
                       QString::number(acertos * 100), QStringLiteral("0"), QStringLiteral("0"),
                       QString::number(licaoMaxima), QString::number(exercicioMaximo), Senha}
        .join(u'<');
}

std::unique_ptr<JanelaTeste> Entrar(int licao, int exercicio, bool livre, int licaoMaxima, int exercicioMaximo)
{
    auto j = std::make_unique<JanelaTeste>(QStringList{Registro(licao, exercicio, livre, licaoMaxima, exercicioMaximo)});
    j->entrar(Senha);
    j->amb.som.tocados.clear();
    j->amb.dialogos.modais.clear();
    return j;
}

QStringList LinhasDaLicao(int n)
{
    QFile f(QStringLiteral(TECLOMATIC_SOURCE_DIR "/lessons/licao%1.txt").arg(n, 2, 10, QLatin1Char('0')));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

// Records the text of every FrmBox shown from now on.
std::shared_ptr<QStringList> GuardarMensagens(JanelaTeste& j, int quantas = 1)
{
    auto textos = std::make_shared<QStringList>();
    for (int i = 0; i < quantas; ++i)
        j.amb.dialogos.respostas << [textos](QDialog* d) {
            if (auto* box = qobject_cast<FrmBox*>(d))
                *textos << box->LblMs->text();
        };
    return textos;
}

}

class TstNavegacao : public QObject {
    Q_OBJECT
private slots:
    // Lessons.
    void proximaLicaoRecusada();
    void daIntroducaoParaALicao1();
    void ultimaLicao_data();
    void ultimaLicao();
    void licaoAbaixoDaMaximaAvancaLivre();
    void cursoLivreAvancaAlemDaMaxima();
    void licaoAnteriorAteAIntroducao();
    void licaoAnteriorAbreALicao();

    // Exercises.
    void proximoExercicioRecusado();
    void proximoExercicioSemChecarCursoLivre_data();
    void proximoExercicioSemChecarCursoLivre();
    void ultimoExercicioNaoAvanca();
    void primeiroExercicioNaoVolta();
    void novoExercicioPreparado_data();
    void novoExercicioPreparado();

    // Toolbar.
    void botBranco();
};

void TstNavegacao::proximaLicaoRecusada()
{
    auto j = Entrar(1, 1, false, 1, 1);
    FrmMain& w = j->w();
    const QStringList modulo = w.pratica.Modulo.linhas;
    const auto textos = GuardarMensagens(*j);
    w.CmdProx2_Click();
    QCOMPARE(j->amb.dialogos.modais, QStringList{QStringLiteral("FrmBox")});
    QCOMPARE(*textos, QStringList{RecusaLicao});
    QCOMPARE(Estado().LicaoAtual, qint16(1));
    QCOMPARE(w.pratica.Modulo.linhas, modulo);
    QCOMPARE(w.pratica.Modulo.indice, 0);
    QVERIFY(j->amb.som.nomes().isEmpty());
}

void TstNavegacao::daIntroducaoParaALicao1()
{
    auto j = Entrar(0, 1, false, 1, 1);
    FrmMain& w = j->w();
    QVERIFY(!w.PicDedos->isHidden());
    QCOMPARE(w.pratica.Modulo.ListCount(), 0);
    const QString titulo = w.LblCaption->text();

    w.CmdProx2_Click();
    QVERIFY(j->amb.dialogos.modais.isEmpty());
    QCOMPARE(j->amb.som.nomes(), QStringList{QStringLiteral("bip")});
    QVERIFY(w.PicDedos->isHidden());
    QCOMPARE(Estado().LicaoAtual, qint16(1));
    QCOMPARE(w.pratica.Modulo.linhas, LinhasDaLicao(1));
    QCOMPARE(w.pratica.Modulo.indice, 0);
    QVERIFY(!w.pratica.TrmTpm.isActive()); // until the first key
    QVERIFY(w.LblCaption->text() != titulo);
    QVERIFY(w.LblCaption->text().startsWith(QStringLiteral("Usuário: Ana \\ Lição: 1 de 52 \\ Exercicio: 1 de ")));

    // Lesson 1 is the frontier: the next button now refuses.
    const auto textos = GuardarMensagens(*j);
    w.CmdProx2_Click();
    QCOMPARE(*textos, QStringList{RecusaLicao});
    QCOMPARE(Estado().LicaoAtual, qint16(1));
}

void TstNavegacao::ultimaLicao_data()
{
    QTest::addColumn<bool>("livre");
    QTest::addColumn<QString>("janela");
    QTest::newRow("curso livre") << true << QStringLiteral("FrmBoxFim");
    QTest::newRow("sem curso livre") << false << QStringLiteral("FrmBox");
}

void TstNavegacao::ultimaLicao()
{
    QFETCH(bool, livre);
    QFETCH(QString, janela);
    auto j = Entrar(52, 1, livre, 52, 1);
    FrmMain& w = j->w();
    const QStringList modulo = w.pratica.Modulo.linhas;
    const auto textos = GuardarMensagens(*j);
    w.CmdProx2_Click();
    QCOMPARE(j->amb.dialogos.modais, QStringList{janela});
    QCOMPARE(*textos, livre ? QStringList() : QStringList{RecusaLicao});
    QCOMPARE(Estado().LicaoAtual, qint16(52));
    QCOMPARE(w.pratica.Modulo.linhas, modulo);
    QVERIFY(j->amb.som.nomes().isEmpty());
}

void TstNavegacao::licaoAbaixoDaMaximaAvancaLivre()
{
    auto j = Entrar(3, 2, false, 7, 4);
    FrmMain& w = j->w();
    w.CmdProx2_Click();
    QVERIFY(j->amb.dialogos.modais.isEmpty());
    QCOMPARE(Estado().LicaoAtual, qint16(4));
    QCOMPARE(w.pratica.Modulo.linhas, LinhasDaLicao(4));
    // A lesson opened by the buttons starts at its first exercise.
    QCOMPARE(w.pratica.Modulo.indice, 0);
    QCOMPARE(j->amb.som.nomes(), QStringList{QStringLiteral("bip")});
    QVERIFY(w.LblCaption->text().startsWith(QStringLiteral("Usuário: Ana \\ Lição: 4 de 52 \\ Exercicio: 1 de ")));
}

void TstNavegacao::cursoLivreAvancaAlemDaMaxima()
{
    auto j = Entrar(5, 1, true, 5, 1);
    FrmMain& w = j->w();
    w.CmdProx2_Click();
    QVERIFY(j->amb.dialogos.modais.isEmpty());
    QCOMPARE(Estado().LicaoAtual, qint16(6));
    QCOMPARE(w.pratica.Modulo.linhas, LinhasDaLicao(6));
}

void TstNavegacao::licaoAnteriorAteAIntroducao()
{
    auto j = Entrar(1, 3, false, 1, 3);
    FrmMain& w = j->w();
    const QStringList modulo = w.pratica.Modulo.linhas;
    const QString titulo = w.LblCaption->text();
    QVERIFY(w.PicDedos->isHidden());

    w.CmdAnt2_Click();
    QVERIFY(!w.PicDedos->isHidden());
    QCOMPARE(Estado().LicaoAtual, qint16(0));
    QCOMPARE(j->amb.som.nomes(), QStringList{QStringLiteral("bip")});
    // No module is opened: the lesson's exercises stay where they were.
    QCOMPARE(w.pratica.Modulo.linhas, modulo);
    QCOMPARE(w.pratica.Modulo.indice, 2);
    QCOMPARE(w.LblCaption->text(), titulo);

    // On the introduction the button does nothing at all.
    j->amb.som.tocados.clear();
    w.CmdAnt2_Click();
    QVERIFY(!w.PicDedos->isHidden());
    QCOMPARE(Estado().LicaoAtual, qint16(0));
    QVERIFY(j->amb.som.nomes().isEmpty());
    QCOMPARE(w.pratica.Modulo.linhas, modulo);
    QCOMPARE(w.pratica.Modulo.indice, 2);
    QVERIFY(j->amb.dialogos.modais.isEmpty());
}

void TstNavegacao::licaoAnteriorAbreALicao()
{
    auto j = Entrar(20, 4, false, 20, 4);
    FrmMain& w = j->w();
    w.CmdAnt2_Click();
    QCOMPARE(Estado().LicaoAtual, qint16(19));
    QCOMPARE(w.pratica.Modulo.linhas, LinhasDaLicao(19));
    QCOMPARE(w.pratica.Modulo.indice, 0);
    QVERIFY(w.PicDedos->isHidden());
    QCOMPARE(j->amb.som.nomes(), QStringList{QStringLiteral("bip")});
    QVERIFY(j->amb.dialogos.modais.isEmpty());
}

void TstNavegacao::proximoExercicioRecusado()
{
    auto j = Entrar(2, 3, false, 2, 3);
    FrmMain& w = j->w();
    QCOMPARE(w.pratica.Modulo.indice, 2);
    const QString licao = w.pratica.Licao;
    const auto textos = GuardarMensagens(*j);
    w.CmdProxExe_Click();
    QCOMPARE(j->amb.dialogos.modais, QStringList{QStringLiteral("FrmBox")});
    QCOMPARE(*textos, QStringList{RecusaExercicio});
    QCOMPARE(w.pratica.Modulo.indice, 2);
    QCOMPARE(w.pratica.Licao, licao);
    QVERIFY(j->amb.som.nomes().isEmpty());

    // The same exercise with the free course goes on.
    CursoLivre(w, true);
    w.CmdProxExe_Click();
    QCOMPARE(w.pratica.Modulo.indice, 3);
    QCOMPARE(j->amb.dialogos.modais.size(), 1);
}

void TstNavegacao::proximoExercicioSemChecarCursoLivre_data()
{
    QTest::addColumn<int>("licao");
    QTest::addColumn<int>("exercicio");
    QTest::addColumn<int>("licaoMaxima");
    QTest::addColumn<int>("exercicioMaximo");
    QTest::newRow("abaixo do exercicio maximo") << 2 << 2 << 2 << 5;
    QTest::newRow("licao abaixo da maxima") << 2 << 3 << 6 << 3;
    QTest::newRow("licao abaixo da maxima, exercicio maximo 1") << 20 << 1 << 30 << 1;
}

void TstNavegacao::proximoExercicioSemChecarCursoLivre()
{
    QFETCH(int, licao);
    QFETCH(int, exercicio);
    QFETCH(int, licaoMaxima);
    QFETCH(int, exercicioMaximo);
    auto j = Entrar(licao, exercicio, false, licaoMaxima, exercicioMaximo);
    FrmMain& w = j->w();
    QVERIFY(!w.Livre->isChecked());
    w.CmdProxExe_Click();
    QVERIFY(j->amb.dialogos.modais.isEmpty());
    QCOMPARE(w.pratica.Modulo.indice, exercicio);
    QVERIFY(w.LblCaption->text().contains(QStringLiteral("Exercicio: %1 de ").arg(exercicio + 1)));
}

void TstNavegacao::ultimoExercicioNaoAvanca()
{
    const int total = int(LinhasDaLicao(3).size());
    auto j = Entrar(3, total, true, 3, total);
    FrmMain& w = j->w();
    QCOMPARE(w.pratica.Modulo.indice, total - 1);
    const QString licao = w.pratica.Licao;
    const QString titulo = w.LblCaption->text();
    const QString disco = j->usuariosNoDisco().value(0);
    w.CmdProxExe_Click();
    QCOMPARE(w.pratica.Modulo.indice, total - 1);
    QCOMPARE(w.pratica.Licao, licao);
    QCOMPARE(w.LblCaption->text(), titulo);
    QCOMPARE(j->usuariosNoDisco().value(0), disco);
    QVERIFY(!w.pratica.TrmRepoem.isActive());
    QVERIFY(j->amb.dialogos.modais.isEmpty());
    QVERIFY(j->amb.som.nomes().isEmpty());
}

void TstNavegacao::primeiroExercicioNaoVolta()
{
    auto j = Entrar(3, 1, true, 3, 1);
    FrmMain& w = j->w();
    const QString licao = w.pratica.Licao;
    w.CmdAntExe_Click();
    QCOMPARE(w.pratica.Modulo.indice, 0);
    QCOMPARE(w.pratica.Licao, licao);
    QVERIFY(!w.pratica.TrmRepoem.isActive());
    QVERIFY(j->amb.som.nomes().isEmpty());
}

void TstNavegacao::novoExercicioPreparado_data()
{
    QTest::addColumn<int>("licao");
    QTest::addColumn<bool>("proximo");
    QTest::newRow("teclas, proximo") << 2 << true;
    QTest::newRow("teclas, anterior") << 2 << false;
    QTest::newRow("texto corrido, proximo") << 20 << true;
    QTest::newRow("texto corrido, anterior") << 20 << false;
}

void TstNavegacao::novoExercicioPreparado()
{
    QFETCH(int, licao);
    QFETCH(bool, proximo);
    auto j = Entrar(licao, 3, false, licao, 5);
    FrmMain& w = j->w();
    const int tipo = Estado().TipoExercicio;
    const QStringList linhas = LinhasDaLicao(licao);
    // Mid-group: two hits and an error.
    j->digitar(w.pratica.Licao.left(2));
    j->tecla(49);
    QCOMPARE(Estado().GrupoLetras, qint16(3));
    const qint16 segundos = qint16(Estado().Segundos + 7);
    Estado().Segundos = segundos;
    j->amb.som.tocados.clear();
    QVERIFY(!w.pratica.TrmRepoem.isActive());

    proximo ? w.CmdProxExe_Click() : w.CmdAntExe_Click();
    const int indice = proximo ? 3 : 1;
    QCOMPARE(w.pratica.Modulo.indice, indice);
    const QString linha = linhas.at(indice);
    QCOMPARE(w.pratica.Licao, tipo == 1 ? QString(linha + u' ').repeated(8) : linha);
    QVERIFY(w.LblCaption->text().endsWith(QStringLiteral("Exercicio: %1 de %2").arg(indice + 1).arg(linhas.size())));
    for (const ImagemCamada* q : w.qLetra)
        QVERIFY(q->isHidden());
    QCOMPARE(Estado().GrupoLetras, qint16(5));
    QCOMPARE(Twips::Left(w.PicSeta), 1590);
    QVERIFY(w.pratica.TrmRepoem.isActive());
    if (tipo == 1)
        QCOMPARE(w.qLetra[0]->picture().cacheKey(),
                 w.Capas.value(QStringLiteral("T") + linha.left(1).toUpper()).cacheKey());
    else
        QCOMPARE(w.LblLicao->linha(), linha);
    // The first key of the new exercise is lit.
    QCOMPARE(w.Amarelas.value(linha.left(1).toUpper())->isHidden(), false);

    // The run goes on: counters, their labels and the clock are untouched,
    // and the buttons make no sound.
    EstadoCurso& e = Estado();
    QCOMPARE(e.Acertos, qint16(2));
    QCOMPARE(e.Erros, qint16(1));
    QCOMPARE(e.TeclasDigitadas, qint16(3));
    QCOMPARE(e.Pontos, qint16(100));
    QCOMPARE(e.Segundos, segundos);
    QCOMPARE(w.LblAcertos->text(), QStringLiteral("2"));
    QCOMPARE(w.LblErros->text(), QStringLiteral("1"));
    QCOMPARE(w.LblPontos->text(), QStringLiteral("100"));
    QVERIFY(w.pratica.TrmTpm.isActive());
    QVERIFY(j->amb.som.nomes().isEmpty());

    // The caps come back one per tick before the drill goes on.
    for (int tick = 0; tick < 5; ++tick)
        w.pratica.TrmRepoem_Timer();
    QVERIFY(!w.pratica.TrmRepoem.isActive());
    // Under a running text they stay out of sight.
    for (const ImagemCamada* q : w.qLetra)
        QCOMPARE(q->isHidden(), Estado().TipoExercicio == 2);
}

void TstNavegacao::botBranco()
{
    auto j = Entrar(2, 1, false, 2, 1);
    FrmMain& w = j->w();
    const QList<Imagem*> barra = {w.CmdFechar, w.CmdAjuda, w.CmdSom, w.CmdLogoff, w.CmdProx2, w.CmdAnt2, w.CmdOpcao};
    for (Imagem* i : barra)
        i->setPicture(w.aProx);

    Estado().SomLigado = false;
    w.BotBranco();
    QCOMPARE(w.CmdSom->picture().cacheKey(), w.bSoml.cacheKey());
    for (Imagem* i : barra)
        if (i != w.CmdSom)
            QVERIFY2(!i->temPicture(), qPrintable(i->objectName()));

    Estado().SomLigado = true;
    w.CmdSom->setPicture(w.aProx);
    w.BotBranco();
    for (Imagem* i : barra)
        QVERIFY2(!i->temPicture(), qPrintable(i->objectName()));

    // The lesson buttons leave the toolbar at rest, sound switch included.
    Estado().SomLigado = false;
    w.CmdProx2->setPicture(w.aProx);
    w.CmdAnt2_Click();
    QCOMPARE(Estado().LicaoAtual, qint16(1));
    QVERIFY(!w.CmdProx2->temPicture());
    QCOMPARE(w.CmdSom->picture().cacheKey(), w.bSoml.cacheKey());
}

QTEST_MAIN(TstNavegacao)
#include "tst_navegacao.moc"
