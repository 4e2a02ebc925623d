#pragma once
// Writing a file so that a save never reports what did not reach the disk.
//
// Every byte is written straight to the file descriptor, after the space it
// needs has been reserved, and synced; a short write, a failed reservation
// or a failed sync is a failure. QSaveFile is left the part it does well:
// the temporary file beside the target and the rename over it. (Its own
// write buffer is not used: Qt 6.4 flushes it inside commit() and can
// report success after that flush failed, putting an empty file in place
// of the old one.)
#include <QByteArray>
#include <QString>

#include <sys/types.h>

struct ResultadoGravacao {
    bool gravado = false;
    QString motivo; // why not, in Portuguese (e.g. "o disco está cheio")
    // The complete new copy was written beside the file, but the folder would
    // not let it take the file's place (a shared folder with the sticky bit
    // and another account's file, a file mounted on its own).
    bool trocaRecusada = false;
    explicit operator bool() const { return gravado; }
};

// The calls that put bytes on disk. The program uses the system's; tests put
// in calls that fail as a full or broken disk would.
struct OperacoesDisco {
    int (*reservar)(int fd, off_t inicio, off_t tamanho); // posix_fallocate: 0 or an error number
    ssize_t (*escrever)(int fd, const void* dados, size_t n, off_t posicao); // pwrite
    int (*sincronizar)(int fd); // fsync: 0, or -1 with errno set
};
OperacoesDisco DiscoDoSistema();
// The calls in use.
OperacoesDisco& Disco();

// Makes the open regular file fd hold exactly bytes: the space is reserved
// first (so a full disk fails before the file is touched), every byte is
// written from the start, the length is set and the data synced. Returns 0
// or the error number; *tocado tells whether the file's bytes may have
// changed before the failure.
int EscreverTudo(int fd, const QByteArray& bytes, bool* tocado = nullptr);

// The reason for an error number, in Portuguese.
QString MotivoDoErro(int erro);
// The reason a write of tamanho bytes to destino failed: from erro when
// there is one, otherwise from what the folder and the disk say.
QString MotivoDaFalha(int erro, const QString& destino, qint64 tamanho);

// Replaces the file at caminho (or creates it) with bytes. The bytes go to a
// temporary file beside it, which then takes its place in one step: a failed
// or interrupted write leaves the previous file whole and no temporary
// file. Never writes over the file in place.
ResultadoGravacao GravarArquivo(const QString& caminho, const QByteArray& bytes);
