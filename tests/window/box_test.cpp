// The message box: a refused picture or a missing pair stops start-up in a window titled "Error"
// until the player dismisses it, whichever way.
#include "surface.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>

using harness::Game;
using harness::Image;
using harness::Pictures;
using harness::WindowId;

namespace {

// A file header, then a bitmap header of a size that no bitmap writer uses: the game refuses it.
std::vector<std::uint8_t> refusedPicture() {
    std::vector<std::uint8_t> bytes(14 + 100 + 12, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    bytes[2] = static_cast<std::uint8_t>(bytes.size());
    bytes[10] = 14 + 100;
    bytes[14] = 100;
    return bytes;
}

bool isRing(harness::Rgb c) {
    return c.r < 80 && c.g > 80 && c.g < 130 && c.b > 180;
}

// The OK button is the middle of the blue ring that marks its focus.
std::optional<harness::WindowGeometry> findButton(const Image &image) {
    int left = image.width(), right = -1, top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isRing(image.at(x, y))) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    if (right < 0)
        return std::nullopt;
    return harness::WindowGeometry{left, top, right - left + 1, bottom - top + 1, true};
}

// A box the player can read: light, dark text, the focused button, at least 320 pixels wide,
// over the middle of the game's window (kept on screen), with the keyboard focus.
void expectReadableBox(Game &game, WindowId box) {
    const auto g = game.x().geometry(box);
    const auto under = game.geometry();
    ASSERT_TRUE(g && under);
    EXPECT_GE(g->width, 320);
    // The game's window may have been moved on screen by a pixel since.
    EXPECT_NEAR(g->x, std::max(0, under->x + (under->width - g->width) / 2), 1);
    EXPECT_NEAR(g->y, std::max(0, under->y + (under->height - g->height) / 2), 1);
    EXPECT_TRUE(harness::waitUntil([&] { return game.x().focus() == box; }, harness::eventTimeout))
        << "the box did not take the keyboard focus";

    const auto image = game.x().capture(box);
    ASSERT_TRUE(image);
    // Kept every time: docs/box.png is one of these.
    keepForInspection(*image, "box-" + std::to_string(box));
    int light = 0, dark = 0;
    for (int y = 0; y < image->height(); ++y)
        for (int x = 0; x < image->width(); ++x) {
            const auto c = image->at(x, y);
            light += c.r > 220 && c.g > 220 && c.b > 220;
            dark += c.r < 60 && c.g < 60 && c.b < 60;
        }
    const int all = image->width() * image->height();
    EXPECT_GT(light, all * 3 / 4) << keepForInspection(*image, "box");
    EXPECT_GT(dark, 50) << keepForInspection(*image, "box");
    EXPECT_TRUE(findButton(*image)) << keepForInspection(*image, "box");
}

struct Way {
    const char *name;
    std::function<void(Game &, WindowId)> dismiss;
};

Way key(const char *name) {
    return {name, [name](Game &game, WindowId box) {
                game.x().sendKey(box, name, true);
                game.x().sendKey(box, name, false);
            }};
}

const Way clickOnOk{"a click on OK", [](Game &game, WindowId box) {
                        const auto image = game.x().capture(box);
                        ASSERT_TRUE(image);
                        const auto button = findButton(*image);
                        ASSERT_TRUE(button);
                        game.x().click(box, button->x + button->width / 2,
                                       button->y + button->height / 2);
                    }};
const Way closeTheBox{"the window manager closing the box",
                      [](Game &game, WindowId box) { game.x().requestClose(box); }};

} // namespace

TEST(Box, ARefusedWoodWaitsForTheBoxThenTheGameRunsOnMetal) {
    harness::GameFolder folder;
    harness::putPictures(folder, picturesDir(), Pictures::metalOnly);
    folder.write("bois.bmp", refusedPicture());
    Game game(gameBinary(), folder);

    const auto box = game.waitForBox();
    ASSERT_TRUE(box) << game.errorOutput();
    ASSERT_TRUE(game.waitForWindow());
    game.x().moveOnScreen(*game.window());
    expectReadableBox(game, *box);
    EXPECT_EQ(game.errorOutput(), "Error: Unknown DIB file format. (bois.bmp)\n");
    // While the box is open the game shows nothing: it has not started.
    const auto waiting = game.capture();
    ASSERT_TRUE(waiting);
    EXPECT_TRUE(harness::allBlack(*waiting));
    EXPECT_EQ(game.x().windowsTitled(harness::boxTitle).size(), 1u);

    key("Return").dismiss(game, *box);
    ASSERT_TRUE(game.waitForBoxGone(*box));
    ASSERT_TRUE(game.waitForFirstFrame()) << game.errorOutput();
    const auto image = game.waitForCapture([](const Image &shown) {
        int metal = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                metal += scene::classify(shown.at(x, y)) == scene::Surface::metal;
        return metal > shown.width() * shown.height() / 10;
    });
    EXPECT_TRUE(image) << "no metal floor";
    EXPECT_TRUE(game.running());
    EXPECT_EQ(game.x().windowsTitled(harness::boxTitle).size(), 0u);
}

// Two refused pictures: one box each, then the one saying no texture loaded, then status 1.
TEST(Box, BothRefusedShowThreeBoxesInTurnThenEndWithStatusOne) {
    harness::GameFolder folder;
    folder.write("bois.bmp", refusedPicture());
    folder.write("metal.bmp", refusedPicture());
    Game game(gameBinary(), folder);

    const std::vector<std::pair<Way, std::string>> steps = {
        {key("Return"), "Error: Unknown DIB file format. (bois.bmp)\n"},
        {key("Escape"), "Error: Unknown DIB file format. (metal.bmp)\n"},
        {clickOnOk, "Error: No texture could be loaded:"},
    };
    std::string said;
    for (const auto &[way, line] : steps) {
        SCOPED_TRACE(way.name);
        const auto box = game.waitForBox();
        ASSERT_TRUE(box) << game.errorOutput();
        // Written to standard error before the box opened, after the earlier ones.
        const std::string output = game.errorOutput();
        EXPECT_EQ(output.substr(said.size(), line.size()), line) << output;
        said = output;
        ASSERT_TRUE(game.waitForWindow());
        expectReadableBox(game, *box);
        way.dismiss(game, *box);
        ASSERT_TRUE(game.waitForBoxGone(*box));
    }
    const auto status = game.waitForExit();
    ASSERT_TRUE(status);
    EXPECT_TRUE(status->exitedWith(1)) << status->describe();
}

// Every other way to dismiss the box saying no texture loaded; closing the game's window instead
// ends the game too, and with the same failure.
TEST(Box, EachWayOfDismissingItGoesOn) {
    const Way closeTheGame{"the window manager closing the game",
                           [](Game &game, WindowId) { game.close(); }};
    for (const auto &[way, status] : std::vector<std::pair<Way, int>>{
             {key("KP_Enter"), 1}, {key("space"), 1}, {closeTheBox, 1}, {closeTheGame, 1}}) {
        SCOPED_TRACE(way.name);
        harness::GameFolder folder;
        Game game(gameBinary(), folder);
        const auto box = game.waitForBox();
        ASSERT_TRUE(box) << game.errorOutput();
        ASSERT_TRUE(game.waitForWindow());
        way.dismiss(game, *box);
        const auto ended = game.waitForExit();
        ASSERT_TRUE(ended) << "still running after " << way.name;
        EXPECT_TRUE(ended->exitedWith(status)) << ended->describe();
    }
}
