// Teclomatic: a touch-typing tutor for Brazilian Portuguese typists.
#include "app/platform/ServicosReais.h"
#include "ui/Estilo.h"
#include "ui/FrmMain.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <cmath>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {
// The whole program lives on an 800 x 600 panel. On a screen that is smaller
// in logical pixels (a small netbook, or a 1080p screen at 200 %) the program
// starts again at the scale that makes the panel fit, so no button is ever
// out of reach; everything is drawn at that scale and stays crisp.
void ajustarEscalaATela(char** argv)
{
#ifdef Q_OS_UNIX
    if (!qEnvironmentVariableIsEmpty("TECLOMATIC_ESCALA_AJUSTADA"))
        return;
    const QScreen* tela = QGuiApplication::primaryScreen();
    if (!tela || QGuiApplication::platformName() == QLatin1String("offscreen"))
        return;
    const QSize tamanho = tela->geometry().size();
    const double fator = std::min(tamanho.width() / 800.0, tamanho.height() / 600.0);
    if (fator >= 1.0 || fator <= 0.25)
        return;
    bool ok = false;
    double atual = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    if (!ok || atual <= 0)
        atual = 1.0;
    // The final pixel ratio is kept to eighths: 800 x 600 then covers whole
    // device pixels and no edge is blended with the background.
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
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ajustarEscalaATela(argv);
    QApplication::setApplicationName(QStringLiteral("Teclomatic"));
    QApplication::setApplicationDisplayName(QStringLiteral("Teclomatic"));
    // Ties the window to the installed menu entry (Wayland app id) and gives
    // it the program's icon on the task bar.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.teclomatic.teclomatic"));
    QIcon icone;
    for (int n : {16, 32, 48, 256})
        icone.addFile(QStringLiteral(":/icones/icone%1.png").arg(n), QSize(n, n));
    QApplication::setWindowIcon(icone);
    Estilo::AplicarFonteGlobal();

    ServicosReais servicos;
    FrmMain janela;
    janela.Form_Load();
    return app.exec();
}
