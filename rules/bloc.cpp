#include "bloc.h"

#include "hasard.h"

#include <climits>

namespace {

constexpr int sansTest = INT_MIN;

// One orientation of a shape: its four cells as offsets from the anchor, the columns the anchor
// may take (ends included) and the lowest row it may take. Shapes with fewer cells repeat one.
struct orientation {
    int cellules[4][2];
    int colonneMin;
    int colonneMax;
    int ligneMin;
};

constexpr float cubeUnite[8][3] = {{0, 0, 0},  {1, 0, 0},  {1, 1, 0},  {0, 1, 0},
                                   {1, 0, -1}, {1, 1, -1}, {0, 1, -1}, {0, 0, -1}};

constexpr orientation forme0[4] = {
    {{{0, -1}, {1, -1}, {2, -1}, {1, 0}}, 0, 7, 1},
    {{{1, -2}, {1, -1}, {1, 0}, {2, -1}}, -1, 7, 2},
    {{{0, -1}, {1, -1}, {2, -1}, {1, -2}}, 0, 7, 2},
    {{{1, -2}, {1, -1}, {1, 0}, {0, -1}}, 0, 8, 2},
};
constexpr orientation forme1[2] = {
    {{{0, -2}, {0, -1}, {0, 0}, {0, 1}}, 0, 9, 2},
    {{{-1, -1}, {0, -1}, {1, -1}, {2, -1}}, 1, 7, 1},
};
constexpr orientation forme2[4] = {
    {{{0, -1}, {0, 0}, {0, 1}, {1, -1}}, 0, 8, 1},
    {{{-1, -1}, {-1, 0}, {0, 0}, {1, 0}}, 1, 8, 1},
    {{{0, 1}, {1, -1}, {1, 0}, {1, 1}}, 0, 8, 1},
    {{{-1, 0}, {0, 0}, {1, 0}, {1, 1}}, 1, 8, sansTest},
};
constexpr orientation forme3[4] = {
    {{{0, -1}, {1, -1}, {1, 0}, {1, 1}}, 0, 8, 1},
    {{{-1, -1}, {-1, 0}, {0, -1}, {1, -1}}, 1, 8, 1},
    {{{0, -1}, {0, 0}, {0, 1}, {1, 1}}, 0, 8, 1},
    {{{-1, 0}, {0, 0}, {1, -1}, {1, 0}}, 1, 8, 1},
};
constexpr orientation forme4 = {{{0, 0}, {0, 1}, {1, 0}, {1, 1}}, sansTest, sansTest, sansTest};
constexpr orientation forme5[2] = {
    {{{0, 0}, {1, 0}, {1, 1}, {2, 1}}, 0, 7, sansTest},
    {{{0, 0}, {0, 1}, {1, -1}, {1, 0}}, 0, 8, 1},
};
constexpr orientation forme6[2] = {
    {{{0, 1}, {1, 0}, {1, 1}, {2, 0}}, 0, 7, sansTest},
    {{{0, -1}, {0, 0}, {1, 0}, {1, 1}}, 0, 8, 1},
};
constexpr orientation forme7 = {{{0, 0}, {0, 0}, {0, 0}, {0, 0}}, sansTest, sansTest, sansTest};

bool rotationConnue(int rotation) {
    return rotation >= 0 && rotation <= 3;
}

// Tests the anchor first, so a refused placement leaves the mask untouched. Cells that would
// fall outside the grid (only possible once the anchor has left the well of a finished game)
// are dropped rather than written out of bounds.
bool ecrire(grille &jeu, int x, int y, const orientation &o) {
    if (o.colonneMin != sansTest && (x < o.colonneMin || x > o.colonneMax)) {
        return false;
    }
    if (o.ligneMin != sansTest && y < o.ligneMin) {
        return false;
    }
    for (const auto &cellule : o.cellules) {
        const int colonne = x + cellule[0];
        const int ligne = y + cellule[1];
        if (dansGrille(colonne, ligne)) {
            jeu[colonne][ligne] = 1;
        }
    }
    return true;
}

} // namespace

bloc::bloc() {
    semerHasard(static_cast<std::uint32_t>(secondeActuelle()));
    type = tirerHasard() % 7;
    x = 4;
    y = 16;
    init();
}

bloc::bloc(int type, int x, int y) : x(x), y(y), type(type) {
    init();
}

void bloc::init() {
    vider();
    rotation = 0;
    for (int i = 0; i < 8; ++i) {
        for (int k = 0; k < 3; ++k) {
            sommets[i][k] = cubeUnite[i][k];
        }
    }
    placer();
}

void bloc::vider() {
    remplirGrille(jeu, 0);
}

bool bloc::placer() {
    switch (type) {
    case 0:
        return angleBloc0();
    case 1:
        return angleBloc1();
    case 2:
        return angleBloc2();
    case 3:
        return angleBloc3();
    case 4:
        return ecrire(jeu, x, y, forme4);
    case 5:
        return angleBloc5();
    case 6:
        return angleBloc6();
    case 7:
        return ecrire(jeu, x, y, forme7);
    default:
        return true;
    }
}

bool bloc::angleBloc0() {
    return !rotationConnue(rotation) || ecrire(jeu, x, y, forme0[rotation]);
}

// Types 1, 5 and 6 look the same after a half turn.
bool bloc::angleBloc1() {
    return !rotationConnue(rotation) || ecrire(jeu, x, y, forme1[rotation % 2]);
}

bool bloc::angleBloc2() {
    return !rotationConnue(rotation) || ecrire(jeu, x, y, forme2[rotation]);
}

bool bloc::angleBloc3() {
    return !rotationConnue(rotation) || ecrire(jeu, x, y, forme3[rotation]);
}

bool bloc::angleBloc5() {
    return !rotationConnue(rotation) || ecrire(jeu, x, y, forme5[rotation % 2]);
}

bool bloc::angleBloc6() {
    return !rotationConnue(rotation) || ecrire(jeu, x, y, forme6[rotation % 2]);
}

bool bloc::refresh() {
    vider();
    if (placer()) {
        return true;
    }
    // The mask is not cleared again: a refused placement wrote nothing.
    rotation = rotation == 0 ? 3 : rotation - 1;
    return placer();
}

void bloc::tourner(const grille &puits) {
    rotation = rotation == 3 ? 0 : rotation + 1;
    refresh();
    // The walk carries on from where it stands with the turned-back mask; falling cells (2) of
    // the well never block a turn.
    for (int colonne = 0; colonne < nbColonnes; ++colonne) {
        for (int ligne = 0; ligne < nbLignes; ++ligne) {
            if (jeu[colonne][ligne] == 1 && puits[colonne][ligne] == casePosee) {
                rotation = rotation == 0 ? 3 : rotation - 1;
                refresh();
            }
        }
    }
}

void bloc::descendre() {
    y = y - 1;
    refresh();
}

int bloc::getJeu(int colonne, int ligne) const {
    return dansGrille(colonne, ligne) ? jeu[colonne][ligne] : 0;
}
