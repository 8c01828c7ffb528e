#pragma once

#include <cstdint>
#include <ctime>

// The game's own random generator: a 32-bit state stepped by x * 214013 + 2531011, each draw
// giving bits 16 to 30 of the new state. Every piece and every garbage row draws from it, so a
// seed and the moves replay a game exactly.
void semerHasard(std::uint32_t graine);
int tirerHasard(); // 0 to 32767
// The generator's state, as semerHasard sets it: what a replay starts from.
std::uint32_t etatHasard();

// The calendar clock in whole seconds, which seeds every new piece. Tests replace it to play
// games whose pieces do not depend on the wall clock; nullptr puts time() back.
using horlogeSecondes = std::time_t (*)();
void remplacerHorloge(horlogeSecondes horloge);
// The clock in place now, to put it back after replacing it.
horlogeSecondes horlogeEnPlace();
std::time_t secondeActuelle();
