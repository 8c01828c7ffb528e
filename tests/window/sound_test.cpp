#include "piece_checks.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <thread>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// The game's output as SDL's disk driver writes it: 48,000 frames a second, 16-bit, left then
// right, in real time, from the start of the file at each opening of the device. The game closes
// its device after two seconds of silence and opens it for the next sound.
constexpr std::uintmax_t octetsParSeconde = 48000 * 4;

struct Energie {
    double gauche = 0, droite = 0;
};

// Once the device is closed (the file stands still), taps the keys and reads what the game
// played in the 0.6 s after: nothing when it never opened the device again.
Energie ecouter(harness::Game &game, const fs::path &fichier,
                const std::vector<std::string> &touches) {
    auto taille = fs::file_size(fichier);
    EXPECT_TRUE(harness::waitUntil(
        [&] {
            std::this_thread::sleep_for(200ms);
            const auto avant = taille;
            taille = fs::file_size(fichier);
            return taille == avant;
        },
        harness::eventTimeout))
        << "the device stayed open";
    const auto ecrit = fs::last_write_time(fichier);
    for (const std::string &touche : touches) {
        game.tap(touche);
    }
    std::this_thread::sleep_for(700ms);
    Energie e;
    if (fs::last_write_time(fichier) == ecrit) {
        return e;
    }
    const std::uintmax_t longueur = std::min(fs::file_size(fichier), octetsParSeconde * 6 / 10);
    std::ifstream in(fichier, std::ios::binary);
    std::vector<std::int16_t> echantillons(longueur / 4 * 2);
    in.read(reinterpret_cast<char *>(echantillons.data()),
            static_cast<std::streamsize>(echantillons.size() * 2));
    for (std::size_t i = 0; i + 1 < echantillons.size(); i += 2) {
        e.gauche += static_cast<double>(echantillons[i]) * echantillons[i];
        e.droite += static_cast<double>(echantillons[i + 1]) * echantillons[i + 1];
    }
    return e;
}

// Each player's sounds come mostly from their side; once m is pressed, a key makes no sound.
// A file that does not load is named once, and the sound it was to replace plays instead.
TEST(Sound, EachPlayerOnTheirSideAndMSilences) {
    harness::GameFolder folder;
    harness::putPictures(folder, picturesDir(), harness::Pictures::both);
    // A player's own move sound that is no sound at all: refused, said so, and ours plays.
    folder.write("deplacement.ogg", {'O', 'g', 'g', 'S', 0, 1, 2, 3});
    const fs::path fichier = folder.scratch() / "audio.raw";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", fichier.c_str(), 1);
    harness::Game game(gameBinary(), folder);
    unsetenv("SDL_AUDIODRIVER");
    unsetenv("SDL_DISKAUDIOFILE");
    ASSERT_TRUE(game.waitForFirstFrame()) << game.errorOutput();
    ASSERT_TRUE(harness::waitUntil([&] { return fs::exists(fichier); }, harness::eventTimeout));
    const std::string erreurs = game.errorOutput();
    EXPECT_EQ(erreurs.rfind("Sound: refused ", 0), 0u) << erreurs;
    EXPECT_NE(erreurs.find("deplacement.ogg"), std::string::npos) << erreurs;
    EXPECT_EQ(std::count(erreurs.begin(), erreurs.end(), '\n'), 1) << erreurs;

    const Energie gauche = ecouter(game, fichier, {"a"});
    EXPECT_GT(gauche.gauche, 0);
    EXPECT_GT(gauche.gauche, 4 * gauche.droite);
    const Energie droite = ecouter(game, fichier, {"Right"});
    EXPECT_GT(droite.droite, 0);
    EXPECT_GT(droite.droite, 4 * droite.gauche);
    const Energie coupe = ecouter(game, fichier, {"m", "a", "Left"});
    EXPECT_EQ(coupe.gauche + coupe.droite, 0);
}

// The window's bottom middle shows the notice's dark panel, beside its text.
bool avisAffiche(const harness::Image &image) {
    const auto c = image.at(image.width() / 2 - 44, image.height() - 28);
    return std::abs(c.r - 31) < 12 && std::abs(c.g - 26) < 12 && std::abs(c.b - 20) < 12;
}

// No audio output at all: the game opens, says so once, plays, and m still shows its notice,
// which goes away by itself.
TEST(Sound, WithoutAudioTheGamePlays) {
    setenv("SDL_AUDIODRIVER", "nonexistent", 1);
    auto started = startGame(harness::Pictures::both);
    unsetenv("SDL_AUDIODRIVER");
    ASSERT_TRUE(started.drawn) << started.why();
    auto &game = *started.game;
    const std::string erreurs = game.errorOutput();
    EXPECT_EQ(std::count(erreurs.begin(), erreurs.end(), '\n'), 1) << erreurs;
    EXPECT_EQ(erreurs.rfind("Sound: ", 0), 0u) << erreurs;

    const auto vue = waitForPiece(game, scene::Well::left, {}, "no-audio-start");
    ASSERT_EQ(vue.places.size(), 1u) << vue.explanation;
    game.tap("a");
    scene::PieceSearch aGauche;
    aGauche.types = {vue.places[0].type};
    aGauche.column = 3;
    aGauche.highestRow = vue.places[0].row;
    const auto apres = waitForPiece(game, scene::Well::left, aGauche, "no-audio-a");
    EXPECT_EQ(apres.places.size(), 1u) << "a did not move the piece: " << apres.explanation;

    game.tap("m");
    EXPECT_TRUE(game.waitForCapture(avisAffiche)) << "no notice after m";
    EXPECT_TRUE(game.waitForCapture([](const harness::Image &image) {
        return !avisAffiche(image);
    })) << "the notice stayed";
    EXPECT_TRUE(game.running());
}

} // namespace
