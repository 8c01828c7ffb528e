// cubefall_capture: starts the game in a folder, waits for its first frames, optionally plays a
// few keys and waits, writes a PNG of its window and closes it. Needs an X display (run it under
// xvfb-run on a machine without one).
#include "game.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

void usage() {
    std::cerr << "usage: cubefall_capture GAME FOLDER OUTPUT.png [--wait SECONDS] "
                 "[--keys KEY,KEY,...] [-- GAME-ARGUMENTS...]\n"
                 "  Runs GAME in FOLDER (which holds bois.bmp and metal.bmp), waits for its "
                 "first frames,\n"
                 "  taps the keys (X key names such as a, s, Left, Down; a number instead waits "
                 "that many\n"
                 "  milliseconds), waits SECONDS more, saves the window as OUTPUT.png and closes "
                 "the game.\n";
}

std::vector<std::string> splitOnCommas(const std::string &list) {
    std::vector<std::string> items;
    std::istringstream in(list);
    std::string item;
    while (std::getline(in, item, ',')) {
        if (!item.empty()) {
            items.push_back(item);
        }
    }
    return items;
}

bool isNumber(const std::string &s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string::npos;
}

struct Options {
    std::filesystem::path game;
    std::filesystem::path folder;
    std::filesystem::path output;
    double waitSeconds = 0;
    std::vector<std::string> keys;
    std::vector<std::string> gameArguments;
};

bool parse(int argc, char **argv, Options &options) {
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--") {
            options.gameArguments.assign(argv + i + 1, argv + argc);
            break;
        }
        if (arg == "--wait" && i + 1 < argc) {
            char *end = nullptr;
            options.waitSeconds = std::strtod(argv[++i], &end);
            if (*end != '\0' || options.waitSeconds < 0) {
                return false;
            }
        } else if (arg == "--keys" && i + 1 < argc) {
            options.keys = splitOnCommas(argv[++i]);
        } else if (arg.rfind("--", 0) == 0) {
            return false;
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 3) {
        return false;
    }
    options.game = positional[0];
    options.folder = positional[1];
    options.output = positional[2];
    return true;
}

int run(const Options &options) {
    const harness::GameFolder logs; // only its scratch side is used: the game's output
    harness::Game game(options.game, options.folder, logs.scratch(), options.gameArguments);
    // A game that could not load its pictures shows a box and waits for a player, who is not
    // there: give up as soon as one shows rather than when the time runs out.
    const auto deadline = std::chrono::steady_clock::now() + harness::startTimeout;
    bool drawn = false;
    bool box = false;
    while (!drawn && !box && std::chrono::steady_clock::now() < deadline && game.running()) {
        drawn = game.waitForFirstFrame(std::chrono::milliseconds(500));
        box = !drawn && game.waitForBox(std::chrono::milliseconds(100)).has_value();
    }
    if (!drawn) {
        std::cerr << "cubefall_capture: the game showed "
                  << (box ? "a message box instead of a frame" : "no frame");
        if (const auto status = game.process().status()) {
            std::cerr << " (" << status->describe() << ")";
        }
        std::cerr << ".\n" << game.errorOutput();
        return 1;
    }
    for (const auto &key : options.keys) {
        if (isNumber(key)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(std::stol(key)));
        } else {
            game.tap(key);
        }
    }
    std::this_thread::sleep_for(std::chrono::duration<double>(options.waitSeconds));
    // Rather a frame drawn after the last key than one already on screen when it was sent; a
    // still game (both wells stopped) gives none, and then the current picture does.
    const auto before = game.capture();
    auto shot = game.waitForCapture(
        [&](const harness::Image &image) {
            return !before || harness::countDifferences(image, *before) > 0;
        },
        std::chrono::milliseconds(1500));
    if (!shot) {
        shot = game.capture();
    }
    if (!shot || !harness::writePng(*shot, options.output.string())) {
        std::cerr << "cubefall_capture: cannot write " << options.output << "\n";
        return 1;
    }
    game.close();
    if (!game.waitForExit()) {
        std::cerr << "cubefall_capture: the game did not end when its window was closed\n";
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    Options options;
    if (!parse(argc, argv, options)) {
        usage();
        return 2;
    }
    try {
        return run(options);
    } catch (const std::exception &e) {
        std::cerr << "cubefall_capture: " << e.what() << "\n";
        return 1;
    }
}
