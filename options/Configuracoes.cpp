#include "options/Configuracoes.h"

#include "app/Servicos.h"

std::optional<int> LerConfiguracaoNumero(const QString& chave, bool* invalido)
{
    if (invalido)
        *invalido = false;
    auto* cfg = Plataforma().configuracao;
    if (!cfg)
        return std::nullopt;
    const std::optional<QString> texto = cfg->Ler(chave);
    if (!texto)
        return std::nullopt;
    bool ok = false;
    const int v = texto->trimmed().toShort(&ok);
    if (!ok) {
        if (invalido)
            *invalido = true;
        return std::nullopt;
    }
    return v;
}

int TecladoAoIniciar(int tecladoSistema)
{
    bool invalido = false;
    const std::optional<int> v = LerConfiguracaoNumero(ChaveTeclado, &invalido);
    if (!v)
        return invalido ? 0 : tecladoSistema;
    return *v >= 0 && *v <= 2 ? *v : 0;
}

int TelaAoIniciar()
{
    const std::optional<int> v = LerConfiguracaoNumero(ChaveTela);
    return v == 1 ? 1 : 0;
}

bool GravarConfiguracaoNumero(const QString& chave, int valor)
{
    auto* cfg = Plataforma().configuracao;
    return cfg && cfg->Gravar(chave, QString::number(valor));
}

QString MensagemFalhaConfiguracoes()
{
    return QStringLiteral("Não foi possível salvar as opções: as configurações desta conta não podem ser "
                          "gravadas. As escolhas valem só até o Teclomatic ser fechado.");
}
