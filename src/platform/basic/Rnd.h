#pragma once

namespace basic {

// Rnd: the next number of the classic 24-bit generator, in [0, 1). The
// program never seeds it, so every run draws the same sequence, starting
// 0.7055475..., 0.533424..., 0.5795186...
double Rnd();

// Puts the generator back where a fresh run starts (tests only).
void RestartRnd();

} // namespace basic
