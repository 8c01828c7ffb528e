#pragma once

#include "liaisons.h"
#include "match.h"
#include "vue.h"

#include <optional>
#include <string>

// What the overlay shows besides the match: the keys as bound (`unJoueur`: both sets play this
// machine's well, over the network), a short notice, the address being typed to join a match
// over the network, and where a replay being watched stands ("Replay 1:23 / 4:56 · 2×").
struct Bandeaux {
    const Liaisons &liaisons;
    bool unJoueur = false;
    std::optional<std::string> avis;
    std::optional<std::string> saisie;
    std::optional<std::string> rejeu;
};

// What is drawn flat over the scene, after it and without its sway: each player's score, who
// plays the well and the garbage waiting above it, the verdict and tally once a match is over,
// the pause with the keys, a notice, and the address field.
void dessinerSurimpression(const Vue &vue, const Match &match, const Bandeaux &bandeaux);
