#include "app/platform/ServicosReais.h"

#include "app/GravacaoSegura.h"
#include "app/platform/TecladoSistemaX11.h"
#include "ui/CaixaMensagem.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibrary>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QWidget>
#include <QWindow>

#include <utility>

// ---- modules ------------------------------------------------------------

QStringList CaminhosDoModulo(const QString& arquivo)
{
    const QString pasta = QCoreApplication::applicationDirPath();
    QStringList r{pasta + u'/' + arquivo};
    if (const QString relativo = QStringLiteral(TECLOMATIC_MODULOS_RELATIVO); !relativo.isEmpty())
        r << QDir::cleanPath(pasta + u'/' + relativo + u'/' + arquivo);
    if (const QString instalada = QStringLiteral(TECLOMATIC_MODULOS); !instalada.isEmpty())
        r << QDir::cleanPath(instalada + u'/' + arquivo);
    r.removeDuplicates();
    return r;
}

QFunctionPointer ResolverNoModulo(const QString& arquivo, const char* simbolo)
{
    for (const QString& caminho : CaminhosDoModulo(arquivo)) {
        if (!QFileInfo::exists(caminho))
            continue;
        // Never unloaded: the code it gives must outlive it.
        QLibrary modulo(caminho);
        if (const QFunctionPointer f = modulo.resolve(simbolo))
            return f;
        qWarning("Teclomatic: module %s: %s", qPrintable(caminho), qPrintable(modulo.errorString()));
    }
    return nullptr;
}

// ---- sounds -------------------------------------------------------------

SomQt::SomQt() = default;

SomQt::~SomQt() = default;

void SomQt::carregar()
{
    if (std::exchange(tentado, true))
        return;
    using Criar = ServicoSom* (*)();
    if (auto criar = reinterpret_cast<Criar>(ResolverNoModulo(QStringLiteral("teclomatic_som.so"), "teclomatic_criar_som")))
        real.reset(criar());
    else
        qWarning("Teclomatic: no sound module; the system beep stands in for the sounds");
}

void SomQt::Tocar(const QString& caminhoArquivo)
{
    carregar();
    if (!real || !QFileInfo::exists(caminhoArquivo)) {
        QApplication::beep();
        return;
    }
    real->Tocar(caminhoArquivo);
}

// ---- window drag --------------------------------------------------------

void ArrastarQt::MoverForm(QWidget* janela)
{
    if (!janela)
        return;
    if (QWindow* w = janela->window()->windowHandle())
        w->startSystemMove();
}

// ---- settings -----------------------------------------------------------

namespace {
QSettings& armazem()
{
    // Per-user store of application "Teclomatic"; on Linux ~/.config/Teclomatic.conf.
    // Only read through this object: nothing is set on it, so it never
    // writes.
    static QSettings s(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Teclomatic"));
    return s;
}
QString chaveCompleta(const QString& chave) { return QStringLiteral("Settings/") + chave; }
}

std::optional<QString> ConfiguracaoQt::Ler(const QString& chave)
{
    // A value set this run is read back even when the store could not keep it.
    if (const auto v = daSessao.constFind(chave); v != daSessao.cend())
        return *v;
    QSettings& s = armazem();
    s.sync();
    if (!s.contains(chaveCompleta(chave)))
        return std::nullopt;
    return s.value(chaveCompleta(chave)).toString();
}

bool ConfiguracaoQt::Gravar(const QString& chave, const QString& valor)
{
    daSessao[chave] = valor;
    // The store is written whole through GravarArquivo: QSettings' own save
    // would put an empty file in place of the old one on a full disk. The
    // text is the one Qt writes, made in a scratch file and read back before
    // it takes the store's place.
    QSettings& s = armazem();
    s.sync();
    QTemporaryDir rascunho;
    if (!rascunho.isValid())
        return false;
    const QString texto = rascunho.filePath(QStringLiteral("Teclomatic.conf"));
    {
        QSettings r(texto, QSettings::IniFormat);
        for (const QString& k : s.allKeys())
            r.setValue(k, s.value(k));
        for (auto v = daSessao.cbegin(); v != daSessao.cend(); ++v)
            r.setValue(chaveCompleta(v.key()), *v);
        r.sync();
        if (r.status() != QSettings::NoError)
            return false;
    }
    if (QSettings(texto, QSettings::IniFormat).value(chaveCompleta(chave)).toString() != valor)
        return false;
    QFile f(texto);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QString destino = s.fileName();
    return QDir().mkpath(QFileInfo(destino).absolutePath()) && GravarArquivo(destino, f.readAll());
}

// ---- message boxes and modal windows -------------------------------------

void DialogosQt::Mensagem(QWidget* dono, const QString& titulo, const QString& texto, IconeMensagem icone)
{
    CaixaMensagem caixa(dono, titulo, texto, icone);
    caixa.exec();
}

bool DialogosQt::Perguntar(QWidget* dono, const QString& titulo, const QString& texto, IconeMensagem icone)
{
    CaixaMensagem caixa(dono, titulo, texto, icone, CaixaMensagem::Botoes::SimNao);
    return caixa.exec() == QDialog::Accepted;
}

void DialogosQt::Modal(QDialog* janela)
{
    if (janela)
        janela->exec();
}

QString DialogosQt::AbrirArquivo(QWidget* dono, const QString& titulo, const QString& filtro)
{
    if (ultimaPasta.isEmpty())
        ultimaPasta = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString arquivo = QFileDialog::getOpenFileName(dono, titulo, ultimaPasta, filtro);
    if (!arquivo.isEmpty())
        ultimaPasta = QFileInfo(arquivo).absolutePath();
    return arquivo;
}

// ---- documents ----------------------------------------------------------

bool DocumentosQt::Abrir(const QString& caminhoArquivo)
{
    // Without a launcher (none in PATH on Linux) nothing can show it.
#if defined(Q_OS_LINUX)
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty())
        return false;
#endif
    return QDesktopServices::openUrl(QUrl::fromLocalFile(caminhoArquivo));
}

// ---- all of them ----------------------------------------------------------

struct ServicosReais::Dados {
    SomQt som;
    ArrastarQt arrastar;
    ConfiguracaoQt configuracao;
    DialogosQt dialogos;
    ModoVideoX11 modoVideo;
    TecladoSistemaX11 tecladoSistema;
    DocumentosQt documentos;
};

ServicosReais::ServicosReais()
    : d(std::make_unique<Dados>())
{
    Servicos& s = Plataforma();
    s.som = &d->som;
    s.arrastar = &d->arrastar;
    s.configuracao = &d->configuracao;
    s.dialogos = &d->dialogos;
    s.modoVideo = &d->modoVideo;
    s.tecladoSistema = &d->tecladoSistema;
    s.documentos = &d->documentos;
}

ServicosReais::~ServicosReais() { Plataforma() = Servicos{}; }
