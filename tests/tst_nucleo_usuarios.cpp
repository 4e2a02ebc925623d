// The user store without a window: loading usuario.dat, selecting and
// searching, the password, the two savers and their frontier rules, adding,
// editing and deleting learners.
#include "Treino.h"

#include "app/EstadoCurso.h"

#include <QFile>
#include <QSignalSpy>
#include <QtTest>

class TstNucleoUsuarios : public QObject {
    Q_OBJECT
private slots:
    void carregarPulaLinhasEmBrancoECriaOPadrao();
    void selecaoETipoAdiante();
    void senha();
    void fronteiras();
    void salvarMantemALinhaDoAluno();
    void adicionarAlterarDeletar();
    void arquivoLidoEmParteNuncaEGravado();
};

void TstNucleoUsuarios::carregarPulaLinhasEmBrancoECriaOPadrao()
{
    {
        Treino t({QStringLiteral("Ana<0<1<100<95<0<0<0<0<0<0<0<0<1<1<a"), QString(),
                  QStringLiteral("Bia<0<1<100<95<0<0<0<0<0<0<0<0<1<1<b")});
        t.usuarios->Carregar();
        QCOMPARE(t.usuarios->Nomes(), (QStringList{QStringLiteral("Ana"), QStringLiteral("Bia")}));
        QCOMPARE(t.usuarios->Selecionado(), -1);
    }
    {
        Treino t; // no usuario.dat at all
        t.usuarios->Carregar();
        QCOMPARE(t.usuarios->vUsuario, QStringList{RegistroPadrao()});
        QCOMPARE(t.usuariosNoDisco(), QStringList{RegistroPadrao()});
    }
}

void TstNucleoUsuarios::selecaoETipoAdiante()
{
    Perfil joao;
    joao.nome = QStringLiteral("João");
    joao.acertos = 7;
    joao.velocidade = 33;
    joao.livre = 1;
    Treino t({Perfil().linha(), joao.linha()});
    CadastroUsuarios& u = *t.usuarios;
    u.Carregar();
    QSignalSpy selecionado(&u, &CadastroUsuarios::selecionado);
    QCOMPARE(u.BuscarPrefixo(QStringLiteral("j")), 1);
    QCOMPARE(u.BuscarPrefixo(QStringLiteral("AN")), 0);
    QCOMPARE(u.BuscarPrefixo(QStringLiteral("Jox")), -1);
    u.SelecionarUsuario(1);
    QCOMPARE(selecionado.count(), 1);
    QCOMPARE(u.Carregado().nome, QStringLiteral("João"));
    QVERIFY(u.Livre());
    QCOMPARE(Estado().Acertos, qint16(7));
    QCOMPARE(Estado().Velocidade, qint16(33));
    QCOMPARE(Estado().SenhaUsuario, QStringLiteral("segredo"));
    u.SelecionarUsuario(5); // no such row: nothing changes
    QCOMPARE(u.Selecionado(), 1);
    QCOMPARE(u.OutroComNome(QStringLiteral(" joão ")), 1);
    QCOMPARE(u.OutroComNome(QStringLiteral("João"), 1), -1);
}

void TstNucleoUsuarios::senha()
{
    Treino t({Perfil().linha()});
    t.usuarios->Carregar();
    t.usuarios->SelecionarUsuario(0);
    QVERIFY(t.usuarios->ConferirSenha(QStringLiteral(" SEGREDO ")));
    QVERIFY(t.usuarios->ConferirSenha(QStringLiteral("chavemestra")));
    QVERIFY(!t.usuarios->ConferirSenha(QStringLiteral("segred")));
}

void TstNucleoUsuarios::fronteiras()
{
    // Lesson 3 is the highest; practice moves the frontier only forward,
    // log-off sets it to the exercise on screen.
    Perfil p;
    p.licao = p.licaoMaxima = 3;
    Treino t({p.linha()});
    t.entrar();
    SessaoPratica& s = *t.sessao;
    t.completarExercicio();
    t.completarExercicio();
    QCOMPARE(Campo(t.usuariosNoDisco().value(0), 3), QStringLiteral("3"));
    QCOMPARE(Campo(t.usuariosNoDisco().value(0), 15), QStringLiteral("3"));
    s.ExercicioAnterior();
    QCOMPARE(Campo(t.usuariosNoDisco().value(0), 3), QStringLiteral("2"));
    QCOMPARE(Campo(t.usuariosNoDisco().value(0), 15), QStringLiteral("3"));
    t.usuarios->SalvarUsuario(s.ExercicioNaTela());
    QCOMPARE(Campo(t.usuariosNoDisco().value(0), 15), QStringLiteral("2"));
    QCOMPARE(Estado().ExercicioMaximo, qint16(2));

    // Below the highest lesson the frontier stays where it is.
    Perfil q;
    q.licao = 3;
    q.licaoMaxima = 5;
    q.exercicioMaximo = 4;
    Treino u({q.linha()});
    u.entrar();
    u.completarExercicio();
    u.usuarios->SalvarUsuario(u.sessao->ExercicioNaTela());
    const QString salvo = u.usuariosNoDisco().value(0);
    QCOMPARE(Campo(salvo, 3), QStringLiteral("2"));
    QCOMPARE(Campo(salvo, 14), QStringLiteral("5"));
    QCOMPARE(Campo(salvo, 15), QStringLiteral("4"));

    // With no lesson open (the introduction) a save keeps the stored exercise.
    Perfil r;
    r.licao = 0;
    r.exercicio = 7;
    Treino v({r.linha()});
    v.entrar();
    v.usuarios->SalvarUsuario(v.sessao->ExercicioNaTela());
    QCOMPARE(Campo(v.usuariosNoDisco().value(0), 3), QStringLiteral("7"));
}

void TstNucleoUsuarios::salvarMantemALinhaDoAluno()
{
    // Two learners whose lines read the same: saves stay on the learner's
    // own line, and nobody else's line changes.
    const QString primeira = QStringLiteral("Ana<3<1<100<95<0<4<5<1<3<200<48<0<3<2<a");
    const QString segunda = QStringLiteral("Ana<3<2<100<95<0<4<5<1<3<200<48<0<3<2<a");
    const QString outra = QStringLiteral("Bia<0<1<100<95<0<0<0<0<0<0<0<0<1<1<b");
    Treino t({primeira, segunda, outra});
    t.entrar(1);
    QCOMPARE(t.sessao->Modulo.indice, 1);
    t.sessao->ExercicioAnterior();
    QCOMPARE(t.usuariosNoDisco(), (QStringList{primeira, primeira, outra}));
    t.sessao->ProximoExercicio(false);
    QCOMPARE(t.usuariosNoDisco(), (QStringList{primeira, segunda, outra}));
    t.usuarios->SalvarUsuario(t.sessao->ExercicioNaTela());
    QCOMPARE(t.usuariosNoDisco(), (QStringList{primeira, segunda, outra}));
}

void TstNucleoUsuarios::adicionarAlterarDeletar()
{
    Treino t({Perfil().linha()});
    CadastroUsuarios& u = *t.usuarios;
    u.Carregar();
    u.Adicionar(RegistroNovo(QStringLiteral("Bia"), QStringLiteral("b")));
    QCOMPARE(u.Nomes(), (QStringList{QStringLiteral("Ana"), QStringLiteral("Bia")}));
    QCOMPARE(u.Selecionado(), 1);
    QCOMPARE(t.usuariosNoDisco(), u.vUsuario);

    // A profile edit keeps position, counters and frontier and follows the
    // new name.
    u.AlterarPerfil(QStringLiteral("Beatriz"), QStringLiteral("80"), QStringLiteral("90"), true,
                    QStringLiteral("nova"));
    const RegistroUsuario r = LerRegistro(t.usuariosNoDisco().value(1));
    QCOMPARE(r.nome, QStringLiteral("Beatriz"));
    QCOMPARE(r.velocidadeMinima, QStringLiteral("80"));
    QCOMPARE(r.precisaoMinima, QStringLiteral("90"));
    QCOMPARE(r.livre, qint16(1));
    QCOMPARE(r.senha, QStringLiteral("nova"));
    QCOMPARE(u.Selecionado(), 1);
    QCOMPARE(u.Carregado().nome, QStringLiteral("Beatriz"));

    u.Deletar();
    QCOMPARE(u.Nomes(), QStringList{QStringLiteral("Ana")});
    QCOMPARE(u.Selecionado(), 0);
    u.Deletar(); // the last one gone: the default user takes its place
    QCOMPARE(u.vUsuario, QStringList{RegistroPadrao()});
    QCOMPARE(t.usuariosNoDisco(), QStringList{RegistroPadrao()});
}

void TstNucleoUsuarios::arquivoLidoEmParteNuncaEGravado()
{
    // More learners than the reader takes: the run goes on with those read,
    // the learner is told once, and nothing is written over the file, so no
    // learner beyond the cut is lost. A new user is then not shown as saved.
    QStringList muitos;
    for (int i = 0; i < 32800; ++i)
        muitos << QStringLiteral("A%1<1<1<100<95<0<0<0<0<0<0<0<0<1<1<a").arg(i);
    Treino t(muitos);
    QSignalSpy avisos(t.usuarios.get(), &CadastroUsuarios::aviso);
    const QByteArray antes = [&] {
        QFile f(t.caminho(QStringLiteral("usuario.dat")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    t.entrar();
    QCOMPARE(avisos.count(), 1);
    QVERIFY(avisos.at(0).at(0).toString().contains(QStringLiteral("o progresso não será salvo")));
    t.completarExercicio();
    t.usuarios->SalvarUsuario(t.sessao->ExercicioNaTela());
    QVERIFY(!t.usuarios->Adicionar(RegistroNovo(QStringLiteral("Bia"), QStringLiteral("b"))));
    QCOMPARE(t.usuarios->ListCount(), 32768);
    QCOMPARE(avisos.count(), 1);
    QFile f(t.caminho(QStringLiteral("usuario.dat")));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), antes);
}

QTEST_GUILESS_MAIN(TstNucleoUsuarios)
#include "tst_nucleo_usuarios.moc"
