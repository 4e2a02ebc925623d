#include "results/RegistroProgresso.h"

#include "app/EstadoCurso.h"
#include "results/Avaliacao.h"
#include "users/CadastroUsuarios.h"

#include <QDir>
#include <QFileInfo>

namespace {
RegistroProgresso* instancia = nullptr;
}

RegistroProgresso::RegistroProgresso(SessaoPratica& s, CadastroUsuarios& u, QObject* pai)
    : QObject(pai)
    , sessao(s)
    , usuarios(u)
{
    instancia = this;
    connect(&sessao, &SessaoPratica::teclaJulgada, this, &RegistroProgresso::teclaJulgada);
    connect(&sessao, &SessaoPratica::exercicioTerminado, this, &RegistroProgresso::exercicioTerminado);
    connect(&sessao, &SessaoPratica::licaoTerminada, this, &RegistroProgresso::licaoTerminada);
    connect(&sessao, &SessaoPratica::treinoTerminado, this, &RegistroProgresso::treinoTerminado);
    connect(&sessao, &SessaoPratica::mudou, this, &RegistroProgresso::mudou);
    connect(&usuarios, &CadastroUsuarios::usuarioRenomeado, this, &RegistroProgresso::renomeado);
    connect(&usuarios, &CadastroUsuarios::usuarioDeletado, this, &RegistroProgresso::deletado);
}

RegistroProgresso::~RegistroProgresso()
{
    Descarregar();
    if (instancia == this)
        instancia = nullptr;
}

RegistroProgresso* RegistroProgresso::Instancia() { return instancia; }

QString RegistroProgresso::Caminho() const { return Historico::CaminhoAoLado(usuarios.Arquivo()); }

Historico* RegistroProgresso::Banco()
{
    Descarregar();
    // The user file may move to the account's data folder at start-up: the
    // history goes where the user file is.
    if (banco && banco->Caminho() != Caminho())
        banco.reset();
    if (!banco)
        banco = std::make_unique<Historico>(Caminho());
    const bool aberto = banco->Abrir();
    AvisarHistoricoSeparado();
    if (!aberto) {
        falhou();
        return nullptr;
    }
    return banco.get();
}

void RegistroProgresso::AvisarHistoricoSeparado()
{
    if (!banco || banco->Separado().isEmpty() || banco->Separado() == separadoAvisado)
        return;
    separadoAvisado = banco->Separado();
    emit aviso(QStringLiteral("O histórico de lições em %1 estava danificado. Ele foi guardado como %2 e um "
                              "histórico novo foi começado. Os alunos e o ponto do curso de cada um, em "
                              "usuario.dat, não foram afetados.")
                   .arg(QDir::toNativeSeparators(banco->Caminho()), QDir::toNativeSeparators(separadoAvisado)));
}

void RegistroProgresso::falhou()
{
    if (avisado || !banco)
        return;
    avisado = true;
    emit aviso(banco->Erro() + QStringLiteral("\r\n\r\nVocê pode continuar praticando; os resultados desta "
                                              "sessão não serão guardados no histórico."));
}

void RegistroProgresso::mudou(SessaoPratica::Mudancas o)
{
    // A run outside the course opens over an exercise and gives it back
    // as it was: the keys typed of it wait meanwhile.
    if (sessao.EmTreino() != emTreino) {
        emTreino = sessao.EmTreino();
        if (emTreino) {
            exercicioDoCurso = std::exchange(exercicio, {});
        } else {
            exercicio = std::exchange(exercicioDoCurso, {});
            return;
        }
    }
    if (emTreino) {
        if (o & SessaoPratica::Exercicio)
            exercicio.clear();
        if ((o & SessaoPratica::LicaoAberta) && sessao.Modulo.ListCount() > 0 && sessao.ExercicioNaTela() == 1) {
            treino.clear();
            exerciciosDoTreino = 0;
        }
        return;
    }
    if (o & SessaoPratica::Exercicio)
        exercicio.clear();
    if ((o & SessaoPratica::LicaoAberta) && sessao.Modulo.ListCount() > 0) {
        // A lesson started afresh counts from nothing; one resumed in the
        // middle keeps what this run counted of it.
        const QString chave = Estado().NomeUsuario + u'\n' + QString::number(Estado().LicaoAtual);
        if (sessao.ExercicioNaTela() == 1 || chave != chaveLicao) {
            licao.clear();
            exerciciosFeitos = 0;
            // The exercises before it were typed in an earlier run: the
            // history has their keys, read when the lesson ends.
            retomadaNoExercicio = sessao.ExercicioNaTela() > 1 ? sessao.ExercicioNaTela() : 0;
            retomadaEm = Agora();
        }
        chaveLicao = chave;
    }
}

void RegistroProgresso::teclaJulgada(QChar esperado, const QString& digitado, bool acerto, qint64 ms)
{
    Registrar(exercicio, esperado, digitado, acerto, ms);
    Registrar(emTreino ? treino : licao, esperado, digitado, acerto, ms);
}

void RegistroProgresso::exercicioTerminado()
{
    ++(emTreino ? exerciciosDoTreino : exerciciosFeitos);
    const MapaTeclas feito = std::exchange(exercicio, {});
    if (feito.isEmpty())
        return;
    const EstadoCurso& e = Estado();
    pendentes.append({e.NomeUsuario, Agora(), emTreino ? 0 : int(e.LicaoAtual), sessao.ExercicioNaTela(),
                      e.TipoTeclado, feito});
    if (adiar)
        emit gravacaoAdiada();
    else
        Descarregar();
}

void RegistroProgresso::Descarregar()
{
    if (pendentes.isEmpty())
        return;
    // Taken first: opening the history below comes back here.
    const QList<ExercicioPendente> lista = std::exchange(pendentes, {});
    Historico* h = Banco();
    for (const ExercicioPendente& p : lista)
        if (h && !h->GravarExercicio(p.usuario, p.momento, p.licao, p.exercicio, p.teclado, p.teclas)) {
            falhou();
            break;
        }
}

void RegistroProgresso::licaoTerminada()
{
    // The counters still hold the run's counts: the result window turns
    // them into percentages only after this.
    const EstadoCurso& e = Estado();
    // The counters of a resumed lesson come from the user record and cover
    // it from its first exercise: so do its keys and its count of exercises.
    if (retomadaNoExercicio > 1) {
        if (Historico* h = Banco())
            Somar(licao, h->TeclasAntesDaRetomada(e.NomeUsuario, e.LicaoAtual, retomadaNoExercicio, retomadaEm));
        exerciciosFeitos += retomadaNoExercicio - 1;
        retomadaNoExercicio = 0;
    }
    const RegistroUsuario& perfil = usuarios.Carregado();
    const ResultadoLicao r = AvaliarLicao(e.Acertos, e.Erros, e.Velocidade, perfil.precisaoMinima,
                                          perfil.velocidadeMinima,
                                          e.LicaoAtual == 52 ? JanelaResultado::Fim : JanelaResultado::Com);
    LicaoGravada l;
    l.usuario = e.NomeUsuario;
    l.momento = Agora();
    l.licao = e.LicaoAtual;
    l.exercicios = exerciciosFeitos;
    l.tpm = e.Velocidade;
    l.acertos = qMax(0, int(e.Acertos));
    l.erros = qMax(0, int(e.Erros));
    l.porcAcertos = r.porcentagens.acertos;
    l.porcErros = r.porcentagens.erros;
    l.nota = r.nota;
    l.aprovado = r.passa;
    l.teclado = e.TipoTeclado;
    gravarLicao(l);
}

void RegistroProgresso::treinoTerminado()
{
    const ResultadoTreino& r = sessao.UltimoTreino();
    const Porcentagens p = PegaPorcentagem(qint16(qMin(r.acertos, 32767)), qint16(qMin(r.erros, 32767)));
    LicaoGravada l;
    l.usuario = Estado().NomeUsuario;
    l.momento = Agora();
    l.exercicios = exerciciosDoTreino;
    l.tpm = r.tpm;
    l.acertos = r.acertos;
    l.erros = r.erros;
    l.porcAcertos = p.acertos;
    l.porcErros = p.erros;
    l.teclado = Estado().TipoTeclado;
    l.tipo = int(r.tipo);
    gravarLicao(l);
}

void RegistroProgresso::gravarLicao(const LicaoGravada& l)
{
    if (Historico* h = Banco()) {
        if (h->GravarLicao(l))
            emit licaoGravada();
        else
            falhou();
    }
}

void RegistroProgresso::renomeado(const QString& antigo, const QString& novo)
{
    Descarregar();
    // Without a history file there is nothing to carry over.
    if (!banco && !QFileInfo::exists(Caminho()))
        return;
    if (Historico* h = Banco(); h && !h->Renomear(antigo, novo))
        falhou();
}

void RegistroProgresso::deletado(const QString& nome)
{
    Descarregar();
    if (!banco && !QFileInfo::exists(Caminho()))
        return;
    if (Historico* h = Banco(); h && !h->Apagar(nome))
        falhou();
}
