#include "Fakes.h"

#include "app/PastaAplicacao.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QStringList FakeSom::nomes() const
{
    QStringList r;
    for (const QString& c : tocados)
        r << QFileInfo(c).completeBaseName();
    return r;
}

std::optional<QString> FakeConfiguracao::Ler(const QString& chave)
{
    if (!valores.contains(chave))
        return std::nullopt;
    return valores.value(chave);
}

void FakeDialogos::Mensagem(QWidget*, const QString& titulo, const QString& texto, IconeMensagem icone)
{
    mensagens << MensagemRegistrada{titulo, texto, icone};
}

bool FakeDialogos::Perguntar(QWidget*, const QString& titulo, const QString& texto, IconeMensagem icone)
{
    perguntas << MensagemRegistrada{titulo, texto, icone};
    return !respostasPerguntas.isEmpty() && respostasPerguntas.takeFirst();
}

void FakeDialogos::Modal(QDialog* janela)
{
    modais << janela->objectName();
    QPointer<QDialog> guarda(janela);
    if (!respostas.isEmpty()) {
        auto r = respostas.takeFirst();
        r(janela);
    }
    if (guarda && guarda->isVisible())
        guarda->reject();
}

QStringList FakeDialogos::textos() const
{
    QStringList r;
    for (const auto& m : mensagens)
        r << m.texto;
    return r;
}

AmbienteTeste::AmbienteTeste()
{
    // A portable application folder: the lessons' folder beside the program.
    QDir(dir.path()).mkpath(QStringLiteral("Modulos"));
    DefinirPastaAplicacao(dir.path());
    ReiniciarEstado();
    Servicos& s = Plataforma();
    s.som = &som;
    s.arrastar = &arrastar;
    s.configuracao = &configuracao;
    s.dialogos = &dialogos;
    s.modoVideo = &modoVideo;
    s.tecladoSistema = &tecladoSistema;
    s.documentos = &documentos;
}

AmbienteTeste::~AmbienteTeste()
{
    Plataforma() = Servicos{};
    DefinirPastaAplicacao(QString());
}

QString AmbienteTeste::caminho(const QString& relativo) const
{
    return dir.filePath(relativo);
}

void AmbienteTeste::copiarModulos()
{
    QDir origem(QStringLiteral(TECLOMATIC_APP_DIR "/Modulos"));
    QDir().mkpath(caminho(QStringLiteral("Modulos")));
    for (const QString& f : origem.entryList(QDir::Files))
        QFile::copy(origem.filePath(f), caminho(QStringLiteral("Modulos/") + f));
}

void AmbienteTeste::escrever(const QString& relativo, const QByteArray& bytes)
{
    const QString c = caminho(relativo);
    QDir().mkpath(QFileInfo(c).path());
    QFile f(c);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

QByteArray AmbienteTeste::ler(const QString& relativo) const
{
    QFile f(caminho(relativo));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}
