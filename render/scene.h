#pragma once

#include "avis.h"
#include "copie_sol.h"
#include "liaisons.h"
#include "match.h"
#include "surimpression.h"
#include "vue.h"

// Camera sway: the tilt rocks between -30 and 30 degrees, the spin grows a degree a frame.
extern bool sensInclinaison; // false while the tilt rises
extern double angleInclinaison;
extern double angleRotation;

// One frame of the two global games on the floor and nothing over them, paced to one every 50 ms
// at most, the camera swaying while the key l has it on: the game's first picture, which the
// running game draws with more on top (dessinerImage).
void affichage();

// What one frame of the running game shows and draws with: the match (its two wells, and flat
// over them the scores, the verdict, the pause with the keys as bound), a notice, the address
// being typed to join a match, where a replay being watched stands, and the floor laid from its
// copy.
struct Image {
    const Vue &vue;
    Match &match;
    const Liaisons &liaisons;
    CopieSol &copieSol;
    Avis &avis;
    bool unJoueur = false;
    std::optional<std::string> saisie = std::nullopt;
    std::optional<std::string> rejeu = std::nullopt;
};

// The running game's frame: affichage's, from the match's games, with all that on top. A paused
// match holds the sway where it is.
void dessinerImage(const Image &image);
