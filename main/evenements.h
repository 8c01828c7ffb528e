#pragma once

// GLUT's keyboard and window callbacks: a key goes to the address field while it is open, and
// otherwise to the keyboard of the match, whose gestures are carried out here; what changes in
// the settings is written at once. A hidden window pauses the match.
void toucheGlut(unsigned char touche, int x, int y);
void toucheRelacheeGlut(unsigned char touche, int x, int y);
void toucheSpecialeGlut(int touche, int x, int y);
void toucheSpecialeRelacheeGlut(int touche, int x, int y);
void etatFenetre(int etat);
void redimensionnerFenetre(int largeur, int hauteur);
