#pragma once
// What the two result windows share: the drawn 450 x 404 background, the
// seven-row table, the comparison table, the advice area and the two drawn
// buttons, and the load sequence that fills them from the course state.
// FrmCom (lessons 1..51) and FrmFim (lesson 52) only add their own button
// actions and the few grading rules that set them apart.
//
// The small drawn-button helper at the end is shared with the message and
// options windows.
#include "results/Avaliacao.h"
#include "ui/JanelaDesenhada.h"

#include <functional>

#include <QObject>
#include <QPixmap>

class QLabel;
class Imagem;
class TeclasErradas;

class JanelaDeResultado : public JanelaDesenhada {
    Q_OBJECT
public:
    // Plays "fim", shows the counts, turns Acertos / Erros of the course state
    // into the two percentages, fills both tables, decides which next button
    // shows, and writes the advice and the grade. Runs once, before showing.
    void Form_Load();

    // Hit and error percentages of the current counters: stored in Acertos
    // and Erros of the course state, their texts in vPorAcerto / vPorErros.
    void PegaPorcentagem();
    // parte as a percentage of todo; -1 when parte exceeds todo or the
    // division fails.
    float GetPercentage(double parte, double todo) const;

    virtual void CmdProx2_Click() = 0;
    virtual void CmdRepetir_Click() = 0;
    // The drag area over the title line: the left button held moves the window.
    void BarMove_MouseMove(Qt::MouseButtons botoes);

    // The error index of the last load (-1 when errors exceed hits).
    int IndiceErros() const { return indiceErros; }
    // Whether the learner may go on (the next button is offered).
    bool ProximaLiberada() const;
    // Whether the run passed (the header says "Lição concluída", otherwise
    // which minimum was missed).
    bool Aprovado() const { return aprovado; }
    QString Cabecalho() const { return cabecalho; }

    // For the first half second after the window opens every key is
    // ignored: a learner still typing the end of the lesson must not pick a
    // button unseen. The clock (milliseconds) can be replaced by tests.
    static constexpr qint64 GuardaTeclasMs = 500;
    static std::function<qint64()> Relogio;
    bool TeclasGuardadas() const;

    // ---- controls, from the top -------------------------------------------
    QLabel* cCPM = nullptr;
    QLabel* LblCpm = nullptr;
    QLabel* cAcertos = nullptr;
    QLabel* LblAcetos = nullptr;
    QLabel* cErros = nullptr;
    QLabel* LblErros = nullptr;
    QLabel* cPorAcerto = nullptr;
    QLabel* LblPorAcerto = nullptr;
    QLabel* cPorErros = nullptr;
    QLabel* LblPorErros = nullptr;
    QLabel* cPontos = nullptr;
    QLabel* LblPontos = nullptr;
    QLabel* cNota = nullptr;
    QLabel* LblNota = nullptr;
    QLabel* Label2 = nullptr; // "Seu Resultado"
    QLabel* Label3 = nullptr; // "Minimo Requerido"
    QLabel* Label5 = nullptr; // "Precisão:"
    QLabel* Label4 = nullptr; // "Velocidade:"
    QLabel* SeuPrecisao = nullptr;
    QLabel* ReqPrecisao = nullptr;
    QLabel* SeuVelocidade = nullptr;
    QLabel* ReqVelocidade = nullptr;
    QLabel* LblCom = nullptr;
    TeclasErradas* PicTeclas = nullptr; // the three keys with most errors
    Imagem* CmdRepetir = nullptr;
    Imagem* CmdProx2 = nullptr;
    Imagem* ProxD = nullptr;
    Imagem* BarMove = nullptr;

protected:
    JanelaDeResultado(QWidget* pai, const QString& nome, const QString& legenda,
                      JanelaResultado tipo, const QString& legendaNota);

    // Runs a button action once: a second click while the first one is still
    // opening the lesson does nothing.
    bool comecarAcao();
    // Closes the window without running any action (the action already ran).
    void fecharJanela();

    void desenharFundo(QPainter& p) override;
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* obj, QEvent* e) override;

    QString vPorAcerto;
    QString vPorErros;

private:
    // Closing the window without a choice (Escape, the window manager) would
    // leave the finished lesson on the main window with nothing left to type:
    // it repeats the lesson, the choice that moves the learner nowhere.
    void reject() override;

    JanelaResultado tipo;
    int indiceErros = 0;
    bool aprovado = false;
    QString cabecalho;
    bool acaoFeita = false;
    bool fechada = false;
    qint64 abertaEm = 0;
};

// The push buttons drawn on the program's secondary windows: the face as the
// background draws it, and a lit face laid over it while the pointer is on it.
namespace FaceBotao {
// Realce: the chosen one of a pair (a yellow edge); SobOPonteiro: under the
// pointer.
enum class Aspecto { Normal, Realce, SobOPonteiro, Desabilitado };
void Desenhar(QPainter& p, const QRect& r, const QString& texto, Aspecto aspecto);
QPixmap Figura(QSize tamanho, const QString& texto, Aspecto aspecto);
// Makes an image over a button behave like a button: placed on area, with an
// accessible name, the pointing hand and the lit face while the pointer is
// over it. comFigura gives the image the plain face as its own picture (for
// windows whose background does not draw the button).
void Preparar(Imagem* botao, const QRect& area, const QString& texto,
              const QString& nomeAcessivel, bool comFigura = false);
}
