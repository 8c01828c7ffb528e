#include "entrees.h"

#include "bloc.h"

#include <algorithm>

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

void retenir(std::vector<Cellules> &formes, const Cellules &c) {
    for (const Cellules &deja : formes) {
        bool memes = true;
        for (int i = 0; i < c.nombre && memes; ++i) {
            memes = deja.colonne[i] == c.colonne[i] && deja.ligne[i] == c.ligne[i];
        }
        if (memes) {
            return;
        }
    }
    formes.push_back(c);
}

void glisser(std::vector<Cellules> &formes, bloc piece, int sens) {
    retenir(formes, cellulesPiece(piece));
    for (;;) {
        const Cellules avant = cellulesPiece(piece);
        if ((sens < 0 && colonneMin(avant) == 0) ||
            (sens > 0 && colonneMax(avant) == nbColonnes - 1)) {
            return;
        }
        piece.setX(piece.getX() + sens);
        piece.refresh();
        retenir(formes, cellulesPiece(piece));
    }
}

Entrees construire() {
    Entrees e;
    const grille vide = {};
    for (int type = 0; type < 7; ++type) {
        bloc piece(type, colonneEntree, ligneEntree);
        const Cellules entree = cellulesPiece(piece);
        for (int i = 0; i < entree.nombre; ++i) {
            e.cases[entree.ligne[i]] |= static_cast<std::uint16_t>(1u << entree.colonne[i]);
        }
        for (int tours = 0; tours < 4; ++tours) {
            if (tours > 0) {
                piece.tourner(vide);
            }
            glisser(e.formes[type], piece, -1);
            glisser(e.formes[type], piece, +1);
        }
    }
    return e;
}

} // namespace

const Entrees &entrees() {
    static const Entrees e = construire();
    return e;
}
