#include "users/SessaoUsuarios.h"

#include "users/ArquivoUsuarios.h"

ResultadoLeitura SessaoUsuarios::Abrir(QStringList& registros)
{
    local = ResolverLocalUsuarios();
    RemoverTemporariosUsuarios(local.arquivo);
    leitura = LerArquivoUsuarios(local.arquivo, registros);
    if (!leitura.podeRegravar() && aviso.isEmpty())
        aviso = MensagemLeituraUsuarios(local.arquivo, leitura);
    return leitura;
}

bool SessaoUsuarios::Gravar(const QStringList& registros)
{
    if (SomenteLeitura()) {
        motivoFalha = leitura.motivo;
        return false;
    }
    const ResultadoGravacao r = GravarArquivoUsuarios(local.arquivo, registros);
    motivoFalha = r.gravado ? QString() : r.motivo;
    if (!r && aviso.isEmpty())
        aviso = MensagemFalhaGravacao(local.arquivo, r.motivo);
    return r.gravado;
}

QString SessaoUsuarios::Aviso()
{
    if (avisado || aviso.isEmpty())
        return QString();
    avisado = true;
    return aviso;
}
