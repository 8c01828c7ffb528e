#include "desktop_entry.h"
#include "installation.h"
#include "process.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

class InstallTree : public testing::Test {
protected:
    static void SetUpTestSuite() { installation = new Installation; }
    static void TearDownTestSuite() {
        delete installation;
        installation = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(installation->succeeded()) << installation->output(); }

    static const fs::path &prefix() { return installation->prefix(); }
    static fs::path entryFile() { return prefix() / "share/applications/cubefall.desktop"; }

    static Installation *installation;
};

Installation *InstallTree::installation = nullptr;

} // namespace

TEST_F(InstallTree, PutsTheGameInBinAndItsPicturesInShareCubefall) {
    const auto game = prefix() / "bin/cubefall";
    ASSERT_TRUE(fs::is_regular_file(game)) << installation->output();
    EXPECT_NE(fs::status(game).permissions() & fs::perms::owner_exec, fs::perms::none);
    // Its pictures and its sounds, beside each other.
    for (const char *name :
         {"bois.bmp", "metal.bmp", "deplacement.wav", "rotation.wav", "rotation_refusee.wav",
          "pose.wav", "lignes1.wav", "lignes2.wav", "lignes3.wav", "lignes4.wav",
          "lignes_envoyees.wav", "lignes_recues.wav", "debordement.wav", "victoire.wav",
          "pause.wav", "reprise.wav"}) {
        const auto installed = prefix() / "share/cubefall" / name;
        ASSERT_TRUE(fs::is_regular_file(installed)) << installation->output();
        EXPECT_EQ(readFile(installed), readFile(builtPictures() / name)) << name;
    }
    // The icon the menu entry names, in the theme every desktop falls back on: a PNG at each size.
    for (const char *size : {"32x32", "48x48", "64x64", "128x128", "256x256"}) {
        const auto icon = prefix() / "share/icons/hicolor" / size / "apps/cubefall.png";
        EXPECT_EQ(readFile(icon).substr(0, 8), "\x89PNG\r\n\x1a\n") << icon;
    }
}

TEST_F(InstallTree, TheMenuEntryStartsTheInstalledGame) {
    const std::string text = readFile(entryFile());
    const auto entry = desktop::readEntry(text);
    ASSERT_TRUE(entry) << entryFile() << ":\n" << text;
    const auto key = [&](const std::string &name) {
        const auto found = entry->find(name);
        return found == entry->end() ? std::string("(missing)") : found->second;
    };
    EXPECT_EQ(key("Type"), "Application");
    EXPECT_EQ(key("Name"), "Cubefall");
    EXPECT_NE(key("Comment"), "(missing)");
    EXPECT_NE(key("Comment"), "");
    EXPECT_EQ(key("Terminal"), "false");
    EXPECT_EQ(key("Icon"), "cubefall");
    EXPECT_EQ(key("Categories"), "Game;ArcadeGame;");
    // A replay opened from a file manager plays in the game, its file named on the command line.
    EXPECT_EQ(key("MimeType"), "application/x-cubefall-replay;");
    EXPECT_EQ(key("Exec").substr(key("Exec").size() - 3), " %f");
    EXPECT_NE(readFile(prefix() / "share/mime/packages/cubefall.xml")
                  .find("<glob pattern=\"*.cubefall-replay\"/>"),
              std::string::npos);
    // The game finds its pictures from its own place: no working folder to impose.
    EXPECT_EQ(entry->count("Path"), 0u);

    // Absolute paths: a menu starts programs from anywhere.
    const auto command = desktop::commandOf(key("Exec"));
    ASSERT_TRUE(command) << "Exec=" << key("Exec");
    ASSERT_EQ(command->size(), 1u) << "Exec=" << key("Exec");
    EXPECT_EQ(fs::path(command->front()), prefix() / "bin/cubefall");
}

TEST_F(InstallTree, TheMenuEntryPassesDesktopFileValidate) {
#ifndef CUBEFALL_DESKTOP_FILE_VALIDATE
    GTEST_SKIP() << "desktop-file-validate was not found (Debian: desktop-file-utils)";
#else
    harness::ChildProcess validate(
        CUBEFALL_DESKTOP_FILE_VALIDATE, {entryFile().string()}, installation->scratch(),
        installation->scratch() / "validate.txt", installation->scratch() / "validate-errors.txt");
    const auto status = validate.waitForExit(std::chrono::minutes(1));
    ASSERT_TRUE(status);
    EXPECT_TRUE(status->exitedWith(0)) << status->describe();
    // It exits with 0 on hints too; any line it writes is worth fixing.
    EXPECT_EQ(readFile(installation->scratch() / "validate.txt") +
                  readFile(installation->scratch() / "validate-errors.txt"),
              "");
#endif
}
