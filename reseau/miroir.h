#pragma once

#include "match.h"
#include "message.h"

// A match's state as the host sends it, and a mirror made of it on the joining machine.

ClichePartie clicher(const partie &jeu);
// The game as the picture describes it: its well, its piece (the piece's mask made anew from its
// shape, turn and anchor), its counts.
void restaurer(partie &jeu, const ClichePartie &cliche);

// The whole state of the match: the sitting and both wells, no facts, nothing confirmed.
EtatMatch etatDe(const Match &match);

// The mirror takes the host's state: both wells as given, the sitting as the state says.
void adopter(Match &miroir, const EtatMatch &etat, const ClichePartie (&puits)[2]);
