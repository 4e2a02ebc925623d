#pragma once
// The result window of lesson 52, the last of the course. Grades like
// FrmCom with stricter speed steps; a learner without the free course may
// always finish, and going on leads to the end-of-course message.
#include "ui/JanelaResultado.h"

class FrmFim : public JanelaDeResultado {
    Q_OBJECT
public:
    explicit FrmFim(QWidget* pai = nullptr);

    // Creates the window, runs Form_Load, shows it modally and deletes it
    // once it has closed.
    static void Mostrar();

    // The percentages, as PegaPorcentagem computes them.
    void PegaPorcentagemFim() { PegaPorcentagem(); }

    // Closes, then shows the end-of-course window; counters stay as they are.
    void CmdProx2_Click() override;
    // Opens lesson 52 again, then closes; counters are left alone.
    void CmdRepetir_Click() override;
};
