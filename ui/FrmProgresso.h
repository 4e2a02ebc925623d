#pragma once
// The Progresso window: a learner's lesson history. A chart of speed and
// accuracy per finished lesson with his minimums, the lessons table (tries,
// best and last result), the keyboard of the layout in use tinted by each
// key's error rate or average time, the worst keys with their usual
// confusion, and the export of the history as CSV. Everything is reached
// with the keyboard: Tab walks the controls, E and T switch the heat map,
// Esc closes.
#include "results/EstatisticaTeclas.h"
#include "ui/JanelaDesenhada.h"

class Historico;
class Imagem;
class PainelDesenhado;
class QLabel;
class QTableWidget;

class FrmProgresso : public JanelaDesenhada {
    Q_OBJECT
public:
    // historico may be null (a history that could not be opened): the
    // window then shows that there is nothing to show.
    FrmProgresso(QWidget* pai, const QString& usuario, Historico* historico, int minimoTpm,
                 int minimoPrecisao, int tipoTeclado);

    // Opens the window modally for a learner, over the main window. Returns
    // the practice the learner chose to start from it ("Treino das minhas
    // teclas", "Meu texto"), or Curso when he only looked.
    static TipoTreino Mostrar(QWidget* pai, const QString& usuario, int minimoTpm, int minimoPrecisao,
                              int tipoTeclado);
    TipoTreino Escolhido() const { return escolhido; }

    void MostrarVista(VistaCalor vista);
    VistaCalor Vista() const { return vista; }
    // Writes the history as CSV into the Documents folder and says where.
    void CmdExportar_Click();
    // Where CmdExportar writes.
    QString ArquivoCsv() const;

    // What the window shows, for its readers and tests.
    const QList<LicaoGravada>& Licoes() const { return licoes; }
    const MapaTeclas& Teclas() const { return teclas; }
    QList<TeclaDificil> Piores() const;

    PainelDesenhado* PicGrafico = nullptr;
    QTableWidget* TabLicoes = nullptr;
    PainelDesenhado* PicCalor = nullptr;
    QLabel* LblTeclado = nullptr;
    QLabel* LblPiores = nullptr;
    Imagem* CmdErros = nullptr;
    Imagem* CmdTempo = nullptr;
    Imagem* CmdExportar = nullptr;
    Imagem* CmdTreino = nullptr;
    Imagem* CmdMeuTexto = nullptr;
    Imagem* CmdFechar = nullptr;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    // E and T reach the window even from the table, whose type-ahead would
    // take the letters.
    bool eventFilter(QObject* obj, QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    bool teclaDaJanela(QKeyEvent* e);
    void preencherTabela();
    void mostrarPiores();

    QString usuario;
    Historico* historico;
    bool lido = true; // the history was read whole
    QList<LicaoGravada> licoes;
    QList<LicaoGravada> licoesDoCurso; // the chart's
    TipoTreino escolhido = TipoTreino::Curso;
    MapaTeclas teclas;
    int minimoTpm, minimoPrecisao, tipoTeclado;
    VistaCalor vista = VistaCalor::Erros;
};
