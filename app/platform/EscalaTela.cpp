#include "app/platform/EscalaTela.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#ifdef TECLOMATIC_HAVE_X11
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#endif

#ifdef TECLOMATIC_HAVE_X11
namespace {
// The connection the screen was read on. It stays open until Qt has its
// own: when the program is the X server's only client (a kiosk session, a
// bare test server), closing it would make the server reset itself, and
// Qt's connection would then wait the whole reset out.
Display* conexaoInicial = nullptr;
}
#endif

void LiberarTelaInicial()
{
#ifdef TECLOMATIC_HAVE_X11
    if (conexaoInicial)
        XCloseDisplay(conexaoInicial);
    conexaoInicial = nullptr;
#endif
}

double FatorDoPainel(const TelaInicial& tela)
{
    if (tela.largura <= 0 || tela.altura <= 0 || tela.razao <= 0)
        return 0;
    const double cabe = std::min(tela.largura / 800.0, tela.altura / 600.0);
    const double oitavos = std::floor(cabe * 8.0) / 8.0;
    if (oitavos <= 0.25)
        return 0;
    return oitavos / tela.razao;
}

std::optional<TelaInicial> LerTelaInicial()
{
#ifdef TECLOMATIC_HAVE_X11
    const char* nome = std::getenv("DISPLAY");
    if (!nome || !*nome)
        return std::nullopt;
    LiberarTelaInicial();
    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy)
        return std::nullopt;
    conexaoInicial = dpy;
    TelaInicial t;
    const int tela = DefaultScreen(dpy);
    t.largura = DisplayWidth(dpy, tela);
    t.altura = DisplayHeight(dpy, tela);

    // The primary output, when RandR knows it: on two monitors the root
    // window spans both.
    int ev = 0, err = 0;
    if (XRRQueryExtension(dpy, &ev, &err)) {
        const Window raiz = RootWindow(dpy, tela);
        if (XRRScreenResources* rec = XRRGetScreenResourcesCurrent(dpy, raiz)) {
            RROutput primaria = XRRGetOutputPrimary(dpy, raiz);
            for (int i = 0; i < rec->noutput && !primaria; ++i) {
                XRROutputInfo* o = XRRGetOutputInfo(dpy, rec, rec->outputs[i]);
                if (o && o->connection == RR_Connected && o->crtc)
                    primaria = rec->outputs[i];
                if (o)
                    XRRFreeOutputInfo(o);
            }
            if (primaria) {
                if (XRROutputInfo* o = XRRGetOutputInfo(dpy, rec, primaria)) {
                    if (o->crtc) {
                        if (XRRCrtcInfo* c = XRRGetCrtcInfo(dpy, rec, o->crtc)) {
                            if (c->width > 0 && c->height > 0) {
                                t.largura = int(c->width);
                                t.altura = int(c->height);
                            }
                            XRRFreeCrtcInfo(c);
                        }
                    }
                    XRRFreeOutputInfo(o);
                }
            }
            XRRFreeScreenResources(rec);
        }
    }

    // Xft.dpi, as the desktop sets it for high-density screens.
    if (const char* recursos = XResourceManagerString(dpy)) {
        if (const char* p = std::strstr(recursos, "Xft.dpi:")) {
            const double dpi = std::atof(p + std::strlen("Xft.dpi:"));
            if (dpi >= 48 && dpi <= 960)
                t.razao = dpi / 96.0;
        }
    }
    return t;
#else
    return std::nullopt;
#endif
}
