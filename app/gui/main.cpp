// Teclomatic: a touch-typing tutor for Brazilian Portuguese typists.
#include "app/platform/ServicosReais.h"
#include "ui/Estilo.h"
#include "ui/FrmMain.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Teclomatic"));
    QApplication::setApplicationDisplayName(QStringLiteral("Teclomatic"));
    Estilo::AplicarFonteGlobal();

    ServicosReais servicos;
    FrmMain janela;
    janela.Form_Load();
    return app.exec();
}
