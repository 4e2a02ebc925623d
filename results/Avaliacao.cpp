#include "results/Avaliacao.h"

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>

namespace {

// Half-to-even division of two non-negative whole numbers.
qint64 DividirPar(qint64 numerador, qint64 denominador)
{
    const qint64 quociente = numerador / denominador;
    const qint64 resto2 = 2 * (numerador % denominador);
    if (resto2 > denominador || (resto2 == denominador && quociente % 2 != 0))
        return quociente + 1;
    return quociente;
}

// x * 100 / total rounded to hundredths, then to a whole number, each step
// half to even. Done in whole hundredths so no binary fraction gets in the way
// (37.5 must give 38 and 12.5 give 12, exactly).
int Porcentagem(qint64 x, qint64 total)
{
    const qint64 centesimos = DividirPar(x * 10000, total);
    return static_cast<int>(DividirPar(centesimos, 100));
}

int PontosVelocidadeLimites(int velocidade, const int (&limites)[5])
{
    int pontos = 0;
    for (int limite : limites) {
        if (velocidade >= limite)
            ++pontos;
    }
    return pontos;
}

} // namespace

float GetPercentage(double parte, double todo)
{
    if (std::isnan(parte) || std::isnan(todo))
        return -1;
    if (parte > todo)
        return -1;
    if (parte == 0)
        return 0;
    if (todo == 0)
        return -1;
    const double resultado = parte * 100 / todo;
    if (!std::isfinite(resultado) || std::fabs(resultado) > FLT_MAX)
        return -1;
    return static_cast<float>(resultado);
}

Porcentagens PegaPorcentagem(qint16 acertos, qint16 erros)
{
    // The sum is taken in full width: two 16-bit counts always fit.
    const qint64 a = qMax<qint64>(acertos, 0);
    const qint64 e = qMax<qint64>(erros, 0);
    const qint64 total = a + e;
    if (total == 0)
        return {};
    return {Porcentagem(a, total), Porcentagem(e, total)};
}

int IndiceErros(int porcErros, int porcAcertos)
{
    return static_cast<int>(std::floor(GetPercentage(porcErros, porcAcertos)));
}

int PontosPrecisao(int indiceErros)
{
    if (indiceErros < 0)
        return 0;
    if (indiceErros <= 10)
        return 5;
    if (indiceErros <= 15)
        return 4;
    if (indiceErros <= 20)
        return 2;
    if (indiceErros <= 25)
        return 1;
    return 0;
}

int PontosVelocidade(int velocidade, JanelaResultado janela)
{
    static const int com[5] = {30, 60, 80, 100, 150};
    static const int fim[5] = {30, 60, 90, 120, 150};
    return PontosVelocidadeLimites(velocidade, janela == JanelaResultado::Com ? com : fim);
}

int NumeroDoTexto(const QString& texto, bool* ok)
{
    const QString t = texto.trimmed();
    qsizetype i = 0;
    bool negativo = false;
    if (i < t.size() && (t.at(i) == u'+' || t.at(i) == u'-')) {
        negativo = t.at(i) == u'-';
        ++i;
    }
    qint64 valor = 0;
    bool algarismo = false;
    for (; i < t.size() && t.at(i) >= u'0' && t.at(i) <= u'9'; ++i) {
        algarismo = true;
        if (valor <= INT_MAX)
            valor = valor * 10 + (t.at(i).unicode() - u'0');
    }
    // A bare fraction such as ".5" is a number too; its whole part is 0.
    if (!algarismo && i + 1 < t.size() && t.at(i) == u'.' && t.at(i + 1) >= u'0'
        && t.at(i + 1) <= u'9')
        algarismo = true;
    if (ok)
        *ok = algarismo;
    if (!algarismo)
        return 0;
    if (negativo)
        valor = -valor;
    return static_cast<int>(std::clamp<qint64>(valor, INT_MIN, INT_MAX));
}

bool PassaPrecisao(const QString& txtPre, int porcAcertos)
{
    return NumeroDoTexto(txtPre) <= porcAcertos;
}

bool PassaVelocidade(const QString& txtVelo, int velocidade)
{
    return NumeroDoTexto(txtVelo) <= velocidade;
}

QString TextoConselho(bool passaPrecisao, bool passaVelocidade, int velocidade,
                      int minimoVelocidade)
{
    if (passaPrecisao && passaVelocidade)
        return QStringLiteral("Parabéns você concluiu a lição, clique no botão ") + u'"'
            + QStringLiteral("Proxima Lição") + u'"' + QStringLiteral(" para continuar o curso.");
    if (!passaPrecisao && velocidade > minimoVelocidade)
        return QStringLiteral("Vôcê digita rápido, porém com erros. Diminua um pouco o rítimo "
                              "para obter melhor aproveitamento.");
    return QStringLiteral("Digite com calma e repita a lição quantas vezes forem necessárias. "
                          "Você progredirá automaticamente. O Importante é saber que quando "
                          "passar é porque realmente progrediu.");
}

ResultadoLicao AvaliarLicao(qint16 acertos, qint16 erros, qint16 velocidade,
                            const QString& txtPre, const QString& txtVelo,
                            JanelaResultado janela)
{
    ResultadoLicao r;
    r.acertos = acertos;
    r.erros = erros;
    r.velocidade = velocidade;
    r.textoAcertos = QString::number(acertos);
    r.textoErros = QString::number(erros);
    r.textoCpm = QString::number(velocidade);

    r.porcentagens = PegaPorcentagem(acertos, erros);
    r.vPorAcerto = QString::number(r.porcentagens.acertos) + u'%';
    r.vPorErros = QString::number(r.porcentagens.erros) + u'%';

    r.indiceErros = IndiceErros(r.porcentagens.erros, r.porcentagens.acertos);
    // A run without a single keystroke earns no accuracy points.
    const bool semTeclas = qMax<int>(acertos, 0) + qMax<int>(erros, 0) == 0;
    r.pontosPrecisao = semTeclas ? 0 : PontosPrecisao(r.indiceErros);
    r.pontosVelocidade = PontosVelocidade(velocidade, janela);
    r.nota = r.pontosPrecisao + r.pontosVelocidade;
    r.textoNota = QString::number(r.nota);

    r.seuPrecisao = r.vPorAcerto;
    r.reqPrecisao = txtPre + u'%';
    r.seuVelocidade = QString::number(velocidade) + QStringLiteral(" TPM");
    r.reqVelocidade = txtVelo + QStringLiteral(" TPM");

    r.passaPrecisao = PassaPrecisao(txtPre, r.porcentagens.acertos);
    r.passaVelocidade = PassaVelocidade(txtVelo, velocidade);
    r.passa = r.passaPrecisao && r.passaVelocidade;
    r.conselho = TextoConselho(r.passaPrecisao, r.passaVelocidade, velocidade,
                               NumeroDoTexto(txtVelo));
    if (r.passa)
        r.cabecalho = QStringLiteral("Lição concluída");
    else if (!r.passaPrecisao && !r.passaVelocidade)
        r.cabecalho = QStringLiteral("Precisão e velocidade abaixo do mínimo");
    else if (!r.passaPrecisao)
        r.cabecalho = QStringLiteral("Precisão abaixo do mínimo: %1% de %2%")
                          .arg(r.porcentagens.acertos).arg(NumeroDoTexto(txtPre));
    else
        r.cabecalho = QStringLiteral("Velocidade abaixo do mínimo: %1 de %2 TPM")
                          .arg(velocidade).arg(NumeroDoTexto(txtVelo));
    return r;
}
