#include "piece_checks.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <ctime>
#include <optional>

using harness::Pictures;
using scene::PiecePlace;
using scene::PieceSearch;
using scene::Well;

namespace {

// The pieces as last seen straight, and when: they fall a row a second since.
struct Pieces {
    PiecePlace left;
    PiecePlace right;
    std::time_t seen = 0;
};

PieceSearch near(const PiecePlace &place, std::time_t seen, scene::Sway sway) {
    PieceSearch search;
    search.types = {place.type};
    search.highestRow = place.row;
    search.lowestRow = std::max(0, place.row - static_cast<int>(std::time(nullptr) - seen) - 1);
    search.sway = sway;
    return search;
}

bool bothFit(const harness::Image &image, const Pieces &pieces, scene::Sway sway) {
    return scene::matchingPlaces(image, Well::left, near(pieces.left, pieces.seen, sway)).size() ==
               1 &&
           scene::matchingPlaces(image, Well::right, near(pieces.right, pieces.seen, sway))
                   .size() == 1;
}

// The first frame count from `depuis` on whose sway makes the model fit the picture. Only a few
// seconds of frames are tried: under load a capture may catch a frame half copied to the window,
// which fits no sway, and trying hundreds for it would leave the pieces fallen out of the search
// by the next capture.
std::optional<int> framesOfSway(const harness::Image &image, const Pieces &pieces, int depuis = 1) {
    for (int frames = depuis; frames <= depuis + 80; ++frames) {
        if (bothFit(image, pieces, scene::swayAfterFrames(frames))) {
            return frames;
        }
    }
    return std::nullopt;
}

} // namespace

// l sets the whole picture turning about the point between the wells, a degree of spin and of
// tilt a frame; l again shows it straight.
TEST(Sway, LTurnsThePictureAndLAgainStraightensIt) {
    auto started = startGame(Pictures::both);
    ASSERT_TRUE(started.drawn) << started.why();
    auto &game = *started.game;
    const PieceSearch any;
    const auto straight = waitForPieces(game, any, any, "sway-before");
    ASSERT_TRUE(straight.seen()) << straight.left.explanation << straight.right.explanation;
    const Pieces pieces{straight.left.places[0], straight.right.places[0], std::time(nullptr)};

    game.tap("l");
    std::optional<int> first;
    const auto turned = game.waitForCapture([&](const harness::Image &image) {
        if (bothFit(image, pieces, {})) {
            return false; // not turned yet
        }
        first = framesOfSway(image, pieces);
        return first.has_value();
    });
    ASSERT_TRUE(turned) << "no picture after l fitted the scene turned by up to 400 frames of "
                           "sway; last picture: "
                        << keepForInspection(*game.capture(), "sway-turned");

    // Still turning: a later picture fits only a sway well beyond the first.
    std::optional<int> later;
    const auto further = game.waitForCapture([&](const harness::Image &image) {
        later = framesOfSway(image, pieces, *first);
        return later && *later >= *first + 10;
    });
    ASSERT_TRUE(further) << "the picture stopped turning after " << *first << " frames";

    game.tap("l");
    const auto again = game.waitForCapture(
        [&](const harness::Image &image) { return bothFit(image, pieces, {}); });
    ASSERT_TRUE(again) << "after l again the picture is not straight: "
                       << keepForInspection(*game.capture(), "sway-after");
}
