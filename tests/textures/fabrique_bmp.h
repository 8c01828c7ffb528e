#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

using Octets = std::vector<std::uint8_t>;

struct RVB {
    std::uint8_t r, v, b;
    bool operator==(const RVB &autre) const { return r == autre.r && v == autre.v && b == autre.b; }
};

// Builds the bytes of a bitmap file field by field, so that a test can make any form, or any
// broken variant of one.
struct FabriqueBMP {
    bool enteteFichier = true; // starts with "BM" and the 14-byte file header
    // 12 for the core header; 16 to 39 cut the 40-byte layout short (OS/2's shortened headers);
    // from 40 up, the 40-byte layout padded with zeros to that size; below 16, 40 bytes.
    std::uint32_t tailleEntete = 40;
    std::int32_t largeur = 1;
    std::int32_t hauteur = 1;
    std::uint16_t plans = 1;
    std::uint16_t bits = 24;
    std::uint32_t compression = 0;
    std::uint32_t tailleImage = 0;
    std::uint32_t couleursUtilisees = 0;
    // Written inside the header at byte 40 for the sizes that hold them (52, 56, 108, 124),
    // else right after it.
    std::vector<std::uint32_t> masques;
    std::vector<RVB> couleurs;                // the colour table, as many entries as given
    std::size_t ecart = 0;                    // filler between the table and the pixels
    std::optional<std::uint32_t> debutPixels; // else where they really start
    Octets pixels;

    Octets octets() const;
};

// Rows of colour indices of 1, 4 or 8 bits, packed from the most significant bit, each row padded
// to 4 bytes. The first row given is the first stored.
Octets lignesIndexees(int bits, const std::vector<std::vector<unsigned>> &lignes);

// Rows of 24-bit pixels (stored blue, green, red), each padded to 4 bytes.
Octets lignes24(const std::vector<std::vector<RVB>> &lignes);

// Rows of 16- or 32-bit values, little-endian, each padded to 4 bytes.
Octets lignesMots(int bits, const std::vector<std::vector<std::uint32_t>> &lignes);
