#pragma once

#include "action.h"
#include "repetition.h"

#include <optional>
#include <string>

// Which key does what for each well's player (0 the left, 1 the right): four keys each, as GLUT
// tells them apart, with the names the help shows. A key bound elsewhere repeats, follows Caps
// Lock and stops with the focus as the default keys do, and a letter no longer bound does nothing.
struct ToucheJoueur {
    std::optional<Touche> touche; // none: that action has no key
    std::string nom;
};

// The game's own keys, in the order of the actions (move left, move right, turn, down): a, d, w,
// s on the left and the arrows on the right.
struct ToucheParDefaut {
    const char *nom;
    Touche touche;
};
extern const ToucheParDefaut touchesParDefaut[2][4];

struct Commande {
    int puits;
    Action action;
};

class Liaisons {
public:
    // The game's own keys.
    Liaisons();

    void lier(int puits, Action action, ToucheJoueur touche);
    const ToucheJoueur &touche(int puits, Action action) const;
    // What the key does for which player, if it is one of theirs.
    std::optional<Commande> commandeDe(Touche touche) const;

private:
    ToucheJoueur table_[2][4];
};
