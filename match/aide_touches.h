#pragma once

#include "liaisons.h"

#include <string>
#include <vector>

// The keys as the help tells them, on screen and in --help: a key (or a few) and what it does,
// in groups; the players' keys as they are bound.
struct LigneAide {
    std::string touche;
    std::string effet;
};

struct GroupeAide {
    std::string titre;
    std::vector<LigneAide> lignes;
};

// The left player's keys, the right player's, the keys both share, a gamepad's buttons, and a
// replay's keys, in the player's language. In a match over the network, `unJoueur`: both sets of
// keys play this machine's well.
std::vector<GroupeAide> aideTouches(const Liaisons &liaisons, bool unJoueur = false);

// A key's X name ("Left", "Escape", "q") as the player reads it on the keyboard, in their
// language.
std::string nomDeTouche(const std::string &nomX);
