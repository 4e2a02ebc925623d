#pragma once
// Keeps the lesson history up to date while the learner practises: it
// counts every judged key of the practice session per exercise and per
// lesson, writes an exercise's key counts when it is finished and the
// graded lesson when the lesson ends, and makes the history follow a
// renamed or deleted learner.
//
// The history is opened on the first finished exercise or when someone
// asks for it, never at start-up. When it cannot be opened or written the
// learner is told once (`aviso`) and practice goes on.
#include "results/EstatisticaTeclas.h"
#include "results/Historico.h"
#include "practice/SessaoPratica.h"

#include <QObject>
#include <functional>
#include <memory>

class CadastroUsuarios;

class RegistroProgresso : public QObject {
    Q_OBJECT
public:
    RegistroProgresso(SessaoPratica& sessao, CadastroUsuarios& usuarios, QObject* pai = nullptr);
    ~RegistroProgresso() override;
    static RegistroProgresso* Instancia();

    // The history beside the user file, opened now if it was not yet, with
    // any exercise still waiting written in; null when it cannot be used
    // (the learner has then been told). A damaged history it had to set
    // aside is told about here too.
    Historico* Banco();
    // Tells the learner, once, that the history was found damaged and set
    // aside (on opening, or by a read that met the damage).
    void AvisarHistoricoSeparado();

    // With AdiarGravacao set, a finished exercise's keys wait in memory and
    // are announced with `gravacaoAdiada`, so the window can write them once
    // the next exercise is on screen; Descarregar writes them now, in the
    // order they came. They are written as well before anything else is
    // read from or written to the history, and when the recorder goes.
    void AdiarGravacao(bool sim) { adiar = sim; }
    void Descarregar();
    QString Caminho() const;

    // The keys of the lesson being typed, or of the one just finished. A
    // lesson resumed at a later exercise (after a log-in) ends with the
    // keys of its earlier exercises read back from the history, so they
    // cover what the counters of the user record cover.
    const MapaTeclas& TeclasDaLicao() const { return licao; }
    // The keys of the run outside the course being typed, or of the one
    // just finished. Such a run is written as a lesson of its kind, lesson
    // 0, ungraded; the lesson it stands over keeps its own counts.
    const MapaTeclas& TeclasDoTreino() const { return treino; }

    // The clock that dates what is recorded; tests set their own.
    std::function<QDateTime()> Agora = [] { return QDateTime::currentDateTime(); };

signals:
    void aviso(const QString& texto);
    // A finished lesson was written to the history.
    void licaoGravada();
    // A finished exercise waits for Descarregar.
    void gravacaoAdiada();

private:
    void teclaJulgada(QChar esperado, const QString& digitado, bool acerto, qint64 ms);
    void exercicioTerminado();
    void licaoTerminada();
    void treinoTerminado();
    // Writes a finished lesson or run, and says whether it went in.
    void gravarLicao(const LicaoGravada& l);
    void mudou(SessaoPratica::Mudancas o);
    void renomeado(const QString& antigo, const QString& novo);
    void deletado(const QString& nome);
    // Reports the history's failure once per run.
    void falhou();

    SessaoPratica& sessao;
    CadastroUsuarios& usuarios;
    std::unique_ptr<Historico> banco;
    MapaTeclas exercicio;
    MapaTeclas licao;
    MapaTeclas treino;
    int exerciciosDoTreino = 0;
    // Whether the session was in a run outside the course at its last
    // report, and the course exercise's keys put aside meanwhile.
    bool emTreino = false;
    MapaTeclas exercicioDoCurso;
    QString chaveLicao;
    int exerciciosFeitos = 0;
    // The exercise a resumed lesson went on from (0: begun at the first),
    // and when.
    int retomadaNoExercicio = 0;
    QDateTime retomadaEm;
    bool avisado = false;
    QString separadoAvisado;
    bool adiar = false;
    struct ExercicioPendente {
        QString usuario;
        QDateTime momento;
        int licao, exercicio, teclado;
        MapaTeclas teclas;
    };
    QList<ExercicioPendente> pendentes;
};
