#pragma once

#include <cstdint>
#include <vector>

// The game's icon: red, green, blue, alpha bytes, rows from the top, as PNG files hold them.
struct Icone {
    int cote = 0;
    std::vector<std::uint8_t> rvba;
};

// One wooden cube standing on a rounded plate of our metal, seen from above at an angle, with
// its black shadow, painted with the game's own wood and metal.
Icone peindreIcone(int cote);
