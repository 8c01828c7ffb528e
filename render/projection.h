#pragma once

// The game's projection: the window's viewport, and a perspective of 60 degrees of height in any
// window at least as wide as it is high (vue.h). initProjection sets it for the size asked at
// start-up; redimensionner, GLUT's reshape callback, for the window's new size.
void initProjection();
void redimensionner(int largeur, int hauteur);
