// Display mode of the primary screen through XRandR. Elsewhere (Wayland,
// offscreen, a display without RandR) nothing is recorded and nothing is
// requested, which is what a failed query means for the program.
#include "app/platform/ServicosReais.h"

#include <QGuiApplication>

#ifdef TECLOMATIC_HAVE_X11
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#include <algorithm>
#include <cmath>
#endif

namespace {
#ifdef TECLOMATIC_HAVE_X11
Display* telaX11()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

double frequenciaDo(const XRRModeInfo& m)
{
    if (m.hTotal == 0 || m.vTotal == 0)
        return 0;
    return double(m.dotClock) / (double(m.hTotal) * double(m.vTotal));
}

struct SaidaPrimaria {
    XRRScreenResources* recursos = nullptr;
    XRROutputInfo* saida = nullptr;
    XRRCrtcInfo* crtc = nullptr;
    RROutput idSaida = 0;
    ~SaidaPrimaria()
    {
        if (crtc) XRRFreeCrtcInfo(crtc);
        if (saida) XRRFreeOutputInfo(saida);
        if (recursos) XRRFreeScreenResources(recursos);
    }
};

bool abrirSaida(Display* dpy, SaidaPrimaria& s)
{
    int ev = 0, err = 0;
    if (!XRRQueryExtension(dpy, &ev, &err))
        return false;
    Window raiz = DefaultRootWindow(dpy);
    s.recursos = XRRGetScreenResourcesCurrent(dpy, raiz);
    if (!s.recursos)
        return false;
    s.idSaida = XRRGetOutputPrimary(dpy, raiz);
    if (!s.idSaida) {
        for (int i = 0; i < s.recursos->noutput && !s.idSaida; ++i) {
            XRROutputInfo* o = XRRGetOutputInfo(dpy, s.recursos, s.recursos->outputs[i]);
            if (o && o->connection == RR_Connected && o->crtc)
                s.idSaida = s.recursos->outputs[i];
            if (o) XRRFreeOutputInfo(o);
        }
    }
    if (!s.idSaida)
        return false;
    s.saida = XRRGetOutputInfo(dpy, s.recursos, s.idSaida);
    if (!s.saida || !s.saida->crtc)
        return false;
    s.crtc = XRRGetCrtcInfo(dpy, s.recursos, s.saida->crtc);
    return s.crtc != nullptr;
}

const XRRModeInfo* infoModo(const XRRScreenResources* r, RRMode id)
{
    for (int i = 0; i < r->nmode; ++i)
        if (r->modes[i].id == id)
            return &r->modes[i];
    return nullptr;
}
#endif
}

ResolucaoTela ModoVideoX11::Atual()
{
    ResolucaoTela r;
#ifdef TECLOMATIC_HAVE_X11
    Display* dpy = telaX11();
    if (!dpy)
        return r;
    SaidaPrimaria s;
    if (!abrirSaida(dpy, s))
        return r;
    r.largura = qint16(s.crtc->width);
    r.altura = qint16(s.crtc->height);
    r.bits = qint16(DefaultDepth(dpy, DefaultScreen(dpy)));
    if (const XRRModeInfo* m = infoModo(s.recursos, s.crtc->mode))
        r.frequencia = qint16(std::lround(frequenciaDo(*m)));
#endif
    return r;
}

void ModoVideoX11::Pedir(const ResolucaoTela& modo)
{
#ifdef TECLOMATIC_HAVE_X11
    Display* dpy = telaX11();
    if (!dpy)
        return;
    SaidaPrimaria s;
    if (!abrirSaida(dpy, s))
        return;
    const XRRModeInfo* atual = infoModo(s.recursos, s.crtc->mode);
    if (atual && int(atual->width) == modo.largura && int(atual->height) == modo.altura
        && (modo.frequencia == 0 || std::lround(frequenciaDo(*atual)) == modo.frequencia))
        return; // already in force
    // The output's mode of that size whose refresh rate is nearest.
    RRMode melhor = 0;
    double distancia = 1e9;
    for (int i = 0; i < s.saida->nmode; ++i) {
        const XRRModeInfo* m = infoModo(s.recursos, s.saida->modes[i]);
        if (!m || int(m->width) != modo.largura || int(m->height) != modo.altura)
            continue;
        const double d = modo.frequencia ? std::abs(frequenciaDo(*m) - modo.frequencia) : 0;
        if (d < distancia) {
            distancia = d;
            melhor = m->id;
        }
    }
    if (!melhor)
        return;
    // A smaller mode set during the run shrank the screen with it: the
    // screen must first grow to hold the larger mode, or the server refuses
    // it. Its physical size keeps the screen's pixel density.
    Window raiz = DefaultRootWindow(dpy);
    Window qualquer = 0;
    int x = 0, y = 0;
    unsigned int largura = 0, altura = 0, borda = 0, profundidade = 0;
    if (!XGetGeometry(dpy, raiz, &qualquer, &x, &y, &largura, &altura, &borda, &profundidade))
        return;
    const int precisaL = std::max<int>(int(largura), s.crtc->x + modo.largura);
    const int precisaA = std::max<int>(int(altura), s.crtc->y + modo.altura);
    if (precisaL > int(largura) || precisaA > int(altura)) {
        int minL = 0, minA = 0, maxL = 0, maxA = 0;
        if (!XRRGetScreenSizeRange(dpy, raiz, &minL, &minA, &maxL, &maxA) || precisaL > maxL || precisaA > maxA)
            return;
        const int tela = DefaultScreen(dpy);
        const int mmL = int(std::lround(double(DisplayWidthMM(dpy, tela)) * precisaL / std::max(1u, largura)));
        const int mmA = int(std::lround(double(DisplayHeightMM(dpy, tela)) * precisaA / std::max(1u, altura)));
        XRRSetScreenSize(dpy, raiz, precisaL, precisaA, mmL, mmA);
    }
    XRRSetCrtcConfig(dpy, s.recursos, s.saida->crtc, CurrentTime, s.crtc->x, s.crtc->y, melhor,
                     s.crtc->rotation, s.crtc->outputs, s.crtc->noutput);
    XSync(dpy, False);
#else
    Q_UNUSED(modo);
#endif
}
