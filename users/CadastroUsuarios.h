#pragma once
// The user store: the records of usuario.dat, the learner selected on the
// user screen, log-in and log-off, the two savers and their frontier rules,
// type-ahead search, adding, editing and deleting learners. The file is read
// once at start-up and rewritten whole after every change.
//
// Windows show and edit what this model holds; none of it needs a screen.
#include "users/RegistroUsuario.h"
#include "users/SessaoUsuarios.h"

#include <QObject>
#include <QStringList>

class CadastroUsuarios : public QObject {
    Q_OBJECT
public:
    explicit CadastroUsuarios(QObject* pai = nullptr);
    ~CadastroUsuarios() override;

    // The store in use (the windows that edit users reach it here).
    static CadastroUsuarios* Instancia();

    // ---- the file ----------------------------------------------------------
    // Where usuario.dat lives: the application folder when it can be
    // written there, otherwise the account's data folder.
    QString Arquivo() const;
    // The session on the file, locked already (main() takes the lock before
    // the window is built); the store otherwise opens its own.
    void UsarSessao(SessaoUsuarios&& sessao) { arquivo = std::move(sessao); }
    // Start-up: finds and reads usuario.dat (blank lines hold no user and
    // are dropped), builds the name list and, when it is empty, adds the
    // default user. A file that could not be read whole, or that another
    // program is running on, is never written back in this run, so no
    // learner beyond what was read is lost.
    void Carregar();
    // Rewrites usuario.dat from the records; false when it could not. The
    // first problem of the run is reported once through `aviso`; with
    // avisar false the caller reports the failure itself (one message per
    // failure).
    bool Gravar(bool avisar = true);
    // "Não foi possível salvar ... em <arquivo>: <motivo>" for the last save
    // that failed, naming what was being saved.
    QString FalhaAoSalvar(const QString& oque) const;
    // With AdiarProgresso set, SalvarProgresso keeps the file's new content
    // and announces it with `gravacaoAdiada` instead of writing it: the
    // window writes it once the frame that ends the exercise is out. Any
    // other save writes the whole file at once (this content included), and
    // Descarregar writes it now. It is written before the file is read
    // again and when the store is destroyed.
    void AdiarProgresso(bool sim) { adiar = sim; }
    void Descarregar();
    bool GravacaoPendente() const { return pendente; }

    // ---- the records and the names the user list shows --------------------
    // vUsuario: one record line per user; `indice` is its selected record.
    QStringList vUsuario;
    int indice = -1;
    int ListCount() const { return int(vUsuario.size()); }
    QString Nome(int i) const;
    QStringList Nomes() const;

    // The row selected in the user list (-1 none) and the record it loaded:
    // the user screen's fields (name, lesson, exercise, minimums, free
    // course) as they stood when the row was selected.
    int Selecionado() const { return linha; }
    const RegistroUsuario& Carregado() const { return carregado; }
    bool Livre() const { return carregado.livre != 0; }

    // Rebuilds the name list from the records: no row selected, and the
    // record index on the last record.
    void CarregarUsuario();
    // Selects a row: the record becomes the selected one and is loaded into
    // the user screen's fields and the course state (counters, frontier,
    // password). Selecting the selected row loads it again.
    void SelecionarUsuario(int linha);
    // Loads the selected row again (after a save changed its record).
    void ListUsuario_Click();
    // Type-ahead: the first name that starts with `inicio`, in any letter
    // case; -1 when none does.
    int BuscarPrefixo(const QString& inicio) const;
    // The row of another user whose name equals `nome` (trimmed, any letter
    // case); -1 when no other user bears it.
    int OutroComNome(const QString& nome, int exceto = -1) const;

    // ---- log-in ------------------------------------------------------------
    // Letter case and the spaces around the password do not count; the
    // master password opens every account.
    bool ConferirSenha(const QString& senha) const;
    static QString SenhaMestra() { return QStringLiteral("chavemestra"); }
    // The selected learner logs in: his lesson and name become the course's.
    void Entrar();
    // The learner logs off or the program closes while logged in.
    void Sair() { logado = false; }
    bool Logado() const { return logado; }

    // ---- savers ------------------------------------------------------------
    // `exercicio` is the exercise on screen, 1-based; 0 when no lesson is
    // open (the introduction), which keeps the exercise the record was
    // loaded with.
    // During practice: the frontier only moves forward; the record stays
    // selected at its own line.
    void SalvarProgresso(int exercicio);
    // At log-off or exit: the frontier becomes the exercise on screen.
    void SalvarUsuario(int exercicio);

    // ---- adding, editing, deleting ----------------------------------------
    // Appends a record, saves, rebuilds the list and selects the new user.
    // When the file cannot be written the user is not added (false).
    bool Adicionar(const RegistroUsuario& registro);
    // The default user, added when the list is empty.
    void AddPadrao();
    // Rewrites the profile fields of the selected row's record (name,
    // minimums, free course, password), keeping position, counters and
    // frontier, and selects the row that bears the new name. When the file
    // cannot be written the record stays as it was (false).
    bool AlterarPerfil(const QString& nome, const QString& velocidade, const QString& precisao, bool livre,
                       const QString& senha);
    // Deletes the selected row; an emptied list gets the default user.
    // The first row is then selected and the file rewritten; only once the
    // file holds no trace of the learner does `usuarioDeletado` let what is
    // kept under his name elsewhere go. When the file cannot be written the
    // learner is put back at his row, selected, and false is returned (the
    // caller tells why, FalhaAoSalvar).
    bool Deletar();
    // "Excluir o usuário <nome> e todo o seu progresso? Isto não pode ser
    // desfeito."
    static QString PerguntaExclusao(const QString& nome);
    // Why a deletion did not happen: FalhaAoSalvar, and that the learner
    // stays.
    QString FalhaAoDeletar(const QString& nome) const;

signals:
    // The names changed (added, renamed, deleted, reloaded).
    void listaMudou();
    // A row was selected (or selected again) and its record loaded.
    void selecionado(int linha);
    // Something the learner must be told about the user file (it could not
    // be read whole, or a save failed); given once per run.
    void aviso(const QString& texto);
    // A learner's name changed, or a learner was deleted, and the file says
    // so: what is kept under his name elsewhere follows.
    void usuarioRenomeado(const QString& antigo, const QString& novo);
    void usuarioDeletado(const QString& nome);
    // A progress save waits for Descarregar.
    void gravacaoAdiada();

private:
    QString registroAtual(int exercicio) const;
    qint16 exercicioNaTela(int exercicio) const;

    SessaoUsuarios arquivo;
    bool adiar = false;
    bool pendente = false;
    QStringList aGravar;
    int linha = -1;
    RegistroUsuario carregado;
    bool logado = false;
};
