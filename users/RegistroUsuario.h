#pragma once
// One user of usuario.dat: a line of 16 fields joined by "<".
//
//   1 name  2 lesson  3 exercise  4 minimum speed  5 minimum precision
//   6 free course  7..13 the counters of the last practice run
//   14 highest lesson reached  15 frontier exercise  16 password
//
// Nothing in a field can escape the separator, so a name or password that
// holds "<" cannot be stored (see CabeNoRegistro).
#include <QString>
#include <QtGlobal>

struct RegistroUsuario {
    QString nome;
    qint16 licao = 0;
    qint16 exercicio = 1;
    // Fields 4 and 5 are carried as the text that was loaded, so a save
    // writes them back exactly as they stood.
    QString velocidadeMinima = QStringLiteral("100");
    QString precisaoMinima = QStringLiteral("95");
    qint16 livre = 0;
    qint16 teclasDigitadas = 0;
    qint16 segundos = 0;
    qint16 erros = 0;
    qint16 acertos = 0;
    qint16 pontos = 0;
    qint16 velocidade = 0;
    qint16 contadorExtra = 0;
    qint16 licaoMaxima = 1;
    qint16 exercicioMaximo = 1;
    QString senha;

    bool operator==(const RegistroUsuario&) const = default;
};

// Number of fields of a record line.
inline constexpr int CamposRegistro = 16;
// The field separator.
inline constexpr QChar SeparadorRegistro = u'<';

// The record as a line of usuario.dat (no line terminator).
QString MontarRegistro(const RegistroUsuario& registro);

// Reads a line by position. A field that is missing or cannot be read as a
// number (fields 4 and 5: as a whole number) keeps the value a new user has,
// so a damaged line still gives a usable record. *completo (when given)
// tells whether the line was a clean record of exactly 16 readable fields.
RegistroUsuario LerRegistro(const QString& linha, bool* completo = nullptr);

// The record of a user created now: name and password trimmed, at the
// introduction, minimum speed 100 and precision 95, free course off, counters
// zero, frontier at lesson 1, exercise 1.
RegistroUsuario RegistroNovo(const QString& nome, const QString& senha);

// The line of the default user created when the user list is empty.
QString RegistroPadrao();
// Its name and password.
QString NomeUsuarioPadrao();
QString SenhaUsuarioPadrao();

// Whether a name or password can be stored and read back unchanged: it holds
// no "<" and no line break, and every character exists in Windows-1252 (the
// encoding of usuario.dat).
bool CabeNoRegistro(const QString& texto);

// The frontier (highest lesson reached and the exercise reached in it) after
// an exercise is loaded during practice: the highest lesson rises to the
// current one, and in the highest lesson the frontier exercise only moves
// forward.
void FronteiraProgresso(qint16& licaoMaxima, qint16& exercicioMaximo,
                        qint16 licaoAtual, qint16 exercicio);
// The frontier at log-off or exit: the highest lesson rises to the current
// one, and in the highest lesson the frontier becomes the exercise on screen,
// even when that is lower.
void FronteiraUsuario(qint16& licaoMaxima, qint16& exercicioMaximo,
                      qint16 licaoAtual, qint16 exercicio);
