#pragma once

#include <cstddef>

#include "image_rgb.h"

class FichierDIB;

// Reads a Windows bitmap file and decodes it. Every failure is shown to the user in one message
// before null is returned.
imageRGB *chargerImageDIB(const char *nomFichier);

// The same decoding over the bytes of a whole file already in memory; never reads outside them.
imageRGB *decoderImageDIB(const unsigned char *octets, std::size_t taille);

// The same decoding over a file already opened, whose pixels are read a piece at a time (into the
// block that holds the file's first bytes, which it overwrites).
imageRGB *decoderFichierDIB(FichierDIB &fichier);
