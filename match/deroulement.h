#pragma once

#include "partie.h"

// Score thresholds of the two global games: every 500 points above its threshold sends one
// garbage row to the opponent.
extern int seuil1;
extern int seuil2;

// The one-second step of a match: attacks traded by score, then gravity for each player, the
// left one first.
void pasMinuterie(partie &gauche, partie &droite, int &seuilGauche, int &seuilDroite);
