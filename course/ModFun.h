#pragma once
// Lesson module files and the program's line files.
//
// A lesson module is a Windows-1252 text file, one exercise per line, every
// line scrambled with a key derived from the lesson number: a stored byte c
// and the plain code p satisfy p = c - key (mod 255), both in 0..254. The
// reader (LerArquivo) and the module builder (tools/teclomod) share every
// constant below, so modules are always written with the key they are read
// with.
#include <QByteArray>
#include <QString>
#include <QStringList>

class QIODevice;

namespace ChaveModuloFixa {
// Lessons below the threshold use the first offset, the others the second.
// With these values the keys of lessons 1..52 are 3..10 and 89..132: every
// character a lesson may hold (a-z, A-Z, ç, Ç, ",", ".", ";", "#", space)
// then scrambles to a byte that is never NUL, TAB, LF, CR, Ctrl-Z or a
// space, so a line can neither be split nor lose a byte at either end on
// its way through the file.
constexpr int Limite = 9;
constexpr int DeslocamentoAbaixo = 2;
constexpr int DeslocamentoAcima = 80;
// Replaces a key of 0 when a line is unscrambled.
constexpr int Padrao = 100;
// Largest key in effect; a larger one is cut down to it.
constexpr int Maxima = 254;
}

// At most this many lines are read from one file (a 16-bit line counter).
constexpr int MaximoLinhasArquivo = 32768;

// The module key of a lesson: licao plus the offset chosen by the threshold.
int ChaveModulo(int licao);

// The key actually used for a given key: 0 becomes the default, above 254
// becomes 254, and a negative key is taken modulo 255 like any other (so
// the key in effect always lies in 1..254).
int ChaveEfetiva(int chave);

// Windows-1252 through Qt's converters. The five codes Windows-1252 leaves
// undefined map to the matching control characters, so every byte string
// survives a decode/encode round trip; a character outside the code page is
// encoded as the converter's substitute byte and *exato, when given, is set
// to false.
QString DecodificarWindows1252(const QByteArray& bytes);
QByteArray CodificarWindows1252(const QString& texto, bool* exato = nullptr);
// The Windows-1252 code of one Unicode character, or -1 when the code page
// cannot hold it.
int CodigoWindows1252(char32_t caractere);

// Unscrambles one stored line of codes: each code a becomes a - key, plus
// 255 when negative (a code equal to the key becomes 0); spaces (code 32
// only) are then removed at both ends. A key of 0 or above 254 is replaced
// as ChaveEfetiva says, and the replacement is written back to chave when
// the line has at least one character.
QByteArray DecifrarBytes(const QByteArray& linha, int& chave);
// The inverse for plain codes 0..254, without any trimming. Code 255 cannot
// be carried: it is stored as the key itself and reads back as 0.
QByteArray CifrarBytes(const QByteArray& linha, int& chave);

// The same on text: the line is taken as Windows-1252 codes.
QString Decifrar(const QString& linha, int& chave);
QString Cifrar(const QString& linha, int& chave);

// Reads a line file of the program (a lesson module, or usuario.dat) and
// appends its lines to alvo in file order. The file is Windows-1252; a line
// ends at CR LF or at a lone CR, while a lone LF stays inside the line; a
// terminator at the very end adds no empty line. With plano false every
// line is unscrambled with ChaveModulo(Estado().LicaoAtual), computed anew
// for each line; with plano true the lines go in exactly as they are.
// Returns false when the file cannot be opened (alvo is left as it was), or
// when reading stops early on a read failure or after MaximoLinhasArquivo
// lines (the lines already read stay in alvo); true when the whole file was
// read.
bool LerArquivo(const QString& caminho, QStringList& alvo, bool plano);
// The same on a device that is already open for reading.
bool LerLinhas(QIODevice& origem, QStringList& alvo, bool plano);
