#include "keyboard/MapaTeclas.h"

#include "keyboard/GradeTeclado.h"

QString FormataTecla(int tecla, int tipoTeclado, Modificadores m)
{
    const QChar c = NomeDoToque(PosicaoDaTecla(tecla, tipoTeclado), m, tipoTeclado);
    return c.isNull() ? QString() : QString(c);
}

QString NomeCapa(const QString& c)
{
    const QString k = c.toUpper();
    if (k.size() != 1)
        return QString();
    const QChar u = k.at(0);
    if (u == QLatin1Char('O'))
        return QStringLiteral("TOO");
    if (u == QLatin1Char(';'))
        return QStringLiteral("TDOISPONTOS");
    if (u == QLatin1Char('.'))
        return QStringLiteral("TPONTO");
    if (u == QLatin1Char(','))
        return QStringLiteral("TVIRGULA");
    if (u == QLatin1Char('#') || u.isSpace() || u.category() == QChar::Other_Control)
        return QString();
    return QStringLiteral("T") + u;
}

QString LegendaCapa(const QString& nomeCapa, int tipoTeclado)
{
    if (nomeCapa == QStringLiteral("T\u00C7"))
        return tipoTeclado == Layout::BR ? QStringLiteral(";") : QStringLiteral("\u00C7");
    if (nomeCapa == QStringLiteral("TDOISPONTOS"))
        return tipoTeclado == Layout::BR ? QStringLiteral("/") : QStringLiteral(";");
    if (nomeCapa == QStringLiteral("TPONTO"))
        return QStringLiteral(".");
    if (nomeCapa == QStringLiteral("TVIRGULA"))
        return QStringLiteral(",");
    if (nomeCapa == QStringLiteral("TOO"))
        return QStringLiteral("O");
    if (nomeCapa.size() != 2 || nomeCapa.at(0) != QLatin1Char('T'))
        return QString();
    const QChar c = nomeCapa.at(1);
    // The names the caps above have, and what has no cap.
    if (c == QLatin1Char('O') || c == QLatin1Char(';') || c == QLatin1Char('.') || c == QLatin1Char(',')
        || c == QLatin1Char('#') || c.isSpace() || c.isLower() || c.category() == QChar::Other_Control)
        return QString();
    return QString(c);
}

int RemapearPortugues(int tecla)
{
    switch (tecla) {
    case 220: return 192;
    case 219: return 189;
    case 221: return 187;
    case 186: return 221;
    case 187: return 219;
    case 189: return 191;
    case 192: return 186;
    case 191: return 220;
    default: return tecla;
    }
}
