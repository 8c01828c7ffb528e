#pragma once

#include "echeance.h"

#include <cstdint>

// GLUT elapsed time, in milliseconds, at which the last frame began.
extern std::uint32_t dernierTemps;

// Waits until intervalleImage milliseconds of GLUT time have passed since dernierTemps, then
// stamps the new frame's start in it. Sleeps rather than spins, so a waiting game costs nothing.
void attendreImage();
