#pragma once

#include "picture.h"

#include <ctime>
#include <vector>

namespace scene {

// The cells that a piece of this type covers anchored at (column, row) after the given number
// of quarter turns in an empty well, as the game's rules place it.
std::vector<Cell> pieceCells(int type, int column, int row, int turns = 0);

// The type of a piece that the game makes in the given second, and the types it can make in
// the seconds from..to.
int pieceTypeOfSecond(std::time_t second);
std::vector<int> pieceTypesBetween(std::time_t from, std::time_t to);

// Where a falling piece may be: a type, its anchor and its quarter turns.
struct PiecePlace {
    int type = 0;
    int column = 4;
    int row = 16;
    int turns = 0;
};

struct PieceSearch {
    std::vector<int> types{0, 1, 2, 3, 4, 5, 6};
    int column = 4;
    int turns = 0;
    int lowestRow = 0;
    int highestRow = 16;
    Looks looks;
    Sway sway;
};

// The places, among those searched, whose picture the window shows exactly: with one falling
// piece and nothing else in the well. The rows are tried from the top, where a new piece enters.
std::vector<PiecePlace> matchingPlaces(const harness::Image &image, Well well,
                                       const PieceSearch &search);

// What differs between the picture and the place, to explain a failure.
std::vector<Mismatch> mismatchesOf(const harness::Image &image, Well well, const PiecePlace &place,
                                   Looks looks, Sway sway = {});

std::string describe(const PiecePlace &place);

} // namespace scene
