#include "results/Historico.h"

#include "keyboard/GradeTeclado.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>

namespace {

QSqlDatabase banco(const QString& conexao) { return QSqlDatabase::database(conexao, false); }

// SQLite's own word for a damaged file (SQLITE_CORRUPT) or one that is no
// database (SQLITE_NOTADB).
bool Dano(const QSqlError& e)
{
    bool ok = false;
    const int codigo = e.nativeErrorCode().toInt(&ok) & 0xff;
    return ok && (codigo == 11 || codigo == 26);
}

QString Momento(const QDateTime& d) { return d.toString(Qt::ISODateWithMs); }

} // namespace

QString Historico::CaminhoAoLado(const QString& arquivoUsuarios)
{
    return QFileInfo(arquivoUsuarios).absoluteDir().filePath(NomeArquivo());
}

Historico::Historico(const QString& c)
    : caminho(c)
{
    static std::atomic<int> serie{0};
    conexao = QStringLiteral("historico-%1").arg(++serie);
}

Historico::~Historico() { fechar(); }

void Historico::fechar()
{
    if (!QSqlDatabase::contains(conexao))
        return;
    {
        QSqlDatabase db = banco(conexao);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(conexao);
}

bool Historico::falhou(const QString& oque, const QString& motivo)
{
    erro = QStringLiteral("Não foi possível %1 o histórico de lições em %2: %3").arg(oque, caminho, motivo);
    return false;
}

bool Historico::executar(const QString& sql, const QVariantList& valores)
{
    QSqlQuery q(banco(conexao));
    if (!q.prepare(sql))
        return falhou(QStringLiteral("gravar"), q.lastError().text());
    for (const QVariant& v : valores)
        q.addBindValue(v);
    if (!q.exec())
        return falhou(QStringLiteral("gravar"), q.lastError().text());
    return true;
}

bool Historico::Abrir()
{
    if (tentado)
        return aberto;
    tentado = true;
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        return falhou(QStringLiteral("abrir"), QStringLiteral("o suporte a SQLite do Qt não está instalado"));
    if (QFileInfo(caminho).isDir())
        return falhou(QStringLiteral("abrir"), QStringLiteral("há uma pasta com esse nome"));
    if (abrirArquivo() && integro()) {
        aberto = true;
        return true;
    }
    if (!danificado)
        return false;
    return aberto = separar();
}

bool Historico::abrirArquivo()
{
    danificado = false;
    QSqlDatabase db = QSqlDatabase::contains(conexao) ? banco(conexao)
                                                      : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), conexao);
    db.setDatabaseName(caminho);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    if (!db.open())
        return falhou(QStringLiteral("abrir"), db.lastError().text());
    QSqlQuery q(db);
    // A file that is not a database fails on its first read.
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
        danificado = Dano(q.lastError());
        falhou(QStringLiteral("abrir"), q.lastError().text());
        q.finish();
        db.close();
        return false;
    }
    q.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    // With WAL a commit needs no sync of the database itself: a power cut
    // may lose the last lesson, never the file.
    q.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    q.exec(QStringLiteral("PRAGMA foreign_keys=ON"));
    if (!atualizarEsquema()) {
        db.close();
        return false;
    }
    return true;
}

bool Historico::integro()
{
    // Every page of every table and index is walked (a few milliseconds for
    // years of lessons); the answer is "ok" or a list of what is wrong.
    QSqlQuery q(banco(conexao));
    const bool rodou = q.exec(QStringLiteral("PRAGMA quick_check"));
    const bool ok = rodou && q.next() && q.value(0).toString() == QLatin1String("ok");
    if (ok)
        return true;
    danificado = !rodou ? Dano(q.lastError()) : true;
    falhou(QStringLiteral("abrir"), rodou ? q.value(0).toString() : q.lastError().text());
    return false;
}

bool Historico::separar()
{
    fechar();
    const QString base = caminho + QStringLiteral(".danificado-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString destino = base;
    for (int n = 2; QFileInfo::exists(destino); ++n)
        destino = base + u'-' + QString::number(n);
    if (!QFile::rename(caminho, destino))
        return falhou(QStringLiteral("abrir"),
                      QStringLiteral("o arquivo está danificado e não pôde ser guardado como %1").arg(destino));
    // The journal and its index go with it: left behind, they would be read
    // into the new file.
    for (const char* sufixo : {"-wal", "-shm"}) {
        if (QFileInfo::exists(caminho + sufixo) && !QFile::rename(caminho + sufixo, destino + sufixo)
            && !QFile::remove(caminho + sufixo))
            return falhou(QStringLiteral("abrir"),
                          QStringLiteral("o arquivo %1 de um histórico danificado não pôde ser removido")
                              .arg(caminho + sufixo));
    }
    separado = destino;
    return abrirArquivo();
}

bool Historico::leuTudo(const QSqlQuery& q)
{
    if (!q.lastError().isValid())
        return true;
    falhou(QStringLiteral("ler"), q.lastError().text());
    danificado = Dano(q.lastError());
    return false;
}

bool Historico::fimDaLeitura(bool ok)
{
    lidoPorInteiro = ok;
    if (!ok && aberto && danificado) {
        const QString motivo = erro;
        aberto = separar();
        erro = motivo;
    }
    return ok;
}

bool Historico::atualizarEsquema()
{
    QSqlDatabase db = banco(conexao);
    QSqlQuery q(db);
    q.exec(QStringLiteral("PRAGMA user_version"));
    const int versao = q.next() ? q.value(0).toInt() : 0;
    if (versao > VersaoEsquema)
        return falhou(QStringLiteral("abrir"),
                      QStringLiteral("o arquivo é de uma versão mais nova do programa (esquema %1)").arg(versao));
    if (versao == VersaoEsquema)
        return true;
    if (!db.transaction())
        return falhou(QStringLiteral("abrir"), db.lastError().text());
    // Each step brings the schema from one version to the next.
    bool ok = true;
    if (versao < 1) {
        ok = executar(QStringLiteral(
                 "CREATE TABLE licoes (id INTEGER PRIMARY KEY, usuario TEXT NOT NULL, momento TEXT NOT NULL,"
                 " licao INTEGER, exercicios INTEGER, tpm INTEGER, acertos INTEGER, erros INTEGER,"
                 " porc_acertos INTEGER, porc_erros INTEGER, nota INTEGER, aprovado INTEGER, teclado INTEGER)"))
            && executar(QStringLiteral("CREATE INDEX licoes_usuario ON licoes(usuario, momento)"))
            && executar(QStringLiteral(
                 "CREATE TABLE teclas (id INTEGER PRIMARY KEY, usuario TEXT NOT NULL, momento TEXT NOT NULL,"
                 " licao INTEGER, exercicio INTEGER, teclado INTEGER, esperado TEXT NOT NULL,"
                 " acertos INTEGER, erros INTEGER, ms_total INTEGER, ms_amostras INTEGER)"))
            && executar(QStringLiteral("CREATE INDEX teclas_usuario ON teclas(usuario)"))
            && executar(QStringLiteral(
                 "CREATE TABLE trocas (tecla INTEGER NOT NULL REFERENCES teclas(id) ON DELETE CASCADE,"
                 " digitado TEXT NOT NULL, vezes INTEGER)"))
            && executar(QStringLiteral("CREATE INDEX trocas_tecla ON trocas(tecla)"));
    }
    if (versao < 2) {
        // Keys used to be named "/" for the space bar and "#" for Enter; now
        // those are the slash and the number sign, and the space bar and
        // Enter are " " and a line feed.
        ok = ok && executar(QStringLiteral("UPDATE teclas SET esperado = ' ' WHERE esperado = '/'"))
            && executar(QStringLiteral("UPDATE teclas SET esperado = char(10) WHERE esperado = '#'"))
            && executar(QStringLiteral("UPDATE trocas SET digitado = ' ' WHERE digitado = '/'"))
            && executar(QStringLiteral("UPDATE trocas SET digitado = char(10) WHERE digitado = '#'"));
        // "Ç" and ";" named the keys right of L and right of the period on
        // every keyboard; now a key is named by what it types there: on the
        // BR keyboard ";" and "/", on the Portuguese one "ç" and "-".
        const struct {
            int teclado;
            QChar antigo, novo;
        } nomes[] = {{1, u';', u'/'}, {1, u'Ç', u';'}, {2, u';', u'-'}};
        for (const auto& n : nomes) {
            const QVariantList valores{QString(n.novo), QString(n.antigo), n.teclado};
            ok = ok
                && executar(QStringLiteral("UPDATE teclas SET esperado = ? WHERE esperado = ? AND teclado = ?"),
                            valores)
                && executar(QStringLiteral("UPDATE trocas SET digitado = ? WHERE digitado = ? AND tecla IN"
                                           " (SELECT id FROM teclas WHERE teclado = ?)"),
                            valores);
        }
    }
    // Runs of practice outside the course are kept with the lessons, told
    // apart by their kind.
    if (versao < 3 && ok) {
        QSqlQuery coluna(db);
        const bool tem = coluna.exec(QStringLiteral("SELECT 1 FROM pragma_table_info('licoes') WHERE name = 'tipo'"))
            && coluna.next();
        ok = tem || executar(QStringLiteral("ALTER TABLE licoes ADD COLUMN tipo INTEGER NOT NULL DEFAULT 0"));
    }
    ok = ok && executar(QStringLiteral("PRAGMA user_version = %1").arg(VersaoEsquema));
    return concluir(db, ok, QStringLiteral("abrir"));
}

bool Historico::GravarLicao(const LicaoGravada& l)
{
    if (!Abrir())
        return false;
    return executar(QStringLiteral("INSERT INTO licoes (usuario, momento, licao, exercicios, tpm, acertos, erros,"
                                   " porc_acertos, porc_erros, nota, aprovado, teclado, tipo)"
                                   " VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?)"),
                    {l.usuario, Momento(l.momento), l.licao, l.exercicios, l.tpm, l.acertos, l.erros,
                     l.porcAcertos, l.porcErros, l.nota, l.aprovado ? 1 : 0, l.teclado, l.tipo});
}

bool Historico::GravarExercicio(const QString& usuario, const QDateTime& momento, int licao, int exercicio,
                                int teclado, const MapaTeclas& teclas)
{
    if (!Abrir())
        return false;
    if (teclas.isEmpty())
        return true;
    QSqlDatabase db = banco(conexao);
    if (!db.transaction())
        return falhou(QStringLiteral("gravar"), db.lastError().text());
    // Each statement is prepared once for all the exercise's keys; a
    // statement's exec starts its values afresh.
    QSqlQuery q(db);
    QSqlQuery troca(db);
    auto preparar = [this](QSqlQuery& s, const QString& sql) {
        return s.prepare(sql) || falhou(QStringLiteral("gravar"), s.lastError().text());
    };
    bool ok = preparar(q, QStringLiteral("INSERT INTO teclas (usuario, momento, licao, exercicio, teclado, esperado,"
                                         " acertos, erros, ms_total, ms_amostras) VALUES (?,?,?,?,?,?,?,?,?,?)"))
        && preparar(troca, QStringLiteral("INSERT INTO trocas (tecla, digitado, vezes) VALUES (?, COALESCE(?, ''), ?)"));
    const QString quando = Momento(momento);
    for (auto i = teclas.cbegin(); ok && i != teclas.cend(); ++i) {
        for (const QVariant& v : QVariantList{usuario, quando, licao, exercicio, teclado, QString(i.key()),
                                              i->acertos, i->erros, i->msTotal, i->msAmostras})
            q.addBindValue(v);
        ok = q.exec() || falhou(QStringLiteral("gravar"), q.lastError().text());
        const QVariant id = q.lastInsertId();
        for (auto t = i->trocas.cbegin(); ok && t != i->trocas.cend(); ++t) {
            for (const QVariant& v : QVariantList{id, t.key(), t.value()})
                troca.addBindValue(v);
            ok = troca.exec() || falhou(QStringLiteral("gravar"), troca.lastError().text());
        }
    }
    return concluir(db, ok, QStringLiteral("gravar"));
}

QList<LicaoGravada> Historico::Licoes(const QString& usuario)
{
    QList<LicaoGravada> r;
    bool ok = false;
    if (Abrir()) {
        QSqlQuery q(banco(conexao));
        q.prepare(QStringLiteral("SELECT momento, licao, exercicios, tpm, acertos, erros, porc_acertos, porc_erros,"
                                 " nota, aprovado, teclado, tipo FROM licoes WHERE usuario = ? ORDER BY momento, id"));
        q.addBindValue(usuario);
        if (q.exec()) {
            while (q.next()) {
                LicaoGravada l;
                l.usuario = usuario;
                l.momento = QDateTime::fromString(q.value(0).toString(), Qt::ISODateWithMs);
                l.licao = q.value(1).toInt();
                l.exercicios = q.value(2).toInt();
                l.tpm = q.value(3).toInt();
                l.acertos = q.value(4).toInt();
                l.erros = q.value(5).toInt();
                l.porcAcertos = q.value(6).toInt();
                l.porcErros = q.value(7).toInt();
                l.nota = q.value(8).toInt();
                l.aprovado = q.value(9).toInt() != 0;
                l.teclado = q.value(10).toInt();
                l.tipo = q.value(11).toInt();
                r << l;
            }
        }
        ok = leuTudo(q);
    }
    if (!fimDaLeitura(ok))
        r.clear();
    return r;
}

MapaTeclas Historico::Teclas(const QString& usuario, std::optional<int> teclado)
{
    if (teclado)
        return teclasOnde(QStringLiteral("k.usuario = ? AND k.teclado = ?"), {usuario, *teclado});
    return teclasOnde(QStringLiteral("k.usuario = ?"), {usuario});
}

MapaTeclas Historico::TeclasAntesDaRetomada(const QString& usuario, int licao, int exercicio,
                                            const QDateTime& retomada)
{
    const QString ate = Momento(retomada);
    return teclasOnde(
        QStringLiteral("k.usuario = ? AND k.licao = ? AND k.exercicio < ? AND k.momento < ?"
                       " AND k.momento > COALESCE((SELECT MAX(l.momento) FROM licoes l"
                       " WHERE l.usuario = k.usuario AND l.licao = k.licao), '')"
                       " AND k.momento = (SELECT MAX(m.momento) FROM teclas m WHERE m.usuario = k.usuario"
                       " AND m.licao = k.licao AND m.exercicio = k.exercicio AND m.momento < ?)"),
        {usuario, licao, exercicio, ate, ate});
}

MapaTeclas Historico::teclasOnde(const QString& condicao, const QVariantList& valores)
{
    MapaTeclas m;
    bool ok = false;
    if (Abrir()) {
        QSqlQuery q(banco(conexao));
        q.prepare(QStringLiteral("SELECT k.esperado, SUM(k.acertos), SUM(k.erros), SUM(k.ms_total),"
                                 " SUM(k.ms_amostras) FROM teclas k WHERE %1 GROUP BY k.esperado").arg(condicao));
        for (const QVariant& v : valores)
            q.addBindValue(v);
        if (q.exec()) {
            while (q.next()) {
                const QString c = q.value(0).toString();
                if (c.isEmpty())
                    continue;
                ContagemTecla& t = m[c.at(0)];
                t.acertos = q.value(1).toInt();
                t.erros = q.value(2).toInt();
                t.msTotal = q.value(3).toLongLong();
                t.msAmostras = q.value(4).toInt();
            }
        }
        QSqlQuery t(banco(conexao));
        t.prepare(QStringLiteral("SELECT k.esperado, r.digitado, SUM(r.vezes) FROM trocas r JOIN teclas k"
                                 " ON k.id = r.tecla WHERE %1 GROUP BY k.esperado, r.digitado").arg(condicao));
        for (const QVariant& v : valores)
            t.addBindValue(v);
        if (leuTudo(q) && t.exec()) {
            while (t.next()) {
                const QString c = t.value(0).toString();
                if (!c.isEmpty())
                    m[c.at(0)].trocas[t.value(1).toString()] = t.value(2).toInt();
            }
        }
        ok = leuTudo(q) && leuTudo(t);
    }
    if (!fimDaLeitura(ok))
        m.clear();
    return m;
}

bool Historico::emTransacao(const QString& sqlLicoes, const QString& sqlTeclas, const QVariantList& valores)
{
    if (!Abrir())
        return false;
    QSqlDatabase db = banco(conexao);
    if (!db.transaction())
        return falhou(QStringLiteral("gravar"), db.lastError().text());
    const bool ok = executar(sqlLicoes, valores) && executar(sqlTeclas, valores);
    return concluir(db, ok, QStringLiteral("gravar"));
}

bool Historico::concluir(QSqlDatabase& db, bool ok, const QString& oque)
{
    if (!ok) {
        // The reason is the statement's, not the rollback's.
        const QString motivo = erro;
        db.rollback();
        erro = motivo;
        return false;
    }
    return db.commit() || falhou(oque, db.lastError().text());
}

bool Historico::Renomear(const QString& antigo, const QString& novo)
{
    if (antigo == novo)
        return true;
    return emTransacao(QStringLiteral("UPDATE licoes SET usuario = ? WHERE usuario = ?"),
                       QStringLiteral("UPDATE teclas SET usuario = ? WHERE usuario = ?"), {novo, antigo});
}

bool Historico::Apagar(const QString& usuario)
{
    return emTransacao(QStringLiteral("DELETE FROM licoes WHERE usuario = ?"),
                       QStringLiteral("DELETE FROM teclas WHERE usuario = ?"), {usuario});
}

QString Historico::Csv(const QString& usuario)
{
    QString s = QStringLiteral("Data;Lição;Exercícios;TPM;Acertos;Erros;% Acertos;% Erros;Nota;Aprovado;Teclado;Tipo\r\n");
    for (const LicaoGravada& l : Licoes(usuario)) {
        s += QStringLiteral("%1;%2;%3;%4;%5;%6;%7;%8;%9;%10;%11;%12\r\n")
                 .arg(l.momento.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")))
                 .arg(l.licao)
                 .arg(l.exercicios)
                 .arg(l.tpm)
                 .arg(l.acertos)
                 .arg(l.erros)
                 .arg(l.porcAcertos)
                 .arg(l.porcErros)
                 .arg(l.nota)
                 .arg(l.aprovado ? QStringLiteral("sim") : QStringLiteral("não"))
                 .arg(QString::fromLatin1(Layout::Nome(l.teclado)))
                 .arg(NomeDoTreino(TipoTreino(l.tipo)));
    }
    return s;
}
