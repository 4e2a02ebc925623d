#pragma once
// A practice run without any window: a fresh application folder (the built
// lesson modules, a usuario.dat of our own), the user store and the practice
// session, with sounds recorded instead of played. The course state starts
// afresh. For tests of the models, which link the core library only.
#include "app/Servicos.h"
#include "practice/SessaoPratica.h"
#include "users/CadastroUsuarios.h"

#include <QTemporaryDir>
#include <memory>

struct SomGravado : ServicoSom {
    QStringList nomes; // sound names (file names without ".wav"), in order
    void Tocar(const QString& caminho) override;
};

// A usuario.dat record with the fields a test cares about.
struct Perfil {
    QString nome = QStringLiteral("Ana");
    int licao = 1;
    int exercicio = 1;
    int livre = 0;
    int teclas = 0, segundos = 0, erros = 0, acertos = 0, pontos = 0, velocidade = 0;
    int licaoMaxima = 1;
    int exercicioMaximo = 1;
    QString senha = QStringLiteral("segredo");
    QString linha() const;
};

class Treino {
public:
    // usuarios: the lines of usuario.dat; none means no file.
    explicit Treino(const QStringList& usuarios = {});
    ~Treino();

    // Writes Modulos/mod<licao>.mod as the module builder does.
    void escreverModulo(int licao, const QStringList& linhas, const QString& nome = QString());
    QString caminho(const QString& relativo) const;
    // Starts the store as the program does (reads usuario.dat, selects the
    // first user), then selects `linha` and logs that learner in, opening
    // his lesson.
    void entrar(int linha = 0);
    // Presses a key by code; types text as a learner would (ToquesDoTexto),
    // letting the caps come back after every group.
    void tecla(int codigo, Modificadores m = {});
    void digitar(const QString& texto);
    void completarExercicio() { digitar(sessao->Licao); }
    QStringList usuariosNoDisco() const;
    // Sounds played since the last call.
    QStringList sons();

    SomGravado som;
    std::unique_ptr<CadastroUsuarios> usuarios;
    std::unique_ptr<SessaoPratica> sessao;
    int licoesTerminadas = 0;

private:
    QTemporaryDir dir;
};

// The keys a learner presses to type text with a layout: every character
// by its keystrokes (a dead key and then the letter, Shift for capitals and
// where the character needs it, Alt Gr), as key codes of that layout. A
// character no key types gives one press of a key that types nothing (code
// 0). "\n" and "#" are Enter.
struct ToqueDeTeste {
    int codigo;
    Modificadores m;
};
QList<ToqueDeTeste> ToquesDoTexto(const QString& texto, int tipoTeclado);

// The counters of the practice run, compared as one value.
struct Contadores {
    int teclas, acertos, erros, pontos;
    bool operator==(const Contadores&) const = default;
    static Contadores Atuais();
};
namespace QTest {
char* toString(const Contadores& c);
}

// The exercises of a lesson of the real course, from its source.
QStringList LinhasDaLicao(int n);
// What a learner types for one exercise line of a lesson of that kind with
// the ABNT2 keyboard.
QString TextoEsperado(const QString& linha, int tipo);
// Field n (1-based) of a record line.
inline QString Campo(const QString& registro, int n) { return registro.section(u'<', n - 1, n - 1); }

// ---- damaged and failing files -------------------------------------------

// A history file at caminho holding `quantas` finished lessons of usuario,
// one a day from 1 March 2024, written whole into the file.
void HistoricoComLicoes(const QString& caminho, const QString& usuario, int quantas);
// Ways a history file gets damaged on disk.
enum class DanoHistorico {
    NaoEhBanco,   // the first page overwritten: no longer a database
    Paginas,      // pages from the third on overwritten: the quick check fails
    ForaDoIndice, // one row's id changed: the quick check passes, but a read
                  // through the learner's index stops half-way with an error
};
void Danificar(const QString& caminho, DanoHistorico dano);

// The disk under the program's writes fails as asked until the object goes
// (GravacaoSegura's Disco()), from the n-th file written on (1: the first).
class DiscoComFalha {
public:
    enum class Falha {
        Reserva,   // the space cannot be reserved: the disk is full
        Escrita,   // reserving is not supported, and writing stops at
                   // `depois` bytes of the file with the disk full
        Sincronia, // everything is written, the sync reports an I/O error
    };
    explicit DiscoComFalha(Falha falha, qint64 depois = 0, int aPartirDoArquivo = 1);
    ~DiscoComFalha();
};

// A small file system (a 256 KiB tmpfs) mounted on pasta while the object
// lives, where mounting is allowed (as root); Encher() fills it up, but for
// as many 4 KiB pages as asked.
class DiscoPequeno {
public:
    explicit DiscoPequeno(const QString& pasta);
    ~DiscoPequeno();
    bool Montado() const { return montado; }
    void Encher(int paginasLivres = 0);

private:
    QString pasta;
    bool montado = false;
};
