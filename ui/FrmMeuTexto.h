#pragma once
// "Meu texto": the learner pastes or types a text of his own, or opens a
// plain-text file, and sees while he edits it what the practice screen will
// show of it: the cleaned lines, how long they take, the characters no key
// types and whether the text was cut. Praticar hands the lines over; Esc or
// Cancelar give up.
#include "practice/TreinoPersonalizado.h"
#include "ui/JanelaDesenhada.h"

#include <QStringList>
#include <functional>
#include <optional>

class Imagem;
class QLabel;
class QPlainTextEdit;
class QTimer;

class FrmMeuTexto : public JanelaDesenhada {
    Q_OBJECT
public:
    // cabe: whether a line fits the practice panel.
    FrmMeuTexto(QWidget* pai, int tipoTeclado, std::function<bool(const QString&)> cabe);

    // Shows the window modally over the main window; the cleaned lines when
    // the learner chose to practise, nothing when he gave up.
    static std::optional<QStringList> Escolher(QWidget* pai, int tipoTeclado,
                                               std::function<bool(const QString&)> cabe);

    // Files larger than this are refused.
    static constexpr qint64 MaximoArquivo = 1024 * 1024;
    // The pace the time estimate assumes, in keystrokes per minute.
    static constexpr int RitmoEstimado = 150;

    // Asks for a file and puts its text in the box.
    void CmdAbrir_Click();
    // Reads a chosen file into the box; false (and the learner told why)
    // when it is too large, unreadable or not text.
    bool AbrirArquivo(const QString& caminho);
    // Closes the window with the text chosen, when there is something to
    // practise.
    void CmdPraticar_Click();

    // The box's text as it will be practised (a long text's once typing
    // pauses).
    const TextoLimpo& Limpo() const { return limpo; }
    bool Praticavel() const { return !limpo.linhas.isEmpty(); }

    QLabel* LblInstrucao = nullptr;
    QPlainTextEdit* TxtTexto = nullptr;
    Imagem* CmdAbrir = nullptr;
    QLabel* LblArquivo = nullptr;
    QLabel* LblPrevia = nullptr;
    QLabel* LblResumo = nullptr;
    QPlainTextEdit* TxtPrevia = nullptr;
    QLabel* LblFora = nullptr;
    Imagem* CmdPraticar = nullptr;
    Imagem* CmdCancelar = nullptr;

protected:
    void desenharFundo(QPainter& p) override;
    void keyPressEvent(QKeyEvent* e) override;
    // Ctrl+Enter in the text box practises.
    bool eventFilter(QObject* obj, QEvent* e) override;

private:
    void atualizar();

    int tipoTeclado;
    std::function<bool(const QString&)> cabe;
    TextoLimpo limpo;
    QTimer* adiado = nullptr;
};
