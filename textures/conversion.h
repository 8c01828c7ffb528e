#pragma once

#include <cstddef>
#include <cstdint>

#include "entete_dib.h"

// The source pixels: from their first byte to the end of the file.
struct PixelsSource {
    const unsigned char *debut;
    std::size_t disponible;
};

// The 24-bit picture that the conversion fills: blue, green, red a pixel, each row followed by
// (width mod 4) filler bytes, bottom row first.
struct Image24 {
    unsigned char *octets;
    std::size_t pas;
    std::size_t lignes;
};

// Bytes in one row of the 24-bit picture, filler included.
std::size_t pasImage24(std::int32_t largeur);

// Whether the header describes a picture that convertirEn24Bits() can fill from these bytes: a
// form we read, sizes that make sense, and pixel data inside the file. Checked before anything big
// is allocated.
bool conversionPossible(const EnteteDIB &entete, const PixelsSource &source);

// Fills the 24-bit picture (|height| rows of pasImage24(width) bytes, zeroed beforehand for the
// run-length forms, whose skips leave pixels black). False when the pixel data turn out to be
// broken.
bool convertirEn24Bits(const EnteteDIB &entete, const PixelsSource &source, const Image24 &image);
