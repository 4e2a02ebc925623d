#pragma once
// Record of the display mode in force at start-up, put back at exit.

// Remembers the mode in force (width, height, colour depth, refresh rate).
void LerResolucao();
// Requests the recorded mode again; nothing when the record is all zeros.
void RestaurarResolucao();
