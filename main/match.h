#pragma once

// The match's GLUT callbacks and the state they share with the scene.

// Score thresholds: every 500 points above its threshold sends one garbage row to the opponent.
extern int seuil1;
extern int seuil2;

// One flag per character code, set for the key being handled and cleared after each key event.
extern bool touches[256];
// The camera sway, switched by the key l.
extern bool rotationActive;

void minuterie(int valeur);
void clavier(unsigned char touche, int x, int y);
void clavierSpecial(int touche, int x, int y);
