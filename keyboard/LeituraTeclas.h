#pragma once
// The keyboard guide in words, for a learner who cannot see it: what a
// screen reader says for the key to press next and the finger that presses
// it ("F, indicador esquerdo", "´ (acento agudo), mínimo direito",
// "A maiúscula, mínimo esquerdo, com Shift direito").
#include "keyboard/Digitacao.h"

#include <QString>

// A finger by its guide name: "S1".."S5" the left hand's thumb to little
// finger, "D1".."D5" the right hand's ("S2" is "indicador esquerdo");
// empty for anything else.
QString NomeDoDedo(const QString& dedo);

// What a keystroke is called aloud: a letter as it is engraved ("F"; "A
// maiúscula" where a capital is asked for), a digit as itself, the space
// bar and Enter by name, and a sign with its name, which a screen reader
// would otherwise skip or say in its own way (". (ponto)"). A dead key is
// named by the accent it puts on the layout in use ("´ (acento agudo)";
// "' (acento agudo)" on the BR keyboard).
QString NomeFalado(const Toque& t, int tipoTeclado);

// The keystroke, its finger, and the Shift or Alt Gr held with it: what the
// guide lights, in words. Empty for an invalid keystroke.
QString DescreverToque(const Toque& t, int tipoTeclado);

// Which keys of the three letter rows each finger presses, hand by hand,
// for the introduction ("Mão esquerda: mínimo Q, A, Z; ...").
QString DedosEmPalavras();
