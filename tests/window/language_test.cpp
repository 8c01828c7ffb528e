// The game speaks the desktop's language: under a French locale (made for the test when the
// machine has none) the pause panel reads in French, accents and all; under an English one, in
// English. The panel is read back from the window's pixels by an OCR engine, as a player reads it.
#include "test_support.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

std::string output(const std::string &command) {
    std::string text;
    std::unique_ptr<FILE, int (*)(FILE *)> pipe(popen(command.c_str(), "r"), pclose);
    std::array<char, 4096> buffer{};
    while (pipe && std::fgets(buffer.data(), buffer.size(), pipe.get())) {
        text += buffer.data();
    }
    return text;
}

// A folder holding fr_FR.UTF-8, for LOCPATH: the machine's own if it has one, else one that
// localedef compiles here.
std::string frenchLocaleFolder() {
    if (output("locale -a").find("fr_FR.utf8") != std::string::npos) {
        return {};
    }
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("cubefall_locale_" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    // localedef says warnings with status 1 while it still writes the locale.
    std::system(
        ("localedef -i fr_FR -f UTF-8 '" + (folder / "fr_FR.UTF-8").string() + "' 2>/dev/null")
            .c_str());
    return folder.string();
}

} // namespace

TEST(Language, ThePausePanelReadsInTheDesktopsLanguage) {
    struct Case {
        const char *lang;
        const char *ocrLanguage;
        std::vector<std::string> words; // the heading, and a key with an accent if any
    };
    const std::string locpath = frenchLocaleFolder();
    for (const Case &c : {Case{"en_US.UTF-8", "eng", {"Paused", "Escape"}},
                          Case{"fr_FR.UTF-8", "fra", {"En pause", "Échap", "flèche gauche"}}}) {
        SCOPED_TRACE(c.lang);
        // No English locale is needed for English: the game's own texts are English.
        unsetenv("LANGUAGE");
        unsetenv("LC_ALL");
        unsetenv("LC_MESSAGES");
        setenv("LANG", c.lang, 1);
        if (!locpath.empty()) {
            setenv("LOCPATH", locpath.c_str(), 1);
        }
        auto started = startGame(harness::Pictures::both, {"-geometry", "640x640"});
        ASSERT_TRUE(started.drawn) << started.why();
        started.game->tap("p");
        std::this_thread::sleep_for(std::chrono::milliseconds(600));
        const std::optional<harness::Image> image = started.game->capture();
        ASSERT_TRUE(image);
        const std::string saved = keepForInspection(*image, std::string("pause_") + c.ocrLanguage);
        const std::string read =
            output("tesseract '" + saved + "' stdout -l " + c.ocrLanguage + " 2>/dev/null");
        for (const std::string &word : c.words) {
            EXPECT_NE(read.find(word), std::string::npos)
                << "\"" << word << "\" not read in " << saved << ", which reads:\n"
                << read;
        }
        EXPECT_EQ(started.game->errorOutput(), "");
    }
    unsetenv("LOCPATH");
    if (!locpath.empty()) {
        std::filesystem::remove_all(locpath);
    }
}
