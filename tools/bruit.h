#pragma once

#include <cstdint>

// Smooth value noise on a lattice that repeats every `periode` cells, so that a picture painted
// with it over a whole number of periods tiles without a seam. Values lie in [0, 1].
double bruit(double x, double y, int periodeX, int periodeY, std::uint32_t graine);

// Several octaves of it, each twice as fine and half as strong. Values lie in [0, 1].
double bruitFractal(double x, double y, int periodeX, int periodeY, int octaves,
                    std::uint32_t graine);
