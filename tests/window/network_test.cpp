// Two games on one machine stand in for two machines: one hosts and plays the left well, the
// other joins through the tests' relay, which delays each datagram and drops some, and plays the
// right one.
#include "relais.h"
#include "surface.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>

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
