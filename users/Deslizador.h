#pragma once
// The two sliders of the profile editor. The knob's Left (in twips) runs
// along the track from PosicaoMinimaDeslizador to PosicaoMaximaDeslizador;
// the green bar under it is LarguraBarra(Left) wide, and the value shown is
// a fixed linear function of that width rounded half to even:
//   speed     = w / 30 + 74          -> 79..251 keystrokes per minute
//   precision = w * 30 / 5285 + 70   -> 70, 72..100 % (71 shows as 70)

inline constexpr int PosicaoMinimaDeslizador = 405;
inline constexpr int PosicaoMaximaDeslizador = 5550;
// Where the "recommended" buttons put the knobs.
inline constexpr int PosicaoVelocidadeRecomendada = 1020;
inline constexpr int PosicaoPrecisaoRecomendada = 4635;
inline constexpr int VelocidadeRecomendada = 100;
inline constexpr int PrecisaoRecomendada = 95;

// Width of the green bar for a knob at Left = posicao.
int LarguraBarra(int posicao);

// Value shown by a knob at Left = posicao.
int VelocidadeDaPosicao(int posicao);
int PrecisaoDaPosicao(int posicao);

// The first Left on the track, from the left end in steps of one twip, whose
// value is v. A value the track cannot show puts the knob at the nearer end:
// above the largest value at the right end, anything else (below the
// smallest value, or a precision of 71) at the left end.
int PosicaoDaVelocidade(int v);
int PosicaoDaPrecisao(int v);
