#pragma once

#include "action.h"
#include "evaluation.h"
#include "partie.h"

#include <vector>

// One place the falling piece can reach from where it is: the turns and slides that take it
// there, played on the game's own rules, and the cells where it then comes to rest.
struct Placement {
    int rotation = 0;
    int colonne = 0;
    // The keys, in order: every turn first, then the slides.
    std::vector<Action> chemin;
    // Where the piece stands after each key of the path, to notice a key that did not act.
    std::vector<int> rotationsAttendues;
    std::vector<int> colonnesAttendues;
    Cellules pose;
    double note = 0;
};

// Every distinct resting place the falling piece can reach by turning where it is, then sliding,
// then falling straight down, best first by the well it leaves. Two paths to the same cells
// count once, by the shorter. Empty when the game is over.
std::vector<Placement> placementsAtteignables(const partie &jeu);
