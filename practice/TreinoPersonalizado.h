#pragma once
// Practice made for one learner, as pure functions:
// - "Treino das minhas teclas": the weak keys chosen from the learner's
//   history, and a run of real words from the course rich in them, with
//   short drills of the keys they are confused with;
// - "Meu texto": a text of the learner's own, cleaned into lines the panel
//   shows and the keyboard types.
#include "course/Vocabulario.h"
#include "results/EstatisticaTeclas.h"

#include <QByteArray>
#include <functional>

struct TeclaFraca {
    QChar tecla;   // the keystroke, by what it types (Toque::nome)
    ContagemTecla contagem;
    QChar troca;   // the keystroke most often typed instead; null for none
};

// A key is judged only after this many keystrokes.
constexpr int MinimoToquesTeclaFraca = 20;

// The 3 to `maximo` weakest keys among those taught: the keys with errors,
// highest error rate first (ties: the slower first, then by character);
// when fewer than three have errors, the slowest of the others make up
// three. Keys typed fewer than `minimoToques` times, not taught yet, the
// space bar and Enter are left out.
QList<TeclaFraca> EscolherTeclasFracas(const MapaTeclas& historico, const QSet<QChar>& ensinados,
                                       int minimoToques = MinimoToquesTeclaFraca, int maximo = 5);

struct TreinoDeTeclas {
    QStringList linhas;
    QList<TeclaFraca> teclas;
    int palavras = 0;          // words in the run
    int palavrasComFracas = 0; // of them, those with a weak key
};

// Keystrokes for about two and a half minutes at a speed (keystrokes per
// minute), between 150 and 600.
int ToquesParaTreino(int tpm);

// A run of about `toquesAlvo` keystrokes, in lines of at most
// `maximoCaracteres`: words the learner can type (every keystroke taught),
// about two in three of them holding a weak key (weighted by how often the
// course uses them, and by how many weak keystrokes they hold), the others
// common words; every few words a short drill of a weak key and the key it
// is confused with ("kl lk kkl llk"). The same seed gives the same run.
TreinoDeTeclas MontarTreino(const Vocabulario& vocabulario, const QList<TeclaFraca>& fracas, int tipoTeclado,
                            int toquesAlvo, quint32 semente, int maximoCaracteres = 52);

// Whether a word holds one of the keystrokes (by name) on a keyboard.
bool TemToque(const QString& palavra, const QSet<QChar>& toques, int tipoTeclado);

// A finished run of practice outside the course, as its result window
// shows it.
struct ResultadoTreino {
    TipoTreino tipo = TipoTreino::MinhasTeclas;
    int tpm = 0;
    int acertos = 0;
    int erros = 0;
    int segundos = 0;
    // The weak keys the run was made of, with their counts in the history
    // before it (empty for a text of the learner's own).
    QList<TeclaFraca> fracas;
    // The keys typed in the run.
    MapaTeclas teclas;
};

// A weak key before the run (its counts in the history) and in it.
struct ComparacaoTecla {
    QChar tecla;
    double taxaAntes = 0, taxaAgora = 0; // errors per keystroke, 0..1
    double msAntes = -1, msAgora = -1;   // average time of a hit; -1 without a sample
    bool digitada = false;               // typed in the run at all
    // 1 better, -1 worse, 0 about the same or not typed: the error rate
    // decides when its whole percentage changed, otherwise the average time
    // when it changed by more than a twentieth.
    int Tendencia() const;
};
// One entry per weak key of the run, in the order of ResultadoTreino::fracas.
QList<ComparacaoTecla> CompararTeclas(const ResultadoTreino& resultado);

struct TextoLimpo {
    QStringList linhas;
    QString removidos;        // each character dropped, once, in order (an emoji as its pair)
    int quantosRemovidos = 0; // how many were dropped in all
    bool cortado = false;     // longer than MaximoLinhasTexto lines: the rest left out
};
constexpr int MaximoLinhasTexto = 60;

// Keystrokes the lines take on a keyboard (an accented letter is two).
int ToquesDasLinhas(const QStringList& linhas, int tipoTeclado);

// A plain text file's bytes: UTF-8 (a byte order mark skipped) when they
// are valid UTF-8, otherwise Windows-1252.
QString DecodificarTexto(const QByteArray& bytes);

// A learner's text made practicable on a keyboard: typographic quotes,
// apostrophes, dashes, the ellipsis and odd spaces become what the keyboard
// types; a paragraph's lines are joined and wrapped again into lines that
// `cabe` accepts (the panel's width); characters no key types (and "#",
// which a lesson reads as Enter) are dropped and reported.
TextoLimpo LimparTexto(const QString& texto, int tipoTeclado, const std::function<bool(const QString&)>& cabe);
