#include "key_player.h"
#include "match_end.h"
#include "soak_options.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <thread>

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

// About sixty keys a second, a handful between two frames: the game keeps up, and no backlog
// of events piles up in its memory.
constexpr auto betweenKeys = 15ms;
// When the game's memory is read; a longer run reads it once more at its end.
const std::chrono::seconds memoryReadings[] = {10s, 60s};
constexpr long allowedGrowthKiB = 1024;

std::string keepPicture(const harness::Image &image, const std::string &name) {
    const std::filesystem::path dir = CUBEFALL_SOAK_OUTPUT;
    std::filesystem::create_directories(dir);
    const auto path = (dir / (name + ".png")).string();
    return harness::writePng(image, path) ? path : "(could not write " + path + ")";
}

// With the sway on the scene turns a degree every frame, whatever the state of the match: a
// picture that changes shows that the game still handles keys and draws.
bool drawsNewFrames(harness::Game &game, KeyPlayer &keys) {
    keys.setSway(game, true);
    const auto first = game.capture();
    return first && game.waitForCapture([&](const harness::Image &image) {
        return harness::countDifferences(image, *first) > 0;
    });
}

// glibc raises its mmap threshold the first time a large mapped block is freed, after which such
// blocks come from the heap: a one-time growth of a MiB or so, minutes into a run, inside Mesa's
// allocations. With the threshold fixed at its usual start value large blocks keep coming and
// going as mappings, and a real leak still shows.
void fixMallocThreshold() {
    std::string tunables = "glibc.malloc.mmap_threshold=131072";
    if (const char *others = std::getenv("GLIBC_TUNABLES")) {
        tunables = std::string(others) + ":" + tunables;
    }
    setenv("GLIBC_TUNABLES", tunables.c_str(), 1);
}

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

struct MemoryReading {
    double at = 0;
    long kib = 0;
};

} // namespace

// Both players at once, random keys for the whole run and through the end of the match: the
// game must neither crash nor hang nor grow, and must close normally.
TEST(Soak, BothPlayersPlayRandomKeysThroughTheEndOfTheMatch) {
    fixMallocThreshold();
    harness::GameFolder folder;
    harness::putPictures(folder, CUBEFALL_PICTURES, harness::Pictures::both);
    // The sound's memory comes and goes with its device, opened at a sound and closed after two
    // seconds of silence, which would blur the growth measured here: the game plays silent, and
    // the memcheck run looks at the sound's own memory.
    setenv("SDL_AUDIODRIVER", "nonexistent", 1);
    harness::Game game(CUBEFALL_GAME, folder);
    unsetenv("SDL_AUDIODRIVER");
    ASSERT_TRUE(game.waitForFirstFrame()) << game.errorOutput();

    const auto seed = static_cast<std::uint32_t>(std::time(nullptr));
    std::printf("soak: %lld s of random keys, seed %u\n",
                static_cast<long long>(soakDuration.count()), seed);
    KeyPlayer keys(seed);

    std::vector<MemoryReading> memory;
    const auto readMemory = [&](double at) {
        if (const auto kib = game.residentKiB()) {
            memory.push_back({at, *kib});
        }
    };
    std::optional<scene::Well> loser;
    double matchEnd = 0;

    const auto start = Clock::now();
    std::size_t nextReading = 0;
    auto nextLook = start + 1s;
    auto nextProbe = start + 10s;
    while (Clock::now() - start < soakDuration) {
        keys.playOne(game);
        ASSERT_TRUE(game.running())
            << "the game ended after " << secondsSince(start) << " s with "
            << game.process().status()->describe() << "; " << game.errorOutput();
        const auto now = Clock::now();
        if (nextReading < std::size(memoryReadings) && now - start >= memoryReadings[nextReading]) {
            readMemory(secondsSince(start));
            ++nextReading;
        }
        // Whether the match has ended shows only in an unturned picture.
        if (!loser && now >= nextLook && !keys.swayOn()) {
            if (const auto image = game.capture()) {
                loser = fullWell(*image);
                matchEnd = secondsSince(start);
            }
            nextLook = now + 1s;
        }
        if (now >= nextProbe) {
            ASSERT_TRUE(drawsNewFrames(game, keys))
                << "the game stopped drawing " << secondsSince(start) << " s into the run";
            nextProbe = Clock::now() + 10s;
        }
        std::this_thread::sleep_for(betweenKeys);
    }
    if (nextReading < std::size(memoryReadings) || soakDuration > memoryReadings[1]) {
        readMemory(secondsSince(start));
    }
    std::printf("soak: %s sent in %.1f s\n", keys.summary().c_str(), secondsSince(start));

    EXPECT_TRUE(drawsNewFrames(game, keys)) << "the game stopped drawing at the end of the run";
    keys.setSway(game, false);
    const auto end = game.waitForCapture(
        [](const harness::Image &image) { return fullWell(image).has_value(); });
    if (end) {
        if (!loser) {
            loser = fullWell(*end);
            matchEnd = secondsSince(start);
        }
        std::printf("soak: the match ended by %.0f s: the %s well is full\n", matchEnd,
                    nameOf(*loser));
    } else {
        const auto last = game.capture();
        ADD_FAILURE() << "the match did not end within the run, or its end does not show: no well "
                         "is full in "
                      << (last ? keepPicture(*last, "soak-end") : "(no picture)");
    }

    game.close();
    const auto status = game.waitForExit();
    ASSERT_TRUE(status) << "the game did not end when its window was closed";
    EXPECT_TRUE(status->exitedWith(0)) << status->describe() << "; " << game.errorOutput();

    ASSERT_GE(memory.size(), 2u) << "the game's memory could not be read";
    for (const auto &reading : memory) {
        std::printf("soak: resident memory at %.0f s: %ld KiB\n", reading.at, reading.kib);
    }
#ifdef CUBEFALL_GAME_SANITIZED
    std::printf("soak: memory growth not checked: AddressSanitizer's shadow memory and "
                "quarantine make the resident size meaningless\n");
#else
    for (std::size_t i = 1; i < memory.size(); ++i) {
        EXPECT_LT(std::labs(memory[i].kib - memory[0].kib), allowedGrowthKiB)
            << "resident memory at " << memory[0].at << " s and at " << memory[i].at << " s";
    }
#endif
}
