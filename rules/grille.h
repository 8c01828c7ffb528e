#pragma once

#include <cstdint>

constexpr int nbColonnes = 10;
constexpr int nbLignes = 18;

// A well-sized grid addressed [column][row], column 0 on the left, row 0 at the bottom. Stored
// column by column, so cell (c, r) sits at index c * 18 + r. It holds a piece's mask (0 or 1) as
// well as a player's well.
using grille = std::int32_t[nbColonnes][nbLignes];

// Cell codes of a player's well.
constexpr std::int32_t caseVide = 0;
constexpr std::int32_t casePosee = 1;
constexpr std::int32_t caseTombante = 2;

inline void remplirGrille(grille &g, std::int32_t valeur) {
    for (auto &colonne : g) {
        for (auto &cellule : colonne) {
            cellule = valeur;
        }
    }
}

inline void copierGrille(grille &destination, const grille &source) {
    for (int colonne = 0; colonne < nbColonnes; ++colonne) {
        for (int ligne = 0; ligne < nbLignes; ++ligne) {
            destination[colonne][ligne] = source[colonne][ligne];
        }
    }
}

inline bool dansGrille(int colonne, int ligne) {
    return colonne >= 0 && colonne < nbColonnes && ligne >= 0 && ligne < nbLignes;
}
