#pragma once

// The match's state and the players' keys, as the timer and the keyboard drive them.

// Score thresholds: every 500 points above its threshold sends one garbage row to the opponent.
extern int seuil1;
extern int seuil2;

// One flag per character code, set for the key being handled and cleared after each key event.
extern bool touches[256];
// The camera sway, switched by the key l.
extern bool rotationActive;

// The one-second step of the match: attacks traded by score, then gravity for each player.
void pasMinuterie();

// One key event of the left player (characters) or of the right player (special keys).
void clavier(unsigned char touche, int x, int y);
void clavierSpecial(int touche, int x, int y);
