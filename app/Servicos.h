#pragma once
// Platform services. Each sits behind a small interface with a real
// implementation (app/platform/) and a test double (tests/fakes/), so the
// program's logic never blocks on a modal window or needs a sound card.
#include "app/EstadoCurso.h"

#include <QString>
#include <optional>

class QWidget;
class QDialog;

enum class IconeMensagem { Nenhum, Informacao, Exclamacao, Critico };

class ServicoSom {
public:
    virtual ~ServicoSom() = default;
    // Plays a wave file fire-and-forget; a new sound replaces the one playing.
    // A missing or unplayable file gives the platform's default beep at most.
    virtual void Tocar(const QString& caminhoArquivo) = 0;
};

class ServicoArrastar {
public:
    virtual ~ServicoArrastar() = default;
    // Starts moving the window with the mouse until the button is released.
    virtual void MoverForm(QWidget* janela) = 0;
};

class ServicoConfiguracao {
public:
    virtual ~ServicoConfiguracao() = default;
    // Per-user settings of application "Teclomatic", section "Settings".
    virtual std::optional<QString> Ler(const QString& chave) = 0;
    // Stores the value; false when the store could not be written (the value
    // then lasts only until the program ends).
    virtual bool Gravar(const QString& chave, const QString& valor) = 0;
};

class ServicoDialogos {
public:
    virtual ~ServicoDialogos() = default;
    // A modal message box with an OK button.
    virtual void Mensagem(QWidget* dono, const QString& titulo, const QString& texto,
                          IconeMensagem icone) = 0;
    // A modal question with the buttons Sim and Não; Não is the default
    // (Enter and Esc answer it). True for Sim.
    virtual bool Perguntar(QWidget* dono, const QString& titulo, const QString& texto, IconeMensagem icone) = 0;
    // Shows a window modally and returns when it has closed.
    virtual void Modal(QDialog* janela) = 0;
    // Asks for an existing file to open (filtro as QFileDialog reads it:
    // "Textos (*.txt);;Todos os arquivos (*)"); its path, or an empty
    // string when the learner gave up.
    virtual QString AbrirArquivo(QWidget* dono, const QString& titulo, const QString& filtro) = 0;
};

class ServicoModoVideo {
public:
    virtual ~ServicoModoVideo() = default;
    // The display mode in force on the primary screen; all zeros when unknown.
    virtual ResolucaoTela Atual() = 0;
    // Requests a display mode; failures do nothing visible.
    virtual void Pedir(const ResolucaoTela& modo) = 0;
};

class ServicoTecladoSistema {
public:
    virtual ~ServicoTecladoSistema() = default;
    // The layout the system keyboard proposes: 0 ABNT2, 1 BR, 2 Portuguese.
    virtual int Proposta() = 0;
};

class ServicoDocumentos {
public:
    virtual ~ServicoDocumentos() = default;
    // Opens a document with the desktop's viewer (a web page in its
    // browser); returns at once. False when nothing could show it.
    virtual bool Abrir(const QString& caminhoArquivo) = 0;
};

struct Servicos {
    ServicoSom* som = nullptr;
    ServicoArrastar* arrastar = nullptr;
    ServicoConfiguracao* configuracao = nullptr;
    ServicoDialogos* dialogos = nullptr;
    ServicoModoVideo* modoVideo = nullptr;
    ServicoTecladoSistema* tecladoSistema = nullptr;
    ServicoDocumentos* documentos = nullptr;
};

// The services in use, installed by main() or by a test.
Servicos& Plataforma();
