#include "anticipation.h"

#include "bloc.h"
#include "cellules.h"

#include <vector>

namespace {

int colonneMin(const Cellules &c) {
    int m = nbColonnes;
    for (int i = 0; i < c.nombre; ++i) {
        m = std::min(m, c.colonne[i]);
    }
    return m;
}

int colonneMax(const Cellules &c) {
    int m = -1;
    for (int i = 0; i < c.nombre; ++i) {
        m = std::max(m, c.colonne[i]);
    }
    return m;
}

// Every place a shape reaches from where it enters when nothing is in its way: turned on the
// spot, then slid to either wall, as the piece's own rules turn and move it. Built once from the
// piece itself, without a game, so that the game's generator is not touched.
struct Entrees {
    std::vector<Cellules> formes[7];

    Entrees() {
        const grille vide = {};
        for (int type = 0; type < 7; ++type) {
            bloc piece(type, 4, 16);
            for (int tours = 0; tours < 4; ++tours) {
                if (tours > 0) {
                    piece.tourner(vide);
                }
                glisser(piece, type, -1);
                glisser(piece, type, +1);
            }
        }
    }

    void retenir(int type, const Cellules &c) {
        for (const Cellules &deja : formes[type]) {
            bool memes = true;
            for (int i = 0; i < c.nombre && memes; ++i) {
                memes = deja.colonne[i] == c.colonne[i] && deja.ligne[i] == c.ligne[i];
            }
            if (memes) {
                return;
            }
        }
        formes[type].push_back(c);
    }

    void glisser(bloc piece, int type, int sens) {
        retenir(type, cellulesPiece(piece));
        for (;;) {
            const Cellules avant = cellulesPiece(piece);
            if ((sens < 0 && colonneMin(avant) == 0) ||
                (sens > 0 && colonneMax(avant) == nbColonnes - 1)) {
                return;
            }
            piece.setX(piece.getX() + sens);
            piece.refresh();
            retenir(type, cellulesPiece(piece));
        }
    }
};

const Entrees &entrees() {
    static const Entrees e;
    return e;
}

} // namespace

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
            meilleure = std::max(meilleure, noterPose(puits, faireTomber(forme, puits), 0));
        }
    }
    return libreQuelquePart ? meilleure : -1e6;
}
