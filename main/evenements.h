#pragma once

// GLUT's keyboard, window and idle callbacks. They only translate GLUT's events for the match.
void toucheGlut(unsigned char touche, int x, int y);
void toucheRelacheeGlut(unsigned char touche, int x, int y);
void toucheSpecialeGlut(int touche, int x, int y);
void toucheSpecialeRelacheeGlut(int touche, int x, int y);
void etatFenetre(int etat);

// Between events: held keys repeat (and are let go when the window lost the keyboard), then the
// frame is drawn.
void auRepos();
