#pragma once
// The two persisted settings: "SelTeclado" (keyboard layout, 0..2) and
// "SelTela" (screen mode, 0..1), stored as decimal text.
#include <QString>
#include <optional>

inline const QString ChaveTeclado = QStringLiteral("SelTeclado");
inline const QString ChaveTela = QStringLiteral("SelTela");

// The stored value as a 16-bit integer: nullopt when the key is missing,
// and also nullopt (with *invalido set) when the text is not a number.
std::optional<int> LerConfiguracaoNumero(const QString& chave, bool* invalido = nullptr);
// The settings the program starts with. The layout: the stored one, the
// system's proposal when none is stored, ABNT2 when what is stored is not
// one of the three (text, or a number out of 0..2), so the practice, the
// pictures, the options window and the history all name the same keyboard.
// The screen mode: the stored one, 0 when missing or not 0 or 1.
int TecladoAoIniciar(int tecladoSistema);
int TelaAoIniciar();
// Stores the value as decimal text; false when the settings store could not
// be written (or there is none).
bool GravarConfiguracaoNumero(const QString& chave, int valor);
// The options window's message when its choices could not be stored.
QString MensagemFalhaConfiguracoes();
