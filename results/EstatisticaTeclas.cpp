#include "results/EstatisticaTeclas.h"

#include <algorithm>

void Registrar(MapaTeclas& m, QChar esperado, const QString& digitado, bool acerto, qint64 ms)
{
    if (esperado.isNull())
        return;
    ContagemTecla& c = m[esperado];
    if (acerto) {
        ++c.acertos;
        if (ms >= 0 && ms <= PausaMs) {
            c.msTotal += ms;
            ++c.msAmostras;
        }
    } else {
        ++c.erros;
        ++c.trocas[digitado];
    }
}

void Somar(MapaTeclas& destino, const MapaTeclas& origem)
{
    for (auto i = origem.cbegin(); i != origem.cend(); ++i) {
        ContagemTecla& d = destino[i.key()];
        d.acertos += i->acertos;
        d.erros += i->erros;
        d.msTotal += i->msTotal;
        d.msAmostras += i->msAmostras;
        for (auto t = i->trocas.cbegin(); t != i->trocas.cend(); ++t)
            d.trocas[t.key()] += t.value();
    }
}

QString NomeCaractere(const QString& c)
{
    if (c.isEmpty())
        return QStringLiteral("outra tecla");
    if (c == QStringLiteral(" "))
        return QStringLiteral("Espaço");
    if (c == QStringLiteral("\n"))
        return QStringLiteral("Enter");
    return c;
}

QString TeclaDificil::textoTroca() const
{
    if (contagem.erros == 0)
        return QString();
    return QStringLiteral("%1 em vez de %2").arg(NomeCaractere(trocaUsual), NomeCaractere(caractere));
}

namespace {

QList<TeclaDificil> todas(const MapaTeclas& m)
{
    QList<TeclaDificil> r;
    for (auto i = m.cbegin(); i != m.cend(); ++i) {
        TeclaDificil t;
        t.caractere = i.key();
        t.contagem = i.value();
        for (auto x = i->trocas.cbegin(); x != i->trocas.cend(); ++x) {
            if (x.value() > t.vezesTroca) {
                t.vezesTroca = x.value();
                t.trocaUsual = x.key();
            }
        }
        r << t;
    }
    return r;
}

} // namespace

QList<TeclaDificil> PioresTeclas(const MapaTeclas& m, int n, int minimo)
{
    QList<TeclaDificil> r;
    for (const TeclaDificil& t : todas(m))
        if (t.contagem.erros > 0 && t.contagem.total() >= minimo)
            r << t;
    std::stable_sort(r.begin(), r.end(), [](const TeclaDificil& a, const TeclaDificil& b) {
        if (a.contagem.taxaErro() != b.contagem.taxaErro())
            return a.contagem.taxaErro() > b.contagem.taxaErro();
        return a.contagem.erros > b.contagem.erros;
    });
    return r.mid(0, n);
}

QList<TeclaDificil> MaisErradas(const MapaTeclas& m, int n)
{
    QList<TeclaDificil> r;
    for (const TeclaDificil& t : todas(m))
        if (t.contagem.erros > 0)
            r << t;
    std::stable_sort(r.begin(), r.end(), [](const TeclaDificil& a, const TeclaDificil& b) {
        return a.contagem.erros > b.contagem.erros;
    });
    return r.mid(0, n);
}

QList<TeclaDificil> MaisLentas(const MapaTeclas& m, int n, int minimo)
{
    QList<TeclaDificil> r;
    for (const TeclaDificil& t : todas(m))
        if (t.contagem.msAmostras >= qMax(1, minimo))
            r << t;
    std::stable_sort(r.begin(), r.end(), [](const TeclaDificil& a, const TeclaDificil& b) {
        return a.contagem.msMedio() > b.contagem.msMedio();
    });
    return r.mid(0, n);
}

QMap<QChar, double> Calor(const MapaTeclas& m, VistaCalor vista)
{
    QMap<QChar, double> r;
    if (vista == VistaCalor::Erros) {
        for (auto i = m.cbegin(); i != m.cend(); ++i)
            if (i->total() > 0)
                r.insert(i.key(), i->taxaErro());
        return r;
    }
    double menor = -1, maior = -1;
    for (const ContagemTecla& c : m) {
        if (c.msAmostras == 0)
            continue;
        const double v = c.msMedio();
        menor = menor < 0 ? v : qMin(menor, v);
        maior = qMax(maior, v);
    }
    for (auto i = m.cbegin(); i != m.cend(); ++i) {
        if (i->msAmostras == 0)
            continue;
        r.insert(i.key(), maior > menor ? (i->msMedio() - menor) / (maior - menor) : 0.0);
    }
    return r;
}

QList<ResumoLicao> ResumirLicoes(const QList<LicaoGravada>& licoes, TipoTreino tipo)
{
    QMap<int, ResumoLicao> porLicao;
    const auto melhor = [](const LicaoGravada& a, const LicaoGravada& b) {
        if (a.nota != b.nota)
            return a.nota > b.nota;
        if (a.tpm != b.tpm)
            return a.tpm > b.tpm;
        return a.porcAcertos > b.porcAcertos;
    };
    for (const LicaoGravada& l : licoes) {
        if (l.tipo != int(tipo))
            continue;
        ResumoLicao& r = porLicao[l.licao];
        if (r.tentativas == 0) {
            r.licao = l.licao;
            r.melhor = r.ultima = l;
        } else {
            if (melhor(l, r.melhor))
                r.melhor = l;
            if (l.momento >= r.ultima.momento)
                r.ultima = l;
        }
        ++r.tentativas;
    }
    return porLicao.values();
}

QString NomeDoTreino(TipoTreino tipo)
{
    switch (tipo) {
    case TipoTreino::MinhasTeclas:
        return QStringLiteral("Treino das minhas teclas");
    case TipoTreino::MeuTexto:
        return QStringLiteral("Meu texto");
    case TipoTreino::Curso:
        break;
    }
    return QStringLiteral("Curso");
}
