#pragma once

#include "camera.h"
#include "image.h"
#include "surface.h"

#include <optional>
#include <string>
#include <vector>

namespace scene {

struct Cell {
    int column = 0;
    int row = 0;
};

enum class Well { left, right };

// The occupied cells of one well, each drawn as a cube with its shadow.
struct WellContents {
    Well well = Well::left;
    std::vector<Cell> cells;
};

// How the cubes and the floor look: wood and metal, or white where a picture is missing.
struct Looks {
    Surface cubes = Surface::wood;
    Surface floor = Surface::metal;
};

// One point of the window and what it should show.
struct Expectation {
    ScreenPoint point;
    Surface surface = Surface::metal;
    std::string what;
};

// Points where the picture of one well is known, from a small model of how the game draws it:
// the floor first, then every shadow (the cell's top square on the floor, one column right and
// one row down), then every cube, later ones covering earlier ones. The points are the middle of
// every cube's top face and the middle of the floor under every cell of the well and around it;
// points within a few pixels of an edge between two surfaces, and points in the strip above the
// wells where the scores stand over the scene, are left out.
std::vector<Expectation> expectations(const WellContents &contents, Looks looks, int width,
                                      int height, Sway sway = {});

struct Mismatch {
    Expectation expected;
    std::optional<Surface> seen;
};

std::vector<Mismatch> compare(const harness::Image &image,
                              const std::vector<Expectation> &expected);
std::string describe(const std::vector<Mismatch> &mismatches);

} // namespace scene
