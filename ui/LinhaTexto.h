#pragma once
// The running text of an exercise, drawn as one control over the text
// panel: the whole line in grey, the part still to type in blue over it,
// and the blinking underlined cursor on the next character. Enter, written
// "#" in a lesson, shows as a return sign, so a verse reads as a verse. The line is
// laid out and measured once per exercise; a key press repaints only the
// character it turned grey and the two cursor cells, a blink only the
// cursor cell.
#include <QFont>
#include <QString>
#include <QTextLayout>
#include <QVector>
#include <QWidget>
#include <functional>

class LinhaTexto : public QWidget {
    Q_OBJECT
public:
    explicit LinhaTexto(QWidget* pai, const QString& nome = QString());

    // A new line: centred in the control, nothing typed yet.
    void setLinha(const QString& linha);
    // How many characters of the line have been typed.
    void setDigitados(int n);
    void setCursorVisivel(bool sim);
    // What lies under the line (in its coordinates), painted first: with
    // it the control is opaque and what is under it is not repainted.
    void setFundo(std::function<void(QPainter&, const QRegion&)> f)
    {
        fundo = std::move(f);
        setAttribute(Qt::WA_OpaquePaintEvent, bool(fundo));
    }

    const QString& linha() const { return texto; }
    int digitados() const { return feitos; }
    // The text still to type, and its first character (the cursor's).
    QString resto() const { return texto.mid(feitos); }
    QString cursorTexto() const { return texto.mid(feitos, 1); }
    bool cursorVisivel() const { return cursor; }
    // Left edge of the line, and where the text still to type begins.
    int xLinha() const { return esquerda; }
    int xResto() const { return xDe(feitos); }
    int topo() const { return alto; }

    const QFont& fonte() const { return normal; }
    // Whether a line shows whole in the control, with a margin at each side.
    bool Cabe(const QString& linha) const;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void medir();
    int xDe(int i) const { return esquerda + (i >= 0 && i < avancos.size() ? avancos.at(i) : 0); }
    // The cell of the cursor on character i: the character's width, at
    // least 4 pixels (a space), and 2 for the glyph's edge.
    QRect celulaCursor(int i) const;
    // The cell of character i, and the return sign drawn in it.
    QRect celula(int i) const { return QRect(xDe(i), alto, xDe(i + 1) - xDe(i), altura); }
    void desenharEnter(QPainter& p, int i, bool sublinhar) const;

    std::function<void(QPainter&, const QRegion&)> fundo;
    // The line laid out once, and where it is drawn.
    QTextLayout layout;
    QPointF origem;
    QString texto;
    int feitos = 0;
    bool cursor = true;
    QFont normal;
    QFont sublinhada;
    // Width of the line's first i characters, for every i.
    QVector<int> avancos;
    // Where the line holds Enter.
    QVector<int> enters;
    int largura = 0;
    int altura = 0;
    int esquerda = 0;
    int alto = 0;
};
