#pragma once

#include <cstdint>

// Frames begin at least this far apart: 20 frames a second at most.
constexpr std::uint32_t intervalleImage = 50;

// Waits until intervalleImage milliseconds of GLUT time have passed since dernierTemps, then
// stamps the new frame's start in it. Sleeps rather than spins, so a waiting game costs nothing.
void attendreImage();
