#pragma once
// The result of a run of practice outside the course ("Treino das minhas
// teclas", "Meu texto"): its figures and, for the weak keys, each key before
// the run and in it. The learner trains again or goes back to the course
// (the default: Enter, Esc, closing the window). As on the course's result
// windows, keys pressed in the first half second are ignored.
#include "practice/TreinoPersonalizado.h"
#include "ui/JanelaDesenhada.h"

class Imagem;
class QLabel;
class TeclasErradas;

class FrmResultadoTreino : public JanelaDesenhada {
    Q_OBJECT
public:
    enum class Escolha { Voltar, DeNovo };

    FrmResultadoTreino(QWidget* pai, const ResultadoTreino& resultado, int tipoTeclado);

    // Plays the closing sound and shows the window modally over the main
    // window; Voltar when it is closed without a choice.
    static Escolha Mostrar(QWidget* pai, const ResultadoTreino& r, int tipoTeclado);

    Escolha Escolhida() const { return escolhida; }
    void Escolher(Escolha e);

    // What the window shows, for its readers and tests.
    const QList<ComparacaoTecla>& Comparacoes() const { return comparacoes; }

    // The figures, from the top: speed, hits, errors, accuracy, time.
    QList<QLabel*> Valores;
    // Per weak key: its "Antes" and "Agora" cells (empty for a text).
    QList<QLabel*> Antes;
    QList<QLabel*> Agora;
    TeclasErradas* PicTeclas = nullptr; // a text's keys with most errors
    Imagem* CmdDeNovo = nullptr;
    Imagem* CmdVoltar = nullptr;

protected:
    void desenharFundo(QPainter& p) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* obj, QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void reject() override;

private:
    QRect linhaTecla(int i) const;

    ResultadoTreino resultado;
    int tipoTeclado;
    QList<ComparacaoTecla> comparacoes;
    Escolha escolhida = Escolha::Voltar;
    qint64 abertaEm = 0;
    int topoBotoes = 0;
};
