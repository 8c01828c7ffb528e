#pragma once

#include "grille.h"
#include "partie.h"

#include <array>
#include <cstdint>

// A well as the computer sees it: one word a row, column c in bit c, settled cells only.
using Lignes = std::array<std::uint16_t, nbLignes>;

// The cells of a piece where it would come to rest: at most four (column, row).
struct Cellules {
    int nombre = 0;
    int colonne[4] = {};
    int ligne[4] = {};
};

// The settled cells of a player's well.
Lignes lignesPosees(const partie &jeu);
// The cells a piece covers where it stands, from its mask.
Cellules cellulesPiece(const bloc &piece);
