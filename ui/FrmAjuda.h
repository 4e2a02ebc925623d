#pragma once
// The manual in the program's own window (help opens here, whatever the
// desktop offers): a drawn frame and title, the page rendered with its
// figures (inline SVG drawn to images), links inside the page followed,
// resizable by its edges and moved by its title strip; a button hands the
// page to the desktop's browser; Esc or the close button hides it. One
// window is kept and reused.
#include "ui/JanelaDesenhada.h"

#include <QStringList>
#include <QUrl>

class QTextBrowser;
class Imagem;

class FrmAjuda : public JanelaDesenhada {
    Q_OBJECT
public:
    explicit FrmAjuda(QWidget* pai = nullptr);

    // Loads the page into the window (one per program, over the main
    // window) and shows it; nullptr when the page cannot be read.
    static FrmAjuda* Mostrar(const QString& caminhoArquivo);
    // The window, when it is shown.
    static FrmAjuda* Aberta();

    // Reads and renders the page; false when it cannot be read.
    bool Carregar(const QString& caminhoArquivo);
    // The image resources the page's figures were drawn into.
    const QStringList& Figuras() const { return figuras; }
    // Follows a link: an anchor of the page scrolls to it; a web or mail
    // address goes to the desktop; anything else does nothing.
    void IrPara(const QUrl& link);
    // Opens the page in the desktop's browser; says so when it cannot.
    void CmdNavegador_Click();

    QTextBrowser* Texto = nullptr;
    Imagem* CmdNavegador = nullptr;
    Imagem* CmdFechar = nullptr;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    Qt::Edges bordasEm(QPoint pos) const;

    QString caminho;
    QStringList figuras;
    // A resize by hand, where the window manager does not offer one.
    Qt::Edges redimensionando;
    QPoint inicioCursor;
    QRect inicioGeometria;
};
