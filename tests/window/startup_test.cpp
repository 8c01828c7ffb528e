#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>

using harness::Pictures;

namespace {

// Both wells step once a second: two different pictures show the game is alive and playing.
bool keepsPlaying(harness::Game &game) {
    const auto first = game.capture();
    return first && game.waitForCapture([&](const harness::Image &image) {
        return harness::countDifferences(image, *first) > 0;
    });
}

} // namespace

TEST(StartUp, OpensOneCubefallWindowAndRunsUntilItIsClosed) {
    auto started = startGame(Pictures::both);
    ASSERT_TRUE(started.drawn) << started.why();
    auto &game = *started.game;

    const auto geometry = game.geometry();
    ASSERT_TRUE(geometry);
    // The size the start-up projection is made for; -geometry still wins (the pixel tests).
    EXPECT_EQ(geometry->width, 500);
    EXPECT_EQ(geometry->height, 500);

    EXPECT_TRUE(keepsPlaying(game));
    EXPECT_TRUE(game.running());
    // Its resident memory is readable while it runs (a soak test watches it) and gone after.
    EXPECT_GT(game.residentKiB().value_or(0), 1024);

    game.close();
    const auto status = game.waitForExit();
    ASSERT_TRUE(status) << "the game did not end when its window was closed";
    EXPECT_TRUE(status->exitedWith(0)) << status->describe();
    EXPECT_EQ(game.errorOutput(), "");
    EXPECT_FALSE(game.residentKiB());
}

TEST(StartUp, WithoutPicturesSaysWhereItLookedInABoxThenEndsWithStatusOne) {
    harness::GameFolder folder;
    harness::Game game(gameBinary(), folder);

    const auto box = game.waitForBox();
    ASSERT_TRUE(box) << "no box; the game " << (game.running() ? "runs" : "ended") << "; "
                     << game.errorOutput();
    const std::string message = game.errorOutput();
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
    EXPECT_EQ(message.back(), '\n') << message;
    EXPECT_NE(message.find("bois.bmp"), std::string::npos) << message;
    EXPECT_NE(message.find("metal.bmp"), std::string::npos) << message;
    const auto cwd = std::filesystem::canonical(folder.path()).string();
    EXPECT_NE(message.find(cwd), std::string::npos) << message << "should name " << cwd;
    EXPECT_TRUE(game.running()) << "the game did not wait for the box";

    game.x().sendKey(*box, "Return", true);
    game.x().sendKey(*box, "Return", false);
    const auto status = game.waitForExit();
    ASSERT_TRUE(status) << "the game kept running after the box";
    EXPECT_TRUE(status->exitedWith(1)) << status->describe();
    EXPECT_EQ(game.errorOutput(), message);
}

TEST(StartUp, RunsWithTheMetalPictureAlone) {
    auto started = startGame(Pictures::metalOnly);
    ASSERT_TRUE(started.drawn) << started.why();
    auto &game = *started.game;

    EXPECT_TRUE(keepsPlaying(game));
    game.close();
    const auto status = game.waitForExit();
    ASSERT_TRUE(status) << "the game did not end when its window was closed";
    EXPECT_TRUE(status->exitedWith(0)) << status->describe();
}

TEST(StartUp, AnEmptyWoodPictureIsReportedAndTheGameRunsOnMetal) {
    harness::GameFolder folder;
    harness::putPictures(folder, picturesDir(), Pictures::metalOnly);
    folder.write("bois.bmp", {});
    harness::Game game(gameBinary(), folder);

    const auto box = game.waitForBox();
    ASSERT_TRUE(box) << game.errorOutput();
    game.x().sendKey(*box, "Return", true);
    game.x().sendKey(*box, "Return", false);
    ASSERT_TRUE(game.waitForFirstFrame()) << game.errorOutput();
    const std::string message = game.errorOutput();
    EXPECT_NE(message.find("bois.bmp"), std::string::npos) << message;
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
    EXPECT_TRUE(game.running());
}

// --fullscreen fills the screen from the start; F11 gives the window -geometry's size, fills the
// screen again, and gives the window back at the same place.
TEST(StartUp, FullScreenFromTheCommandLineAndF11) {
    harness::GameFolder folder;
    harness::putPictures(folder, picturesDir(), Pictures::both);
    harness::Game game(gameBinary(), folder, {"-geometry", "400x300+120+70", "--fullscreen"});
    ASSERT_TRUE(game.waitForWindow()) << game.errorOutput();
    using Frame = std::array<int, 4>;
    const auto frame = [&] {
        const auto g = game.geometry().value_or(harness::WindowGeometry{});
        return Frame{g.x, g.y, g.width, g.height};
    };
    // The window's frame once it satisfies the condition, or as it is when the time runs out.
    const auto becomes = [&](const std::function<bool(const Frame &)> &condition) {
        harness::waitUntil([&] { return condition(frame()); }, harness::eventTimeout);
        return frame();
    };
    const auto is = [](const Frame &f) { return [f](const Frame &g) { return g == f; }; };
    const Frame screen{0, 0, game.x().screenWidth(), game.x().screenHeight()};
    EXPECT_EQ(becomes(is(screen)), screen);
    game.tap("F11");
    const Frame window = becomes([](const Frame &g) { return g[2] == 400 && g[3] == 300; });
    EXPECT_EQ(window[2], 400);
    EXPECT_EQ(window[3], 300);
    game.tap("F11");
    EXPECT_EQ(becomes(is(screen)), screen);
    game.tap("F11");
    EXPECT_EQ(becomes(is(window)), window);

    game.close();
    const auto status = game.waitForExit();
    ASSERT_TRUE(status);
    EXPECT_TRUE(status->exitedWith(0)) << status->describe();
}
