#include "ui/FrmCom.h"

#include "practice/SessaoPratica.h"
#include "app/EstadoCurso.h"
#include "app/Servicos.h"
#include "ui/FrmMain.h"

#include <QLabel>
#include <QPointer>

namespace {
QPointer<FrmCom> aberta;
}

FrmCom::FrmCom(QWidget* pai)
    : JanelaDeResultado(pai, QStringLiteral("FrmCom"), QStringLiteral("Teclomatic - Liçao Concluida"),
                        JanelaResultado::Com, QStringLiteral("Nota:"))
{
    aberta = this;
}

FrmCom::~FrmCom()
{
    if (aberta == this)
        aberta = nullptr;
}

FrmCom* FrmCom::Aberta()
{
    return aberta.data();
}

void FrmCom::Mostrar()
{
    QPointer<FrmCom> janela = new FrmCom(FrmMain::Instancia());
    janela->Form_Load();
    if (auto* d = Plataforma().dialogos)
        d->Modal(janela);
    delete janela.data();
}

void FrmCom::FecharSeAberta()
{
    if (aberta)
        aberta->fecharJanela();
}

void FrmCom::CmdProx2_Click()
{
    recomecar(1);
}

void FrmCom::CmdRepetir_Click()
{
    recomecar(0);
}

void FrmCom::recomecar(int avanco)
{
    if (!comecarAcao())
        return;
    // The counters start again from zero and the lesson is opened; opening
    // it closes this window.
    if (SessaoPratica* s = SessaoPratica::Instancia())
        s->RecomecarLicao(avanco);
    fecharJanela();
}
