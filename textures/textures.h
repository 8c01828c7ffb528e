#pragma once

#include "image_rgb.h"

// The wood of the cubes and rails and the metal of the floor. Each stays 0 while its picture has
// not been loaded, which makes OpenGL draw those surfaces untextured.
extern unsigned int textureBois;
extern unsigned int textureMetal;

// Null for a null name or a file that cannot be opened (silently); otherwise the decoder's result.
imageRGB *chargerBMP(const char *nomFichier);

// The pictures' file names, which the caller looks for wherever it keeps them.
constexpr const char *nomImageBois = "bois.bmp";
constexpr const char *nomImageMetal = "metal.bmp";

// Loads the wood then the metal from the files given (a null path is a picture not found, passed
// over in silence); 1 when at least one texture was made. By default, from the working folder.
int chargerTextures(const char *cheminBois = nomImageBois, const char *cheminMetal = nomImageMetal);
