#pragma once

#include "cellules.h"

#include <vector>

// Where a new piece enters the well, as the rules put it.
constexpr int colonneEntree = 4;
constexpr int ligneEntree = 16;

// Where the seven shapes enter and what they reach from there, built once from the piece itself,
// without a game, so that the game's generator is not touched.
struct Entrees {
    // The cells the seven shapes cover where they enter, one word a row: a settled cell there ends
    // the game at the next piece.
    Lignes cases{};
    // Every place a shape reaches from where it enters when nothing is in its way: turned on the
    // spot, then slid to either wall, as the piece's own rules turn and move it.
    std::vector<Cellules> formes[7];
};

const Entrees &entrees();
