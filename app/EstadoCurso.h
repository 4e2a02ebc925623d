#pragma once
// The course state: the program-wide variables through which the windows
// and routines talk to each other. One instance for the whole run.
#include <QString>
#include <QtGlobal>

struct ResolucaoTela {
    qint16 largura = 0;
    qint16 altura = 0;
    qint16 bits = 0;
    qint16 frequencia = 0;
    bool vazia() const { return largura == 0 && altura == 0 && bits == 0 && frequencia == 0; }
    bool operator==(const ResolucaoTela&) const = default;
};

struct EstadoCurso {
    // Identity and position in the course.
    QString NomeUsuario;
    QString SenhaUsuario;
    bool SenhaOk = false;
    qint16 LicaoAtual = 0;
    qint16 LicaoMaxima = 0;
    qint16 ExercicioMaximo = 0;
    qint16 TipoExercicio = 0;
    qint16 GrupoLetras = 0;

    // Counters of the current practice run.
    qint16 TeclasDigitadas = 0;
    qint16 Acertos = 0;
    qint16 Erros = 0;
    qint16 Pontos = 0;
    qint16 Segundos = 0;
    qint16 Velocidade = 0;
    qint16 ContadorExtra = 0;

    // Display and keyboard.
    bool SomLigado = false;
    qint16 TipoTeclado = 0;
    qint16 TecladoSistema = 0;
    qint16 ModoTela = 0;

    // Display-mode bookkeeping (recorded at start-up, put back at exit).
    ResolucaoTela ResolucaoInicial;
};

// The single instance, owned by the application.
EstadoCurso& Estado();
// Puts every field back to its start value (zero, empty, False).
void ReiniciarEstado();

// Counter arithmetic of the course state: every number is a signed 16-bit
// integer, and a change that would leave that range keeps the value.
namespace Contador {
// Adds delta to v when the result fits in 16 bits; returns whether it did.
bool Mudar(qint16& v, int delta);
// Converts a whole number to 16 bits; false (v unchanged) when it does not fit.
bool Atribuir(qint16& v, qint64 valor);
}
