#include "app/platform/TecladoSistemaX11.h"

#include "app/platform/ServicosReais.h"
#include "keyboard/MapaXkb.h"
#include "keyboard/SistemaTeclado.h"

#include <QGuiApplication>
#include <QLocale>
#include <QString>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

#ifdef TECLOMATIC_HAVE_X11
#include <QtGui/qguiapplication_platform.h>
#include <cstdio> // XKBrules.h uses FILE without including it
#include <cstdlib>
// Xlib's macros (None, Bool, Status, ...) clash with Qt names: these come last.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XKBrules.h>
#endif

namespace {

// On Wayland the compositor tells each client its keymap; the module that
// asks it (the Wayland client library is loaded only there) returns its text.
int propostaWayland()
{
    using Ler = bool (*)(QByteArray*);
    const auto ler = reinterpret_cast<Ler>(
        ResolverNoModulo(QStringLiteral("teclomatic_wayland.so"), "teclomatic_ler_mapa_teclado"));
    QByteArray mapa;
    if (!ler || !ler(&mapa))
        return 0;
    const LayoutsXkb l = LayoutsDoMapaXkb(QString::fromUtf8(mapa));
    // The group in use is known to the windows that have the keyboard, not
    // to this connection: the first layout is proposed.
    return PropostaXkb(l.layouts, l.variantes, 0, QLocale::system().name());
}

#ifdef TECLOMATIC_HAVE_X11
int propostaX11()
{
    if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb"))
        return 0;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return 0;
    Display* display = x11->display();
    if (!display)
        return 0;

    char* arquivoRegras = nullptr;
    XkbRF_VarDefsRec nomes{};
    if (!XkbRF_GetNamesProp(display, &arquivoRegras, &nomes))
        return 0;
    const QString layouts = QString::fromLatin1(nomes.layout ? nomes.layout : "");
    const QString variantes = QString::fromLatin1(nomes.variant ? nomes.variant : "");
    std::free(arquivoRegras);
    std::free(nomes.model);
    std::free(nomes.layout);
    std::free(nomes.variant);
    std::free(nomes.options);

    int grupo = 0;
    XkbStateRec estado{};
    if (XkbGetState(display, XkbUseCoreKbd, &estado) == Success)
        grupo = estado.group;

    return PropostaXkb(layouts, variantes, grupo, QLocale::system().name());
}
#endif

} // namespace

int TecladoSistemaX11::Proposta()
{
    if (qGuiApp && QGuiApplication::platformName() == QLatin1String("wayland"))
        return propostaWayland();
#if defined(Q_OS_WIN)
    const auto handle = reinterpret_cast<quintptr>(GetKeyboardLayout(0));
    return TecladoDoHandle(static_cast<qint32>(static_cast<quint32>(handle)));
#elif defined(TECLOMATIC_HAVE_X11)
    return propostaX11();
#else
    return 0;
#endif
}
