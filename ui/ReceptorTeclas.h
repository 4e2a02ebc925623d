#pragma once
// The key receiver of the practice screen (PicSet): an off-screen control
// that holds the keyboard focus while the learner types. For assistive
// technologies it is the exercise itself: its text with the position
// reached, and its name says what to do next ("Próxima tecla: F,
// indicador esquerdo"). What it reads is asked of the window only when an
// assistive technology reads it; nothing is done for it per key otherwise.
#include <QWidget>
#include <functional>

class ReceptorTeclas : public QWidget {
    Q_OBJECT
public:
    struct Leitura {
        QString texto;   // the exercise as typed ("\n" for Enter)
        int posicao = 0; // characters of it typed
        QString proximo; // what to do next, the next key and its finger
        QString titulo;  // the lesson and exercise
    };

    explicit ReceptorTeclas(QWidget* pai, const QString& nome = QString());

    void setLeitor(std::function<Leitura()> f) { leitor = std::move(f); }
    Leitura ler() const { return leitor ? leitor() : Leitura{}; }

    // Said now to an assistive technology, if one listens: the phrase
    // becomes the control's name (a screen reader reads out a new name of
    // the control with the focus) until the next one. The same phrase
    // twice in a row is read again.
    void anunciar(const QString& frase);
    // The position reached moved: the text's caret follows it.
    void moverPosicao(int posicao);
    // The phrase said last; empty while no assistive technology listens.
    const QString& anuncio() const { return frase; }

private:
    std::function<Leitura()> leitor;
    QString frase;
};
