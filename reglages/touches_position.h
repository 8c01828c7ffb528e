#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

// The keyboard as X describes it, reduced to what finding a key by its place needs: each key's
// name for its place (AC01 is the first letter key of the home row, where a US keyboard has a),
// and its first symbol in each group (layout) the keyboard has.
struct CarteClavier {
    struct Touche {
        std::string position;
        std::vector<std::string> symboles; // X keysym names, one per group
    };
    std::vector<Touche> touches;
    int groupe = 0; // the group in use
};

// The left player's keys for move left, move right, turn and down: the keys where a US keyboard
// has a, d, w and s, with the symbols they have in the group in use (q, d, z, s on a French
// keyboard). A place the keyboard lacks, or whose symbol the game cannot read as a key, keeps
// the US letter.
std::array<std::string, 4>
touchesParPosition(const CarteClavier &carte,
                   const std::function<bool(const std::string &)> &lisible);
