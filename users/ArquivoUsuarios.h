#pragma once
// The user file usuario.dat: one record per line in Windows-1252, each line
// ended by CR LF. It is read with the generic line reader of course/ModFun.h
// (LerArquivoUsuarios below applies the caps and the link policy) and
// rewritten whole after every change with GravarArquivoUsuarios.
//
// Link policy: a symbolic link named usuario.dat is followed only to an
// existing file in the link's own folder. A link pointing elsewhere, or to
// nothing, is neither read nor written, and its target is never created.
#include "course/ModFun.h"

#include <QString>
#include <QStringList>

// application folder + "usuario.dat"
QString CaminhoUsuarios();

// Reads the user file into registros (appended) within LimitesUsuarios:
// at most 16 MiB, lines of at most 4 KiB, at most MaximoLinhasArquivo lines,
// regular files only, the link policy above.
ResultadoLeitura LerArquivoUsuarios(const QString& caminho, QStringList& registros);
// "Não foi possível ler o arquivo de usuários <caminho>: <motivo>. Para não
// perder nenhum aluno, o progresso não será salvo até o Teclomatic ser
// aberto de novo." For a read that cannot be written back.
QString MensagemLeituraUsuarios(const QString& caminho, const ResultadoLeitura& leitura);

struct ResultadoGravacao {
    bool gravado = false;
    QString motivo; // why not, in Portuguese (e.g. "sem permissão para gravar")
    explicit operator bool() const { return gravado; }
};

// Writes every record, in list order, each followed by CR LF, replacing the
// file at caminho. The new content goes to a temporary file beside it that
// then takes the old file's place in one step, so a failed or interrupted
// rewrite leaves the previous file whole. Where the folder cannot take a
// new file (a read-only folder) or will not let this account replace the
// one there (a shared folder with the sticky bit holding another account's
// file), but the file itself can be written, the file is rewritten in place
// instead. A folder, FIFO or device at caminho, and links refused by the
// link policy, are never written. On failure the previous file is untouched
// unless the failure happened while rewriting in place.
ResultadoGravacao GravarArquivoUsuarios(const QString& caminho, const QStringList& registros);
// The same, without the reason.
bool GravarUsuarios(const QString& caminho, const QStringList& registros);

// "Não foi possível salvar o progresso em <caminho>: <motivo>"
QString MensagemFalhaGravacao(const QString& caminho, const QString& motivo);

// Removes what interrupted saves left beside the file at caminho (beside its
// target, for a link the policy accepts): regular files named as the file
// plus "." and six letters A-Z or a-z, the name Qt gives the temporary copy
// of a save, last changed at least idadeMinima seconds ago (a younger one may
// belong to a save under way in another copy of the program). Returns how
// many were removed.
int RemoverTemporariosUsuarios(const QString& caminho, int idadeMinima = 60);
