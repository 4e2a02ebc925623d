#include "Treino.h"

#include "app/EstadoCurso.h"
#include "app/GravacaoSegura.h"
#include "app/PastaAplicacao.h"
#include "course/ModFun.h"
#include "course/TextoExercicio.h"
#include "results/Historico.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>

#include <cerrno>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

void SomGravado::Tocar(const QString& caminho) { nomes << QFileInfo(caminho).completeBaseName(); }

QString Perfil::linha() const
{
    QStringList campos{nome, QString::number(licao), QString::number(exercicio), QStringLiteral("100"),
                       QStringLiteral("95")};
    for (int v : {livre, teclas, segundos, erros, acertos, pontos, velocidade, 0, licaoMaxima, exercicioMaximo})
        campos << QString::number(v);
    campos << senha;
    return campos.join(u'<');
}

Treino::Treino(const QStringList& linhas)
{
    DefinirPastaAplicacao(dir.path());
    ReiniciarEstado();
    Estado().SomLigado = true;
    Plataforma() = Servicos{};
    Plataforma().som = &som;
    const QDir origem(QStringLiteral(TECLOMATIC_APP_DIR "/Modulos"));
    QDir(dir.path()).mkpath(QStringLiteral("Modulos"));
    for (const QString& f : origem.entryList({QStringLiteral("*.mod")}, QDir::Files))
        QFile::copy(origem.filePath(f), caminho(QStringLiteral("Modulos/") + f));
    if (!linhas.isEmpty()) {
        QStringEncoder enc("windows-1252");
        QFile f(caminho(QStringLiteral("usuario.dat")));
        if (f.open(QIODevice::WriteOnly))
            for (const QString& l : linhas)
                f.write(QByteArray(enc.encode(l)) + "\r\n");
    }
    usuarios = std::make_unique<CadastroUsuarios>();
    sessao = std::make_unique<SessaoPratica>(*usuarios);
    QObject::connect(sessao.get(), &SessaoPratica::licaoTerminada, [this] { ++licoesTerminadas; });
}

Treino::~Treino()
{
    sessao.reset();
    usuarios.reset();
    Plataforma() = Servicos{};
}

QString Treino::caminho(const QString& relativo) const { return dir.filePath(relativo); }

void Treino::escreverModulo(int licao, const QStringList& linhas, const QString& nome)
{
    QByteArray bytes;
    for (const QString& l : linhas) {
        int chave = ChaveModulo(licao);
        bytes += CifrarBytes(CodificarWindows1252(l), chave) + "\r\n";
    }
    QFile f(caminho(nome.isEmpty() ? QStringLiteral("Modulos/mod%1.mod").arg(licao) : nome));
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

void Treino::entrar(int linha)
{
    usuarios->Carregar();
    usuarios->SelecionarUsuario(linha);
    sessao->Retomar = true;
    usuarios->Entrar();
    if (Estado().LicaoAtual != 0)
        sessao->AbrirLicao(Estado().LicaoAtual);
    som.nomes.clear();
}

void Treino::tecla(int codigo, Modificadores m) { sessao->TeclaProx(codigo, m); }

void Treino::digitar(const QString& texto)
{
    for (const ToqueDeTeste& t : ToquesDoTexto(texto, Estado().TipoTeclado)) {
        tecla(t.codigo, t.m);
        while (sessao->TeclasBloqueadas)
            sessao->TrmRepoem_Timer();
    }
}

QStringList Treino::usuariosNoDisco() const
{
    QStringList linhas;
    LerArquivo(caminho(QStringLiteral("usuario.dat")), linhas, true);
    return linhas;
}

QStringList Treino::sons()
{
    const QStringList r = som.nomes;
    som.nomes.clear();
    return r;
}

QList<ToqueDeTeste> ToquesDoTexto(const QString& texto, int tipoTeclado)
{
    QList<ToqueDeTeste> r;
    for (const QChar c : texto) {
        const Sequencia s = SequenciaDe(c == QLatin1Char('#') ? QChar(u'\n') : c, tipoTeclado);
        if (s.vazia())
            r << ToqueDeTeste{0, {}};
        for (int i = 0; i < s.tamanho; ++i) {
            const Toque& t = s[i];
            r << ToqueDeTeste{CodigoDaPosicao(t.tecla, tipoTeclado),
                              {t.nivel == Nivel::Shift || t.maiuscula, t.nivel == Nivel::AltGr}};
        }
    }
    return r;
}

Contadores Contadores::Atuais()
{
    const EstadoCurso& e = Estado();
    return {e.TeclasDigitadas, e.Acertos, e.Erros, e.Pontos};
}

char* QTest::toString(const Contadores& c)
{
    return qstrdup(QStringLiteral("teclas %1, acertos %2, erros %3, pontos %4")
                       .arg(c.teclas).arg(c.acertos).arg(c.erros).arg(c.pontos).toUtf8().constData());
}

QStringList LinhasDaLicao(int n)
{
    QFile f(QStringLiteral(TECLOMATIC_SOURCE_DIR "/lessons/licao%1.txt").arg(n, 2, 10, QLatin1Char('0')));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

QString TextoEsperado(const QString& linha, int tipo)
{
    return tipo == 1 ? TextoTeclas(linha, 0) : TextoCorrido(linha, 0);
}

void HistoricoComLicoes(const QString& caminho, const QString& usuario, int quantas)
{
    Historico h(caminho);
    for (int i = 0; i < quantas; ++i) {
        LicaoGravada l;
        l.usuario = usuario;
        l.momento = QDateTime(QDate(2024, 3, 1).addDays(i), QTime(10, 0));
        l.licao = 1 + i % 52;
        l.tpm = 100 + i % 50;
        l.nota = 5 + i % 5;
        h.GravarLicao(l);
    }
    // Closing the last connection moves the journal into the file.
}

namespace {
quint64 Varint(const QByteArray& b, qsizetype& i)
{
    quint64 v = 0;
    for (int k = 0; k < 9 && i < b.size(); ++k) {
        const auto c = quint8(b.at(i++));
        if (k == 8)
            return (v << 8) | c;
        v = (v << 7) | (c & 0x7f);
        if (c < 0x80)
            break;
    }
    return v;
}
}

void Danificar(const QString& caminho, DanoHistorico dano)
{
    QFile f(caminho);
    if (!f.open(QIODevice::ReadWrite))
        return;
    QByteArray b = f.readAll();
    constexpr int Pagina = 4096;
    switch (dano) {
    case DanoHistorico::NaoEhBanco:
        b.replace(0, Pagina, QByteArray(Pagina, 'x'));
        break;
    case DanoHistorico::Paginas:
        for (qsizetype i = 2 * Pagina; i < b.size(); ++i)
            b[i] = char(0xA5 ^ (i * 31));
        break;
    case DanoHistorico::ForaDoIndice: {
        // The last lesson's id, found in a leaf page of the table, goes one
        // up: the index still points at the old id.
        for (qsizetype p = Pagina; p < b.size(); p += Pagina) {
            if (quint8(b.at(p)) != 0x0d)
                continue;
            const int celulas = (quint8(b.at(p + 3)) << 8) | quint8(b.at(p + 4));
            for (int c = 0; c < celulas; ++c) {
                qsizetype i = p + ((quint8(b.at(p + 8 + 2 * c)) << 8) | quint8(b.at(p + 9 + 2 * c)));
                Varint(b, i); // payload size
                const qsizetype id = i;
                const quint64 valor = Varint(b, i);
                if (valor == 400 && i - id == 2) { // 0x83 0x10
                    b[id + 1] = char(b.at(id + 1) + 1);
                    f.seek(0);
                    f.write(b);
                    return;
                }
            }
        }
        return;
    }
    }
    f.seek(0);
    f.write(b);
}

namespace {
qint64 falharDepois = 0;
int arquivoQueFalha = 1;
int arquivosEscritos = 0; // every file written reserves its space first

int ReservaCheia(int fd, off_t inicio, off_t n)
{
    return ++arquivosEscritos < arquivoQueFalha ? ::posix_fallocate(fd, inicio, n) : ENOSPC;
}
int ReservaNaoSuportada(int, off_t, off_t)
{
    ++arquivosEscritos;
    return EOPNOTSUPP;
}
ssize_t EscritaCheia(int fd, const void* dados, size_t n, off_t pos)
{
    if (arquivosEscritos < arquivoQueFalha || pos + qint64(n) <= falharDepois)
        return ::pwrite(fd, dados, n, pos);
    if (pos < falharDepois)
        return ::pwrite(fd, dados, size_t(falharDepois - pos), pos); // a short write first
    errno = ENOSPC;
    return -1;
}
int SincroniaFalha(int fd)
{
    if (++arquivosEscritos < arquivoQueFalha)
        return ::fsync(fd);
    errno = EIO;
    return -1;
}
}

DiscoComFalha::DiscoComFalha(Falha falha, qint64 depois, int aPartirDoArquivo)
{
    falharDepois = depois;
    arquivoQueFalha = aPartirDoArquivo;
    arquivosEscritos = 0;
    OperacoesDisco& d = Disco();
    switch (falha) {
    case Falha::Reserva:
        d.reservar = ReservaCheia;
        break;
    case Falha::Escrita:
        d.reservar = ReservaNaoSuportada;
        d.escrever = EscritaCheia;
        break;
    case Falha::Sincronia:
        d.sincronizar = SincroniaFalha;
        break;
    }
}

DiscoComFalha::~DiscoComFalha() { Disco() = DiscoDoSistema(); }

DiscoPequeno::DiscoPequeno(const QString& p)
    : pasta(p)
{
    QDir().mkpath(pasta);
    montado = ::geteuid() == 0
        && ::mount("tmpfs", QFile::encodeName(pasta).constData(), "tmpfs", 0, "size=256k") == 0;
}

DiscoPequeno::~DiscoPequeno()
{
    if (montado)
        ::umount2(QFile::encodeName(pasta).constData(), MNT_DETACH);
}

void DiscoPequeno::Encher(int paginasLivres)
{
    QFile f(QDir(pasta).filePath(QStringLiteral("enchimento")));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    const QByteArray bloco(4096, 'x');
    qint64 escrito = 0;
    while (f.write(bloco) == bloco.size())
        escrito += bloco.size();
    f.resize(qMax<qint64>(0, escrito - 4096 * paginasLivres));
}
