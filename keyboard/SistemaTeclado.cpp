#include "keyboard/SistemaTeclado.h"

#include "keyboard/GradeTeclado.h"

#include <QStringList>

int TecladoDoHandle(qint32 handle)
{
    const qint32 r = handle % 10000; // truncates toward zero: r has the sign of the handle
    if (r == 1590)
        return Layout::Portugues;
    if (r == 9734)
        return Layout::BR;
    return Layout::ABNT2;
}

int PropostaXkb(const QString& layouts, const QString& variants, int grupoAtivo,
                const QString& localeName)
{
    const QStringList lista = layouts.split(QLatin1Char(','));
    const int i = (grupoAtivo >= 0 && grupoAtivo < lista.size()) ? grupoAtivo : 0;

    QString layout = lista.value(i).trimmed().toLower();
    QString variante = variants.split(QLatin1Char(',')).value(i).trimmed().toLower();
    // A layout may carry its variant in parentheses: "us(intl)".
    if (const int p = layout.indexOf(QLatin1Char('(')); p >= 0) {
        if (variante.isEmpty())
            variante = layout.mid(p + 1).remove(QLatin1Char(')')).trimmed();
        layout.truncate(p);
    }
    layout = layout.trimmed();

    // The Nativo layouts "for US keyboards" sit on a US-arrangement keyboard,
    // whichever language they type; every other variant of "br" keeps the
    // ABNT2 keyboard, and of "pt" the keyboard of Portugal.
    if (variante == QLatin1String("nativo-us") && (layout == QLatin1String("br") || layout == QLatin1String("pt")))
        return Layout::BR;
    if (layout == QLatin1String("pt"))
        return Layout::Portugues;
    QString local = localeName;
    local.replace(QLatin1Char('-'), QLatin1Char('_'));
    const bool brasil = local.startsWith(QLatin1String("pt_BR"), Qt::CaseInsensitive);
    if (layout == QLatin1String("us") && brasil)
        return Layout::BR;
    return Layout::ABNT2;
}
