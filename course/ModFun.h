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
// With these values the keys of lessons 1..52 are 3..10 and 89..132: the
// letters, ç, ",", ".", ";", "#" and space then scramble to a byte that is
// never NUL, TAB, LF, CR, Ctrl-Z or a space, so a line can neither be split
// nor lose a byte at either end on its way through the file. Other
// characters may scramble to a line break under some lesson's key: the
// module builder refuses those.
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
// for each line, and a line left blank (nothing, or only spaces) is skipped:
// it is no exercise. With plano true the lines go in exactly as they are.
// Only a regular file is opened (a folder, FIFO or device counts as not
// there), and opening never waits. Returns false when the file cannot be
// opened (alvo is left as it was), or when reading stops early on a read
// failure or after MaximoLinhasArquivo lines (the lines already read stay
// in alvo); true when the whole file was read. No size limits: the callers
// that read what a learner may have put there use the overload below.
bool LerArquivo(const QString& caminho, QStringList& alvo, bool plano);
// The same on a device that is already open for reading.
bool LerLinhas(QIODevice& origem, QStringList& alvo, bool plano);

// ---- reading with limits and a reason ---------------------------------

// Caps on what is read from one file.
constexpr qint64 MaximoBytesUsuarios = 16 * 1024 * 1024; // usuario.dat
constexpr qint64 MaximoBytesModulo = 1024 * 1024;        // a lesson module
constexpr qsizetype MaximoBytesLinha = 4 * 1024;         // one line of either

struct LimitesLeitura {
    qint64 bytes;         // at most this many bytes are read from the file
    qsizetype bytesLinha; // a longer line is cut to this many bytes
    int linhas;           // at most this many lines
    // A symbolic link is followed only to a file in the link's own folder;
    // otherwise links are followed wherever they go.
    bool linkSoNaPasta;
};
constexpr LimitesLeitura LimitesUsuarios{MaximoBytesUsuarios, MaximoBytesLinha, MaximoLinhasArquivo, true};
constexpr LimitesLeitura LimitesModulo{MaximoBytesModulo, MaximoBytesLinha, MaximoLinhasArquivo, false};

enum class EstadoLeitura {
    Completo,   // the whole file was read
    Cortado,    // stopped early: more lines than the limit, a read failure,
                // or no permission to read; the whole lines read stay
    Grande,     // over a cap: the file (the lines within the cap stay) or
                // one line (cut to the cap, the following lines are read)
    NaoRegular, // a folder, FIFO, device or socket, or a link the policy
                // refuses (outside its folder, or to nothing): nothing read
    Ausente,    // nothing at that path: nothing read
};

struct ResultadoLeitura {
    EstadoLeitura estado = EstadoLeitura::Ausente;
    // Why the file was not read whole, in Portuguese, e.g. "o arquivo passa
    // de 16 MiB"; empty when Completo.
    QString motivo;
    int linhas = 0; // lines appended to alvo

    // The file may be rewritten from what was read: all of it, or there was
    // no file. Anything else rewritten would lose what was not read.
    bool podeRegravar() const
    {
        return estado == EstadoLeitura::Completo || estado == EstadoLeitura::Ausente;
    }
};

// The lines of a device already open for reading, within limites, reporting
// what happened: the check the module builder puts a module through before
// writing it, so it never writes one the program would refuse.
ResultadoLeitura LerLinhas(QIODevice& origem, QStringList& alvo, bool plano, const LimitesLeitura& limites);

// LerArquivo within limites, reporting what happened. The first problem met
// decides the state. The file type is checked before opening and again on
// the open file, and the open itself never blocks (a FIFO put in place in
// between is refused, not waited on).
ResultadoLeitura LerArquivo(const QString& caminho, QStringList& alvo, bool plano, const LimitesLeitura& limites);

// The same checks on the raw bytes: at most maximo bytes (more gives Grande
// and the first maximo bytes); linhas in the result is not counted.
ResultadoLeitura LerBytesArquivo(const QString& caminho, QByteArray& bytes, qint64 maximo, bool linkSoNaPasta);

// "Não foi possível ler a lição em <caminho>: <motivo>", for a module that
// was not read whole.
QString MensagemLeituraModulo(const QString& caminho, const ResultadoLeitura& leitura);

// Where a symbolic link at caminho may be followed under the policy of
// LimitesUsuarios: the canonical path of its target when that target exists
// and sits in the link's own folder; otherwise empty, with motivo set. For a
// path that is not a link, returns caminho unchanged.
QString DestinoDoLink(const QString& caminho, QString* motivo = nullptr);
