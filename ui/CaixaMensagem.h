#pragma once
// The program's message box: a drawn blue window with the caller's title, an
// icon drawn at the screen's scale, the message word-wrapped to the box's
// width and an OK button, or for a question the buttons Sim and Não. It
// opens centred on its owner's window (on the screen when the owner is
// missing or hidden). A message closes on OK, Enter, Space or Esc; a
// question starts on Não, so Enter answers Não unless the learner moved to
// Sim, and Esc answers Não. Sim accepts the box, Não rejects it.
#include "ui/JanelaDesenhada.h"

class QLabel;
class Imagem;

class CaixaMensagem : public JanelaDesenhada {
    Q_OBJECT
public:
    enum class Botoes { Ok, SimNao };
    CaixaMensagem(QWidget* dono, const QString& titulo, const QString& texto, IconeMensagem icone,
                  Botoes botoes = Botoes::Ok);

    const QString& Titulo() const { return titulo; }
    const QString& Texto() const { return texto; }
    IconeMensagem Icone() const { return icone; }

    // Draws the icon of a message kind filling r (nothing for Nenhum).
    static void DesenharIcone(QPainter& p, const QRectF& r, IconeMensagem icone);

    QLabel* LblTexto = nullptr;
    Imagem* CmdOk = nullptr;  // OK, or Sim
    Imagem* CmdNao = nullptr; // a question's Não

protected:
    void desenharFundo(QPainter& p) override;
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    QString texto;
    IconeMensagem icone;
    QRect areaIcone;
    QRect areaBotao;
    QRect areaNao;
};
