#pragma once

// The game's first keyboard handlers, over the two global games (joueurs.h): the left player's
// letters a, s, d, w and l (clavier), the right player's arrows (clavierSpecial), one move per key
// event. The running game reaches them for l alone: its players' keys go through their bindings
// and the match (clavier_jeu.h).

// One flag per character code, set for the key being handled and cleared after each key event.
extern bool touches[256];
// The camera sway, switched by the key l.
extern bool rotationActive;

void clavier(unsigned char touche, int x, int y);
void clavierSpecial(int touche, int x, int y);
