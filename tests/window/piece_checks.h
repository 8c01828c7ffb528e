#pragma once

#include "game.h"
#include "pieces.h"

#include <optional>
#include <string>
#include <vector>

// The falling piece of one well as a picture shows it.
struct PieceSighting {
    std::vector<scene::PiecePlace> places; // every place that matches: exactly one when seen
    std::string explanation;               // why none or several matched, for the failure
};

// Looks for the piece; when not exactly one place matches, saves the picture under the name and
// explains with the closest place.
PieceSighting lookForPiece(const harness::Image &image, scene::Well well,
                           const scene::PieceSearch &search, const std::string &name);

// Captures until the picture shows the piece of the well at exactly one of the places searched.
PieceSighting waitForPiece(harness::Game &game, scene::Well well, const scene::PieceSearch &search,
                           const std::string &name);

// The same for both wells in one picture.
struct BothSighting {
    std::optional<harness::Image> image;
    PieceSighting left;
    PieceSighting right;
    bool seen() const { return left.places.size() == 1 && right.places.size() == 1; }
};
BothSighting waitForPieces(harness::Game &game, const scene::PieceSearch &left,
                           const scene::PieceSearch &right, const std::string &name);
