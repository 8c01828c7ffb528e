#pragma once

#include "liaisons.h"
#include "reglages.h"

// The player's settings file (reglages/) in the running game. Read once the window is up, as the
// keys' places are read from the X server; what changes in play the sitting asks written.

struct ReglagesLus {
    Reglages reglages;
    // Both players' keys: the file's, the left player's others found by their place on the
    // keyboard, the right player's the arrows.
    Liaisons liaisons;
};

// Reads the file and names its bad lines, and the keys bound twice, on standard error.
ReglagesLus chargerReglages();

// The keys as the settings file binds them, read without a word and without a display: the left
// player's unbound keys as a US keyboard places them. What --help lists.
Liaisons liaisonsSansEcran();
