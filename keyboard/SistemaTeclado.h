#pragma once
// Proposing a keyboard layout (0 ABNT2, 1 BR, 2 Portuguese) from the system
// keyboard, for the first start when no layout has been chosen yet.
#include <QString>
#include <QtGlobal>

// From a Windows keyboard layout handle taken as a signed 32-bit number:
// its remainder by 10000 (with the sign of the handle) is 1590 for the
// Portuguese keyboard and 9734 for a US keyboard under Brazilian Portuguese.
int TecladoDoHandle(qint32 handle);

// From the XKB rules names: `layouts` and `variants` are the comma-separated
// lists ("br,us", "abnt2,"), `grupoAtivo` picks the entry in use (the first
// when out of range) and `localeName` is the system locale ("pt_BR"). The
// keyboard of Portugal gives 2; a US-arrangement keyboard 1: "us" under
// Brazilian Portuguese, and the Nativo layouts for US keyboards
// (br(nativo-us), pt(nativo-us)) under any locale; everything else (the
// Brazilian ABNT2 one and its other variants included) 0.
int PropostaXkb(const QString& layouts, const QString& variants, int grupoAtivo,
                const QString& localeName);
