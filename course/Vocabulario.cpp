#include "course/Vocabulario.h"

#include "course/ModFun.h"
#include "course/TextoExercicio.h"
#include "keyboard/Digitacao.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>

namespace {

// A key drill: every line four characters long (a lesson's kind).
bool Treino(const QStringList& linhas)
{
    return !linhas.isEmpty()
        && std::all_of(linhas.cbegin(), linhas.cend(), [](const QString& l) { return l.size() == 4; });
}

} // namespace

QStringList PalavrasDaLinha(const QString& linha)
{
    static const QRegularExpression palavra(QStringLiteral("\\p{L}+(?:-\\p{L}+)*"));
    QStringList r;
    for (const auto& m : palavra.globalMatch(linha)) {
        const qsizetype a = m.capturedStart();
        const qsizetype b = m.capturedEnd();
        if ((a > 0 && linha.at(a - 1).isDigit()) || (b < linha.size() && linha.at(b).isDigit()))
            continue;
        r << m.captured();
    }
    return r;
}

bool Vocabulario::Digitavel(const QString& palavra, int tipoTeclado) const
{
    for (const QChar c : TextoCorrido(palavra, tipoTeclado)) {
        const Sequencia s = SequenciaDe(c, tipoTeclado);
        if (s.vazia())
            return false;
        for (int i = 0; i < s.tamanho; ++i)
            if (!ensinados.contains(s[i].nome))
                return false;
    }
    return true;
}

QList<PalavraDoCurso> ContarPalavras(const QList<QStringList>& licoes)
{
    QHash<QString, int> vezes;   // by lower case
    QHash<QString, QString> forma; // how it is written: lower case when the texts ever do
    for (const QStringList& linhas : licoes) {
        if (linhas.isEmpty() || Treino(linhas))
            continue;
        for (const QString& linha : linhas)
            for (const QString& p : PalavrasDaLinha(linha)) {
                const QString chave = p.toLower();
                ++vezes[chave];
                if (!forma.contains(chave) || p == chave)
                    forma[chave] = p;
            }
    }
    QList<PalavraDoCurso> r;
    for (auto i = vezes.cbegin(); i != vezes.cend(); ++i)
        r << PalavraDoCurso{forma.value(i.key()), i.value()};
    std::sort(r.begin(), r.end(), [](const PalavraDoCurso& a, const PalavraDoCurso& b) {
        return a.vezes != b.vezes ? a.vezes > b.vezes : a.palavra < b.palavra;
    });
    return r;
}

QSet<QChar> ToquesEnsinados(const QList<QStringList>& licoes, int ateLicao, int tipoTeclado)
{
    QSet<QChar> r{QLatin1Char(' ')};
    for (int n = 1; n <= ateLicao && n <= licoes.size(); ++n) {
        const QStringList& linhas = licoes.at(n - 1);
        if (!Treino(linhas))
            continue;
        for (const QString& linha : linhas)
            for (const QChar c : TextoTeclas(linha, tipoTeclado)) {
                const Sequencia s = SequenciaDe(c, tipoTeclado);
                for (int i = 0; i < s.tamanho; ++i)
                    r.insert(s[i].nome);
            }
    }
    return r;
}

Vocabulario LerVocabulario(int ateLicao, int tipoTeclado)
{
    QList<QStringList> licoes;
    for (int n = 1; n <= 52; ++n) {
        QStringList cifradas;
        QStringList linhas;
        LerArquivo(CaminhoModulo(n), cifradas, true, LimitesModulo);
        for (const QString& c : std::as_const(cifradas)) {
            int chave = ChaveModulo(n);
            linhas << Decifrar(c, chave);
        }
        linhas.removeAll(QString());
        licoes << linhas;
    }
    Vocabulario v;
    v.palavras = ContarPalavras(licoes);
    v.ensinados = ToquesEnsinados(licoes, ateLicao, tipoTeclado);
    return v;
}
