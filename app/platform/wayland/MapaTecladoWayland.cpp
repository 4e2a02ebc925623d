// The module teclomatic_wayland.so: reads the keymap the Wayland
// compositor gives its clients' keyboards, in XKB's text format, on a
// connection of its own. Loaded only when the program runs on Wayland.
#include <QByteArray>
#include <QtGlobal>

#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

#include <cstring>

namespace {
struct Leitura {
    wl_seat* assento = nullptr;
    wl_keyboard* teclado = nullptr;
    QByteArray mapa;
    bool recebido = false;
};

void mapaRecebido(void* dados, wl_keyboard*, uint32_t formato, int32_t fd, uint32_t tamanho)
{
    auto* l = static_cast<Leitura*>(dados);
    if (formato == WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1 && tamanho > 0 && tamanho < (64u << 20)) {
        void* p = mmap(nullptr, tamanho, PROT_READ, MAP_PRIVATE, fd, 0);
        if (p != MAP_FAILED) {
            // The text ends with its terminating zero.
            l->mapa = QByteArray(static_cast<const char*>(p), int(strnlen(static_cast<const char*>(p), tamanho)));
            munmap(p, tamanho);
        }
    }
    l->recebido = true;
    close(fd);
}
void entrou(void*, wl_keyboard*, uint32_t, wl_surface*, wl_array*) {}
void saiu(void*, wl_keyboard*, uint32_t, wl_surface*) {}
void tecla(void*, wl_keyboard*, uint32_t, uint32_t, uint32_t, uint32_t) {}
void modificadores(void*, wl_keyboard*, uint32_t, uint32_t, uint32_t, uint32_t, uint32_t) {}
void repeticao(void*, wl_keyboard*, int32_t, int32_t) {}
const wl_keyboard_listener ouvinteTeclado = {mapaRecebido, entrou, saiu, tecla, modificadores, repeticao};

void capacidades(void* dados, wl_seat* assento, uint32_t caps)
{
    auto* l = static_cast<Leitura*>(dados);
    if ((caps & WL_SEAT_CAPABILITY_KEYBOARD) && !l->teclado) {
        l->teclado = wl_seat_get_keyboard(assento);
        wl_keyboard_add_listener(l->teclado, &ouvinteTeclado, l);
    }
}
void nomeAssento(void*, wl_seat*, const char*) {}
const wl_seat_listener ouvinteAssento = {capacidades, nomeAssento};

void global(void* dados, wl_registry* registro, uint32_t nome, const char* interface, uint32_t versao)
{
    auto* l = static_cast<Leitura*>(dados);
    if (!l->assento && std::strcmp(interface, wl_seat_interface.name) == 0) {
        l->assento = static_cast<wl_seat*>(wl_registry_bind(registro, nome, &wl_seat_interface, qMin(versao, 4u)));
        wl_seat_add_listener(l->assento, &ouvinteAssento, l);
    }
}
void globalRemovido(void*, wl_registry*, uint32_t) {}
const wl_registry_listener ouvinteRegistro = {global, globalRemovido};
}

// The keymap text of the first seat's keyboard; false when there is no
// compositor, seat or keyboard to ask.
extern "C" Q_DECL_EXPORT bool teclomatic_ler_mapa_teclado(QByteArray* saida)
{
    wl_display* tela = wl_display_connect(nullptr);
    if (!tela)
        return false;
    Leitura l;
    wl_registry* registro = wl_display_get_registry(tela);
    wl_registry_add_listener(registro, &ouvinteRegistro, &l);
    // The seat is announced, then its keyboard, then the keymap: a round
    // trip each at most.
    for (int i = 0; i < 4 && !l.recebido; ++i)
        if (wl_display_roundtrip(tela) < 0)
            break;
    if (l.teclado)
        wl_keyboard_destroy(l.teclado);
    if (l.assento)
        wl_seat_destroy(l.assento);
    wl_registry_destroy(registro);
    wl_display_disconnect(tela);
    if (!l.recebido || l.mapa.isEmpty())
        return false;
    *saida = l.mapa;
    return true;
}
