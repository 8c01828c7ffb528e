#pragma once

#include <cstdint>

// GLUT elapsed time, in milliseconds, at which the last frame began.
extern std::uint32_t dernierTemps;

// Camera sway: the tilt rocks between -30 and 30 degrees, the spin grows a degree a frame.
extern bool sensInclinaison; // false while the tilt rises
extern double angleInclinaison;
extern double angleRotation;

// Window size assumed until GLUT reports the real one.
extern int largeurInitiale;
extern int hauteurInitiale;
// The window's size as last projected, for what is drawn flat over the scene.
extern int largeurFenetre;
extern int hauteurFenetre;
// The vertical field of view, in degrees, as last projected: 60, or more in a narrow window.
extern double champVertical;

void affichage();
void dessinerSol();
void redimensionner(int largeur, int hauteur);
void initProjection();
