#include "course/ModFun.h"

#include "app/EstadoCurso.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {
constexpr char NomeCodificacao[] = "windows-1252";
constexpr char CR = '\r';
constexpr char LF = '\n';
constexpr char Espaco = ' ';

QByteArray SemEspacosNasPontas(const QByteArray& linha)
{
    qsizetype inicio = 0;
    qsizetype fim = linha.size();
    while (inicio < fim && linha.at(inicio) == Espaco)
        ++inicio;
    while (fim > inicio && linha.at(fim - 1) == Espaco)
        --fim;
    return linha.mid(inicio, fim - inicio);
}
}

int ChaveModulo(int licao)
{
    using namespace ChaveModuloFixa;
    return licao < Limite ? licao + DeslocamentoAbaixo : licao + DeslocamentoAcima;
}

int ChaveEfetiva(int chave)
{
    if (chave < 0)
        chave = ((chave % 255) + 255) % 255;
    if (chave == 0)
        return ChaveModuloFixa::Padrao;
    if (chave > ChaveModuloFixa::Maxima)
        return ChaveModuloFixa::Maxima;
    return chave;
}

QString DecodificarWindows1252(const QByteArray& bytes)
{
    QStringDecoder decodificador(NomeCodificacao);
    return decodificador.decode(bytes);
}

QByteArray CodificarWindows1252(const QString& texto, bool* exato)
{
    QStringEncoder codificador(NomeCodificacao);
    const QByteArray bytes = codificador.encode(texto);
    if (exato)
        *exato = !codificador.hasError();
    return bytes;
}

int CodigoWindows1252(char32_t caractere)
{
    const QString texto = QString::fromUcs4(&caractere, 1);
    const QByteArray bytes = CodificarWindows1252(texto);
    if (bytes.size() != 1 || DecodificarWindows1252(bytes) != texto)
        return -1;
    return static_cast<unsigned char>(bytes.at(0));
}

QByteArray DecifrarBytes(const QByteArray& linha, int& chave)
{
    QByteArray resultado(linha.size(), '\0');
    for (qsizetype i = 0; i < linha.size(); ++i) {
        chave = ChaveEfetiva(chave);
        int v = static_cast<unsigned char>(linha.at(i)) - chave;
        if (v < 0)
            v += 255;
        resultado[i] = static_cast<char>(v);
    }
    return SemEspacosNasPontas(resultado);
}

QByteArray CifrarBytes(const QByteArray& linha, int& chave)
{
    QByteArray resultado(linha.size(), '\0');
    for (qsizetype i = 0; i < linha.size(); ++i) {
        chave = ChaveEfetiva(chave);
        const int p = static_cast<unsigned char>(linha.at(i));
        resultado[i] = static_cast<char>((p + chave) % 255);
    }
    return resultado;
}

QString Decifrar(const QString& linha, int& chave)
{
    return DecodificarWindows1252(DecifrarBytes(CodificarWindows1252(linha), chave));
}

QString Cifrar(const QString& linha, int& chave)
{
    return DecodificarWindows1252(CifrarBytes(CodificarWindows1252(linha), chave));
}

bool LerLinhas(QIODevice& origem, QStringList& alvo, bool plano)
{
    int lidas = 0;
    // Adds one line as stored; false once the line limit is reached.
    auto adicionar = [&](const QByteArray& bruta) {
        if (lidas >= MaximoLinhasArquivo)
            return false;
        if (plano) {
            alvo.append(DecodificarWindows1252(bruta));
        } else {
            int chave = ChaveModulo(Estado().LicaoAtual);
            alvo.append(DecodificarWindows1252(DecifrarBytes(bruta, chave)));
        }
        ++lidas;
        return true;
    };

    QByteArray pendente;
    char bloco[64 * 1024];
    bool fimDoArquivo = false;
    while (!fimDoArquivo) {
        const qint64 n = origem.read(bloco, sizeof bloco);
        if (n < 0)
            return false; // a read failure: the lines already read stay
        if (n == 0)
            fimDoArquivo = true;
        else
            pendente.append(bloco, n);

        // Takes every line whose terminator is known. A CR at the end of
        // what has arrived so far may still be followed by its LF.
        qsizetype inicio = 0;
        for (;;) {
            const qsizetype cr = pendente.indexOf(CR, inicio);
            if (cr < 0)
                break;
            qsizetype depois = cr + 1;
            if (depois == pendente.size()) {
                if (!fimDoArquivo)
                    break;
            } else if (pendente.at(depois) == LF) {
                ++depois;
            }
            if (!adicionar(pendente.mid(inicio, cr - inicio)))
                return false;
            inicio = depois;
        }
        pendente.remove(0, inicio);
    }
    // The last line may lack its terminator.
    if (!pendente.isEmpty() && !adicionar(pendente))
        return false;
    return true;
}

bool LerArquivo(const QString& caminho, QStringList& alvo, bool plano)
{
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly))
        return false;
    return LerLinhas(arquivo, alvo, plano);
}
