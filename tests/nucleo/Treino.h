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
