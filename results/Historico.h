#pragma once
// The lesson history: an SQLite database (historico.db, beside usuario.dat)
// holding every finished lesson and the per-key counts of every finished
// exercise, keyed by the learner's name. usuario.dat itself is untouched.
//
// Nothing is opened until asked: the SQLite driver is loaded by the first
// Abrir. The schema carries its version (PRAGMA user_version) and grows by
// steps; the journal is WAL. Every call reports failure instead of
// throwing, so a history that cannot be written never stops practice.
#include "results/EstatisticaTeclas.h"

#include <QString>
#include <optional>

class QSqlDatabase;
class QSqlError;
class QSqlQuery;

class Historico {
public:
    static constexpr int VersaoEsquema = 3;
    static QString NomeArquivo() { return QStringLiteral("historico.db"); }
    // The history beside a user file.
    static QString CaminhoAoLado(const QString& arquivoUsuarios);

    explicit Historico(const QString& caminho);
    ~Historico();
    Historico(const Historico&) = delete;
    Historico& operator=(const Historico&) = delete;

    QString Caminho() const { return caminho; }
    // Opens the file, creating it or bringing its schema up to date; true
    // when it is usable. A file SQLite finds damaged (PRAGMA quick_check,
    // or not a database at all) is set aside, and a new, empty history is
    // started in its place. Later calls return the first answer.
    bool Abrir();
    bool Aberto() const { return aberto; }
    // Why the last operation failed, in Portuguese.
    QString Erro() const { return erro; }
    // Where a damaged history was set aside this run: the file renamed to
    // historico.db.danificado-<date and time>, its -wal and -shm beside it
    // under the same name. Empty when nothing was. A read that meets a
    // damaged page sets the file aside too.
    QString Separado() const { return separado; }
    // Whether the last read (Licoes, Teclas, Csv) came back whole. When it
    // did not, what it returned is a part at most and must not be shown as
    // the history.
    bool LidoPorInteiro() const { return lidoPorInteiro; }

    // A finished lesson, or a run outside the course (its key counts go in
    // with lesson 0).
    bool GravarLicao(const LicaoGravada& l);
    // The counts of one finished exercise.
    bool GravarExercicio(const QString& usuario, const QDateTime& momento, int licao, int exercicio,
                         int teclado, const MapaTeclas& teclas);

    // A learner's lessons, oldest first.
    QList<LicaoGravada> Licoes(const QString& usuario);
    // A learner's per-key counts over all exercises, or those typed with
    // one layout.
    MapaTeclas Teclas(const QString& usuario, std::optional<int> teclado = std::nullopt);
    // The per-key counts of the exercises before `exercicio` of a lesson
    // resumed there at `retomada`: of each, the last time it was finished
    // before then and since the learner last finished the lesson.
    MapaTeclas TeclasAntesDaRetomada(const QString& usuario, int licao, int exercicio, const QDateTime& retomada);

    // The history follows a renamed learner and goes with a deleted one.
    bool Renomear(const QString& antigo, const QString& novo);
    bool Apagar(const QString& usuario);

    // The learner's lessons as CSV (semicolon separated, one header line),
    // for a spreadsheet; the last column tells the course from practice
    // outside it.
    QString Csv(const QString& usuario);

private:
    // Opens the connection and brings the schema up; sets `danificado` when
    // the file is not a sound database.
    bool abrirArquivo();
    // Closes the connection for good.
    void fechar();
    // Runs SQLite's quick check on the open file.
    bool integro();
    // Moves the damaged file aside and opens a new one in its place.
    bool separar();
    // After a read: whether its query ran to the end (the reason kept when
    // it did not).
    bool leuTudo(const QSqlQuery& q);
    // Once a read's queries are gone: records whether it was whole, and sets
    // the file aside when damage ended it.
    bool fimDaLeitura(bool ok);
    bool executar(const QString& sql, const QVariantList& valores = {});
    // The per-key counts of the rows of `teclas` (as k) that meet condicao.
    MapaTeclas teclasOnde(const QString& condicao, const QVariantList& valores);
    // Runs two statements on the lessons and the key counts of a learner
    // as one transaction: both or neither.
    bool emTransacao(const QString& sqlLicoes, const QString& sqlTeclas, const QVariantList& valores);
    // Commits the open transaction when ok, otherwise rolls it back.
    bool concluir(QSqlDatabase& db, bool ok, const QString& oque);
    bool atualizarEsquema();
    bool falhou(const QString& oque, const QString& motivo);

    QString caminho;
    QString conexao;
    bool tentado = false;
    bool aberto = false;
    bool danificado = false;
    bool lidoPorInteiro = true;
    QString erro;
    QString separado;
};
