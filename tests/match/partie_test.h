#pragma once

#include "clavier.h"
#include "deroulement.h"
#include "hasard.h"
#include "joueurs.h"
#include "match.h"

#include <algorithm>
#include <ctime>
#include <iterator>
#include <optional>
#include <vector>

// A player's game opened up, so a test can set the state the match works on and read it back.
struct partieTest : partie {
    using partie::fini;
    using partie::penalite;
    using partie::plateau;
    using partie::score;

    partieTest() = default;
    explicit partieTest(const partie &p) : partie(p) {}

    // Replaces the falling piece and writes it into the well, as a move would.
    void placerPiece(int type, int colonne, int ligne) {
        static_cast<bloc &>(*this) = bloc(type, colonne, ligne);
        actualiser();
    }
};

// Everything a callback can change in a game, to compare before and after.
struct etatPartie {
    partieTest p;

    explicit etatPartie(const partie &source) : p(source) {}

    bool operator==(const etatPartie &autre) const {
        const partieTest &q = autre.p;
        return std::equal(&p.plateau[0][0], &p.plateau[0][0] + nbColonnes * nbLignes,
                          &q.plateau[0][0]) &&
               p.fini == q.fini && p.score == q.score && p.penalite == q.penalite &&
               p.getX() == q.getX() && p.getY() == q.getY() && p.getType() == q.getType() &&
               p.getRotation() == q.getRotation();
    }
    bool operator!=(const etatPartie &autre) const { return !(*this == autre); }
};

inline std::time_t secondeFixe() {
    return 1000;
}

// A fresh game with a type 0 piece at (4, 10), well clear of anything.
inline partie partieNeuve() {
    partieTest neuve;
    neuve.placerPiece(0, 4, 10);
    return neuve;
}

// Both global games fresh, and the game's own keyboard state as at start-up. The pieces drawn
// later come from a fixed second.
inline void matchDeTest() {
    remplacerHorloge(secondeFixe);
    joueur1 = partieNeuve();
    joueur2 = partieNeuve();
    seuil1 = 0;
    seuil2 = 0;
    rotationActive = false;
    std::fill(std::begin(touches), std::end(touches), false);
}

// A match of its own over two fresh games (partieNeuve), the pieces drawn later from a fixed
// second.
struct MatchDeTest {
    Plateaux plateaux;
    Match match{plateaux};

    MatchDeTest() {
        remplacerHorloge(secondeFixe);
        plateaux.gauche = partieNeuve();
        plateaux.droite = partieNeuve();
    }
    ~MatchDeTest() { remplacerHorloge(nullptr); }
    MatchDeTest(const MatchDeTest &) = delete;
    MatchDeTest &operator=(const MatchDeTest &) = delete;
};

// Applies a change to a game through its opened-up copy.
template <typename Changement> void modifier(partie &joueur, Changement changement) {
    partieTest t(joueur);
    changement(t);
    joueur = t;
}
