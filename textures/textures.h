#pragma once

#include "image_rgb.h"

// The wood of the cubes and rails and the metal of the floor. Each stays 0 while its picture has
// not been loaded, which makes OpenGL draw those surfaces untextured.
extern unsigned int textureBois;
extern unsigned int textureMetal;

// Null for a null name or a file that cannot be opened (silently); otherwise the decoder's result.
imageRGB *chargerBMP(const char *nomFichier);

// Loads "bois.bmp" then "metal.bmp" from the working folder; 1 when at least one texture was made.
int chargerTextures();
