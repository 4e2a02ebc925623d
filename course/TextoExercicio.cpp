#include "course/TextoExercicio.h"

#include "app/PastaAplicacao.h"
#include "course/ModFun.h"
#include "keyboard/GradeTeclado.h"

namespace {
// Enter is written "#" in a lesson.
QString comEnter(QString texto)
{
    texto.replace(QLatin1Char('#'), QLatin1Char('\n'));
    return texto;
}
}

QString TextoTeclas(const QString& linha, int tipoTeclado)
{
    QString grupo = comEnter(linha);
    if (tipoTeclado == Layout::BR) {
        for (QChar& c : grupo) {
            if (c == QChar(u'ç') || c == QChar(u'Ç'))
                c = QLatin1Char(';');
            else if (c == QLatin1Char(';'))
                c = QLatin1Char('/');
        }
    }
    return (grupo + QLatin1Char(' ')).repeated(8);
}

QString TextoCorrido(const QString& linha, int tipoTeclado)
{
    QString texto = comEnter(linha);
    if (tipoTeclado == Layout::BR) {
        texto.replace(QChar(u'ç'), QLatin1Char('c'));
        texto.replace(QChar(u'Ç'), QLatin1Char('C'));
    }
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
