#include "cellules.h"

Cellules cellulesPiece(const bloc &piece) {
    Cellules cellules;
    for (int c = 0; c < nbColonnes && cellules.nombre < 4; ++c) {
        for (int l = 0; l < nbLignes && cellules.nombre < 4; ++l) {
            if (piece.getJeu(c, l) != 0) {
                cellules.colonne[cellules.nombre] = c;
                cellules.ligne[cellules.nombre] = l;
                ++cellules.nombre;
            }
        }
    }
    return cellules;
}

Lignes lignesPosees(const partie &jeu) {
    Lignes lignes{};
    for (int l = 0; l < nbLignes; ++l) {
        for (int c = 0; c < nbColonnes; ++c) {
            if (jeu.getCase(c, l) == casePosee) {
                lignes[l] |= static_cast<std::uint16_t>(1u << c);
            }
        }
    }
    return lignes;
}
