#pragma once

// GLUT's keyboard and window callbacks: each event handed to the sitting, with the time, and its
// answer carried out.
void toucheGlut(unsigned char touche, int x, int y);
void toucheRelacheeGlut(unsigned char touche, int x, int y);
void toucheSpecialeGlut(int touche, int x, int y);
void toucheSpecialeRelacheeGlut(int touche, int x, int y);
void etatFenetre(int etat);
void redimensionnerFenetre(int largeur, int hauteur);
