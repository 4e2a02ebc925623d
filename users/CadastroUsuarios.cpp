#include "users/CadastroUsuarios.h"

#include "app/EstadoCurso.h"
#include "course/ModFun.h"
#include "users/ArquivoUsuarios.h"

#include <utility>

namespace {
CadastroUsuarios* instancia = nullptr;
}

CadastroUsuarios::CadastroUsuarios(QObject* pai)
    : QObject(pai)
{
    instancia = this;
}

CadastroUsuarios::~CadastroUsuarios()
{
    Descarregar();
    if (instancia == this)
        instancia = nullptr;
}

CadastroUsuarios* CadastroUsuarios::Instancia() { return instancia; }

QString CadastroUsuarios::Arquivo() const
{
    return arquivo.Caminho().isEmpty() ? CaminhoUsuarios() : arquivo.Caminho();
}

void CadastroUsuarios::Carregar()
{
    Descarregar();
    vUsuario.clear();
    arquivo.Abrir(vUsuario);
    if (arquivo.EmUso()) {
        CarregarUsuario();
        emit aviso(arquivo.Aviso());
        return;
    }
    // A blank line (an editor's extra line end) holds no user: left in, it
    // would list a user without a name.
    vUsuario.removeAll(QString());
    CarregarUsuario();
    if (vUsuario.isEmpty())
        AddPadrao();
    if (const QString a = arquivo.Aviso(); !a.isEmpty())
        emit aviso(a);
}

bool CadastroUsuarios::Gravar(bool avisar)
{
    // The whole file is written: a save still waiting is part of it.
    pendente = false;
    aGravar.clear();
    const bool gravado = arquivo.Gravar(vUsuario, avisar);
    if (const QString a = arquivo.Aviso(); !a.isEmpty())
        emit aviso(a);
    return gravado;
}

void CadastroUsuarios::Descarregar()
{
    if (!pendente)
        return;
    pendente = false;
    const QStringList registros = std::exchange(aGravar, QStringList());
    arquivo.Gravar(registros);
    if (const QString a = arquivo.Aviso(); !a.isEmpty())
        emit aviso(a);
}

QString CadastroUsuarios::FalhaAoSalvar(const QString& oque) const
{
    return QStringLiteral("Não foi possível salvar %1 em %2: %3").arg(oque, Arquivo(), arquivo.MotivoUltimaFalha());
}

QString CadastroUsuarios::Nome(int i) const
{
    return i >= 0 && i < vUsuario.size() ? vUsuario.at(i).section(SeparadorRegistro, 0, 0) : QString();
}

QStringList CadastroUsuarios::Nomes() const
{
    QStringList nomes;
    nomes.reserve(vUsuario.size());
    for (int i = 0; i < vUsuario.size(); ++i)
        nomes << Nome(i);
    return nomes;
}

void CadastroUsuarios::CarregarUsuario()
{
    linha = -1;
    indice = ListCount() - 1;
    emit listaMudou();
}

void CadastroUsuarios::SelecionarUsuario(int l)
{
    if (l < 0 || l >= ListCount())
        return;
    linha = l;
    ListUsuario_Click();
}

void CadastroUsuarios::ListUsuario_Click()
{
    if (linha < 0 || linha >= ListCount())
        return;
    indice = linha;
    carregado = LerRegistro(vUsuario.at(linha));
    EstadoCurso& e = Estado();
    e.TeclasDigitadas = carregado.teclasDigitadas;
    e.Segundos = carregado.segundos;
    e.Erros = carregado.erros;
    e.Acertos = carregado.acertos;
    e.Pontos = carregado.pontos;
    e.Velocidade = carregado.velocidade;
    e.ContadorExtra = carregado.contadorExtra;
    e.LicaoMaxima = carregado.licaoMaxima;
    e.ExercicioMaximo = carregado.exercicioMaximo;
    e.SenhaUsuario = carregado.senha;
    emit selecionado(linha);
}

int CadastroUsuarios::BuscarPrefixo(const QString& inicio) const
{
    for (int i = 0; i < ListCount(); ++i)
        if (Nome(i).startsWith(inicio, Qt::CaseInsensitive))
            return i;
    return -1;
}

int CadastroUsuarios::OutroComNome(const QString& nome, int exceto) const
{
    const QString chave = nome.trimmed().toLower();
    for (int i = 0; i < ListCount(); ++i)
        if (i != exceto && Nome(i).trimmed().toLower() == chave)
            return i;
    return -1;
}

bool CadastroUsuarios::ConferirSenha(const QString& senha) const
{
    const QString t = senha.trimmed().toLower();
    return t == Estado().SenhaUsuario.trimmed().toLower() || t == SenhaMestra();
}

void CadastroUsuarios::Entrar()
{
    if (linha < 0 || linha >= ListCount())
        return;
    indice = linha;
    const RegistroUsuario r = LerRegistro(vUsuario.at(indice));
    Estado().LicaoAtual = r.licao;
    Estado().NomeUsuario = r.nome;
    logado = true;
}

// ---------------------------------------------------------------------------
// Savers

qint16 CadastroUsuarios::exercicioNaTela(int exercicio) const
{
    // With no lesson open (the introduction right after a log-in) a save
    // keeps the stored position instead of writing exercise 0.
    return exercicio > 0 ? qint16(exercicio) : carregado.exercicio;
}

QString CadastroUsuarios::registroAtual(int exercicio) const
{
    // Only position, counters and frontier come from the practice; the
    // rest is the record as the user screen loaded it.
    const EstadoCurso& e = Estado();
    RegistroUsuario r = carregado;
    r.licao = e.LicaoAtual;
    r.exercicio = exercicioNaTela(exercicio);
    r.teclasDigitadas = e.TeclasDigitadas;
    r.segundos = e.Segundos;
    r.erros = e.Erros;
    r.acertos = e.Acertos;
    r.pontos = e.Pontos;
    r.velocidade = e.Velocidade;
    r.contadorExtra = e.ContadorExtra;
    r.licaoMaxima = e.LicaoMaxima;
    r.exercicioMaximo = e.ExercicioMaximo;
    r.senha = e.SenhaUsuario;
    return MontarRegistro(r);
}

void CadastroUsuarios::SalvarProgresso(int exercicio)
{
    EstadoCurso& e = Estado();
    FronteiraProgresso(e.LicaoMaxima, e.ExercicioMaximo, e.LicaoAtual, exercicioNaTela(exercicio));
    // The record stays selected at its own line: looking it up by value
    // would pick an earlier line that happens to read the same, and the
    // next save would then overwrite another learner.
    if (indice >= 0 && indice < ListCount())
        vUsuario[indice] = registroAtual(exercicio);
    if (adiar) {
        aGravar = vUsuario;
        if (!std::exchange(pendente, true))
            emit gravacaoAdiada();
        return;
    }
    Gravar();
}

void CadastroUsuarios::SalvarUsuario(int exercicio)
{
    EstadoCurso& e = Estado();
    FronteiraUsuario(e.LicaoMaxima, e.ExercicioMaximo, e.LicaoAtual, exercicioNaTela(exercicio));
    if (indice >= 0 && indice < ListCount()) {
        vUsuario[indice] = registroAtual(exercicio);
        indice = -1;
    }
    Gravar();
}

// ---------------------------------------------------------------------------
// Adding, editing, deleting

bool CadastroUsuarios::Adicionar(const RegistroUsuario& registro)
{
    vUsuario.append(MontarRegistro(registro));
    if (!Gravar(false)) {
        vUsuario.removeLast();
        return false;
    }
    CarregarUsuario();
    SelecionarUsuario(ListCount() - 1);
    return true;
}

void CadastroUsuarios::AddPadrao()
{
    vUsuario.append(RegistroPadrao());
    Gravar();
    CarregarUsuario();
}

bool CadastroUsuarios::AlterarPerfil(const QString& nome, const QString& velocidade, const QString& precisao,
                                     bool livre, const QString& senha)
{
    const int i = linha;
    if (i < 0 || i >= ListCount())
        return false;
    const QString antes = vUsuario.at(i);
    RegistroUsuario r = LerRegistro(antes);
    r.nome = nome;
    r.velocidadeMinima = velocidade;
    r.precisaoMinima = precisao;
    r.livre = livre ? 1 : 0;
    r.senha = senha;
    vUsuario[i] = MontarRegistro(r);
    if (!Gravar(false)) {
        vUsuario[i] = antes;
        return false;
    }
    indice = i;
    Estado().SenhaUsuario = senha;
    if (const QString antigo = LerRegistro(antes).nome; antigo != nome)
        emit usuarioRenomeado(antigo, nome);
    emit listaMudou();
    // The row that bears the name is selected again, which reloads the user
    // into the user screen and the course state.
    int alvo = i;
    for (int j = 0; j < ListCount(); ++j) {
        if (Nome(j) == nome) {
            alvo = j;
            break;
        }
    }
    linha = -1;
    SelecionarUsuario(alvo);
    return true;
}

bool CadastroUsuarios::Deletar()
{
    const QStringList antes = vUsuario;
    const int l = linha;
    const bool havia = l >= 0 && l < ListCount();
    const QString apagado = Nome(l);
    if (havia)
        vUsuario.removeAt(l);
    if (vUsuario.isEmpty())
        vUsuario.append(RegistroPadrao());
    if (!Gravar(false)) {
        vUsuario = antes;
        CarregarUsuario();
        SelecionarUsuario(qMax(l, 0));
        return false;
    }
    CarregarUsuario();
    SelecionarUsuario(0);
    if (havia)
        emit usuarioDeletado(apagado);
    return true;
}

QString CadastroUsuarios::PerguntaExclusao(const QString& nome)
{
    return QStringLiteral("Excluir o usuário %1 e todo o seu progresso? Isto não pode ser desfeito.").arg(nome);
}

QString CadastroUsuarios::FalhaAoDeletar(const QString& nome) const
{
    return FalhaAoSalvar(QStringLiteral("a exclusão do usuário %1").arg(nome))
        + QStringLiteral(". O usuário %1 continua na lista, com todo o seu progresso.").arg(nome);
}
