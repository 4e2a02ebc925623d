#pragma once
// The real platform services, installed by main().
#include "app/Servicos.h"

#include <QHash>
#include <QString>
#include <memory>

// The program's modules (the sound player, the local socket) are looked for
// beside the executable, then in the installed tree's library folder.
QStringList CaminhosDoModulo(const QString& arquivo);
// The function simbolo of the first module found, loaded for good; null
// when there is none.
QFunctionPointer ResolverNoModulo(const QString& arquivo, const char* simbolo);

// Plays through the sound module (teclomatic_som), loaded on the first
// sound (the log-in's), so its libraries stay out of the start-up and out of
// the user screen's memory. Without the module the platform's beep stands in.
class SomQt : public ServicoSom {
public:
    SomQt();
    ~SomQt() override;
    void Tocar(const QString& caminhoArquivo) override;

private:
    void carregar();
    std::unique_ptr<ServicoSom> real;
    bool tentado = false;
};

class ArrastarQt : public ServicoArrastar {
public:
    void MoverForm(QWidget* janela) override;
};

class ConfiguracaoQt : public ServicoConfiguracao {
public:
    std::optional<QString> Ler(const QString& chave) override;
    // The store's file is replaced whole (GravarArquivo), so a full disk
    // leaves the previous settings as they were.
    bool Gravar(const QString& chave, const QString& valor) override;

private:
    QHash<QString, QString> daSessao; // the values set this run
};

class DialogosQt : public ServicoDialogos {
public:
    void Mensagem(QWidget* dono, const QString& titulo, const QString& texto,
                  IconeMensagem icone) override;
    bool Perguntar(QWidget* dono, const QString& titulo, const QString& texto, IconeMensagem icone) override;
    void Modal(QDialog* janela) override;
    // The toolkit's own file dialog (the desktop's where Qt has one),
    // starting in the Documents folder, then where the last file came from.
    QString AbrirArquivo(QWidget* dono, const QString& titulo, const QString& filtro) override;

private:
    QString ultimaPasta;
};

class ModoVideoX11 : public ServicoModoVideo {
public:
    ResolucaoTela Atual() override;
    void Pedir(const ResolucaoTela& modo) override;
};

// The desktop's viewer (for the manual, its browser): the help window's
// "Abrir no navegador".
class DocumentosQt : public ServicoDocumentos {
public:
    bool Abrir(const QString& caminhoArquivo) override;
};

// Owns one of each real service and installs them in Plataforma().
class ServicosReais {
public:
    ServicosReais();
    ~ServicosReais();

private:
    struct Dados;
    std::unique_ptr<Dados> d;
};
