#pragma once
// The practice session: the open lesson and its current exercise, the text
// still to type (Licao), judging each key, the group-of-five cycle with its
// short block, the speed clock, the rhythm bar and the end of an exercise or
// a lesson. It works on the course state's counters and saves progress
// through the user store.
//
// A view renders what the session holds and redraws what `mudou` names; the
// three timers are driven by their tick handlers, so tests call those
// instead of waiting.
#include "keyboard/Digitacao.h"
#include "practice/TreinoPersonalizado.h"

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <array>
#include <functional>
#include <utility>

class CadastroUsuarios;

// The lines (exercises) of the open lesson; the selected one is the current
// exercise.
struct ListaModulo {
    QStringList linhas;
    int indice = -1;
    int ListCount() const { return int(linhas.size()); }
    QString Text() const { return indice >= 0 && indice < linhas.size() ? linhas.at(indice) : QString(); }
    void Clear() { linhas.clear(); indice = -1; }
};

class SessaoPratica : public QObject {
    Q_OBJECT
public:
    // What changed since the last report.
    enum Mudanca {
        LicaoAberta = 0x01, // a lesson was opened or closed
        Exercicio = 0x02,   // another exercise line is current (caption, caps or text)
        Texto = 0x04,       // the text still to type lost its first character
        Contadores = 0x08,  // hits, errors, points (the figures shown)
        Velocidade = 0x10,  // the keystrokes-per-minute figure
        Capas = 0x20,       // which of the five key caps are shown
        Seta = 0x40,        // the arrow over the caps
        Ritmo = 0x80,       // the rhythm bar
        Vermelha = 0x100,   // the red key
        Proxima = 0x200,    // the next key to light
    };
    Q_DECLARE_FLAGS(Mudancas, Mudanca)

    // Positions, in twips, of the arrow over each cap and of the rhythm bar.
    static constexpr int SetaInicio = 1590;
    static constexpr std::array<int, 5> PosicoesSeta{1590, 3720, 5835, 7935, 10035};
    static constexpr int ProgVazio = -1620;
    static constexpr int ProgCheio = -150;
    // TeclaErro's code that only clears the red key.
    static constexpr int SoLimpar = 250;

    explicit SessaoPratica(CadastroUsuarios& usuarios, QObject* pai = nullptr);
    ~SessaoPratica() override;
    static SessaoPratica* Instancia();

    // ---- the open lesson -----------------------------------------------------
    ListaModulo Modulo;
    // The characters still to type, as the lesson writes them (" " the
    // space bar, "\n" Enter). The first is the expected one; it may take
    // more than one keystroke (a dead key, then the letter).
    QString Licao;
    // Right after a log-in the next load restores the saved exercise
    // instead of saving first.
    bool Retomar = false;
    // Set after the fifth hit of a group until the caps are back; keys that
    // arrive meanwhile wait and are judged in order when it lifts.
    bool TeclasBloqueadas = false;

    // Opens lesson n (1..52): reads its module, tells its kind and starts it.
    void AbrirLicao(int n);
    // Kind of the open module (1 key drill, 2 running text), first line selected.
    int VerificarModulo();
    // Builds the text of the selected line for a key drill / running text;
    // each first saves progress unless resuming after a log-in.
    void CarregarMod();
    void CarregarMod2();
    void Iniciar(const QString& vModulo);
    void Iniciar2(const QString& vModulo);
    // Closes the lesson (log-off): nothing left to type, the clock stopped.
    void Fechar();
    // After a result window: counters back to zero, then the same lesson
    // (avanco 0) or the next (avanco 1) is opened.
    void RecomecarLicao(int avanco);

    // ---- practice outside the course -------------------------------------------
    // Opens a run of the learner's own (weak keys, a text of his) as a
    // running text over the course, which waits as it stands: the exercise,
    // what is left of it, its counters and the speed clock come back with
    // EncerrarTreino. Nothing of the run is saved into the user record:
    // neither the course position nor its counters move.
    void AbrirTreino(TipoTreino tipo, const QStringList& linhas);
    bool EmTreino() const { return treino != TipoTreino::Curso; }
    TipoTreino Treino() const { return treino; }
    // Leaves the run (finished or not) and puts the course back as it was.
    void EncerrarTreino();
    // The counts of the run that ended last (valid until the next opens).
    const ResultadoTreino& UltimoTreino() const { return ultimoTreino; }

    // ---- keys --------------------------------------------------------------
    // A key press by key code, with the modifiers held. Modifier keys alone
    // are ignored, and so are the presses a key held down repeats (repetida);
    // during the block the key waits its turn. Every keystroke of a
    // character is judged: a right one is a hit, a wrong one an error after
    // which the character starts again from its first keystroke.
    void TeclaProx(int& tecla, Modificadores m = {}, bool repetida = false);
    // The keystroke expected now (of the first character of Licao); an
    // invalid one when nothing is to be typed or no key types it.
    Toque ToqueEsperado() const;
    void DigCerto(int tecla);
    // Error feedback: the sound and the red key (SoLimpar only clears it).
    void TeclaErro(int& tecla);
    // Keys pressed during the block and not judged yet; they go whenever
    // the lesson or the exercise changes other than by typing it.
    int TeclasEmEspera() const { return int(fila.size()); }
    static bool EhModificador(int tecla);

    // ---- navigation ----------------------------------------------------------
    enum class Passo { Feito, Nenhum, Recusado, FimDoCurso, Introducao };
    // Next / previous exercise of the open lesson. Without the free course
    // the learner cannot pass his frontier exercise.
    Passo ProximoExercicio(bool livre);
    Passo ExercicioAnterior();
    // Next / previous lesson. Without the free course the learner cannot go
    // beyond his highest lesson; after lesson 52 the course is over; from
    // lesson 1 back is the introduction.
    Passo ProximaLicao(bool livre);
    Passo LicaoAnterior();
    static QString MensagemLicaoNaoConcluida();
    static QString MensagemExercicioNaoConcluido();

    // ---- timers ------------------------------------------------------------
    // The speed clock counts only the time in which the learner can type:
    // a lesson run (opening, resuming) starts with it stopped, and the first
    // key starts it; a window over the practice (pause, help, progress,
    // options, a message) stops it with PausarRelogio, and the next key
    // starts it again. The part of a second counted before a pause is kept.
    void PausarRelogio();
    QTimer TrmTpm;    // 1 s: the speed clock
    QTimer TrmProg;   // 30 ms: drains the rhythm bar
    QTimer TrmRepoem; // 30 ms: brings the caps back after a group
    void TrmTpm_Timer();
    void TrmProg_Timer();
    void TrmRepoem_Timer();

    // ---- what a view shows ---------------------------------------------------
    int TipoExercicio() const;
    // The exercise on screen, 1-based; 0 with no lesson open.
    int ExercicioNaTela() const { return Modulo.indice >= 0 ? Modulo.indice + 1 : 0; }
    // The title line of the practice screen.
    QString Caption() const;
    // The current line as the running-text panel shows it (the BR keyboard
    // has no cedilla key: "ç" shows as "c").
    QString LinhaMostrada() const;
    // The five key caps of a drill (shown or not), the arrow, the rhythm bar.
    std::array<bool, 5> CapasVisiveis{};
    int SetaLeft = SetaInicio;
    bool SetaVisivel = false;
    int ProgLeft = ProgVazio;
    // The red key shown (its code on the picture of the layout), -1 none.
    int TeclaVermelha = -1;
    // The figures: hits, errors, points and speed as shown. They empty when
    // a lesson ends while the counters stay for the result window.
    QString PlacarAcertos, PlacarErros, PlacarPontos, PlacarTpm;
    // Shows the counters of the course state (after a record was loaded).
    void MostrarContadores();

    // A monotonic clock in milliseconds, read when a key is pressed; the
    // time between keys reported by `teclaJulgada` comes from it. Tests set
    // their own.
    std::function<qint64()> Relogio;

signals:
    void mudou(SessaoPratica::Mudancas o);
    // The last exercise was typed: the view shows the result window.
    void licaoTerminada();
    // Something the learner must be told (a lesson file that could not be
    // read whole).
    void aviso(const QString& texto);
    // A keystroke was judged against the one expected, each named by what
    // it types (Toque::nome: the letter in upper case, a dead key's accent,
    // " " the space bar, "\n" Enter): what the key typed (empty for a key
    // that types nothing), whether it was right, and the milliseconds since
    // the key judged before it in this exercise run (-1 for the first key
    // after an exercise was opened).
    void teclaJulgada(QChar esperado, const QString& digitado, bool acerto, qint64 msDesdeAnterior);
    // The last character of the current exercise was typed; sent before the
    // next exercise loads or the lesson ends.
    void exercicioTerminado();
    // The last line of a run outside the course was typed (UltimoTreino
    // holds its counts); the course is put back with EncerrarTreino.
    void treinoTerminado();

private:
    void avaliar(int tecla, Modificadores m, qint64 momento);
    void fimDeLicao();
    void iniciarComum(bool mostrarCapas);
    void prepararNovoExercicio();
    void proximaLinha();
    void restaurarExercicio();
    void mudarContador(qint16& valor, int delta);
    void zerarContadores();
    void zerarNoPrimeiroExercicio();
    void julgarFila();
    void ligarRelogio(qint64 agora);

    CadastroUsuarios& usuarios;
    // The course as it stood when a run outside it opened.
    struct CursoGuardado {
        ListaModulo modulo;
        QString licao;
        int toqueAtual = 0;
        std::array<bool, 5> capas{};
        int setaLeft = SetaInicio;
        bool setaVisivel = false;
        QString placar[4];
        qint16 tipoExercicio = 0, grupoLetras = 0, teclasDigitadas = 0, acertos = 0, erros = 0, pontos = 0,
               segundos = 0, velocidade = 0, contadorExtra = 0;
        qint64 msNoSegundo = 0;
        bool retomar = false;
        bool bloqueadas = false;
    } curso;
    TipoTreino treino = TipoTreino::Curso;
    ResultadoTreino ultimoTreino;
    // Keys waiting during the block, each with its modifiers and the moment
    // it was pressed.
    struct TeclaEmEspera {
        int tecla;
        Modificadores m;
        qint64 momento;
    };
    QList<TeclaEmEspera> fila;
    // Which keystroke of the first character of Licao comes next.
    int toqueAtual = 0;
    QElapsedTimer cronometro;
    qint64 ultimoMomento = -1;
    // The speed clock: when its current second began, and how much of a
    // second it had counted when it was stopped.
    qint64 inicioSegundo = 0;
    qint64 msNoSegundo = 0;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(SessaoPratica::Mudancas)
