#include "ui/ReceptorTeclas.h"

#include <QAccessible>

ReceptorTeclas::ReceptorTeclas(QWidget* pai, const QString& nome)
    : QWidget(pai)
{
    setObjectName(nome);
}

void ReceptorTeclas::anunciar(const QString& nova)
{
    if (!QAccessible::isActive()) {
        frase.clear();
        return;
    }
    // A screen reader does not read a name that did not change: a
    // repeated phrase differs by a trailing space, which is not heard.
    frase = nova == frase ? nova + u' ' : nova;
    QAccessibleEvent e(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&e);
}

void ReceptorTeclas::moverPosicao(int posicao)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleTextCursorEvent e(this, posicao);
    QAccessible::updateAccessibility(&e);
}
