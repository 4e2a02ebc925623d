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
#include <QScreen>
#include <cmath>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {
// The whole program lives on an 800 x 600 panel. It is drawn as large as
// the screen allows: on a small screen (a netbook, a 1080p screen at 200 %)
// no button is out of reach, on a large one the keyboard and the text fill
// it. The scale is chosen from the screen before Qt starts and everything is
// drawn at it, so it stays crisp. The factor asked for by the environment is
// put back once Qt has read ours, so programs started from here (the help
// viewer) do not inherit it.
QByteArray escolherEscala()
{
    const QByteArray pedido = qgetenv("QT_SCALE_FACTOR");
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen")
        return pedido;
    if (const std::optional<TelaInicial> tela = LerTelaInicial()) {
        if (const double fator = FatorDoPainel(*tela); fator > 0)
            qputenv("QT_SCALE_FACTOR", QByteArray::number(fator, 'f', 6));
    }
    return pedido;
}

// Where the screen could not be read before Qt started (Wayland), a screen
// smaller than the panel still gets it whole: the program starts again once
// at the scale that makes the panel fit.
void ajustarEscalaATela(char** argv)
{
#ifdef Q_OS_UNIX
    if (!qEnvironmentVariableIsEmpty("TECLOMATIC_ESCALA_AJUSTADA"))
        return;
    const QScreen* tela = QGuiApplication::primaryScreen();
    if (!tela || QGuiApplication::platformName() != QLatin1String("wayland"))
        return;
    const QSize tamanho = tela->geometry().size();
    const double fator = std::min(tamanho.width() / 800.0, tamanho.height() / 600.0);
    if (fator >= 1.0 || fator <= 0.25)
        return;
    bool ok = false;
    double atual = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    if (!ok || atual <= 0)
        atual = 1.0;
    const double razao = tela->devicePixelRatio();
    const double alvo = std::floor(razao * fator * 8.0) / 8.0;
    if (alvo <= 0)
        return;
    qputenv("QT_SCALE_FACTOR", QByteArray::number(atual * alvo / razao, 'f', 6));
    qputenv("TECLOMATIC_ESCALA_AJUSTADA", "1");
    execv("/proc/self/exe", argv);
    // If the program cannot start again it simply carries on unscaled.
#else
    Q_UNUSED(argv);
#endif
}

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
    const QByteArray escalaPedida = escolherEscala();
    QApplication app(argc, argv);
    LiberarTelaInicial();
    fontes.Aguardar();
    ajustarEscalaATela(argv);
    if (escalaPedida.isNull())
        qunsetenv("QT_SCALE_FACTOR");
    else
        qputenv("QT_SCALE_FACTOR", escalaPedida);
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
