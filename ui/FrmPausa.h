#pragma once
// The pause window of the practice screen (Esc): every toolbar action within
// reach of the keyboard. It only tells which one the learner chose; the main
// window then runs it exactly as its toolbar button does.
#include "ui/JanelaDesenhada.h"

#include <QList>

class Imagem;

class FrmPausa : public JanelaDesenhada {
    Q_OBJECT
public:
    enum class Acao {
        Continuar,
        ExercicioAnterior,
        ExercicioSeguinte,
        LicaoAnterior,
        LicaoSeguinte,
        Som,
        Progresso,
        TreinoDasTeclas,
        MeuTexto,
        Ajuda,
        Logoff,
        Fechar,
    };

    // somLigado names the sound button ("Desligar som" or "Ligar som").
    FrmPausa(QWidget* pai, bool somLigado);

    // Shows the window modally over the main window; Continuar when it is
    // closed without a choice.
    static Acao Escolher(QWidget* pai, bool somLigado);

    Acao Escolhida() const { return escolhida; }
    // The buttons in order, as the learner sees them.
    QList<Imagem*> Botoes;
    // Chooses by the button's place in Botoes.
    void Escolher(int i);

protected:
    void desenharFundo(QPainter& p) override;
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    QList<Acao> acoes;
    QStringList legendas;
    Acao escolhida = Acao::Continuar;
};
