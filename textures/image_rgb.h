#pragma once

#include <cstdint>

// A decoded picture: rows of red, green, blue bytes back to back, no filler between rows, the
// first row being the first row stored in the file (the bottom one for an ordinary bitmap). The
// record and its pixel block come from malloc; the owner frees the block, then the record.
struct imageRGB {
    std::int32_t largeur;
    std::int32_t hauteur;
    unsigned char *donnees;
};
