#include "Treino.h"

#include "app/EstadoCurso.h"
#include "app/PastaAplicacao.h"
#include "course/ModFun.h"
#include "course/TextoExercicio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>

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
