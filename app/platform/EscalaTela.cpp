#include "app/platform/EscalaTela.h"

#include <QGuiApplication>
#include <QScreen>
// Qt reads its global factor (QT_SCALE_FACTOR) once, as it starts; this is
// the call that sets it afterwards, before any window exists.
#include <QtGui/private/qhighdpiscaling_p.h>

EscalaDoPainel AjustarEscalaDoPainel()
{
    QScreen* tela = QGuiApplication::primaryScreen();
    if (!tela || QGuiApplication::platformName() == QLatin1String("offscreen"))
        return {};
    TelaDoPainel t;
    t.area = tela->availableGeometry().size();
    t.razao = tela->devicePixelRatio();
    // The desktop's own ratio is what is left with the global factor at 1;
    // the rest was the user's.
    QHighDpiScaling::setGlobalFactor(1);
    const double desktop = tela->devicePixelRatio();
    t.fatorUsuario = desktop > 0 ? t.razao / desktop : 1.0;
    const EscalaDoPainel escolha = EscolherEscala(t);
    QHighDpiScaling::setGlobalFactor(escolha.razao > 0 ? escolha.fatorGlobal : t.fatorUsuario);
    return escolha;
}
