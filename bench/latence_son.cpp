// How long from an event to its sound: the game's sound library plays a move's sound at random
// moments, and SDL_mixer's post-mix hook stamps the first buffer that carries it. SDL's null audio
// device mixes on the same clock as a real one, a buffer at a time; a real device adds its own
// queue after the mix, and takes longer to open. The rounds take turns: the device playing a
// sound, paused (as after a sound ends) and closed (after two seconds of silence).
#include "son.h"

#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

std::atomic<bool> waiting{false};
std::atomic<Clock::rep> heard{0};

void stamp(void *, Uint8 *stream, int length) {
    if (!waiting.load()) {
        return;
    }
    const auto *samples = reinterpret_cast<const Sint16 *>(stream);
    for (int i = 0; i < length / 2; ++i) {
        if (samples[i] != 0) {
            heard.store(Clock::now().time_since_epoch().count());
            waiting.store(false);
            return;
        }
    }
}

std::int64_t ms() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now().time_since_epoch())
        .count();
}

void report(const char *what, std::vector<double> delays) {
    std::sort(delays.begin(), delays.end());
    std::printf("%-36s median %5.2f ms, 95th percentile %5.2f ms, longest %5.2f ms (%zu sounds)\n",
                what, delays[delays.size() / 2], delays[delays.size() * 95 / 100], delays.back(),
                delays.size());
}

} // namespace

int main(int argc, char **argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    Son son;
    if (!son.ouvrir({CUBEFALL_SOUNDS})) {
        return 1;
    }
    Mix_SetPostMix(stamp, nullptr);
    std::mt19937 random(17);
    std::vector<double> delays[3];
    for (int round = 0; round < 3 * rounds; ++round) {
        const int state = round % 3;
        if (state > 0) {
            // Wait out the last sound and let the device sleep, as the game does; then close it,
            // telling it that the time to do so has come.
            std::this_thread::sleep_for(std::chrono::milliseconds(80));
            son.arreterSiSilence(ms());
            if (state == 2) {
                son.arreterSiSilence(ms() + 10000);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
        waiting.store(true);
        const auto start = Clock::now();
        son.jouer({Evenement::deplacement, 0}, ms());
        while (waiting.load() && Clock::now() - start < std::chrono::seconds(1)) {
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        }
        if (waiting.exchange(false)) {
            std::fprintf(stderr, "a sound was never mixed\n");
            return 1;
        }
        const std::chrono::duration<double, std::milli> delay =
            Clock::time_point(Clock::duration(heard.load())) - start;
        delays[state].push_back(delay.count());
    }
    std::printf("one buffer: 512 frames at 48,000 Hz = 10.67 ms\n");
    report("event to mix, device playing:", delays[0]);
    report("event to mix, device paused:", delays[1]);
    report("event to mix, device closed:", delays[2]);
    son.fermer();
    return 0;
}
