#pragma once

#include "action.h"
#include "repetition.h"

#include <optional>
#include <string>

// Which key does what for each well's player (0 the left, 1 the right): four keys each, as GLUT
// tells them apart, with the names the help shows. Until main/ binds others, the design's: a, d,
// w, s on the left and the arrows on the right. The held-key repeat and the sitting both ask
// here, so a key bound elsewhere repeats, follows Caps Lock and stops with the focus as the
// design's keys do, and a letter no longer bound does nothing.
struct ToucheJoueur {
    Touche touche;
    std::string nom;
};

void lierTouche(int puits, Action action, ToucheJoueur touche);
const ToucheJoueur &toucheJoueur(int puits, Action action);

struct Commande {
    int puits;
    Action action;
};
// What the key does for which player, if it is one of theirs.
std::optional<Commande> commandeDe(Touche touche);
