#include "key_player.h"
#include "memcheck_report.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>
#include <thread>

using namespace std::chrono_literals;

namespace {

// Under memcheck the game runs tens of times slower, and the leak search at its end takes a
// while: the waits stretch accordingly.
constexpr auto startUnderValgrind = 5min;
constexpr auto exitUnderValgrind = 5min;
constexpr auto playing = 10s;
constexpr auto betweenKeys = 50ms;
constexpr int errorExit = 99;

std::vector<std::string> memcheckArguments(const std::filesystem::path &xml) {
    return {
        "--tool=memcheck",
        "--leak-check=full",
        "--show-leak-kinds=definite,indirect",
        "--errors-for-leak-kinds=definite,indirect",
        "--error-exitcode=" + std::to_string(errorExit),
        // Mesa unloads its driver before the leak search: keep the names of its code.
        "--keep-debuginfo=yes",
        "--num-callers=40",
        "--suppressions=" CUBEFALL_MEMCHECK_SUPPRESSIONS,
        "--xml=yes",
        "--xml-file=" + xml.string(),
        CUBEFALL_GAME,
    };
}

std::string readFile(const std::filesystem::path &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

TEST(Memcheck, TenSecondsOfKeysLeaveNoLostMemoryAndNoBadAccessInTheGame) {
#ifdef CUBEFALL_GAME_SANITIZED
    GTEST_SKIP() << "the game is built with AddressSanitizer, which cannot run under valgrind";
#endif
    harness::GameFolder folder;
    harness::putPictures(folder, CUBEFALL_PICTURES, harness::Pictures::both);
    const auto xml = folder.scratch() / "memcheck.xml";
    harness::Game game(CUBEFALL_VALGRIND, folder, memcheckArguments(xml));
    ASSERT_TRUE(game.waitForFirstFrame(startUnderValgrind)) << game.errorOutput();

    KeyPlayer keys(static_cast<std::uint32_t>(std::time(nullptr)));
    const auto start = std::chrono::steady_clock::now();
    while (std::chrono::steady_clock::now() - start < playing) {
        keys.playOne(game);
        ASSERT_TRUE(game.running()) << game.errorOutput();
        std::this_thread::sleep_for(betweenKeys);
    }
    std::printf("memcheck: %s sent\n", keys.summary().c_str());
    game.close();
    const auto status = game.waitForExit(exitUnderValgrind);
    ASSERT_TRUE(status) << "the game did not end under valgrind once its window was closed";

    const auto report = memcheck::parse(readFile(xml));
    ASSERT_TRUE(report) << "valgrind wrote no XML report to " << xml << "; " << game.errorOutput();
    EXPECT_TRUE(report->finished) << "valgrind did not see the game to its end";
    EXPECT_FALSE(report->fatalSignal) << "the game died of " << *report->fatalSignal;
    // valgrind's exit status and the report come from the same run: they must agree.
    EXPECT_TRUE(status->exitedWith(report->errors.empty() ? 0 : errorExit))
        << status->describe() << " with " << report->errors.size() << " errors reported";

    const auto faults = memcheck::faults(*report, CUBEFALL_GAME);
    std::printf("memcheck: %zu errors reported, %zu of them held against the game\n",
                report->errors.size(), faults.size());
    for (const auto &[name, count] : report->suppressed) {
        std::printf("memcheck: %d suppressed by %s\n", count, name.c_str());
    }
    for (const auto &error : report->errors) {
        std::printf("memcheck: %s", memcheck::describe(error).c_str());
    }
    for (const auto &fault : faults) {
        ADD_FAILURE() << memcheck::describe(fault);
    }
}
