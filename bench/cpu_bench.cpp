// The share of one core that the running game takes in a window of 500 x 500 over ten seconds,
// with no key and with a key every 250 ms, beside the same game built to draw a frame every
// interval whatever happens (as it once did), an empty GLUT window drawing 20 frames a second, and
// the game with the computer playing one well at Hard, two games in a network match over loopback
// (each side measured), and the game with a pad connected (SDL's
// virtual joystick, attached in the game's own process) that nobody presses. The game runs twice:
// with its sound on SDL's null audio device, which mixes and paces like a real one without a sound
// card, and with no audio device at all (a driver that does not exist), so the difference is what
// sound costs; the others run without sound. The contenders take turns, round after round, so that
// they share the machine's moods; the X server's share during each run is reported beside the
// program's. With CUBEFALL_GAME_AVANT naming another build of the game (the last commit before a
// change, say), that game takes its turns too, quiet and with the computer at Hard, so that a
// change is weighed side by side; with CUBEFALL_CPU_RESEAU_SEUL, only the network match runs.
#include "game.h"
#include "inondation.h"
#include "process_cpu.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

using namespace std::chrono_literals;

namespace {

constexpr auto runTime = 10s;
constexpr auto betweenKeys = 250ms;
const char *const keys[] = {"a", "Left", "d", "Right", "w", "Up", "s", "Down"};
constexpr double goalQuiet = 1;
constexpr double goalKeys = 2;
constexpr double goalComputer = 3;
const char *const computerHard = "game, computer Hard at the right";
constexpr double goalPad = 2;
const char *const withPad = "game, a pad connected";
constexpr double goalSound = 1;
constexpr double goalSoundAdds = 0.5;
constexpr double goalFlooded = 10;
const char *const flooded1 = "network flooded, the host";
const char *const flooded2 = "network flooded, the joining game";

struct Contender {
    const char *name;
    const char *binary;
    const char *audioDriver = "nonexistent";
    // Keys pressed once the first frame shows, before the measure.
    std::vector<const char *> setup = {};
    // The game attaches a virtual pad at start.
    bool pad = false;
};

struct Share {
    double program = 0;
    double server = 0;
};

// One run: the program in a fresh folder, measured once it shows its first frame.
std::optional<Share> measure(const Contender &contender, bool withKeys, pid_t server) {
    harness::GameFolder folder;
    harness::putPictures(folder, CUBEFALL_PICTURES, harness::Pictures::both);
    setenv("SDL_AUDIODRIVER", contender.audioDriver, 1);
    if (contender.pad) {
        setenv("CUBEFALL_MANETTE_VIRTUELLE", "1", 1);
    }
    harness::Game game(contender.binary, folder);
    unsetenv("SDL_AUDIODRIVER");
    unsetenv("CUBEFALL_MANETTE_VIRTUELLE");
    if (!game.waitForFirstFrame()) {
        std::fprintf(stderr, "%s: no frame\n%s", contender.name, game.errorOutput().c_str());
        return std::nullopt;
    }
    for (const char *key : contender.setup) {
        game.tap(key);
    }
    std::this_thread::sleep_for(1s);
    const auto before = cpuSeconds(game.pid());
    const auto serverBefore = cpuSeconds(server);
    const auto start = std::chrono::steady_clock::now();
    if (withKeys) {
        for (std::size_t k = 0; std::chrono::steady_clock::now() - start < runTime; ++k) {
            game.tap(keys[k % std::size(keys)]);
            std::this_thread::sleep_for(betweenKeys);
        }
    } else {
        std::this_thread::sleep_for(runTime);
    }
    const auto after = cpuSeconds(game.pid());
    const auto serverAfter = cpuSeconds(server);
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    game.close();
    game.waitForExit();
    if (!before || !after) {
        return std::nullopt;
    }
    Share share;
    share.program = 100 * (*after - *before) / wall.count();
    if (serverBefore && serverAfter) {
        share.server = 100 * (*serverAfter - *serverBefore) / wall.count();
    }
    return share;
}

// Two games on this machine in a network match, the host and the joining one, each measured while
// the other runs: quiet, or the joining player pressing a key every 250 ms; or quiet while 2,000
// junk datagrams a second hit each game's port. Loopback only.
std::optional<std::pair<double, double>> measureNetwork(bool withKeys, bool flood = false) {
    harness::GameFolder hostFolder, joiningFolder;
    harness::putPictures(hostFolder, CUBEFALL_PICTURES, harness::Pictures::both);
    harness::putPictures(joiningFolder, CUBEFALL_PICTURES, harness::Pictures::both);
    const std::string port = std::to_string(27000 + std::rand() % 20000);
    setenv("SDL_AUDIODRIVER", "nonexistent", 1);
    harness::Game host(CUBEFALL_GAME, hostFolder, {"-geometry", "500x500+0+0", "--host=" + port});
    harness::Game joining(CUBEFALL_GAME, joiningFolder,
                          {"-geometry", "500x500+600+0", "--join=127.0.0.1:" + port});
    unsetenv("SDL_AUDIODRIVER");
    if (!host.waitForFirstFrame() || !joining.waitForFirstFrame()) {
        std::fprintf(stderr, "network: no frame\n%s%s", host.errorOutput().c_str(),
                     joining.errorOutput().c_str());
        return std::nullopt;
    }
    // The player joins, and the first pieces settle in.
    std::this_thread::sleep_for(3s);
    std::vector<std::unique_ptr<Inondation>> floods;
    const std::vector<unsigned> joiningPorts = udpPorts(joining.pid());
    if (flood && !joiningPorts.empty()) {
        const std::vector<std::uint8_t> request = demandeConnexion();
        for (const unsigned p : {static_cast<unsigned>(std::stoul(port)), joiningPorts[0]}) {
            floods.push_back(std::make_unique<Inondation>(static_cast<std::uint16_t>(p), 2000,
                                                          Inondation::Sorte::melange, request));
        }
    }
    const auto hostBefore = cpuSeconds(host.pid());
    const auto joiningBefore = cpuSeconds(joining.pid());
    const auto start = std::chrono::steady_clock::now();
    if (withKeys) {
        for (std::size_t k = 0; std::chrono::steady_clock::now() - start < runTime; ++k) {
            joining.tap(keys[(2 * k + 1) % std::size(keys)]);
            std::this_thread::sleep_for(betweenKeys);
        }
    } else {
        std::this_thread::sleep_for(runTime);
    }
    const auto hostAfter = cpuSeconds(host.pid());
    const auto joiningAfter = cpuSeconds(joining.pid());
    floods.clear();
    if (!host.running() || !joining.running()) {
        return std::nullopt;
    }
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    if (!hostBefore || !hostAfter || !joiningBefore || !joiningAfter) {
        return std::nullopt;
    }
    return std::make_pair(100 * (*hostAfter - *hostBefore) / wall.count(),
                          100 * (*joiningAfter - *joiningBefore) / wall.count());
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char **argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2;
    std::vector<Contender> contenders = {
        {"game", CUBEFALL_GAME},
        {"game with sound", CUBEFALL_GAME, "dummy"},
        {"game drawing every frame", CUBEFALL_GAME_EVERY_FRAME},
        {"empty window, 20 frames a second", CUBEFALL_EMPTY_WINDOW},
        {computerHard, CUBEFALL_GAME, "nonexistent", {"F4", "F4", "F4"}},
        {withPad, CUBEFALL_GAME, "nonexistent", {}, true},
    };
    // The network match alone, when that is all a change touches.
    if (std::getenv("CUBEFALL_CPU_RESEAU_SEUL") != nullptr) {
        contenders.clear();
    }
    if (const char *avant = std::getenv("CUBEFALL_GAME_AVANT")) {
        contenders.push_back({"game before", avant});
        contenders.push_back(
            {"game before, computer Hard at the right", avant, "nonexistent", {"F4", "F4", "F4"}});
    }
    const auto server = xServerPid();
    if (!server) {
        std::fprintf(stderr, "no X server process found for DISPLAY: run under xvfb-run\n");
    }

    std::map<std::pair<std::string, bool>, std::vector<Share>> runs;
    for (int round = 0; round < rounds; ++round) {
        for (const bool withKeys : {false, true}) {
            // Each round starts with another contender.
            for (std::size_t i = 0; i < contenders.size(); ++i) {
                const Contender &c =
                    contenders[(i + static_cast<std::size_t>(round)) % contenders.size()];
                const auto share = measure(c, withKeys, server.value_or(0));
                if (!share) {
                    return 1;
                }
                std::printf("round %d, %-34s %-8s %5.2f %% of a core (X server %5.2f %%)\n",
                            round + 1, c.name, withKeys ? "keys" : "no keys", share->program,
                            share->server);
                std::fflush(stdout);
                runs[{c.name, withKeys}].push_back(*share);
            }
            if (const auto network = measureNetwork(withKeys)) {
                std::printf("round %d, %-34s %-8s %5.2f %% and %5.2f %% of a core\n", round + 1,
                            "network, host and joining", withKeys ? "keys" : "no keys",
                            network->first, network->second);
                runs[{"network, the host", withKeys}].push_back({network->first, 0});
                runs[{"network, the joining game", withKeys}].push_back({network->second, 0});
            }
            if (withKeys) {
                continue;
            }
            if (const auto flooded = measureNetwork(false, true)) {
                std::printf("round %d, %-34s %-8s %5.2f %% and %5.2f %% of a core\n", round + 1,
                            "network flooded, host and joining", "no keys", flooded->first,
                            flooded->second);
                runs[{flooded1, false}].push_back({flooded->first, 0});
                runs[{flooded2, false}].push_back({flooded->second, 0});
            }
        }
    }

    std::printf("\nmedian over %d rounds, 10 s each, window 500 x 500:\n", rounds);
    std::printf("%-34s %-8s %8s %8s\n", "", "", "program", "X server");
    std::map<std::pair<std::string, bool>, double> medians;
    for (const auto &[key, shares] : runs) {
        std::vector<double> program, x;
        for (const Share &s : shares) {
            program.push_back(s.program);
            x.push_back(s.server);
        }
        medians[key] = median(program);
        std::printf("%-34s %-8s %7.2f%% %7.2f%%\n", key.first.c_str(),
                    key.second ? "keys" : "no keys", medians[key], median(x));
    }
    if (!contenders.empty()) {
        for (const bool withKeys : {false, true}) {
            const double game = medians[{"game", withKeys}];
            const double every = medians[{"game drawing every frame", withKeys}];
            const double goal = withKeys ? goalKeys : goalQuiet;
            std::printf(
                "game, %s: %.2f %% (goal: at most %.0f %%): %s; %.1f times less than drawing "
                "every frame\n",
                withKeys ? "keys every 250 ms" : "no keys", game, goal,
                game <= goal ? "met" : "MISSED", game > 0 ? every / game : 0);
        }
        for (const bool withKeys : {false, true}) {
            const double game = medians[{"game", withKeys}];
            const double sound = medians[{"game with sound", withKeys}];
            std::printf("game with sound, %s: %.2f %%, %+.2f %% for the sound (goal: %s): %s\n",
                        withKeys ? "keys every 250 ms" : "no keys", sound, sound - game,
                        withKeys ? "adds at most 0.5 %" : "at most 1 % in all",
                        (withKeys ? sound - game <= goalSoundAdds : sound <= goalSound) ? "met"
                                                                                        : "MISSED");
        }
        const double computer = medians[{computerHard, false}];
        std::printf("%s, no keys: %.2f %% (goal: at most %.0f %%): %s\n", computerHard, computer,
                    goalComputer, computer <= goalComputer ? "met" : "MISSED");
        const double pad = medians[{withPad, false}];
        std::printf("%s, no button: %.2f %%, %+.2f %% for reading it (goal: at most %.0f %%): %s; "
                    "with keys every 250 ms: %.2f %%, %+.2f %%\n",
                    withPad, pad, pad - medians[{"game", false}], goalPad,
                    pad <= goalPad ? "met" : "MISSED", medians[{withPad, true}],
                    medians[{withPad, true}] - medians[{"game", true}]);
    }
    const double hostQuiet = medians[{"network, the host", false}];
    const double joiningQuiet = medians[{"network, the joining game", false}];
    std::printf("network, no keys: the host %.2f %%, the joining game %.2f %% (goal: at most 1 %% "
                "each): %s\n",
                hostQuiet, joiningQuiet,
                hostQuiet <= goalQuiet && joiningQuiet <= goalQuiet ? "met" : "MISSED");
    const double hostFlooded = medians[{flooded1, false}];
    const double joiningFlooded = medians[{flooded2, false}];
    std::printf(
        "network flooded, 2,000 junk datagrams a second at each port: the host %.2f %%, the "
        "joining game %.2f %% (goal: at most %.0f %% each): %s\n",
        hostFlooded, joiningFlooded, goalFlooded,
        hostFlooded <= goalFlooded && joiningFlooded <= goalFlooded ? "met" : "MISSED");
    return 0;
}
