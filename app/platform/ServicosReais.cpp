#include "app/platform/ServicosReais.h"

#include "app/platform/TecladoSistemaX11.h"
#include "ui/CaixaMensagem.h"
#include "ui/FrmAjuda.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>
#include <QWindow>

// ---- sounds -------------------------------------------------------------

SomQt::SomQt() = default;

SomQt::~SomQt() = default;

QStringList SomQt::CaminhosModulo()
{
    const QString pasta = QCoreApplication::applicationDirPath();
    QStringList r{pasta + QStringLiteral("/teclomatic_som.so")};
    if (const QString relativo = QStringLiteral(TECLOMATIC_MODULOS_RELATIVO); !relativo.isEmpty())
        r << QDir::cleanPath(pasta + u'/' + relativo + QStringLiteral("/teclomatic_som.so"));
    if (const QString instalada = QStringLiteral(TECLOMATIC_MODULOS); !instalada.isEmpty())
        r << QDir::cleanPath(instalada + QStringLiteral("/teclomatic_som.so"));
    r.removeDuplicates();
    return r;
}

void SomQt::carregar()
{
    if (tentado)
        return;
    tentado = true;
    for (const QString& caminho : CaminhosModulo()) {
        if (!QFileInfo::exists(caminho))
            continue;
        // Never unloaded: the player's code must outlive it.
        QLibrary modulo(caminho);
        using Criar = ServicoSom* (*)();
        if (auto criar = reinterpret_cast<Criar>(modulo.resolve("teclomatic_criar_som"))) {
            real.reset(criar());
            return;
        }
        qWarning("Teclomatic: sound module %s: %s", qPrintable(caminho), qPrintable(modulo.errorString()));
    }
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
    static QSettings s(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Teclomatic"));
    return s;
}
QString chaveCompleta(const QString& chave) { return QStringLiteral("Settings/") + chave; }
}

std::optional<QString> ConfiguracaoQt::Ler(const QString& chave)
{
    QSettings& s = armazem();
    s.sync();
    if (!s.contains(chaveCompleta(chave)))
        return std::nullopt;
    return s.value(chaveCompleta(chave)).toString();
}

bool ConfiguracaoQt::Gravar(const QString& chave, const QString& valor)
{
    // A settings object of its own: QSettings keeps the first error it met
    // for good, and this reports on this write only. The objects share the
    // values in memory, so the value is read back this run even when the
    // store could not take it.
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Teclomatic"));
    s.setValue(chaveCompleta(chave), valor);
    s.sync();
    return s.status() == QSettings::NoError;
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

// ---- documents ----------------------------------------------------------

bool DocumentosQt::Abrir(const QString& caminhoArquivo)
{
    // Where the desktop has no launcher (none in PATH on Linux) or refuses
    // the document, a web page opens in the program's own window.
    bool semLancador = false;
#if defined(Q_OS_LINUX)
    semLancador = QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty();
#endif
    if (!semLancador && QDesktopServices::openUrl(QUrl::fromLocalFile(caminhoArquivo)))
        return true;
    const QString sufixo = QFileInfo(caminhoArquivo).suffix().toLower();
    if (sufixo != QLatin1String("html") && sufixo != QLatin1String("htm"))
        return false;
    return FrmAjuda::Mostrar(caminhoArquivo) != nullptr;
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
