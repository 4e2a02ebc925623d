#pragma once
// Grading of a finished lesson, as the result windows show it: the two
// percentages, the error index, the points and grade, the pass test and the
// advice text. Pure functions of the counts and the learner's profile.
#include <QString>
#include <QtGlobal>

enum class JanelaResultado {
    Com, // lessons 1..51
    Fim, // lesson 52, the end of the course
};

// parte as a percentage of todo: -1 when parte exceeds todo, 0 when parte is
// 0, otherwise parte * 100 / todo; -1 too when the division cannot be done
// (a zero or non-finite whole, a result out of range).
float GetPercentage(double parte, double todo);

struct Porcentagens {
    int acertos = 0;
    int erros = 0;
};
// Share of hits and of errors in all keystrokes, each rounded to two decimals
// and then to a whole number, halves to even (3 and 5 give 38 and 62). With
// no keystroke at all both are 0. Negative counts count as 0.
Porcentagens PegaPorcentagem(qint16 acertos, qint16 erros);

// The error percentage as a percentage of the hit percentage, rounded down;
// -1 when errors exceed hits.
int IndiceErros(int porcErros, int porcAcertos);

// Accuracy points 0..5 from the error index (-1, errors above hits, earns 0).
int PontosPrecisao(int indiceErros);
// Speed points 0..5; the final lesson asks for more at 3 and 4 points.
int PontosVelocidade(int velocidade, JanelaResultado janela);

// The whole number at the start of a profile text ("95", " 90 ", "90%",
// "60.7" -> 60): sign and digits, any fractional part dropped. *ok is false
// (and the result 0) when the text does not start with a number.
int NumeroDoTexto(const QString& texto, bool* ok = nullptr);

// The pass tests: the profile's minimum (its whole number) is reached or
// exceeded. A minimum that is not a number counts as 0, so it never blocks.
bool PassaPrecisao(const QString& txtPre, int porcAcertos);
bool PassaVelocidade(const QString& txtVelo, int velocidade);

// The advice shown under the tables.
QString TextoConselho(bool passaPrecisao, bool passaVelocidade, int velocidade,
                      int minimoVelocidade);

// Everything a result window shows.
struct ResultadoLicao {
    // The counts of the run.
    int acertos = 0;
    int erros = 0;
    int velocidade = 0;
    QString textoAcertos;   // LblAcetos
    QString textoErros;     // LblErros
    QString textoCpm;       // LblCpm

    // Percentages; the two texts end in "%".
    Porcentagens porcentagens;
    QString vPorAcerto;     // LblPorAcerto, SeuPrecisao
    QString vPorErros;      // LblPorErros

    int indiceErros = 0;
    int pontosPrecisao = 0;
    int pontosVelocidade = 0;
    int nota = 0;
    QString textoNota;      // LblNota

    // Comparison table.
    QString seuPrecisao;    // "95%"
    QString reqPrecisao;    // "90%"
    QString seuVelocidade;  // "85 TPM"
    QString reqVelocidade;  // "60 TPM"

    bool passaPrecisao = false;
    bool passaVelocidade = false;
    bool passa = false;     // both: the next-lesson button is offered
    QString conselho;       // LblCom
    // The title line: "Lição concluída", or which minimum was missed
    // ("Velocidade abaixo do mínimo: 82 de 100 TPM").
    QString cabecalho;
};

ResultadoLicao AvaliarLicao(qint16 acertos, qint16 erros, qint16 velocidade,
                            const QString& txtPre, const QString& txtVelo,
                            JanelaResultado janela);
