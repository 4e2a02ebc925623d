#pragma once
// The result window of lessons 1..51: grades the finished run and lets the
// learner repeat the lesson or, having reached the profile's minimums, go on
// to the next one.
#include "ui/JanelaResultado.h"

class FrmCom : public JanelaDeResultado {
    Q_OBJECT
public:
    explicit FrmCom(QWidget* pai = nullptr);
    ~FrmCom() override;

    // Creates the window, runs Form_Load, shows it modally and deletes it
    // once it has closed.
    static void Mostrar();
    // The lesson loader closes the result window before opening a lesson.
    static void FecharSeAberta();
    // The window on screen, if any.
    static FrmCom* Aberta();

    // Zero the counters and the main window's figures, then open the next
    // lesson (CmdProx2) or the same one again (CmdRepetir).
    void CmdProx2_Click() override;
    void CmdRepetir_Click() override;

private:
    void recomecar(int avanco);
};
