#include "users/SessaoUsuarios.h"

#include "users/ArquivoUsuarios.h"

#include <QBuffer>
#include <QDir>

SessaoUsuarios::SessaoUsuarios() = default;
SessaoUsuarios::~SessaoUsuarios() = default;
SessaoUsuarios::SessaoUsuarios(SessaoUsuarios&&) noexcept = default;
SessaoUsuarios& SessaoUsuarios::operator=(SessaoUsuarios&&) noexcept = default;

TravaUsuarios::Estado SessaoUsuarios::Travar()
{
    if (!escolhido) {
        escolhido = true;
        local = EscolherLocalUsuarios();
        // Where the per-user folder could not be made nothing is locked: the
        // application folder's file is read and not written.
        if (local.motivo.isEmpty())
            trava = std::make_unique<TravaUsuarios>(local.arquivo);
    }
    return trava ? trava->Situacao() : TravaUsuarios::Estado::Impossivel;
}

bool SessaoUsuarios::EmUso() const { return trava && trava->Situacao() == TravaUsuarios::Estado::EmUso; }

void SessaoUsuarios::somenteLeitura(const QString& motivo, const QString& avisoAgora)
{
    if (motivoSomenteLeitura.isEmpty())
        motivoSomenteLeitura = motivo;
    if (aviso.isEmpty())
        aviso = avisoAgora;
}

ResultadoLeitura SessaoUsuarios::Abrir(QStringList& registros)
{
    ResultadoLeitura leitura;
    if (Travar() == TravaUsuarios::Estado::EmUso) {
        leitura.estado = EstadoLeitura::Cortado;
        leitura.motivo = TravaUsuarios::MensagemEmUso();
        somenteLeitura(leitura.motivo, leitura.motivo);
        return leitura;
    }
    const bool travado = Travar() == TravaUsuarios::Estado::Travada;
    auto copiaFalhou = [this](const QString& motivo) {
        somenteLeitura(motivo,
                       QStringLiteral("Não foi possível copiar a lista de usuários para %1: %2. Para não perder "
                                      "nenhum aluno, o progresso não será salvo até o Teclomatic ser aberto de novo.")
                           .arg(QDir::toNativeSeparators(local.arquivo), motivo));
    };
    // Until the application folder's list is copied, it is the one read.
    if (!travado && trava && !local.copiarDe.isEmpty())
        copiaFalhou(trava->Motivo()); // no lock there (a full disk): no copy either
    else if (!travado)
        somenteLeitura(trava ? trava->Motivo() : local.motivo);
    else if (QString motivo; !CopiarListaInicial(local, &motivo))
        copiaFalhou(motivo);
    const QString origem = local.copiarDe.isEmpty() ? local.arquivo : local.copiarDe;
    if (travado && origem == local.arquivo) {
        const RecuperacaoUsuarios rec = RecuperarGravacaoInterrompida(local.arquivo);
        RemoverTemporariosUsuarios(local.arquivo);
        if (!rec.motivo.isEmpty()) {
            leitura.estado = EstadoLeitura::Cortado;
            leitura.motivo = rec.motivo;
            somenteLeitura(rec.motivo, MensagemLeituraUsuarios(local.arquivo, leitura));
            if (rec.conteudo) {
                QByteArray bytes = *rec.conteudo;
                QBuffer buffer(&bytes);
                buffer.open(QIODevice::ReadOnly);
                LerLinhas(buffer, registros, true);
                return leitura;
            }
        }
    }
    const ResultadoLeitura lido = LerArquivoUsuarios(origem, registros);
    if (!lido.podeRegravar())
        somenteLeitura(lido.motivo, MensagemLeituraUsuarios(origem, lido));
    return leitura.motivo.isEmpty() ? lido : leitura;
}

bool SessaoUsuarios::Gravar(const QStringList& registros, bool avisar)
{
    ResultadoGravacao r;
    if (SomenteLeitura())
        r.motivo = motivoSomenteLeitura;
    else
        r = GravarArquivoUsuarios(local.arquivo, registros);
    motivoFalha = r.gravado ? QString() : r.motivo;
    if (!r && avisar && aviso.isEmpty())
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
