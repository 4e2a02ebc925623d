#include "app/platform/ServicosReais.h"

#include "app/platform/TecladoSistemaX11.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>
#include <QSoundEffect>
#include <QUrl>
#include <QWidget>
#include <QWindow>

// ---- sounds -------------------------------------------------------------

SomQt::SomQt() = default;

SomQt::~SomQt() { qDeleteAll(efeitos); }

void SomQt::Tocar(const QString& caminhoArquivo)
{
    // A new sound replaces the one playing.
    for (QSoundEffect* e : std::as_const(efeitos))
        if (e->isPlaying())
            e->stop();
    if (!QFileInfo::exists(caminhoArquivo)) {
        QApplication::beep();
        return;
    }
    QSoundEffect*& efeito = efeitos[caminhoArquivo];
    if (!efeito) {
        efeito = new QSoundEffect;
        efeito->setSource(QUrl::fromLocalFile(caminhoArquivo));
    }
    efeito->play();
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
    QMessageBox::Icon i = QMessageBox::NoIcon;
    switch (icone) {
    case IconeMensagem::Informacao: i = QMessageBox::Information; break;
    case IconeMensagem::Exclamacao: i = QMessageBox::Warning; break;
    case IconeMensagem::Critico: i = QMessageBox::Critical; break;
    case IconeMensagem::Nenhum: break;
    }
    QMessageBox caixa(i, titulo, texto, QMessageBox::Ok, dono);
    // In the program's look rather than the desktop's grey.
    caixa.setStyleSheet(QStringLiteral(
        "QMessageBox { background: rgb(238,244,252); }"
        "QMessageBox QLabel { color: rgb(0,58,128); font-size: 10pt; }"
        "QPushButton { color: rgb(0,97,187); font-weight: bold; min-width: 84px; padding: 5px 14px;"
        " border: 1px solid rgb(0,58,128); border-radius: 6px;"
        " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 white, stop:1 rgb(214,230,248)); }"
        "QPushButton:focus { border: 2px solid rgb(255,214,10); }"));
    caixa.exec();
}

void DialogosQt::Modal(QDialog* janela)
{
    if (janela)
        janela->exec();
}

// ---- documents ----------------------------------------------------------

bool DocumentosQt::Abrir(const QString& caminhoArquivo)
{
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
