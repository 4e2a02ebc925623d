#pragma once
// What the lesson history says about a learner, as pure functions: per-key
// counts (hits, errors, the key pressed instead, time between keys) and
// what the Progresso window and the result window show from them (error
// rate, average time, the worst keys and their usual confusion), and the
// per-lesson summary (attempts, best and last result).
#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>

// The counts of one expected character.
struct ContagemTecla {
    int acertos = 0;
    int erros = 0;
    // Sum and number of the intervals of hits that count as typing (a pause
    // longer than PausaMs is not a slow key).
    qint64 msTotal = 0;
    int msAmostras = 0;
    // What was typed instead ("" a key that types nothing), and how many
    // times.
    QMap<QString, int> trocas;

    int total() const { return acertos + erros; }
    // Errors per keystroke, 0..1; 0 with no keystroke.
    double taxaErro() const { return total() > 0 ? double(erros) / total() : 0.0; }
    // Average milliseconds before a hit of this key; -1 without a sample.
    double msMedio() const { return msAmostras > 0 ? double(msTotal) / msAmostras : -1.0; }
};

// Expected keystroke, named by what it types (a letter in upper case, a
// digit or symbol, a dead key's accent, " " the space bar, "\n" Enter) ->
// counts.
using MapaTeclas = QMap<QChar, ContagemTecla>;

// An interval longer than this is a pause, not a slow key.
constexpr qint64 PausaMs = 5000;

// Counts one judged key. A null expected character counts nothing;
// ms < 0 (the first key of an exercise) or above PausaMs adds no time.
void Registrar(MapaTeclas& m, QChar esperado, const QString& digitado, bool acerto, qint64 ms);
// Adds the counts of origem into destino.
void Somar(MapaTeclas& destino, const MapaTeclas& origem);

// How a keystroke is named to the learner: " " is "Espaço", "\n" is
// "Enter", "" (a key that types nothing) is "outra tecla".
QString NomeCaractere(const QString& c);
inline QString NomeCaractere(QChar c) { return NomeCaractere(QString(c)); }

struct TeclaDificil {
    QChar caractere;
    ContagemTecla contagem;
    QString trocaUsual;   // the key most often typed instead (ties: the first in order)
    int vezesTroca = 0;
    // "L em vez de K"; empty when the key has no error.
    QString textoTroca() const;
};
// The keys with errors, worst first: by error rate, then by number of
// errors, then by character. Keys typed fewer than minimo times are left
// out, so one slip on a rare key does not head the list.
QList<TeclaDificil> PioresTeclas(const MapaTeclas& m, int n, int minimo = 1);
// The keys with most errors, most first (ties by character); for the result
// window's three key caps.
QList<TeclaDificil> MaisErradas(const MapaTeclas& m, int n);
// The slowest keys by average time, slowest first, among those with at
// least minimo timed hits.
QList<TeclaDificil> MaisLentas(const MapaTeclas& m, int n, int minimo = 1);

// Heat of each key, 0..1, for the keyboard picture. Por erros: the error
// rate. Por tempo: the average time scaled between the fastest (0) and the
// slowest (1) key with samples. Keys without data are absent.
enum class VistaCalor { Erros, Tempo };
QMap<QChar, double> Calor(const MapaTeclas& m, VistaCalor vista);

// What a practice run outside the course is: the course itself (0), the
// learner's weak keys (1) or a text of his own (2). The history keeps it
// with each run.
enum class TipoTreino { Curso = 0, MinhasTeclas = 1, MeuTexto = 2 };
// "Treino das minhas teclas", "Meu texto" ("Curso" for the course).
QString NomeDoTreino(TipoTreino tipo);

// One finished lesson as the history keeps it.
struct LicaoGravada {
    QString usuario;
    QDateTime momento;
    int licao = 0;
    int exercicios = 0;     // exercises typed in this run
    int tpm = 0;            // keystrokes per minute
    int acertos = 0;
    int erros = 0;
    int porcAcertos = 0;
    int porcErros = 0;
    int nota = 0;
    bool aprovado = false;
    int teclado = 0;        // layout: 0 ABNT2, 1 BR, 2 Portugal
    // A course lesson (0), or a run of practice outside the course: the
    // learner's weak keys (1), a text of his own (2); these have lesson 0
    // and no grade.
    int tipo = 0;
};

// One row of the lessons table.
struct ResumoLicao {
    int licao = 0;
    int tentativas = 0;
    LicaoGravada melhor;    // highest grade, then speed, then accuracy
    LicaoGravada ultima;    // the most recent
};
// One summary per lesson, by lesson number, of the rows of a kind: the
// course's lessons, or the runs of one kind outside it (all of lesson 0).
QList<ResumoLicao> ResumirLicoes(const QList<LicaoGravada>& licoes, TipoTreino tipo = TipoTreino::Curso);
