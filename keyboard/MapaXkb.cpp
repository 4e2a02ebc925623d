#include "keyboard/MapaXkb.h"

#include <QRegularExpression>
#include <QStringList>

#include <map>

namespace {
// The layout a group's descriptive name stands for, where a keymap built
// from a keyboard device rather than from names carries only these
// ("Portuguese (Brazil)", "Portuguese", "English (US, intl., with dead
// keys)"): the three that matter here, and the name itself otherwise.
std::pair<QString, QString> layoutDoNomeDoGrupo(const QString& nome)
{
    if (nome.startsWith(QLatin1String("Portuguese (Brazil")))
        return {QStringLiteral("br"), nome.contains(QLatin1String("nativo for US")) ? QStringLiteral("nativo-us") : QString()};
    if (nome.startsWith(QLatin1String("Portuguese")))
        return {QStringLiteral("pt"), QString()};
    if (nome.startsWith(QLatin1String("English (US")))
        return {QStringLiteral("us"), nome.contains(QLatin1String("intl")) ? QStringLiteral("intl") : QString()};
    return {nome.toLower(), QString()};
}
}

LayoutsXkb LayoutsDoMapaXkb(const QString& mapa)
{
    std::map<int, std::pair<QString, QString>> grupos;
    static const QRegularExpression secao(QStringLiteral("xkb_symbols\\s+\"([^\"]*)\""));
    const QRegularExpressionMatch achado = secao.match(mapa);
    // The symbol files that add options or the keyboard's model rather
    // than a layout.
    static const QStringList opcoes = {
        QStringLiteral("pc"),       QStringLiteral("inet"),     QStringLiteral("group"),  QStringLiteral("ctrl"),
        QStringLiteral("compose"),  QStringLiteral("level3"),   QStringLiteral("level5"), QStringLiteral("altwin"),
        QStringLiteral("capslock"), QStringLiteral("caps"),     QStringLiteral("keypad"), QStringLiteral("kpdl"),
        QStringLiteral("nbsp"),     QStringLiteral("eurosign"), QStringLiteral("shift"),  QStringLiteral("srvr_ctrl"),
        QStringLiteral("terminate"), QStringLiteral("lv3"),     QStringLiteral("lv5"),    QStringLiteral("rupeesign"),
        QStringLiteral("japan"),    QStringLiteral("korean"),   QStringLiteral("parens"), QStringLiteral("typo"),
        QStringLiteral("empty"),    QStringLiteral("numpad"),   QStringLiteral("mac"),    QStringLiteral("apple")};
    static const QRegularExpression parte(QStringLiteral("^([a-z0-9_\\-]+)(?:\\(([^)]*)\\))?(?::(\\d+))?$"));
    for (const QString& p : achado.captured(1).split(QLatin1Char('+'), Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch m = parte.match(p.trimmed());
        if (!m.hasMatch() || opcoes.contains(m.captured(1)))
            continue;
        const int grupo = m.captured(3).isEmpty() ? 1 : m.captured(3).toInt();
        if (grupo >= 1 && grupo <= 4 && !grupos.count(grupo))
            grupos[grupo] = {m.captured(1), m.captured(2)};
    }
    if (grupos.empty()) {
        static const QRegularExpression nome(QStringLiteral("name\\[[Gg]roup(\\d)\\]\\s*=\\s*\"([^\"]*)\""));
        for (QRegularExpressionMatchIterator i = nome.globalMatch(mapa); i.hasNext();) {
            const QRegularExpressionMatch m = i.next();
            const int grupo = m.captured(1).toInt();
            if (grupo >= 1 && grupo <= 4 && !grupos.count(grupo))
                grupos[grupo] = layoutDoNomeDoGrupo(m.captured(2));
        }
    }
    if (grupos.empty())
        return {};
    QStringList layouts, variantes;
    for (int g = 1; g <= grupos.rbegin()->first; ++g) {
        const auto i = grupos.find(g);
        layouts << (i != grupos.end() ? i->second.first : QString());
        variantes << (i != grupos.end() ? i->second.second : QString());
    }
    return {layouts.join(QLatin1Char(',')), variantes.join(QLatin1Char(','))};
}
