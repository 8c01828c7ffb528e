#pragma once

#include <cstdint>
#include <vector>

// A picture being painted: red, green, blue bytes, row 0 at the bottom as in a bitmap file.
struct Toile {
    int largeur = 0;
    int hauteur = 0;
    std::vector<std::uint8_t> rvb;

    Toile(int l, int h) : largeur(l), hauteur(h), rvb(static_cast<std::size_t>(l) * h * 3) {}
    std::uint8_t *pixel(int x, int y) {
        return rvb.data() + (static_cast<std::size_t>(y) * largeur + x) * 3;
    }
    const std::uint8_t *pixel(int x, int y) const {
        return rvb.data() + (static_cast<std::size_t>(y) * largeur + x) * 3;
    }
};

// Planks of the cubes and rails: growth rings and grain in warm browns. One face shows the whole
// picture, so it need not tile.
Toile peindreBois(int cote);

// The floor: tread plate on brushed steel in cool greys. The floor repeats it 50 times each way,
// so its edges meet seamlessly.
Toile peindreMetal(int cote);
