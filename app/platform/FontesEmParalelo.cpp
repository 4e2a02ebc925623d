#include "app/platform/FontesEmParalelo.h"

#include <QtGlobal>

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
#include <dlfcn.h>
#endif

FontesEmParalelo::FontesEmParalelo()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // Qt's font support brings fontconfig in with it; looked up rather than
    // linked, a Qt built without it simply leaves this out.
    using Iniciar = int (*)();
    if (auto iniciar = reinterpret_cast<Iniciar>(dlsym(RTLD_DEFAULT, "FcInit"))) {
        try {
            leitura = std::thread([iniciar] { iniciar(); });
        } catch (const std::system_error&) {
            // No thread to be had: Qt reads the configuration itself.
        }
    }
#endif
}

void FontesEmParalelo::Aguardar()
{
    if (leitura.joinable())
        leitura.join();
}
