// Practice outside the course from the main window: "Treino das minhas
// teclas" (a run made of the learner's weak keys) and "Meu texto" (a text
// of his own), each run on the practice screen over the course, which
// waits as it stood, and closed by its own result window.
#include "ui/FrmMain.h"

#include "app/EstadoCurso.h"
#include "app/Servicos.h"
#include "course/Vocabulario.h"
#include "results/Historico.h"
#include "ui/FrmMeuTexto.h"
#include "ui/FrmResultadoTreino.h"
#include "ui/Imagem.h"
#include "ui/LinhaTexto.h"
#include "ui/ReceptorTeclas.h"

#include <QRandomGenerator>

namespace {

// The learner's usual speed: the mean of his last three course lessons, or
// none yet.
int VelocidadeUsual(const QList<LicaoGravada>& licoes)
{
    int soma = 0, n = 0;
    for (auto i = licoes.crbegin(); i != licoes.crend() && n < 3; ++i)
        if (i->tipo == int(TipoTreino::Curso)) {
            soma += i->tpm;
            ++n;
        }
    return n > 0 ? soma / n : 0;
}

} // namespace

QStringList FrmMain::montarTreinoDasTeclas()
{
    fracasDoTreino.clear();
    Historico* h = progresso.Banco();
    if (!h)
        return {};
    const EstadoCurso& e = Estado();
    // Keys are named by what they type on the keyboard in use.
    const MapaTeclas historico = h->Teclas(e.NomeUsuario, e.TipoTeclado);
    const Vocabulario vocabulario = LerVocabulario(qMax(e.LicaoMaxima, e.LicaoAtual), e.TipoTeclado);
    fracasDoTreino = EscolherTeclasFracas(historico, vocabulario.ensinados);
    if (fracasDoTreino.isEmpty()) {
        if (auto* d = Plataforma().dialogos)
            d->Mensagem(this, QStringLiteral("Teclomatic"),
                        QStringLiteral("Ainda não há teclas suficientes no seu histórico para montar um treino.\r\n\r\n"
                                       "Cada tecla precisa ter sido digitada pelo menos %1 vezes no teclado %2. "
                                       "Pratique mais algumas lições do curso e tente de novo.")
                            .arg(MinimoToquesTeclaFraca)
                            .arg(QString::fromLatin1(Layout::Nome(e.TipoTeclado))),
                        IconeMensagem::Informacao);
        return {};
    }
    const TreinoDeTeclas t = MontarTreino(vocabulario, fracasDoTreino, e.TipoTeclado,
                                          ToquesParaTreino(VelocidadeUsual(h->Licoes(e.NomeUsuario))),
                                          QRandomGenerator::global()->generate());
    return t.linhas;
}

void FrmMain::Treinar(TipoTreino tipo)
{
    if (tipo == TipoTreino::Curso)
        return;
    // From the user screen the selected learner logs in first, onto his
    // lesson, which the run then stands over.
    if (!usuarios.Logado()) {
        CmdEntrar_Click();
        if (!usuarios.Logado())
            return;
    }
    PrepararPratica();
    QStringList linhas;
    if (tipo == TipoTreino::MinhasTeclas) {
        linhas = montarTreinoDasTeclas();
    } else {
        const std::optional<QStringList> texto = FrmMeuTexto::Escolher(
            this, Estado().TipoTeclado, [this](const QString& l) { return LblLicao->Cabe(l); });
        if (texto)
            linhas = *texto;
    }
    if (linhas.isEmpty()) {
        darFocoPicSet();
        return;
    }
    linhasDoTreino = linhas;
    PicDedos->hide();
    pratica.AbrirTreino(tipo, linhas);
    BotBranco();
    darFocoPicSet();
}

void FrmMain::VoltarAoCurso()
{
    if (!pratica.EmTreino())
        return;
    pratica.EncerrarTreino();
    fracasDoTreino.clear();
    linhasDoTreino.clear();
    if (Estado().LicaoAtual == 0)
        mostrarIntroducao();
    darFocoPicSet();
}

void FrmMain::mostrarResultadoTreino()
{
    aAnunciar = {};
    PicSet->anunciar(QStringLiteral("Treino terminado."));
    ResultadoTreino r = pratica.UltimoTreino();
    r.fracas = fracasDoTreino;
    r.teclas = progresso.TeclasDoTreino();
    if (FrmResultadoTreino::Mostrar(this, r, Estado().TipoTeclado) == FrmResultadoTreino::Escolha::DeNovo) {
        // Weak keys: a new run from the history as it is now. A text of
        // his own: the same text again.
        const QStringList linhas = r.tipo == TipoTreino::MinhasTeclas ? montarTreinoDasTeclas() : linhasDoTreino;
        if (!linhas.isEmpty()) {
            linhasDoTreino = linhas;
            pratica.AbrirTreino(r.tipo, linhas);
            darFocoPicSet();
            return;
        }
    }
    VoltarAoCurso();
}
