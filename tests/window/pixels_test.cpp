#include "piece_checks.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>

using harness::Pictures;
using scene::Surface;
using scene::Well;

namespace {

// A new piece enters at row 16 and falls a row a second: it cannot be lower than the seconds
// since the start allow (it may be higher on a slow machine).
int lowestPossibleRow(const StartedGame &started) {
    return std::max(0, 16 - static_cast<int>(std::time(nullptr) - started.startedFrom) - 1);
}

bool contains(const std::vector<int> &types, int type) {
    return std::find(types.begin(), types.end(), type) != types.end();
}

} // namespace

TEST(Pixels, EachWellShowsItsFirstPieceOfWoodWithBlackShadowsOnMetal) {
    auto started = startGame(Pictures::both);
    ASSERT_TRUE(started.drawn) << started.why();

    // Any shape at any height: what the picture shows is then checked against the generator.
    const scene::PieceSearch search;
    const auto seen = waitForPieces(*started.game, search, search, "first-pieces");
    ASSERT_TRUE(seen.seen()) << seen.left.explanation << seen.right.explanation;

    const auto types = scene::pieceTypesBetween(started.startedFrom, started.startedBy);
    for (const auto &place : {seen.left.places[0], seen.right.places[0]}) {
        EXPECT_TRUE(contains(types, place.type))
            << scene::describe(place) << ": not a type made in the seconds of the start";
        EXPECT_GE(place.row, lowestPossibleRow(started)) << scene::describe(place);
    }

    // The match covered shadows as well as cubes and floor.
    const auto image = *seen.image;
    for (const auto &[well, place] : {std::pair{Well::left, seen.left.places[0]},
                                      std::pair{Well::right, seen.right.places[0]}}) {
        const auto points =
            scene::expectations({well, scene::pieceCells(place.type, place.column, place.row)}, {},
                                image.width(), image.height());
        const auto count = [&](Surface s) {
            return std::count_if(points.begin(), points.end(),
                                 [&](const scene::Expectation &e) { return e.surface == s; });
        };
        EXPECT_GE(count(Surface::wood), 3);
        EXPECT_GE(count(Surface::black), 1);
        EXPECT_GE(count(Surface::metal), 150);
    }
}

namespace {

// Both pieces seen with the given looks, in a game started with the given pictures.
void expectPiecesLookLike(Pictures pictures, scene::Looks looks, const std::string &name,
                          const std::vector<std::string> &arguments = {}) {
    auto started = startGame(pictures, arguments);
    ASSERT_TRUE(started.drawn) << started.why();
    scene::PieceSearch search;
    search.types = scene::pieceTypesBetween(started.startedFrom, started.startedBy);
    search.looks = looks;
    const auto seen = waitForPieces(*started.game, search, search, name);
    EXPECT_TRUE(seen.seen()) << seen.left.explanation << seen.right.explanation;
}

} // namespace

TEST(Pixels, WithoutTheWoodPictureTheCubesAreWhite) {
    expectPiecesLookLike(Pictures::metalOnly, {Surface::white, Surface::metal}, "white-cubes");
}

TEST(Pixels, WithoutTheMetalPictureTheFloorIsWhite) {
    expectPiecesLookLike(Pictures::woodOnly, {Surface::wood, Surface::white}, "white-floor");
}

// GLUT reports the window's size to the game, which keeps the 60 degree view: the same model
// with the wider window's aspect must fit.
TEST(Pixels, ALargerWindowShowsTheSameSceneWithItsOwnAspect) {
    auto started = startGame(Pictures::both, {"-geometry", "640x480"});
    ASSERT_TRUE(started.drawn) << started.why();
    const auto geometry = started.game->geometry();
    ASSERT_TRUE(geometry);
    ASSERT_EQ(geometry->width, 640);
    ASSERT_EQ(geometry->height, 480);

    scene::PieceSearch search;
    search.types = scene::pieceTypesBetween(started.startedFrom, started.startedBy);
    const auto seen = waitForPieces(*started.game, search, search, "larger-window");
    EXPECT_TRUE(seen.seen()) << seen.left.explanation << seen.right.explanation;
}

// Resized while it runs, the game sets its view to the new size: once a picture of the new size
// fits the model, the old square view is gone.
TEST(Pixels, FollowsTheWindowWhenItIsResized) {
    auto started = startGame(Pictures::both);
    ASSERT_TRUE(started.drawn) << started.why();
    ASSERT_TRUE(started.game->resize(480, 240));

    scene::PieceSearch search;
    search.types = scene::pieceTypesBetween(started.startedFrom, started.startedBy);
    const auto seen = waitForPieces(*started.game, search, search, "resized-window");
    ASSERT_TRUE(seen.image);
    EXPECT_EQ(seen.image->width(), 480);
    EXPECT_EQ(seen.image->height(), 240);
    EXPECT_TRUE(seen.seen()) << seen.left.explanation << seen.right.explanation;
}
