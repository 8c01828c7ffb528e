#include "piece_checks.h"

#include "test_support.h"

#include <limits>

namespace {

std::string wellName(scene::Well well) {
    return well == scene::Well::left ? "left" : "right";
}

std::string explain(const harness::Image &image, scene::Well well, const scene::PieceSearch &search,
                    const PieceSighting &sighting, const std::string &name) {
    std::string text = "the " + wellName(well) + " well shows ";
    if (sighting.places.size() > 1) {
        text += std::to_string(sighting.places.size()) + " possible places:";
        for (const auto &p : sighting.places) {
            text += " [" + scene::describe(p) + "]";
        }
    } else {
        // The searched place that the picture misses by the fewest points.
        std::size_t fewest = std::numeric_limits<std::size_t>::max();
        std::string closest;
        for (int type : search.types) {
            for (int row = search.highestRow; row >= search.lowestRow; --row) {
                const scene::PiecePlace place{type, search.column, row, search.turns};
                if (scene::pieceCells(type, search.column, row, search.turns).size() != 4) {
                    continue;
                }
                const auto wrong =
                    scene::mismatchesOf(image, well, place, search.looks, search.sway);
                if (wrong.size() < fewest) {
                    fewest = wrong.size();
                    closest =
                        scene::describe(place) + ", which differs at:\n" + scene::describe(wrong);
                }
            }
        }
        text += "none of the places searched; the closest is " + closest;
    }
    return text + "picture: " + keepForInspection(image, name) + "\n";
}

} // namespace

PieceSighting lookForPiece(const harness::Image &image, scene::Well well,
                           const scene::PieceSearch &search, const std::string &name) {
    PieceSighting sighting;
    sighting.places = scene::matchingPlaces(image, well, search);
    if (sighting.places.size() != 1) {
        sighting.explanation = explain(image, well, search, sighting, name);
    }
    return sighting;
}

PieceSighting waitForPiece(harness::Game &game, scene::Well well, const scene::PieceSearch &search,
                           const std::string &name) {
    std::optional<harness::Image> last;
    const auto shot = game.waitForCapture([&](const harness::Image &image) {
        last = image;
        return scene::matchingPlaces(image, well, search).size() == 1;
    });
    if (!last) {
        return {{}, "no picture of the window could be taken"};
    }
    return lookForPiece(shot ? *shot : *last, well, search, name);
}

BothSighting waitForPieces(harness::Game &game, const scene::PieceSearch &left,
                           const scene::PieceSearch &right, const std::string &name) {
    BothSighting both;
    std::optional<harness::Image> last;
    const auto shot = game.waitForCapture([&](const harness::Image &image) {
        last = image;
        return scene::matchingPlaces(image, scene::Well::left, left).size() == 1 &&
               scene::matchingPlaces(image, scene::Well::right, right).size() == 1;
    });
    both.image = shot ? shot : last;
    if (!both.image) {
        both.left.explanation = "no picture of the window could be taken";
        return both;
    }
    both.left = lookForPiece(*both.image, scene::Well::left, left, name + "-left");
    both.right = lookForPiece(*both.image, scene::Well::right, right, name + "-right");
    return both;
}
