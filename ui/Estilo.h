#pragma once
// The program's look: palette, fonts and the drawn pieces (frames, title
// strips, buttons, captions) that every window reuses.
#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QList>
#include <QRect>
#include <functional>

class QPainter;
class QRegion;
class QWidget;

class QLabel;
class QWidget;

namespace Estilo {
// The three blues of the program.
inline QColor AzulTexto() { return QColor(0, 97, 187); }   // text, labels
inline QColor AzulFundo() { return QColor(0, 113, 207); }  // window backgrounds
inline QColor AzulClaro() { return QColor(0, 118, 212); }  // check boxes, accents
inline QColor AzulEscuro() { return QColor(0, 58, 128); }  // frames, shadows
inline QColor AzulNoite() { return QColor(6, 32, 74); }    // behind the panel
inline QColor Amarelo() { return QColor(255, 214, 10); }   // hover captions
inline QColor CinzaTexto() { return QColor(192, 192, 192); }
// The radius of a secondary window's rounded corners.
constexpr int RaioJanela = 8;
inline QColor Painel() { return QColor(238, 244, 252); }   // light panel surfaces

// "Liberation Sans", metric-compatible with Arial, shipped with the program.
QString FamiliaFonte();
QFont Fonte(qreal pontos, bool negrito = false);

// The device pixel ratio pictures are rendered at.
qreal Dpr();
// Renders a picture of the given logical size at the screen's pixel ratio.
QPixmap Renderizar(QSize logico, const std::function<void(QPainter&)>& desenho, qreal dpr = 0);

// While it lives, a painter scaled by exactly a picture's pixel ratio works
// in whole device pixels, its origin on the device pixel the painter would
// round it to: the picture is then copied (or blended) straight, not
// "scaled" by 1 and worked out pixel by pixel. Any other painter is left as
// it is.
class EmPixels {
public:
    EmPixels(QPainter& p, qreal dpr);
    ~EmPixels();
    EmPixels(const EmPixels&) = delete;
    EmPixels& operator=(const EmPixels&) = delete;
    bool Ativo() const { return ativo; }
    // Draws a picture with its corner at a point of the painter's own
    // coordinates, where a control placed there would show it (a picture of
    // another pixel ratio is scaled to its logical size).
    void Desenhar(const QPoint& canto, const QPixmap& figura) const;
    // The whole device pixels a rectangle of the painter's own coordinates
    // touches, rounded outwards: what the screen counts as that rectangle
    // lies within them, however it rounds a fractional position.
    QRect Cobrir(const QRectF& logico) const
    {
        return QRectF(logico.topLeft() * escala + desvio, logico.size() * escala).toAlignedRect();
    }
    // The device pixel, counted from the origin's, a point of the painter's
    // own coordinates rounds to: where a control placed there would begin.
    QPoint Canto(const QPointF& logico) const
    {
        return QPoint(qRound(origem.x() + logico.x() * escala) - qRound(origem.x()),
                      qRound(origem.y() + logico.y() * escala) - qRound(origem.y()));
    }
    // What a control placed on a rectangle of the painter's own coordinates
    // covers, in the painter's present coordinates: its corners where they
    // round to.
    QRect Lugar(const QRect& logico) const
    {
        if (!ativo)
            return logico;
        return QRect(Canto(logico.topLeft()), Canto(logico.bottomRight() + QPoint(1, 1))).adjusted(0, 0, -1, -1);
    }

private:
    QPainter& p;
    qreal escala = 1;
    QPointF origem;
    QPointF desvio;
    bool ativo = false;
};

// The region as few rectangles as it can cheaply be: a region keeps its
// rectangles cut into horizontal bands, and a place beside another of a
// different height comes out in strips, which are joined again here. The
// rectangles stay apart and cover the region exactly.
QList<QRect> Retangulos(const QRegion& regiao);

// A window body: rounded blue frame, a title strip with the title, a light
// client area below it. Returns the client rectangle.
QRect DesenharJanela(QPainter& p, const QRect& r, const QString& titulo);
// The dark title strip along the top of a window frame (rounded on top).
void DesenharFaixaTitulo(QPainter& p, const QRectF& faixa);
// A drawn push button face with its caption.
void DesenharBotao(QPainter& p, const QRect& r, const QString& texto, bool habilitado = true,
                   bool principal = true);
// A caption picture for a toolbar / user-screen button: the caption in the
// given colour, on the blue toolbar background when opaco is true.
QPixmap Legenda(QSize tamanho, const QString& texto, const QColor& cor, bool opaco,
                qreal pontos = 9);
// A round icon button face (white disc with a blue ring) for toolbars.
void DesenharDisco(QPainter& p, const QRectF& r);

// Style sheet for text boxes and lists drawn in the program's look.
QString FolhaCampos();
void AplicarFonteGlobal();
// The text colour of a label, through its palette: cheaper to paint than a
// style sheet, which the practice screen's labels repaint under every key.
void Colorir(QWidget* w, const QColor& cor);
// A label of the drawn windows: placed, in a font and a colour, with no
// background of its own, its text plain. Without a vertical alignment it is
// centred vertically.
QLabel* Rotulo(QWidget* pai, const QString& nome, const QString& texto, const QRect& r, Qt::Alignment alinhamento,
               const QFont& fonte, const QColor& cor);
}
