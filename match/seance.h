#pragma once

#include "repetition.h"

// The sitting around the matches: a pause, the tally of matches won since the game started, and
// the next match. It adds to the players' keys without changing what those keys do.

enum class Verdict {
    enCours,
    gagneGauche, // joueur2's well overflowed
    gagneDroite, // joueur1's well overflowed
    nul,         // both overflowed: nobody scores the match
};

// While paused, the one-second steps and the players' keys do nothing and the sway stands still.
extern bool enPause;
// Matches won in this sitting by the left and the right player.
extern int victoires1;
extern int victoires2;

Verdict verdict();

// The timer's step: the match's one-second step unless paused.
void seconde();

// A key event as GLUT reports it: first the keys of the sitting (m the sound's, reported only; p
// and Escape pause, Return and Space start the next match once this one is over, F2 at any time,
// F3 and F4 change who plays the left and the right well), then the players' keys, unless the
// computer plays their well. Each reports what it changed (faits.h).
void appuyerTouche(unsigned char touche);
void appuyerToucheSpeciale(int touche, Instant maintenant = 0);

// Counts a finished match in the tally, once; called after anything that may end a match.
void compterIssue();

// Both wells emptied, scores, thresholds and waiting garbage back to 0, new first pieces drawn as
// at start-up. The tally and the sway are kept; the new match is not paused.
void nouveauMatch();
void basculerPause();
// The window was hidden: pause, never resume.
void mettreEnPause();
