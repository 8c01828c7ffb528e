#pragma once

#include <cstdint>
#include <vector>

#include "peinture.h"

// The picture as a 24-bit bitmap file: "BM" file header, 40-byte information header, rows
// bottom first, each padded to 4 bytes.
std::vector<std::uint8_t> fichierBMP24(const Toile &toile);
