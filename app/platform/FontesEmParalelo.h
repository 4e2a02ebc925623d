#pragma once
// Reading the system's font configuration is the slowest single step on the
// way to the first screen: fontconfig parses its XML files once per process,
// and Qt asks for it the first time it lays out text. It needs nothing of
// Qt, so it runs on a thread of its own while Qt connects to the display,
// and Qt finds it done. Where there is no fontconfig (Windows) it does
// nothing.
#include <thread>

class FontesEmParalelo {
public:
    FontesEmParalelo();
    ~FontesEmParalelo() { Aguardar(); }
    FontesEmParalelo(const FontesEmParalelo&) = delete;
    FontesEmParalelo& operator=(const FontesEmParalelo&) = delete;

    // Waits until the configuration is read; to be called before anything
    // measures or draws text, so it is never read twice at once.
    void Aguardar();

private:
    std::thread leitura;
};
