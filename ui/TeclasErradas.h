#pragma once
// The strip of the result window under the grade: the keys with most errors
// in the lesson just finished, drawn as small key caps with their counts.
#include "results/EstatisticaTeclas.h"

#include <QWidget>

class TeclasErradas : public QWidget {
    Q_OBJECT
public:
    explicit TeclasErradas(QWidget* pai);
    void Definir(const QList<TeclaDificil>& teclas);
    // What the strip says when no key went wrong (by default, of a lesson).
    void DefinirSemErros(const QString& texto) { semErros = texto; }
    const QList<TeclaDificil>& Teclas() const { return teclas; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QList<TeclaDificil> teclas;
    QString semErros = QStringLiteral("Nenhuma tecla errada nesta lição.");
};
