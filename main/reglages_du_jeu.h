#pragma once

#include "liaisons.h"
#include "reglages.h"

// The player's settings file (reglages/) in the running game. Called once the window is up, as
// the keys' places are read from the X server.

// Reads the file, names its bad lines on standard error, and binds both players' keys (the left
// player's, unless bound, found by their place on the keyboard). Returns what was read, for what
// start-up merges with the command line.
Reglages chargerReglages();

// The keys as the settings file binds them, read without a word and without a display: the left
// player's unbound keys as a US keyboard places them. What --help lists.
Liaisons liaisonsSansEcran();

// From now on, what the player changes (who plays each well, the sound, full screen) is written
// into the file as soon as it changes. What stands now, whether the file's or the command line's
// for this run, counts as already written.
void suivreReglages();
// Called after each key: writes what changed since the last call.
void retenirChangements();
