#include "keyboard/MapaTeclas.h"

#include "keyboard/GradeTeclado.h"

QString FormataTecla(int tecla, int tipoTeclado)
{
    if (tecla >= 65 && tecla <= 90)
        return QString(QChar(tecla));
    switch (tecla) {
    case 13: return QStringLiteral("#");
    case 32: return QStringLiteral("/");
    case 186: return QStringLiteral("\u00C7");
    case 188: return QStringLiteral(",");
    case 189: return tipoTeclado == Layout::Portugues ? QStringLiteral(";") : QString();
    case 190: return QStringLiteral(".");
    case 191: return QStringLiteral(";");
    case 192: return tipoTeclado == Layout::Portugues ? QStringLiteral("\u00C7") : QString();
    default: return QString();
    }
}

std::optional<Destaque> DestaqueDe(const QString& c)
{
    if (c.size() != 1)
        return std::nullopt;
    const QChar k = c.at(0);
    if (k >= QLatin1Char('A') && k <= QLatin1Char('Z')) {
        // Fingers by column of the QWERTY block.
        static const char* dedos[26] = {
            "S5", "S2", "S3", "S3", "S3", "S2", "S2", "D2", "D3", "D2", "D3", "D4", "D2",
            //A    B     C     D     E     F     G     H     I     J     K     L     M
            "D2", "D4", "D5", "S5", "S2", "S4", "S2", "D2", "S2", "S4", "S4", "D2", "S5"};
            //N    O     P     Q     R     S     T     U     V     W     X     Y     Z
        return Destaque{QString(k), QString::fromLatin1(dedos[k.unicode() - 'A'])};
    }
    if (c == QStringLiteral("\u00C7"))
        return Destaque{c, QStringLiteral("D5")};
    if (c == QStringLiteral(";"))
        return Destaque{QStringLiteral("DoisPontos"), QStringLiteral("D5")};
    if (c == QStringLiteral("#"))
        return Destaque{QStringLiteral("Enter"), QStringLiteral("D5")};
    if (c == QStringLiteral(","))
        return Destaque{QStringLiteral("Virgula"), QStringLiteral("D3")};
    if (c == QStringLiteral("."))
        return Destaque{QStringLiteral("Ponto"), QStringLiteral("D4")};
    if (c == QStringLiteral("/"))
        return Destaque{QStringLiteral("Space"), QStringLiteral("D1")};
    return std::nullopt;
}

QString NomeCapa(const QString& c)
{
    const QString k = c.toUpper();
    if (k.size() != 1)
        return QString();
    if (k == QStringLiteral("O"))
        return QStringLiteral("TOO");
    if (k.at(0) >= QLatin1Char('A') && k.at(0) <= QLatin1Char('Z'))
        return QStringLiteral("T") + k;
    if (k == QStringLiteral("\u00C7"))
        return QStringLiteral("T\u00C7");
    if (k == QStringLiteral(";"))
        return QStringLiteral("TDOISPONTOS");
    if (k == QStringLiteral("."))
        return QStringLiteral("TPONTO");
    if (k == QStringLiteral(","))
        return QStringLiteral("TVIRGULA");
    return QString();
}

QString LegendaCapa(const QString& nomeCapa, int tipoTeclado)
{
    if (nomeCapa == QStringLiteral("T\u00C7"))
        return tipoTeclado == Layout::BR ? QStringLiteral(";") : QStringLiteral("\u00C7");
    if (nomeCapa == QStringLiteral("TDOISPONTOS")) {
        if (tipoTeclado == Layout::BR)
            return QStringLiteral("/");
        if (tipoTeclado == Layout::Portugues)
            return QStringLiteral("-");
        return QStringLiteral(";");
    }
    if (nomeCapa == QStringLiteral("TPONTO"))
        return QStringLiteral(".");
    if (nomeCapa == QStringLiteral("TVIRGULA"))
        return QStringLiteral(",");
    if (nomeCapa == QStringLiteral("TOO"))
        return QStringLiteral("O");
    if (nomeCapa.size() == 2 && nomeCapa.at(0) == QLatin1Char('T') && nomeCapa.at(1) != QLatin1Char('O')
        && nomeCapa.at(1) >= QLatin1Char('A') && nomeCapa.at(1) <= QLatin1Char('Z'))
        return nomeCapa.mid(1);
    return QString();
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
