#pragma once
// The user file usuario.dat: one record per line in Windows-1252, each line
// ended by CR LF. It is read with the generic line reader of course/ModFun.h
// (LerArquivoUsuarios below applies the caps and the link policy) and
// rewritten whole after every change with GravarArquivoUsuarios.
//
// Link policy: a symbolic link named usuario.dat is followed only to an
// existing file in the link's own folder. A link pointing elsewhere, or to
// nothing, is neither read nor written, and its target is never created.
#include "app/GravacaoSegura.h"
#include "course/ModFun.h"

#include <QString>
#include <QStringList>
#include <optional>

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

// Writes every record, in list order, each followed by CR LF, replacing the
// file at caminho (GravarArquivo: a new copy beside it takes its place in
// one step, so a failed or interrupted rewrite leaves the previous file
// whole). Where the folder takes the new copy but will not let it replace
// the file (a shared folder with the sticky bit holding another account's
// file), and the file itself can be written, the file is rewritten in place
// behind a complete copy kept beside it, usuario.dat.novo, until the
// rewrite is done: a rewrite cut short is completed from that copy at the
// next start (RecuperarGravacaoInterrompida). Where no copy can be made
// beside the file, it is not written. A folder, FIFO or device at caminho,
// and links refused by the link policy, are never written.
ResultadoGravacao GravarArquivoUsuarios(const QString& caminho, const QStringList& registros);
// The same, without the reason.
bool GravarUsuarios(const QString& caminho, const QStringList& registros);

// "Não foi possível salvar o progresso em <caminho>: <motivo>"
QString MensagemFalhaGravacao(const QString& caminho, const QString& motivo);

// Removes what interrupted saves left beside the file at caminho (beside its
// target, for a link the policy accepts): regular files named as the file
// plus "." and six letters A-Z or a-z, the name Qt gives the temporary copy
// of a save. Run with the file's lock held, so that no save is under way.
// Returns how many were removed.
int RemoverTemporariosUsuarios(const QString& caminho);

// The copy an in-place rewrite keeps beside the file while it runs.
QString CaminhoCopiaNova(const QString& arquivoUsuarios);

struct RecuperacaoUsuarios {
    // Why the file cannot be trusted or written this run (a rewrite cut
    // short could not be completed, or its copy could not be removed); empty
    // when all is well.
    QString motivo;
    // When a complete copy could not be put back: the records it holds,
    // which are the ones to read.
    std::optional<QByteArray> conteudo;
};
// Completes an in-place rewrite that was cut short (the program killed, the
// computer switched off): when a complete copy lies beside the file it is
// written over the file, then the copy is removed. An incomplete copy means
// the file was never touched; it is removed too. Run with the file's lock
// held, before the file is read.
RecuperacaoUsuarios RecuperarGravacaoInterrompida(const QString& caminho);
