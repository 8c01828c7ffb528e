#include "piece_checks.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <stb_image.h>

#include <fstream>
#include <memory>
#include <sstream>

using harness::Pictures;

namespace {

std::optional<harness::Image> readPng(const std::filesystem::path &path) {
    int width = 0;
    int height = 0;
    int channels = 0;
    std::unique_ptr<stbi_uc, void (*)(void *)> pixels(
        stbi_load(path.c_str(), &width, &height, &channels, 3), stbi_image_free);
    if (!pixels) {
        return std::nullopt;
    }
    harness::Image image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const stbi_uc *p = pixels.get() + (static_cast<std::size_t>(y) * width + x) * 3;
            image.set(x, y, {p[0], p[1], p[2]});
        }
    }
    return image;
}

std::string readFile(const std::filesystem::path &path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs the tool to its end in the folder's scratch side.
harness::ExitStatus runTool(const harness::GameFolder &folder,
                            const std::vector<std::string> &arguments) {
    harness::ChildProcess tool(captureTool(), arguments, folder.scratch(),
                               folder.scratch() / "tool-out.txt",
                               folder.scratch() / "tool-err.txt");
    const auto status = tool.waitForExit(2 * harness::startTimeout);
    return status ? *status : harness::ExitStatus{};
}

} // namespace

TEST(CaptureTool, SavesTheWindowAfterTheKeysAndClosesTheGame) {
    harness::GameFolder folder;
    harness::putPictures(folder, picturesDir(), Pictures::both);
    const auto png = folder.scratch() / "shot.png";
    const auto from = std::time(nullptr);

    // The game takes key events between frames, a twentieth of a second apart: a second is
    // plenty for both to show, and too little for the pieces to land.
    const auto status = runTool(folder, {gameBinary().string(), folder.path().string(),
                                         png.string(), "--keys", "a,Right", "--wait", "1"});
    ASSERT_TRUE(status.exitedWith(0)) << status.describe() << "\n"
                                      << readFile(folder.scratch() / "tool-err.txt");

    const auto shot = readPng(png);
    ASSERT_TRUE(shot) << "no PNG at " << png;
    EXPECT_EQ(shot->width(), 500);
    EXPECT_EQ(shot->height(), 500);
    // The picture shows both keys played: the left piece one column left, the right one right.
    scene::PieceSearch left;
    left.types = scene::pieceTypesBetween(from, std::time(nullptr));
    left.column = 3;
    scene::PieceSearch right = left;
    right.column = 5;
    const auto l = lookForPiece(*shot, scene::Well::left, left, "tool-left");
    const auto r = lookForPiece(*shot, scene::Well::right, right, "tool-right");
    EXPECT_EQ(l.places.size(), 1u) << l.explanation;
    EXPECT_EQ(r.places.size(), 1u) << r.explanation;
}

TEST(CaptureTool, FailsAndPassesOnTheGamesMessageWhenTheGameCannotStart) {
    harness::GameFolder folder;
    const auto png = folder.scratch() / "shot.png";
    const auto status =
        runTool(folder, {gameBinary().string(), folder.path().string(), png.string()});
    EXPECT_TRUE(status.exitedWith(1)) << status.describe();
    EXPECT_FALSE(std::filesystem::exists(png));
    EXPECT_NE(readFile(folder.scratch() / "tool-err.txt").find("metal.bmp"), std::string::npos);
}
