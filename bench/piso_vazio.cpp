// The floor of the start-up benchmark: an empty full-screen Qt Widgets
// window, started exactly as Teclomatic is.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget janela;
    janela.setWindowTitle(QStringLiteral("piso"));
    janela.showFullScreen();
    return app.exec();
}
