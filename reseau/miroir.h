#pragma once

#include "match.h"
#include "message.h"

// A match's state as the host sends it, and a mirror made of it on the joining machine.

ClichePartie clicher(const partie &jeu);
// The game as the picture describes it: its well, its piece (the piece's mask made anew from its
// shape, turn and anchor), its counts.
void restaurer(partie &jeu, const ClichePartie &cliche);

// The cells of a well as they stand when the piece of `cliche` is written into the settled cells of
// `avant`: what a machine that has `avant` makes of a picture sent without its cells.
std::array<std::array<std::uint8_t, nbLignes>, nbColonnes> refaireCases(const ClichePartie &avant,
                                                                        const ClichePartie &cliche);

// Whether the game can show this well: a row full of settled cubes stands only in a lost well,
// filled with them. The game clears any other row as it fills, and garbage comes with a hole.
bool possible(const ClichePartie &puits);

// What a machine that was last sent `envoye` needs of `etat`: a well it has as it is goes unsent,
// one whose cells it can make again from the piece goes without them.
EtatMatch difference(const std::optional<EtatMatch> &envoye, const EtatMatch &etat);

// The whole state of the match: the sitting and both wells, no facts, nothing confirmed.
EtatMatch etatDe(const Match &match);

// The mirror takes the host's state: both wells as given, the sitting as the state says.
void adopter(Match &miroir, const EtatMatch &etat, const ClichePartie (&puits)[2]);
