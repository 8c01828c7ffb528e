// The share of one core that the running game takes over ten seconds of play in a window, as it
// ships (sleeping until the next frame is due) and built to spin through the wait instead.
#include "game.h"
#include "process_cpu.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <thread>

using namespace std::chrono_literals;

namespace {

constexpr auto playTime = 10s;
// Both players move now and then, as people do.
constexpr auto betweenKeys = 250ms;
const char *const keys[] = {"a", "Left", "d", "Right", "w", "Up", "s", "Down"};
constexpr double goalPercent = 10;

std::map<std::string, double> percentOfACore;

void playInAWindow(benchmark::State &state, const std::string &name, const char *binary) {
    for (auto _ : state) {
        harness::GameFolder folder;
        harness::putPictures(folder, CUBEFALL_PICTURES, harness::Pictures::both);
        harness::Game game(binary, folder);
        if (!game.waitForFirstFrame()) {
            state.SkipWithError(("no frame from " + std::string(binary)).c_str());
            return;
        }
        const auto cpuBefore = cpuSeconds(game.pid());
        const auto start = std::chrono::steady_clock::now();
        for (std::size_t k = 0; std::chrono::steady_clock::now() - start < playTime; ++k) {
            game.tap(keys[k % std::size(keys)]);
            std::this_thread::sleep_for(betweenKeys);
        }
        const auto cpuAfter = cpuSeconds(game.pid());
        const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
        game.close();
        game.waitForExit();
        if (!cpuBefore || !cpuAfter) {
            state.SkipWithError("the game ended during the measure");
            return;
        }
        state.SetIterationTime(wall.count());
        const double percent = 100 * (*cpuAfter - *cpuBefore) / wall.count();
        percentOfACore[name] = percent;
        state.counters["core_percent"] = percent;
    }
}

} // namespace

int main(int argc, char **argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    for (const auto &[name, binary] :
         {std::pair{"sleeping", CUBEFALL_GAME}, std::pair{"spinning", CUBEFALL_GAME_SPIN}}) {
        benchmark::RegisterBenchmark(("GameInAWindow/" + std::string(name)).c_str(), playInAWindow,
                                     name, binary)
            ->Iterations(1)
            ->UseManualTime()
            ->Unit(benchmark::kSecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    const auto sleeping = percentOfACore.find("sleeping");
    const auto spinning = percentOfACore.find("spinning");
    if (sleeping != percentOfACore.end()) {
        std::printf("game as shipped: %.1f %% of one core (goal: at most %.0f %%): %s\n",
                    sleeping->second, goalPercent,
                    sleeping->second <= goalPercent ? "met" : "MISSED");
    }
    if (spinning != percentOfACore.end()) {
        std::printf("game built to spin: %.1f %% of one core\n", spinning->second);
    }
    if (sleeping != percentOfACore.end() && spinning != percentOfACore.end() &&
        sleeping->second > 0) {
        std::printf("spinning / sleeping: %.1f times the CPU time\n",
                    spinning->second / sleeping->second);
    }
    return 0;
}
