#pragma once

#include "conversion.h"

// The colour table as the conversion reads it: 256 blue-green-red entries, black past the end of
// the file's table, so that any index a pixel may hold finds a colour.
struct Palette {
    unsigned char bvr[256][3];
};

Palette construirePalette(const EnteteDIB &entete);

// The run-length forms (compression 1 with 8 bits, 2 with 4 bits), bottom-up only.
bool convertirRLE(const EnteteDIB &entete, const PixelsSource &source, const Image24 &image);
