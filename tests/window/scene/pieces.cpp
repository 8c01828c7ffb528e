#include "pieces.h"

#include "bloc.h"
#include "hasard.h"

#include <algorithm>
#include <sstream>

namespace scene {

std::vector<Cell> pieceCells(int type, int column, int row, int turns) {
    bloc piece(type, column, row);
    grille empty{};
    for (int i = 0; i < turns; ++i) {
        piece.tourner(empty);
    }
    std::vector<Cell> cells;
    for (int c = 0; c < nbColonnes; ++c) {
        for (int r = 0; r < nbLignes; ++r) {
            if (piece.getJeu(c, r) != 0) {
                cells.push_back({c, r});
            }
        }
    }
    return cells;
}

// Every new piece seeds the generator with the second and takes its first draw modulo 7.
int pieceTypeOfSecond(std::time_t second) {
    semerHasard(static_cast<std::uint32_t>(second));
    return tirerHasard() % 7;
}

std::vector<int> pieceTypesBetween(std::time_t from, std::time_t to) {
    std::vector<int> types;
    for (std::time_t s = from; s <= to; ++s) {
        const int t = pieceTypeOfSecond(s);
        if (std::find(types.begin(), types.end(), t) == types.end()) {
            types.push_back(t);
        }
    }
    return types;
}

std::vector<Mismatch> mismatchesOf(const harness::Image &image, Well well, const PiecePlace &place,
                                   Looks looks, Sway sway) {
    const WellContents contents{well, pieceCells(place.type, place.column, place.row, place.turns)};
    return compare(image, expectations(contents, looks, image.width(), image.height(), sway));
}

std::vector<PiecePlace> matchingPlaces(const harness::Image &image, Well well,
                                       const PieceSearch &search) {
    std::vector<PiecePlace> found;
    for (int type : search.types) {
        for (int row = search.highestRow; row >= search.lowestRow; --row) {
            const PiecePlace place{type, search.column, row, search.turns};
            // A place the rules refuse (too low for the shape) leaves no piece to look for.
            if (pieceCells(type, search.column, row, search.turns).size() != 4) {
                continue;
            }
            if (mismatchesOf(image, well, place, search.looks, search.sway).empty()) {
                found.push_back(place);
            }
        }
    }
    return found;
}

std::string describe(const PiecePlace &place) {
    std::ostringstream text;
    text << "type " << place.type << " at (" << place.column << ", " << place.row << ") after "
         << place.turns << " turn(s)";
    return text.str();
}

} // namespace scene
