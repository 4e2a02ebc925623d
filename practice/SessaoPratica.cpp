#include "practice/SessaoPratica.h"

#include "app/EstadoCurso.h"
#include "app/Som.h"
#include "course/ModFun.h"
#include "course/TextoExercicio.h"
#include "users/CadastroUsuarios.h"

#include <cmath>

namespace {
SessaoPratica* instancia = nullptr;
constexpr int ProgParada = -1610;
constexpr int ProgPasso = 12;
}

SessaoPratica::SessaoPratica(CadastroUsuarios& u, QObject* pai)
    : QObject(pai)
    , usuarios(u)
{
    instancia = this;
    TrmTpm.setObjectName(QStringLiteral("TrmTpm"));
    TrmTpm.setInterval(1000);
    TrmProg.setObjectName(QStringLiteral("TrmProg"));
    TrmProg.setInterval(30);
    TrmRepoem.setObjectName(QStringLiteral("TrmRepoem"));
    TrmRepoem.setInterval(30);
    connect(&TrmTpm, &QTimer::timeout, this, &SessaoPratica::TrmTpm_Timer);
    connect(&TrmProg, &QTimer::timeout, this, &SessaoPratica::TrmProg_Timer);
    connect(&TrmRepoem, &QTimer::timeout, this, &SessaoPratica::TrmRepoem_Timer);
    PlacarAcertos = PlacarErros = PlacarPontos = QStringLiteral("0");
    PlacarTpm = QStringLiteral("0 TPM");
    cronometro.start();
    Relogio = [this] { return cronometro.elapsed(); };
}

SessaoPratica::~SessaoPratica()
{
    if (instancia == this)
        instancia = nullptr;
}

SessaoPratica* SessaoPratica::Instancia() { return instancia; }

int SessaoPratica::TipoExercicio() const { return Estado().TipoExercicio; }

QString SessaoPratica::Caption() const
{
    if (EmTreino())
        return QStringLiteral("Usuário: ") + Estado().NomeUsuario + QStringLiteral(" \\ ") + NomeDoTreino(treino)
            + QStringLiteral(" \\ Linha: ") + QString::number(Modulo.indice + 1) + QStringLiteral(" de ")
            + QString::number(Modulo.ListCount());
    return LinhaTitulo(Estado().NomeUsuario, Estado().LicaoAtual, Modulo.indice, Modulo.ListCount());
}

QString SessaoPratica::LinhaMostrada() const
{
    QString linha = Modulo.Text();
    if (Estado().TipoTeclado == 1) {
        linha.replace(QChar(u'ç'), QChar(u'c'));
        linha.replace(QChar(u'Ç'), QChar(u'C'));
    }
    return linha;
}

void SessaoPratica::MostrarContadores()
{
    const EstadoCurso& e = Estado();
    PlacarAcertos = QString::number(e.Acertos);
    PlacarErros = QString::number(e.Erros);
    PlacarPontos = QString::number(e.Pontos);
    emit mudou(Contadores);
}

// ---------------------------------------------------------------------------
// Lesson loading

void SessaoPratica::AbrirLicao(int n)
{
    fila.clear();
    Modulo.Clear();
    const QString caminho = CaminhoModulo(n);
    const ResultadoLeitura leitura = LerArquivo(caminho, Modulo.linhas, false, LimitesModulo);
    // A missing lesson says so in its own text; one that is there but could
    // not be read whole is worth a word to the learner.
    if (leitura.estado != EstadoLeitura::Completo && leitura.estado != EstadoLeitura::Ausente)
        emit aviso(MensagemLeituraModulo(caminho, leitura));
    const QString vModulo = QStringLiteral("mod%1.mod").arg(n);
    if (VerificarModulo() == 2) {
        Estado().TipoExercicio = 2;
        Iniciar2(vModulo);
    } else {
        Estado().TipoExercicio = 1;
        Iniciar(vModulo);
    }
}

int SessaoPratica::VerificarModulo()
{
    const int tipo = ClassificarModulo(Modulo.linhas);
    Modulo.indice = 0;
    return tipo;
}

// Puts the module on the exercise saved in the user record. A saved
// exercise that lies beyond the lesson (a lesson that grew shorter) falls
// back to the first exercise rather than leaving the learner with nothing to
// type.
void SessaoPratica::restaurarExercicio()
{
    const int i = usuarios.Carregado().exercicio - 1;
    Modulo.indice = (i >= 0 && i < Modulo.ListCount()) ? i : 0;
    Retomar = false;
}

void SessaoPratica::CarregarMod()
{
    if (Retomar)
        restaurarExercicio();
    else if (!EmTreino())
        usuarios.SalvarProgresso(ExercicioNaTela());
    if (Modulo.Text().isEmpty())
        Modulo.indice = 0;
    if (Modulo.ListCount() > 0)
        Licao = TextoTeclas(Modulo.Text(), Estado().TipoTeclado);
    toqueAtual = 0;
    emit mudou(Exercicio | Proxima);
}

void SessaoPratica::CarregarMod2()
{
    // Right after a log-in the saved exercise is restored here too, so a
    // learner resumes a running-text lesson where he stopped.
    if (Retomar)
        restaurarExercicio();
    else if (!EmTreino())
        usuarios.SalvarProgresso(ExercicioNaTela());
    if (Modulo.indice >= 0 && Modulo.indice < Modulo.ListCount())
        Licao = TextoCorrido(Modulo.Text(), Estado().TipoTeclado);
    toqueAtual = 0;
    emit mudou(Exercicio | Proxima);
}

// ---------------------------------------------------------------------------
// Exercise start

void SessaoPratica::zerarContadores()
{
    EstadoCurso& e = Estado();
    e.Segundos = 0;
    e.TeclasDigitadas = 0;
    e.Erros = 0;
    e.Acertos = 0;
    e.Pontos = 0;
    PlacarAcertos = PlacarErros = PlacarPontos = QStringLiteral("0");
}

void SessaoPratica::zerarNoPrimeiroExercicio()
{
    if (Modulo.indice != 0)
        return;
    zerarContadores();
    PlacarTpm = QStringLiteral("0 TPM");
}

// What both start routines share once the exercise text is built: the
// counters of a lesson started at its first exercise, the empty bar, the
// arrow over the first cap, the speed clock waiting for the first key, the
// caps and no red key.
void SessaoPratica::iniciarComum(bool mostrarCapas)
{
    zerarNoPrimeiroExercicio();
    ProgLeft = ProgVazio;
    TrmProg.stop();
    SetaLeft = SetaInicio;
    SetaVisivel = true;
    TrmTpm.stop();
    msNoSegundo = 0;
    CapasVisiveis.fill(mostrarCapas);
    TrmRepoem.stop();
    TeclasBloqueadas = false;
    Estado().GrupoLetras = 5;
    ultimoMomento = -1;
    int limpar = SoLimpar;
    TeclaErro(limpar);
    emit mudou(LicaoAberta | Exercicio | Contadores | Velocidade | Capas | Seta | Ritmo | Vermelha | Proxima);
}

void SessaoPratica::Iniciar(const QString&)
{
    CarregarMod();
    iniciarComum(true);
}

void SessaoPratica::Iniciar2(const QString&)
{
    Estado().TipoExercicio = 2;
    CarregarMod2();
    iniciarComum(false);
}

void SessaoPratica::Fechar()
{
    EncerrarTreino();
    fila.clear();
    Modulo.Clear();
    TrmTpm.stop();
    SetaVisivel = false;
    emit mudou(LicaoAberta | Seta);
}

void SessaoPratica::RecomecarLicao(int avanco)
{
    EstadoCurso& e = Estado();
    zerarContadores();
    e.Velocidade = 0;
    e.ContadorExtra = 0;
    emit mudou(Contadores);
    if (avanco)
        Contador::Mudar(e.LicaoAtual, avanco);
    AbrirLicao(e.LicaoAtual);
}

// ---------------------------------------------------------------------------
// Practice outside the course

void SessaoPratica::AbrirTreino(TipoTreino tipo, const QStringList& linhas)
{
    if (tipo == TipoTreino::Curso || linhas.isEmpty())
        return;
    EstadoCurso& e = Estado();
    PausarRelogio();
    TrmRepoem.stop();
    fila.clear();
    // A run opened over another (a new one from the result window) goes
    // back to the same course.
    if (!EmTreino())
        curso = {Modulo,
                 Licao,
                 toqueAtual,
                 CapasVisiveis,
                 SetaLeft,
                 SetaVisivel,
                 {PlacarAcertos, PlacarErros, PlacarPontos, PlacarTpm},
                 e.TipoExercicio,
                 e.GrupoLetras,
                 e.TeclasDigitadas,
                 e.Acertos,
                 e.Erros,
                 e.Pontos,
                 e.Segundos,
                 e.Velocidade,
                 e.ContadorExtra,
                 msNoSegundo,
                 Retomar,
                 TeclasBloqueadas};
    treino = tipo;
    ultimoTreino = {};
    ultimoTreino.tipo = tipo;
    Retomar = false;
    Modulo.linhas = linhas;
    Modulo.indice = 0;
    zerarContadores();
    e.Velocidade = 0;
    e.ContadorExtra = 0;
    Iniciar2(QString());
}

void SessaoPratica::EncerrarTreino()
{
    if (!EmTreino())
        return;
    TrmTpm.stop();
    TrmProg.stop();
    TrmRepoem.stop();
    fila.clear();
    treino = TipoTreino::Curso;
    EstadoCurso& e = Estado();
    Modulo = curso.modulo;
    Licao = curso.licao;
    toqueAtual = curso.toqueAtual;
    CapasVisiveis = curso.capas;
    SetaLeft = curso.setaLeft;
    SetaVisivel = curso.setaVisivel;
    PlacarAcertos = curso.placar[0];
    PlacarErros = curso.placar[1];
    PlacarPontos = curso.placar[2];
    PlacarTpm = curso.placar[3];
    e.TipoExercicio = curso.tipoExercicio;
    e.GrupoLetras = curso.grupoLetras;
    e.TeclasDigitadas = curso.teclasDigitadas;
    e.Acertos = curso.acertos;
    e.Erros = curso.erros;
    e.Pontos = curso.pontos;
    e.Segundos = curso.segundos;
    e.Velocidade = curso.velocidade;
    e.ContadorExtra = curso.contadorExtra;
    msNoSegundo = curso.msNoSegundo;
    Retomar = curso.retomar;
    // The caps a group had taken come back as they would have.
    TeclasBloqueadas = curso.bloqueadas;
    if (TeclasBloqueadas)
        TrmRepoem.start();
    ProgLeft = ProgVazio;
    ultimoMomento = -1;
    curso = {};
    int limpar = SoLimpar;
    TeclaErro(limpar);
    emit mudou(LicaoAberta | Exercicio | Texto | Contadores | Velocidade | Capas | Seta | Ritmo | Vermelha
               | Proxima);
}

// ---------------------------------------------------------------------------
// Keys

bool SessaoPratica::EhModificador(int tecla)
{
    switch (tecla) {
    case 16:  // Shift
    case 17:  // Ctrl
    case 18:  // Alt and Alt Gr
    case 20:  // Caps Lock
    case 91:  // the system keys
    case 92:
    case 144: // Num Lock
    case 160: case 161: case 162: case 163: case 164: case 165: // left/right Shift, Ctrl, Alt
        return true;
    default:
        return false;
    }
}

void SessaoPratica::TeclaProx(int& tecla, Modificadores m, bool repetida)
{
    // A modifier pressed alone writes nothing: a capital may be typed with
    // Shift or without it, and neither way is a mistake. A key held down
    // past the repeat delay was pressed once.
    if (EhModificador(tecla) || repetida)
        return;
    // The introduction has nothing to type, and neither has a lesson that is
    // over: no key there may count, sound or open a result window.
    if ((Estado().LicaoAtual == 0 && !EmTreino()) || Modulo.ListCount() == 0)
        return;
    const qint64 agora = Relogio ? Relogio() : 0;
    // Reading the text before the first key, or a pause, is no typing time.
    if (!TrmTpm.isActive())
        ligarRelogio(agora);
    // While the caps come back a key waits its turn: dropping it would turn
    // the next right keys of a fluent typist into errors.
    if (TeclasBloqueadas || !fila.isEmpty()) {
        fila.append({tecla, m, agora});
        return;
    }
    avaliar(tecla, m, agora);
}

Toque SessaoPratica::ToqueEsperado() const
{
    if (Licao.isEmpty())
        return Toque();
    const Sequencia s = SequenciaDe(Licao.at(0), Estado().TipoTeclado);
    return toqueAtual < s.tamanho ? s[toqueAtual] : Toque();
}

void SessaoPratica::julgarFila()
{
    while (!TeclasBloqueadas && !fila.isEmpty() && Modulo.ListCount() > 0
           && (Estado().LicaoAtual != 0 || EmTreino())) {
        const TeclaEmEspera k = fila.takeFirst();
        avaliar(k.tecla, k.m, k.momento);
    }
    if (Modulo.ListCount() == 0)
        fila.clear();
}

void SessaoPratica::mudarContador(qint16& valor, int delta)
{
    Contador::Mudar(valor, delta);
}

void SessaoPratica::avaliar(int tecla, Modificadores m, qint64 momento)
{
    EstadoCurso& e = Estado();
    const int tipo = e.TipoTeclado;
    const int posicao = PosicaoDaTecla(tecla, tipo);
    const QChar caractere = Licao.isEmpty() ? QChar() : Licao.at(0);
    const Sequencia sequencia = SequenciaDe(caractere, tipo);
    if (toqueAtual >= sequencia.tamanho)
        toqueAtual = 0;
    const Toque esperado = sequencia.vazia() ? Toque() : sequencia[toqueAtual];
    // A character that no key of this keyboard types (a lesson edited by
    // hand) lets any key pass it, rather than stopping the learner there.
    const bool acerto = !caractere.isNull() && (sequencia.vazia() || Confere(esperado, posicao, m));
    const QChar digitado = NomeDoToque(posicao, m, tipo);
    const qint64 intervalo = ultimoMomento >= 0 ? qMax<qint64>(0, momento - ultimoMomento) : -1;
    ultimoMomento = momento;
    Mudancas o = Contadores | Proxima;
    if (TeclaVermelha != -1) {
        TeclaVermelha = -1;
        o |= Vermelha;
    }

    if (acerto) {
        o |= Ritmo;
        if (toqueAtual + 1 < sequencia.tamanho) {
            // The character goes on with its next keystroke.
            ++toqueAtual;
        } else {
            toqueAtual = 0;
            DigCerto(tecla);
            o |= Texto | Capas | Seta;
            const int grupo = e.GrupoLetras;
            if (grupo >= 1 && grupo <= 5) {
                CapasVisiveis[5 - grupo] = false;
                if (grupo > 1) {
                    SetaLeft = PosicoesSeta[6 - grupo];
                } else {
                    TeclasBloqueadas = true;
                    TrmRepoem.start();
                }
            }
            e.GrupoLetras = qint16(e.GrupoLetras - 1);
            if (e.GrupoLetras <= 0) {
                e.GrupoLetras = 5;
                SetaLeft = SetaInicio;
            }
        }
        ProgLeft = ProgCheio;
        TrmProg.start();
        Contador::Mudar(e.TeclasDigitadas, 1);
        mudarContador(e.Acertos, 1);
        mudarContador(e.Pontos, 100);
        PlacarAcertos = QString::number(e.Acertos);
        PlacarPontos = QString::number(e.Pontos);
    } else {
        // After a wrong keystroke the character starts again.
        toqueAtual = 0;
        Contador::Mudar(e.TeclasDigitadas, 1);
        TeclaErro(tecla);
        mudarContador(e.Erros, 1);
        mudarContador(e.Pontos, -100);
        PlacarErros = QString::number(e.Erros);
        PlacarPontos = QString::number(e.Pontos);
    }
    emit mudou(o);
    const QChar nomeEsperado = esperado.valido() ? esperado.nome : caractere;
    emit teclaJulgada(nomeEsperado, digitado.isNull() ? QString() : QString(digitado), acerto, intervalo);

    if (Licao.isEmpty()) {
        emit exercicioTerminado();
        if (Modulo.ListCount() == Modulo.indice + 1 && (e.TipoExercicio == 1 || e.TipoExercicio == 2)) {
            fimDeLicao();
            return;
        }
        proximaLinha();
    }
}

void SessaoPratica::proximaLinha()
{
    const int tipo = Estado().TipoExercicio;
    if (tipo != 1 && tipo != 2)
        return;
    Modulo.indice += 1;
    if (tipo == 1)
        CarregarMod();
    else
        CarregarMod2();
}

void SessaoPratica::DigCerto(int)
{
    Licao.remove(0, 1);
}

void SessaoPratica::TeclaErro(int& tecla)
{
    const int antes = TeclaVermelha;
    TeclaVermelha = -1;
    if (tecla != SoLimpar)
        TocarSom(QStringLiteral("erro"));
    // The red key lies on the place of the key pressed.
    tecla = PosicaoDaTecla(tecla, Estado().TipoTeclado);
    if (tecla != SoLimpar)
        TeclaVermelha = tecla;
    if (TeclaVermelha != antes)
        emit mudou(Vermelha);
}

void SessaoPratica::fimDeLicao()
{
    fila.clear();
    Modulo.Clear();
    PlacarAcertos.clear();
    PlacarErros.clear();
    PlacarPontos = QStringLiteral("0");
    PlacarTpm = QStringLiteral("0 TPM");
    ProgLeft = ProgVazio;
    TrmProg.stop();
    SetaVisivel = false;
    SetaLeft = SetaInicio;
    TrmTpm.stop();
    int limpar = SoLimpar;
    TeclaErro(limpar);
    emit mudou(LicaoAberta | Contadores | Velocidade | Ritmo | Seta | Proxima);
    if (EmTreino()) {
        const EstadoCurso& e = Estado();
        ultimoTreino.tpm = e.Velocidade;
        ultimoTreino.acertos = qMax(0, int(e.Acertos));
        ultimoTreino.erros = qMax(0, int(e.Erros));
        ultimoTreino.segundos = qMax(0, int(e.Segundos));
        emit treinoTerminado();
        return;
    }
    emit licaoTerminada();
}

// ---------------------------------------------------------------------------
// Navigation

QString SessaoPratica::MensagemLicaoNaoConcluida()
{
    return QStringLiteral("Você não concluiu a lição, e por isso não é possível ir para a próxima lição.")
        + QStringLiteral("\r\n\r\n")
        + QStringLiteral("Para navegar em todas as lições e necessário alterar o seu perfil de usuário, "
                         "marcando a opção 'Curso Livre'.");
}

QString SessaoPratica::MensagemExercicioNaoConcluido()
{
    return QStringLiteral("Você não concluiu o exercício, e por isso não é possível ir para o próximo exercício.")
        + QStringLiteral("\r\n\r\n")
        + QStringLiteral("Para navegar em todos os exercícios e necessário alterar o seu perfil de usuário, "
                         "marcando a opção 'Curso Livre'.");
}

SessaoPratica::Passo SessaoPratica::ProximoExercicio(bool livre)
{
    const EstadoCurso& e = Estado();
    if (Modulo.indice + 1 >= Modulo.ListCount())
        return Passo::Nenhum;
    if (e.ExercicioMaximo == Modulo.indice + 1 && e.LicaoMaxima == e.LicaoAtual && !livre && !EmTreino())
        return Passo::Recusado;
    Modulo.indice += 1;
    prepararNovoExercicio();
    return Passo::Feito;
}

SessaoPratica::Passo SessaoPratica::ExercicioAnterior()
{
    if (Modulo.indice <= 0)
        return Passo::Nenhum;
    Modulo.indice -= 1;
    prepararNovoExercicio();
    return Passo::Feito;
}

void SessaoPratica::prepararNovoExercicio()
{
    fila.clear();
    if (Estado().TipoExercicio == 1)
        CarregarMod();
    else if (Estado().TipoExercicio == 2)
        CarregarMod2();
    ultimoMomento = -1;
    // The caps come back one by one over the new exercise, as after a group.
    CapasVisiveis.fill(false);
    Estado().GrupoLetras = 5;
    SetaLeft = SetaInicio;
    TrmRepoem.start();
    // A red key of the exercise left behind belongs to it.
    int limpar = SoLimpar;
    TeclaErro(limpar);
    emit mudou(Capas | Seta | Proxima);
}

SessaoPratica::Passo SessaoPratica::ProximaLicao(bool livre)
{
    EstadoCurso& e = Estado();
    // A run outside the course has no lessons to walk.
    if (EmTreino())
        return Passo::Nenhum;
    if (e.LicaoMaxima == e.LicaoAtual && !livre)
        return Passo::Recusado;
    if (e.LicaoAtual == 52)
        return Passo::FimDoCurso;
    TocarSom(QStringLiteral("bip"));
    e.LicaoAtual = qint16(e.LicaoAtual + 1);
    AbrirLicao(e.LicaoAtual);
    return Passo::Feito;
}

SessaoPratica::Passo SessaoPratica::LicaoAnterior()
{
    EstadoCurso& e = Estado();
    if (e.LicaoAtual == 0 || EmTreino())
        return Passo::Nenhum;
    TocarSom(QStringLiteral("bip"));
    if (e.LicaoAtual == 1) {
        // The introduction has nothing to type: keys waiting for the caps
        // are dropped, and the clock stops.
        e.LicaoAtual = 0;
        fila.clear();
        PausarRelogio();
        return Passo::Introducao;
    }
    e.LicaoAtual = qint16(e.LicaoAtual - 1);
    AbrirLicao(e.LicaoAtual);
    return Passo::Feito;
}

// ---------------------------------------------------------------------------
// Timers

void SessaoPratica::ligarRelogio(qint64 agora)
{
    // The second a pause cut short is completed first.
    inicioSegundo = agora - msNoSegundo;
    TrmTpm.start(int(1000 - msNoSegundo));
}

void SessaoPratica::PausarRelogio()
{
    if (!TrmTpm.isActive())
        return;
    const qint64 agora = Relogio ? Relogio() : 0;
    msNoSegundo = qBound(qint64(0), agora - inicioSegundo, qint64(999));
    TrmTpm.stop();
}

void SessaoPratica::TrmTpm_Timer()
{
    inicioSegundo = Relogio ? Relogio() : 0;
    msNoSegundo = 0;
    if (TrmTpm.isActive() && TrmTpm.interval() != 1000)
        TrmTpm.start(1000);
    EstadoCurso& e = Estado();
    Contador::Mudar(e.Segundos, 1);
    const double v = e.Segundos > 0 ? double(e.TeclasDigitadas) / double(e.Segundos) * 60.0 : 0.0;
    // Halves go to the even neighbour (22.5 gives 22, 23.5 gives 24).
    const double arredondado = std::nearbyint(v);
    PlacarTpm = QString::number(qint64(arredondado)) + QStringLiteral(" TPM");
    Contador::Atribuir(e.Velocidade, qint64(arredondado));
    emit mudou(Velocidade);
}

void SessaoPratica::TrmProg_Timer()
{
    ProgLeft -= ProgPasso;
    if (ProgLeft < ProgParada)
        TrmProg.stop();
    emit mudou(Ritmo);
}

void SessaoPratica::TrmRepoem_Timer()
{
    for (int i = 0; i < 4; ++i) {
        if (!CapasVisiveis[i]) {
            CapasVisiveis[i] = true;
            emit mudou(Capas);
            return;
        }
    }
    if (!CapasVisiveis[4]) {
        CapasVisiveis[4] = true;
        TrmRepoem.stop();
        emit mudou(Capas);
    }
    TeclasBloqueadas = false;
    julgarFila();
}
