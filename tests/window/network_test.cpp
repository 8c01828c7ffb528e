// Two games on one machine stand in for two machines: one hosts and plays the left well, the
// other joins through the tests' relay, which delays each datagram and drops some, and plays the
// right one.
#include "relais.h"
#include "surface.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>

using harness::Image;
using scene::Surface;

namespace {

// A cube of the well in a column, in any row where a new piece may stand.
bool cubeInColumn(const Image &image, int well, int column) {
    for (int row = 8; row < 18; ++row) {
        const scene::Vec3 centre{column - 0.5 + 11 * well, 1.0, 3.5 - row};
        const auto point = scene::toWindow(centre, image.width(), image.height());
        if (point && scene::surfaceAround(image, *point) == Surface::wood) {
            return true;
        }
    }
    return false;
}

// The right well's piece at the left wall, the left one where it entered.
bool movedAsKeyed(const Image &image) {
    return cubeInColumn(image, 1, 0) && !cubeInColumn(image, 0, 0);
}

} // namespace

// The joining player's Left arrow moves the right well's piece to the wall, on their own screen
// and on the host's; the host's player keeps the left well to themselves.
TEST(Network, TheJoiningPlayersKeysMoveTheRightWellOnBothScreens) {
    const std::uint16_t port = portLibre();
    Relais relais(port, 40, 0.1);
    // Side by side, so that each window can be read whole.
    auto host = startGame(harness::Pictures::both,
                          {"-geometry", "500x500+0+0", "--host=" + std::to_string(port)});
    ASSERT_TRUE(host.drawn) << host.why();
    auto joining =
        startGame(harness::Pictures::both, {"-geometry", "500x500+600+0",
                                            "--join=127.0.0.1:" + std::to_string(relais.port())});
    ASSERT_TRUE(joining.drawn) << joining.why();

    // Keys act once the host has taken the player in: until then the joining game tries again.
    std::optional<Image> here;
    for (int i = 0; i < 40 && !here; ++i) {
        joining.game->tap("Left");
        here = joining.game->waitForCapture(movedAsKeyed, std::chrono::milliseconds(300));
    }
    EXPECT_TRUE(here) << keepForInspection(joining.game->capture().value_or(Image{}),
                                           "network-joining");
    const auto there = host.game->waitForCapture(movedAsKeyed);
    EXPECT_TRUE(there) << keepForInspection(host.game->capture().value_or(Image{}), "network-host");
    if (here && there) {
        keepForInspection(*here, "network-joining");
        keepForInspection(*there, "network-host");
    }
    EXPECT_TRUE(host.game->running()) << host.game->errorOutput();
    EXPECT_TRUE(joining.game->running()) << joining.game->errorOutput();
}

namespace {

// The pause panel's dark fill over most of the window's middle.
bool pausePanelShown(const Image &image) {
    int dark = 0, all = 0;
    for (int y = image.height() / 2 - 20; y < image.height() / 2 + 20; y += 2) {
        for (int x = image.width() / 2 - 20; x < image.width() / 2 + 20; x += 2) {
            const auto p = image.at(x, y);
            dark += std::abs(p.r - 31) < 12 && std::abs(p.g - 26) < 12 && std::abs(p.b - 20) < 12;
            ++all;
        }
    }
    return dark * 2 > all;
}

} // namespace

// The joining game killed and started again at once takes its seat back, though the host has not
// yet noticed the first one gone: its p plays on where a watcher's would not. A game stopped by
// SIGTERM tells the host as it goes, which pauses at once rather than after its time-out.
TEST(Network, TheSeatIsThePlayersAndAGameThatEndsSaysSo) {
    const std::uint16_t port = portLibre();
    const std::vector<std::string> join = {"-geometry", "500x500+600+0",
                                           "--join=127.0.0.1:" + std::to_string(port)};
    auto host = startGame(harness::Pictures::both,
                          {"-geometry", "500x500+0+0", "--host=" + std::to_string(port)});
    ASSERT_TRUE(host.drawn) << host.why();
    auto first = startGame(harness::Pictures::both, join);
    ASSERT_TRUE(first.drawn) << first.why();
    std::optional<Image> moved;
    for (int i = 0; i < 40 && !moved; ++i) {
        first.game->tap("Left");
        moved = host.game->waitForCapture(movedAsKeyed, std::chrono::milliseconds(300));
    }
    ASSERT_TRUE(moved) << "the first game never played";

    ::kill(first.game->pid(), SIGKILL);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    auto again = startGame(harness::Pictures::both, join);
    ASSERT_TRUE(again.drawn) << again.why();
    const auto paused = host.game->waitForCapture(pausePanelShown);
    ASSERT_TRUE(paused) << "the seat taken back pauses the match";
    std::optional<Image> playing;
    for (int i = 0; i < 10 && !playing; ++i) {
        again.game->tap("p");
        playing =
            host.game->waitForCapture([](const Image &image) { return !pausePanelShown(image); },
                                      std::chrono::milliseconds(1000));
    }
    EXPECT_TRUE(playing) << keepForInspection(host.game->capture().value_or(Image{}),
                                              "network-seat-host");

    const auto before = std::chrono::steady_clock::now();
    ::kill(again.game->pid(), SIGTERM);
    const auto told = host.game->waitForCapture(pausePanelShown, std::chrono::milliseconds(2000));
    EXPECT_TRUE(told) << "the host did not pause within 2 s of the SIGTERM";
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(2000));
    EXPECT_TRUE(host.game->running()) << host.game->errorOutput();
}
