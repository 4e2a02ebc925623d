#include "ui/FrmCom.h"

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
    EstadoCurso& e = Estado();
    e.TeclasDigitadas = 0;
    e.Segundos = 0;
    e.Erros = 0;
    e.Acertos = 0;
    e.Pontos = 0;
    e.Velocidade = 0;
    e.ContadorExtra = 0;

    FrmMain* m = FrmMain::Instancia();
    if (m) {
        for (QLabel* l : {m->LblAcertos, m->LblPontos, m->LblErros})
            if (l)
                l->setText(QStringLiteral("0"));
    }
    if (avanco)
        Contador::Mudar(e.LicaoAtual, avanco);
    // The loader closes this window before it opens the lesson.
    if (m)
        m->AbrirLicao(e.LicaoAtual);
    fecharJanela();
}
