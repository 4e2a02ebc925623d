#include "users/RegistroUsuario.h"

#include "users/ArquivoUsuarios.h"

#include <QStringList>

namespace {

// A 16-bit field: replaced only when the piece is a whole number in range.
bool LerNumero(const QStringList& partes, int indice, qint16& destino)
{
    if (indice >= partes.size())
        return false;
    bool ok = false;
    const short valor = partes.at(indice).toShort(&ok);
    if (!ok)
        return false;
    destino = valor;
    return true;
}

// Fields 4 and 5 keep their text, but only when it is a whole number: the
// result windows and the profile editor read them as numbers.
bool LerTextoNumerico(const QStringList& partes, int indice, QString& destino)
{
    if (indice >= partes.size())
        return false;
    bool ok = false;
    partes.at(indice).toShort(&ok);
    if (!ok)
        return false;
    destino = partes.at(indice);
    return true;
}

} // namespace

QString MontarRegistro(const RegistroUsuario& r)
{
    const QStringList campos{
        r.nome,
        QString::number(r.licao),
        QString::number(r.exercicio),
        r.velocidadeMinima,
        r.precisaoMinima,
        QString::number(r.livre),
        QString::number(r.teclasDigitadas),
        QString::number(r.segundos),
        QString::number(r.erros),
        QString::number(r.acertos),
        QString::number(r.pontos),
        QString::number(r.velocidade),
        QString::number(r.contadorExtra),
        QString::number(r.licaoMaxima),
        QString::number(r.exercicioMaximo),
        r.senha,
    };
    return campos.join(SeparadorRegistro);
}

RegistroUsuario LerRegistro(const QString& linha, bool* completo)
{
    const QStringList partes = linha.split(SeparadorRegistro);
    RegistroUsuario r;
    bool limpo = partes.size() == CamposRegistro;

    r.nome = partes.at(0); // split always yields at least one piece
    limpo &= LerNumero(partes, 1, r.licao);
    limpo &= LerNumero(partes, 2, r.exercicio);
    limpo &= LerTextoNumerico(partes, 3, r.velocidadeMinima);
    limpo &= LerTextoNumerico(partes, 4, r.precisaoMinima);
    limpo &= LerNumero(partes, 5, r.livre);
    limpo &= LerNumero(partes, 6, r.teclasDigitadas);
    limpo &= LerNumero(partes, 7, r.segundos);
    limpo &= LerNumero(partes, 8, r.erros);
    limpo &= LerNumero(partes, 9, r.acertos);
    limpo &= LerNumero(partes, 10, r.pontos);
    limpo &= LerNumero(partes, 11, r.velocidade);
    limpo &= LerNumero(partes, 12, r.contadorExtra);
    limpo &= LerNumero(partes, 13, r.licaoMaxima);
    limpo &= LerNumero(partes, 14, r.exercicioMaximo);
    if (partes.size() > 15)
        r.senha = partes.at(15);

    if (completo)
        *completo = limpo;
    return r;
}

RegistroUsuario RegistroNovo(const QString& nome, const QString& senha)
{
    RegistroUsuario r;
    r.nome = nome.trimmed();
    r.senha = senha.trimmed();
    return r;
}

QString NomeUsuarioPadrao()
{
    return QStringLiteral("Usuário Padrão");
}

QString SenhaUsuarioPadrao()
{
    return QStringLiteral("comeco");
}

QString RegistroPadrao()
{
    return MontarRegistro(RegistroNovo(NomeUsuarioPadrao(), SenhaUsuarioPadrao()));
}

bool CabeNoRegistro(const QString& texto)
{
    if (texto.contains(SeparadorRegistro) || texto.contains(u'\r') || texto.contains(u'\n'))
        return false;
    bool exato = false;
    CodificarWindows1252(texto, &exato);
    return exato;
}

void FronteiraProgresso(qint16& licaoMaxima, qint16& exercicioMaximo,
                        qint16 licaoAtual, qint16 exercicio)
{
    if (licaoMaxima < licaoAtual)
        licaoMaxima = licaoAtual;
    if (licaoMaxima <= licaoAtual && exercicioMaximo < exercicio)
        exercicioMaximo = exercicio;
}

void FronteiraUsuario(qint16& licaoMaxima, qint16& exercicioMaximo,
                      qint16 licaoAtual, qint16 exercicio)
{
    if (licaoMaxima < licaoAtual)
        licaoMaxima = licaoAtual;
    if (licaoMaxima <= licaoAtual)
        exercicioMaximo = exercicio;
}
