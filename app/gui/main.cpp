// Teclomatic: a touch-typing tutor for Brazilian Portuguese typists.
#include "app/platform/EscalaTela.h"
#include "app/platform/FontesEmParalelo.h"
#include "app/platform/InstanciaUnica.h"
#include "app/platform/ServicosReais.h"
#include "ui/Estilo.h"
#include "ui/FrmMain.h"
#include "users/SessaoUsuarios.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {
// Another Teclomatic runs on the same learner file: it is asked to come to
// the front; where it does not answer (another account's, on a shared
// file) the learner is told. Nothing is read or written here.
int JaAberto(const QString& arquivoUsuarios)
{
    if (InstanciaUnica(arquivoUsuarios).PedirParaMostrar())
        return 0;
    ServicosReais servicos;
    Plataforma().dialogos->Mensagem(nullptr, QStringLiteral("Teclomatic"), TravaUsuarios::MensagemEmUso(),
                                    IconeMensagem::Informacao);
    return 0;
}
}

int main(int argc, char** argv)
{
    FontesEmParalelo fontes;
    QApplication app(argc, argv);
    // The panel as large as the screen allows, before any window exists;
    // nothing in the environment changes, so programs started from here
    // (the help viewer) get the desktop's scale, not ours.
    const EscalaDoPainel escala = AjustarEscalaDoPainel();
    fontes.Aguardar();
    // No display name: windows carry exactly their own titles.
    QApplication::setApplicationName(QStringLiteral("Teclomatic"));
    // Ties the window to the installed menu entry (Wayland app id) and gives
    // it the program's icon on the task bar.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.teclomatic.teclomatic"));
    Estilo::AplicarFonteGlobal();

    // One program per learner file: its lock is taken before anything is
    // built (a few calls on the file system).
    SessaoUsuarios sessao;
    if (sessao.Travar() == TravaUsuarios::Estado::EmUso)
        return JaAberto(sessao.Caminho());

    ServicosReais servicos;
    FrmMain janela;
    janela.ReduzirPainel(escala.reducao);
    janela.usuarios.UsarSessao(std::move(sessao));
    InstanciaUnica instancia(janela.usuarios.Arquivo());
    QObject::connect(&instancia, &InstanciaUnica::mostrarPedido, &janela, &FrmMain::TrazerParaFrente);
    // The icon's pictures are read once the first frame is out, named as
    // PNG: left to guess, the reader would load every image format plugin
    // to ask each whether it knows the file.
    QObject::connect(&janela, &FrmMain::primeiroQuadro, &app, [&instancia] {
        instancia.Escutar();
        QIcon icone;
        for (int n : {16, 32, 48, 256}) {
            QImageReader leitor(QStringLiteral(":/icones/icone%1.png").arg(n), "png");
            leitor.setAutoDetectImageFormat(false);
            icone.addPixmap(QPixmap::fromImage(leitor.read()));
        }
        QApplication::setWindowIcon(icone);
#ifdef __GLIBC__
        // Reading the fonts and drawing the first screen, partly on threads
        // of their own, leave freed memory in the allocator's pools: it goes
        // back to the system once the first frame is out.
        malloc_trim(0);
#endif
    });
    janela.Form_Load();
    return app.exec();
}
