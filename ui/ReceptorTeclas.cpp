#include "ui/ReceptorTeclas.h"

#include "ui/Acessibilidade.h"

#include <QAccessible>

ReceptorTeclas::ReceptorTeclas(QWidget* pai, const QString& nome)
    : QWidget(pai)
{
    setObjectName(nome);
}

void ReceptorTeclas::anunciar(const QString& nova)
{
    if (!Acessibilidade::Ouvindo()) {
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
    if (!Acessibilidade::Ouvindo())
        return;
    QAccessibleTextCursorEvent e(this, posicao);
    QAccessible::updateAccessibility(&e);
}
