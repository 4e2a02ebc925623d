#include "course/TextoExercicio.h"

#include "app/PastaAplicacao.h"
#include "course/ModFun.h"

namespace {
bool CabeNaPaginaDeCodigo(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return true; // Windows-1252 and Latin-1 agree here
    return CodigoWindows1252(u) >= 0;
}
}

QString MaiusculaPortugues(const QString& texto)
{
    QString resultado;
    resultado.reserve(texto.size());
    for (const QChar c : texto) {
        const QString maiuscula = QString(c).toUpper();
        if (maiuscula.size() == 1 && CabeNaPaginaDeCodigo(maiuscula.at(0)))
            resultado += maiuscula;
        else
            resultado += c;
    }
    return resultado;
}

QString TextoTeclas(const QString& linha)
{
    return MaiusculaPortugues(linha + QLatin1Char('/')).repeated(8);
}

QString TextoCorrido(const QString& linha, int tipoTeclado)
{
    QString texto = linha;
    texto.replace(QLatin1Char(' '), QLatin1Char('/'));
    texto = MaiusculaPortugues(texto);
    if (tipoTeclado == 1)
        texto.replace(QChar(0x00C7), QLatin1Char('C'));
    return texto;
}

int ClassificarModulo(QStringList& linhas)
{
    if (linhas.isEmpty()) {
        for (int i = 0; i < LinhasModuloAusente; ++i)
            linhas.append(QString::fromLatin1(MensagemModuloAusente));
    }
    for (const QString& linha : linhas) {
        if (linha.size() != 4)
            return 2;
    }
    return 1;
}

QString LinhaTitulo(const QString& nome, int licao, int indice, int total)
{
    return QStringLiteral("Usuário: ") + nome + QStringLiteral(" \\ Lição: ") + QString::number(licao)
        + QStringLiteral(" de 52 \\ Exercicio: ") + QString::number(indice + 1) + QStringLiteral(" de ")
        + QString::number(total);
}

QString CaminhoModulo(int n)
{
    return CaminhoRecurso(QStringLiteral("Modulos/mod") + QString::number(n) + QStringLiteral(".mod"));
}
