#include "game.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace harness {

namespace {

// The game's settings come from a folder of the run's own (config/cubefall/cubefall.conf
// beside its output), never from the user's: what a test changes in play stays with the test.
// The game's sound goes to SDL's null audio device, which plays nothing but works as a device
// does, unless the caller chose a driver (the sound tests do). Under LeakSanitizer, Mesa unloads
// its driver before the leak report, whose stacks then cannot say that the driver made them; the
// sanitizer build names the driver here so that the game keeps it loaded (with the sanitizer's
// runtime first, as it requires).
std::vector<std::string> gameEnvironment(const std::filesystem::path &logDir) {
    std::vector<std::string> settings = {"XDG_CONFIG_HOME=" + (logDir / "config").string()};
    if (std::getenv("SDL_AUDIODRIVER") == nullptr) {
        settings.push_back("SDL_AUDIODRIVER=dummy");
    }
    const char *preload = std::getenv("CUBEFALL_GAME_LD_PRELOAD");
    if (preload != nullptr && *preload != '\0') {
        settings.push_back(std::string("LD_PRELOAD=") + preload);
    }
    return settings;
}

} // namespace

Game::Game(const std::filesystem::path &binary, const GameFolder &folder,
           const std::vector<std::string> &arguments)
    : Game(binary, folder.path(), folder.scratch(), arguments) {}

Game::Game(const std::filesystem::path &binary, const std::filesystem::path &workingDir,
           const std::filesystem::path &logDir, const std::vector<std::string> &arguments)
    : logDir_(logDir), x_(), before_(x_.windowsTitled(gameTitle)),
      process_(binary, arguments, workingDir, logDir / "stdout.txt", logDir / "stderr.txt",
               gameEnvironment(logDir)) {}

bool Game::windowShown() {
    if (!window_) {
        for (WindowId w : x_.windowsTitled(gameTitle)) {
            if (std::find(before_.begin(), before_.end(), w) == before_.end()) {
                window_ = w;
            }
        }
    }
    if (!window_) {
        return false;
    }
    const auto g = x_.geometry(*window_);
    return g && g->viewable;
}

bool Game::waitForWindow(std::chrono::milliseconds timeout) {
    // A game that has ended will not show a window any more: no need to wait longer.
    waitUntil([this] { return windowShown() || !process_.running(); }, timeout);
    return windowShown() && process_.running();
}

bool Game::waitForFirstFrame(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    if (!waitForWindow(timeout)) {
        return false;
    }
    x_.moveOnScreen(*window_);
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    return waitForCapture([](const Image &image) { return !allBlack(image); },
                          std::max(left, std::chrono::milliseconds(0)))
        .has_value();
}

std::optional<WindowGeometry> Game::geometry() const {
    if (!window_) {
        return std::nullopt;
    }
    return x_.geometry(*window_);
}

bool Game::resize(int width, int height, std::chrono::milliseconds timeout) {
    if (!window_ || !x_.resize(*window_, width, height)) {
        return false;
    }
    return waitUntil(
        [&] {
            const auto g = geometry();
            return g && g->width == width && g->height == height;
        },
        timeout);
}

std::optional<Image> Game::capture() const {
    if (!window_) {
        return std::nullopt;
    }
    return x_.capture(*window_);
}

std::optional<Image> Game::waitForCapture(const std::function<bool(const Image &)> &condition,
                                          std::chrono::milliseconds timeout) {
    std::optional<Image> last;
    const bool found = waitUntil(
        [&] {
            last = capture();
            return last && condition(*last);
        },
        timeout, std::chrono::milliseconds(25));
    if (!found) {
        return std::nullopt;
    }
    return last;
}

void Game::press(const std::string &key) {
    if (!window_ || !x_.sendKey(*window_, key, true)) {
        throw std::runtime_error("cannot press " + key + ": the game's window is not there");
    }
}

void Game::release(const std::string &key) {
    if (!window_ || !x_.sendKey(*window_, key, false)) {
        throw std::runtime_error("cannot release " + key + ": the game's window is not there");
    }
}

void Game::tap(const std::string &key) {
    press(key);
    release(key);
}

void Game::close() {
    if (!window_ || !x_.requestClose(*window_)) {
        throw std::runtime_error("cannot close the game's window: it is not there");
    }
}

std::optional<ExitStatus> Game::waitForExit(std::chrono::milliseconds timeout) {
    return process_.waitForExit(timeout);
}

std::optional<WindowId> Game::waitForBox(std::chrono::milliseconds timeout) {
    std::optional<WindowId> box;
    waitUntil(
        [&] {
            for (WindowId w : x_.windowsTitled(boxTitle)) {
                const auto g = x_.geometry(w);
                if (g && g->viewable &&
                    std::find(boxesSeen_.begin(), boxesSeen_.end(), w) == boxesSeen_.end()) {
                    box = w;
                }
            }
            return box || !process_.running();
        },
        timeout);
    if (box) {
        boxesSeen_.push_back(*box);
        x_.moveOnScreen(*box);
    }
    return box;
}

bool Game::waitForBoxGone(WindowId box, std::chrono::milliseconds timeout) {
    return waitUntil(
        [&] {
            const auto g = x_.geometry(box);
            return !g || !g->viewable;
        },
        timeout);
}

std::string Game::errorOutput() const {
    std::ifstream in(logDir_ / "stderr.txt", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace harness
