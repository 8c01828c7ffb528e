#include "surface.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

using harness::Pictures;
using scene::Surface;

namespace {

// Column c and row r of a well: the middle of the cube's top, or of the floor under an empty cell.
scene::ScreenPoint cellCentre(int column, int row, bool cube, const harness::Image &image,
                              int well = 0) {
    const scene::Vec3 centre{column - 0.5 + 11 * well, cube ? 1.0 : -1.0, 3.5 - row};
    return *scene::toWindow(centre, image.width(), image.height());
}

bool cubeAt(const harness::Image &image, int well, int column, int row) {
    return scene::surfaceAround(image, cellCentre(column, row, true, image, well)) == Surface::wood;
}

bool allShow(const harness::Image &image, int rowFrom, int rowTo, Surface surface) {
    for (int row = rowFrom; row <= rowTo; ++row) {
        for (int column = 0; column < 10; ++column) {
            const auto point = cellCentre(column, row, surface == Surface::wood, image);
            if (scene::surfaceAround(image, point) != surface) {
                return false;
            }
        }
    }
    return true;
}

// The verdict's dark panel, at its left margin beside the well's middle, away from its text.
bool verdictShown(const harness::Image &image) {
    const auto middle = *scene::toWindow({4, 1, -5}, image.width(), image.height());
    const auto c = image.at(static_cast<int>(middle.x) - 85, static_cast<int>(middle.y));
    return std::abs(c.r - 31) < 12 && std::abs(c.g - 26) < 12 && std::abs(c.b - 20) < 12;
}

} // namespace

// The left player pushes pieces down until the well overflows: their well fills with cubes, the
// verdict shows, and Return starts the next match with both wells empty.
TEST(Match, TheLoserIsToldAndReturnStartsTheNextMatch) {
    auto started = startGame(Pictures::both);
    ASSERT_TRUE(started.drawn) << started.why();
    auto &game = *started.game;

    std::optional<harness::Image> over;
    for (int round = 0; round < 20 && !over; ++round) {
        for (int i = 0; i < 40; ++i) {
            game.tap("s");
        }
        over = game.waitForCapture(
            [](const harness::Image &image) {
                return allShow(image, 0, 1, Surface::wood) && verdictShown(image);
            },
            std::chrono::seconds(2));
    }
    ASSERT_TRUE(over) << "no verdict over a full left well; last picture: "
                      << keepForInspection(game.capture().value_or(harness::Image{}), "no-verdict");

    game.tap("Return");
    const auto fresh = game.waitForCapture([](const harness::Image &image) {
        return !verdictShown(image) && allShow(image, 0, 12, Surface::metal);
    });
    EXPECT_TRUE(fresh) << "the left well did not empty after Return: "
                       << keepForInspection(game.capture().value_or(harness::Image{}),
                                            "after-return");
}

// F4 three times gives the right well to the computer at Hard. With no key at all for 20 s, its
// pieces settle away from the middle, where they enter, while the left piece only falls: the
// left well's one settled piece lies under where it entered.
TEST(Match, TheComputerPlaysTheRightWellAlone) {
    auto started = startGame(Pictures::both);
    ASSERT_TRUE(started.drawn) << started.why();
    auto &game = *started.game;
    for (int i = 0; i < 3; ++i) {
        game.tap("F4");
    }
    std::this_thread::sleep_for(std::chrono::seconds(20));
    const auto image = game.capture();
    ASSERT_TRUE(image);
    bool awayFromMiddle = false;
    bool leftMoved = false;
    for (int column = 0; column < 10; ++column) {
        const bool middle = column >= 4 && column <= 6;
        for (int row = 0; row < 2; ++row) {
            awayFromMiddle = awayFromMiddle || (!middle && cubeAt(*image, 1, column, row));
            leftMoved = leftMoved || (!middle && cubeAt(*image, 0, column, row));
        }
    }
    EXPECT_TRUE(awayFromMiddle) << keepForInspection(*image, "computer-hard");
    EXPECT_FALSE(leftMoved) << keepForInspection(*image, "computer-hard");
}
