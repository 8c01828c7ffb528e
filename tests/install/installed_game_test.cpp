#include "desktop_entry.h"
#include "game.h"
#include "installation.h"
#include "pieces.h"

#include <gtest/gtest.h>

namespace {

// Each well shows its falling piece exactly, in wood on metal: neither picture is missing.
bool showsBothPiecesInWoodOnMetal(const harness::Image &image) {
    const scene::PieceSearch search;
    return scene::matchingPlaces(image, scene::Well::left, search).size() == 1 &&
           scene::matchingPlaces(image, scene::Well::right, search).size() == 1;
}

long whitePixels(const harness::Image &image) {
    long count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += scene::classify(image.at(x, y)) == scene::Surface::white;
        }
    }
    return count;
}

} // namespace

void expectWoodOnMetal(const std::filesystem::path &binary, const std::filesystem::path &folder,
                       const std::vector<std::string> &arguments) {
    harness::Game game(binary, folder, folder, arguments);
    ASSERT_TRUE(game.waitForFirstFrame()) << game.errorOutput();

    const auto seen = game.waitForCapture(showsBothPiecesInWoodOnMetal);
    if (!seen) {
        const auto last = game.capture();
        const auto path = std::string(CUBEFALL_INSTALL_OUTPUT) + "/installed-game.png";
        std::filesystem::create_directories(CUBEFALL_INSTALL_OUTPUT);
        ADD_FAILURE() << "the installed game did not show both falling pieces in wood on metal; "
                      << (last ? std::to_string(whitePixels(*last)) + " white pixels, picture in " +
                                     (harness::writePng(*last, path) ? path : "(not saved)")
                               : std::string("no picture"))
                      << "; " << game.errorOutput();
    }
    EXPECT_EQ(game.errorOutput(), "");

    game.close();
    const auto status = game.waitForExit();
    ASSERT_TRUE(status) << "the installed game did not end when its window was closed";
    EXPECT_TRUE(status->exitedWith(0)) << status->describe();
}

// As a desktop menu does: the entry's command, run from a folder without pictures (the home
// folder, for a menu).
TEST(InstalledGame, StartedFromItsMenuEntryShowsWoodenCubesOnAMetalFloor) {
    Installation installation;
    ASSERT_TRUE(installation.succeeded()) << installation.output();
    const auto entry =
        desktop::readEntry(readFile(installation.prefix() / "share/applications/cubefall.desktop"));
    ASSERT_TRUE(entry && entry->count("Exec"));
    const auto command = desktop::commandOf(entry->at("Exec"));
    ASSERT_TRUE(command && !command->empty()) << entry->at("Exec");

    const std::vector<std::string> arguments(command->begin() + 1, command->end());
    expectWoodOnMetal(command->front(), installation.scratch(), arguments);
}
