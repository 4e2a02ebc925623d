// The Progresso window from the main window: from the user screen for the
// selected learner, from the practice screen (F2) for the learner logged in.
#include "ui/FrmMain.h"

#include "app/EstadoCurso.h"
#include "app/Servicos.h"
#include "app/Som.h"
#include "results/Avaliacao.h"
#include "ui/FrmProgresso.h"
#include "ui/Imagem.h"

void FrmMain::CmdProgresso_Click()
{
    const bool praticando = usuarios.Logado();
    const QString nome = praticando ? Estado().NomeUsuario : usuarios.Nome(usuarios.Selecionado());
    if (!praticando && usuarios.Selecionado() < 0) {
        if (auto* d = Plataforma().dialogos)
            d->Mensagem(this, QStringLiteral("Teclomatic"), QStringLiteral("Nenhum usuário foi selecionado."),
                        IconeMensagem::Nenhum);
        return;
    }
    TocarSom(QStringLiteral("bip"));
    const RegistroUsuario& r = usuarios.Carregado();
    // The speed clock stands still while the learner looks at his history,
    // until his next key.
    pratica.PausarRelogio();
    const TipoTreino escolhido = FrmProgresso::Mostrar(this, nome, NumeroDoTexto(r.velocidadeMinima),
                                                       NumeroDoTexto(r.precisaoMinima), Estado().TipoTeclado);
    if (escolhido != TipoTreino::Curso)
        Treinar(escolhido);
    else if (praticando)
        darFocoPicSet();
}
