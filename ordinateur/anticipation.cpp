#include "anticipation.h"

#include "entrees.h"

#include <algorithm>

double noterSuite(const Lignes &puits, int type) {
    // A shape that meets the well where it enters, or has a cube above it there, cannot come
    // down: the next piece goes elsewhere.
    int hauteurs[nbColonnes] = {};
    for (int r = 0; r < nbLignes; ++r) {
        for (unsigned bits = puits[r]; bits != 0; bits &= bits - 1) {
            hauteurs[__builtin_ctz(bits)] = r + 1;
        }
    }
    double meilleure = -1e18;
    bool libreQuelquePart = false;
    for (const Cellules &forme : entrees().formes[type % 7]) {
        bool libre = true;
        for (int i = 0; i < forme.nombre && libre; ++i) {
            libre = forme.ligne[i] >= hauteurs[forme.colonne[i]];
        }
        if (libre) {
            libreQuelquePart = true;
            meilleure = std::max(meilleure, noterPose(puits, faireTomber(forme, puits), 0).note);
        }
    }
    return libreQuelquePart ? meilleure : noteDebordement;
}
