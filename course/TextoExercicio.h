#pragma once
// The text of an exercise, built from one line of the open lesson, and the
// lesson's caption line. The main window's lesson loader uses these.
#include <QString>
#include <QStringList>

// The text of an exercise is what the learner types, character by
// character, as the lesson writes it (the letter case tells the guide where
// to suggest Shift): " " is the space bar and "\n" Enter, written "#" in a
// lesson.

// Key drill (kind 1): the four keys and the space bar written eight times;
// "asdf" gives "asdf asdf asdf asdf asdf asdf asdf asdf " (40 characters).
// The BR keyboard practises the keys at the places of the ABNT2 ones: "ç"
// is its ";" key, right of L, and ";" its "/" key, right of the period.
QString TextoTeclas(const QString& linha, int tipoTeclado);

// Running text (kind 2): the line with "#" as Enter; with the BR layout
// (tipoTeclado 1), which has no Ç key, every "ç" is typed as "c".
QString TextoCorrido(const QString& linha, int tipoTeclado);

// The text of a missing, unreadable or empty lesson, and how many times it
// fills the lesson.
inline constexpr char MensagemModuloAusente[] =
    "arquivo nao encontrado. reinstale o programa para corrigir o erro.";
constexpr int LinhasModuloAusente = 100;

// The kind of a lesson from its lines: 1 (key drill) when every line is
// exactly four characters long, otherwise 2 (running text). An empty list
// is first filled with LinhasModuloAusente copies of MensagemModuloAusente.
int ClassificarModulo(QStringList& linhas);

// "Usuário: Ana \ Lição: 3 de 52 \ Exercicio: 2 de 10" for indice 1 (the
// current exercise counted from 0) of total.
QString LinhaTitulo(const QString& nome, int licao, int indice, int total);

// The module file of lesson n: Modulos/mod<n>.mod, the number without
// leading zeros (mod7.mod), in the application folder or, for an installed
// program, in its data folder (CaminhoRecurso).
QString CaminhoModulo(int n);
