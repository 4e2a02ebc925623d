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
// A list index for the options window: missing, non-numeric or outside
// 0..(itens-1) gives 0.
int LerIndiceOpcao(const QString& chave, int itens);
// Stores the value as decimal text; false when the settings store could not
// be written (or there is none).
bool GravarConfiguracaoNumero(const QString& chave, int valor);
// The options window's message when its choices could not be stored.
QString MensagemFalhaConfiguracoes();
