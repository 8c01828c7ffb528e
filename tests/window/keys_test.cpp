#include "piece_checks.h"
#include "test_support.h"

#include "grille.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

using harness::Pictures;
using scene::PiecePlace;
using scene::PieceSearch;
using scene::Well;

namespace {

// Where the piece was, searched again at another column or turn: same type, same row or lower
// (gravity goes on meanwhile).
PieceSearch movedFrom(const PiecePlace &place, int column, int turns) {
    PieceSearch search;
    search.types = {place.type};
    search.column = column;
    search.turns = turns;
    search.highestRow = place.row;
    return search;
}

PieceSearch stillAt(const PiecePlace &place) {
    return movedFrom(place, place.column, place.turns);
}

struct Playing {
    StartedGame started;
    PiecePlace left;
    PiecePlace right;
};

// A started game whose two first pieces have been seen; empty places when they were not.
::testing::AssertionResult startAndFindPieces(Playing &playing, const std::string &name,
                                              const std::string &settings = {}) {
    playing.started = startGame(Pictures::both, {}, settings);
    if (!playing.started.drawn) {
        return ::testing::AssertionFailure() << playing.started.why();
    }
    const PieceSearch any;
    const auto seen = waitForPieces(*playing.started.game, any, any, name);
    if (!seen.seen()) {
        return ::testing::AssertionFailure() << seen.left.explanation << seen.right.explanation;
    }
    playing.left = seen.left.places[0];
    playing.right = seen.right.places[0];
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(Keys, LettersMoveAndTurnTheLeftPieceOnly) {
    Playing playing;
    ASSERT_TRUE(startAndFindPieces(playing, "letters-start"));
    auto &game = *playing.started.game;

    game.tap("a");
    auto seen =
        waitForPieces(game, movedFrom(playing.left, 3, 0), stillAt(playing.right), "letters-a");
    ASSERT_TRUE(seen.seen()) << "after a: " << seen.left.explanation << seen.right.explanation;

    game.tap("d");
    game.tap("d");
    seen = waitForPieces(game, movedFrom(seen.left.places[0], 5, 0), stillAt(seen.right.places[0]),
                         "letters-dd");
    ASSERT_TRUE(seen.seen()) << "after d, d: " << seen.left.explanation << seen.right.explanation;

    // The square has a single orientation; any other shape shows its first quarter turn.
    game.tap("w");
    seen = waitForPieces(game, movedFrom(seen.left.places[0], 5, 1), stillAt(seen.right.places[0]),
                         "letters-w");
    ASSERT_TRUE(seen.seen()) << "after w: " << seen.left.explanation << seen.right.explanation;
}

TEST(Keys, ArrowsMoveAndTurnTheRightPieceOnly) {
    Playing playing;
    ASSERT_TRUE(startAndFindPieces(playing, "arrows-start"));
    auto &game = *playing.started.game;

    game.tap("Left");
    auto seen =
        waitForPieces(game, stillAt(playing.left), movedFrom(playing.right, 3, 0), "arrows-left");
    ASSERT_TRUE(seen.seen()) << "after Left: " << seen.left.explanation << seen.right.explanation;

    game.tap("Right");
    game.tap("Right");
    seen = waitForPieces(game, stillAt(seen.left.places[0]), movedFrom(seen.right.places[0], 5, 0),
                         "arrows-right-right");
    ASSERT_TRUE(seen.seen()) << "after Right, Right: " << seen.left.explanation
                             << seen.right.explanation;

    game.tap("Up");
    seen = waitForPieces(game, stillAt(seen.left.places[0]), movedFrom(seen.right.places[0], 5, 1),
                         "arrows-up");
    ASSERT_TRUE(seen.seen()) << "after Up: " << seen.left.explanation << seen.right.explanation;
}

// Keys bound in the settings file act as the default keys did, and the default keys they replace
// no longer act. The turn comes last, so that the picture with the piece turned is the one after
// every key.
TEST(Keys, KeysBoundInTheSettingsFileReplaceTheDefaults) {
    Playing playing;
    ASSERT_TRUE(startAndFindPieces(playing, "bound-start",
                                   "[left well]\nleft = j\n[right well]\nright = Home\n"));
    auto &game = *playing.started.game;

    for (const char *key : {"j", "a", "w", "Home", "Right", "Up"}) {
        game.tap(key);
    }
    const auto seen = waitForPieces(game, movedFrom(playing.left, 3, 1),
                                    movedFrom(playing.right, 5, 1), "bound-keys");
    ASSERT_TRUE(seen.seen()) << seen.left.explanation << seen.right.explanation;
    EXPECT_EQ(game.errorOutput(), "");
}

// Each press of s or the down arrow is one step of gravity: the piece is at least that many
// rows lower, and no lower than the presses and the seconds gone by allow.
TEST(Keys, SAndDownPushEachPieceDownOneRowAPress) {
    Playing playing;
    ASSERT_TRUE(startAndFindPieces(playing, "push-start"));
    auto &game = *playing.started.game;
    const auto pressed = std::time(nullptr);

    for (int i = 0; i < 5; ++i) {
        game.tap("s");
    }
    for (int i = 0; i < 3; ++i) {
        game.tap("Down");
    }
    auto left = stillAt(playing.left);
    left.highestRow = playing.left.row - 5;
    auto right = stillAt(playing.right);
    right.highestRow = playing.right.row - 3;
    const auto seen = waitForPieces(game, left, right, "push");
    ASSERT_TRUE(seen.seen()) << seen.left.explanation << seen.right.explanation;

    const int seconds = static_cast<int>(std::time(nullptr) - pressed) + 1;
    EXPECT_GE(seen.left.places[0].row, playing.left.row - 5 - seconds);
    EXPECT_GE(seen.right.places[0].row, playing.right.row - 3 - seconds);
}

// Shift (or Caps Lock) makes an upper-case A, which moves the piece as a does; the d after it
// shows that the keys were handled in the order sent.
TEST(Keys, UpperCaseLettersActAsLowerCase) {
    Playing playing;
    ASSERT_TRUE(startAndFindPieces(playing, "upper-case-start"));
    auto &game = *playing.started.game;

    game.press("Shift_L");
    game.tap("a");
    game.tap("a");
    game.release("Shift_L");
    game.tap("d");
    const auto seen =
        waitForPieces(game, movedFrom(playing.left, 3, 0), stillAt(playing.right), "upper-case");
    ASSERT_TRUE(seen.seen()) << seen.left.explanation << seen.right.explanation;
}

namespace {

// The columns at which the piece, unturned, touches the left and the right wall.
std::pair<int, int> wallColumns(int type) {
    int low = nbColonnes;
    int high = -1;
    for (const auto &cell : scene::pieceCells(type, 4, 10)) {
        low = std::min(low, cell.column);
        high = std::max(high, cell.column);
    }
    return {4 - low, 4 + (nbColonnes - 1 - high)};
}

} // namespace

// Two players hold a key each: the system would repeat only the last one pressed, the game
// repeats both, so each piece slides on to its wall.
TEST(Keys, BothPlayersHeldKeysRepeatAtOnce) {
    Playing playing;
    ASSERT_TRUE(startAndFindPieces(playing, "held-start"));
    auto &game = *playing.started.game;

    game.press("Left");
    auto seen = waitForPieces(game, stillAt(playing.left), movedFrom(playing.right, 3, 0),
                              "held-left-pressed");
    ASSERT_TRUE(seen.seen()) << seen.left.explanation << seen.right.explanation;
    game.press("a");
    seen = waitForPieces(game, movedFrom(playing.left, wallColumns(playing.left.type).first, 0),
                         movedFrom(playing.right, wallColumns(playing.right.type).first, 0),
                         "held-both");
    game.release("a");
    game.release("Left");
    ASSERT_TRUE(seen.seen()) << seen.left.explanation << seen.right.explanation;
}
