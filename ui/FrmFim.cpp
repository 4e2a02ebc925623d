#include "ui/FrmFim.h"

#include "practice/SessaoPratica.h"
#include "app/EstadoCurso.h"
#include "app/Servicos.h"
#include "ui/FrmBoxFim.h"
#include "ui/FrmMain.h"

#include <QPointer>

FrmFim::FrmFim(QWidget* pai)
    : JanelaDeResultado(pai, QStringLiteral("FrmFim"), QStringLiteral("Teclomatic"), JanelaResultado::Fim,
                        QStringLiteral("Nota Final:"))
{
}

void FrmFim::Mostrar()
{
    QPointer<FrmFim> janela = new FrmFim(FrmMain::Instancia());
    janela->Form_Load();
    if (auto* d = Plataforma().dialogos)
        d->Modal(janela);
    delete janela.data();
}

void FrmFim::CmdProx2_Click()
{
    if (!comecarAcao())
        return;
    fecharJanela();
    FrmBoxFim::Mostrar();
}

void FrmFim::CmdRepetir_Click()
{
    if (!comecarAcao())
        return;
    if (SessaoPratica* s = SessaoPratica::Instancia())
        s->AbrirLicao(Estado().LicaoAtual);
    fecharJanela();
}
