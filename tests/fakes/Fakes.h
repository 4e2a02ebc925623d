#pragma once
// Test doubles of the platform services: they record every call and never
// block, so tests can assert sounds, messages and modal windows by value.
#include "app/Servicos.h"

#include <QDialog>
#include <QMap>
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <functional>
#include <memory>

struct FakeSom : ServicoSom {
    QStringList tocados; // full paths, in order
    void Tocar(const QString& caminho) override { tocados << caminho; }
    // The sound names (file names without ".wav") played so far.
    QStringList nomes() const;
};

struct FakeArrastar : ServicoArrastar {
    QList<QWidget*> janelas;
    void MoverForm(QWidget* janela) override { janelas << janela; }
};

struct FakeConfiguracao : ServicoConfiguracao {
    QMap<QString, QString> valores;
    bool somenteLeitura = false; // a store that cannot be written: nothing is kept
    std::optional<QString> Ler(const QString& chave) override;
    bool Gravar(const QString& chave, const QString& valor) override
    {
        if (somenteLeitura)
            return false;
        valores[chave] = valor;
        return true;
    }
};

struct MensagemRegistrada {
    QString titulo;
    QString texto;
    IconeMensagem icone;
};

struct FakeDialogos : ServicoDialogos {
    QList<MensagemRegistrada> mensagens;
    QList<MensagemRegistrada> perguntas;
    // The answers to the next questions, in order; with none left a question
    // gets its default, Não.
    QList<bool> respostasPerguntas;
    QStringList modais; // objectName of each window shown modally
    // Run, in order, on each window shown modally (while it is "open"); a
    // window with no handler left closes as if by the window manager.
    QList<std::function<void(QDialog*)>> respostas;
    void Mensagem(QWidget* dono, const QString& titulo, const QString& texto,
                  IconeMensagem icone) override;
    bool Perguntar(QWidget* dono, const QString& titulo, const QString& texto, IconeMensagem icone) override;
    void Modal(QDialog* janela) override;
    // The file the next file dialogs answer with (empty: given up), and
    // the title of each one asked.
    QString arquivoEscolhido;
    QStringList pedidosArquivo;
    QString AbrirArquivo(QWidget*, const QString& titulo, const QString&) override
    {
        pedidosArquivo << titulo;
        return arquivoEscolhido;
    }
    QStringList textos() const;
};

struct FakeModoVideo : ServicoModoVideo {
    ResolucaoTela atual;
    QList<ResolucaoTela> pedidos;
    ResolucaoTela Atual() override { return atual; }
    void Pedir(const ResolucaoTela& modo) override { pedidos << modo; }
};

struct FakeTecladoSistema : ServicoTecladoSistema {
    int proposta = 0;
    int Proposta() override { return proposta; }
};

struct FakeDocumentos : ServicoDocumentos {
    QStringList abertos;
    bool recusar = false; // a desktop with nothing to show it
    bool Abrir(const QString& caminho) override
    {
        abertos << caminho;
        return !recusar;
    }
};

// A fresh application folder in a temporary directory, the fakes installed
// as the platform services and the course state reset. One per test.
class AmbienteTeste {
public:
    AmbienteTeste();
    ~AmbienteTeste();
    QString pasta() const { return dir.path(); }
    QString caminho(const QString& relativo) const;
    // Copies the lesson modules built by the project into this folder.
    void copiarModulos();
    // Writes a file of the application folder byte for byte.
    void escrever(const QString& relativo, const QByteArray& bytes);
    QByteArray ler(const QString& relativo) const;

    FakeSom som;
    FakeArrastar arrastar;
    FakeConfiguracao configuracao;
    FakeDialogos dialogos;
    FakeModoVideo modoVideo;
    FakeTecladoSistema tecladoSistema;
    FakeDocumentos documentos;

private:
    QTemporaryDir dir;
};
