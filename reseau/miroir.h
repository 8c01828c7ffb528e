#pragma once

#include "match.h"
#include "protocole.h"

// A match's state as the host sends it, and a mirror made of it on the joining machine.

ClichePartie clicher(const partie &jeu);
// The game as the picture describes it: its well, its piece (the piece's mask made anew from its
// shape, turn and anchor), its counts.
void restaurer(partie &jeu, const ClichePartie &cliche);

// The cells of a well as they stand when the piece of `cliche` is written into the settled cells of
// `avant`: what a machine that has `avant` makes of a well sent without its cells.
Cases refaireCases(const ClichePartie &avant, const ClichePartie &cliche);

// Whether the game can show this well: a row full of settled cubes stands only in a lost well,
// filled with them. The game clears any other row as it fills, and garbage comes with a hole.
bool possible(const ClichePartie &puits);

// The whole state of the match, nothing confirmed.
EtatComplet etatDe(const Match &match);

// What a machine that holds `base` (none: nothing yet) needs to make `etat`: the sitting if it
// changed, each well that changed with the fields that changed, its cells only when they cannot be
// made again from the piece. Numbers and facts are the caller's.
EtatMatch difference(const EtatComplet *base, const EtatComplet &etat);

// The state a message describes, made on `base` (none for a whole state). Nothing when the message
// needs a base it was not given, or describes a well no game can show.
std::optional<EtatComplet> reconstruire(const EtatComplet *base, const EtatMatch &message);

// The mirror takes the host's state: both wells as given, the sitting as the state says.
void adopter(Match &miroir, const EtatComplet &etat);
