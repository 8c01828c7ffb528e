#pragma once

#include "folder.h"
#include "image.h"
#include "process.h"
#include "wait.h"
#include "x_display.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace harness {

constexpr const char *gameTitle = "Cubefall";
constexpr const char *boxTitle = "Error";

// One run of the game in a real window: the process, its window and what it wrote on standard
// error. The destructor kills the game's process group, whatever state the test left it in.
class Game {
public:
    // Starts the binary in the folder's working folder; the arguments go to the game (and so to
    // GLUT, e.g. {"-geometry", "640x480"}).
    Game(const std::filesystem::path &binary, const GameFolder &folder,
         const std::vector<std::string> &arguments = {});
    // The same in any working folder; the game's standard output and error go to logDir.
    Game(const std::filesystem::path &binary, const std::filesystem::path &workingDir,
         const std::filesystem::path &logDir, const std::vector<std::string> &arguments = {});

    ChildProcess &process() { return process_; }
    pid_t pid() const { return process_.pid(); }

    // Waits for a window titled exactly "Cubefall" that was not there before the start, and for
    // it to be mapped. False when the game ends first or the time runs out.
    bool waitForWindow(std::chrono::milliseconds timeout = startTimeout);
    // Waits for the window, moves it wholly on screen if needed, then waits until it shows
    // something other than black: the game has drawn.
    bool waitForFirstFrame(std::chrono::milliseconds timeout = startTimeout);
    std::optional<WindowId> window() const { return window_; }
    std::optional<WindowGeometry> geometry() const;
    // Resizes the window as a user would and waits until X reports the new size.
    bool resize(int width, int height, std::chrono::milliseconds timeout = eventTimeout);

    std::optional<Image> capture() const;
    // Captures until one satisfies the condition; returns it, or nullopt when the time runs out.
    std::optional<Image> waitForCapture(const std::function<bool(const Image &)> &condition,
                                        std::chrono::milliseconds timeout = eventTimeout);

    // X keysym names: "a", "s", "d", "w", "l", "Left", "Right", "Up", "Down".
    void press(const std::string &key);
    void release(const std::string &key);
    void tap(const std::string &key);

    // Closes the window as a user does; the game should then end by itself.
    void close();
    std::optional<ExitStatus> waitForExit(std::chrono::milliseconds timeout = eventTimeout);
    bool running() { return process_.running(); }

    // Waits for a message box of the game (a window titled exactly "Error") that this call has not
    // returned before, mapped, and moves it wholly on screen if needed.
    std::optional<WindowId> waitForBox(std::chrono::milliseconds timeout = startTimeout);
    // Waits until the box is no longer on screen.
    bool waitForBoxGone(WindowId box, std::chrono::milliseconds timeout = eventTimeout);
    // Keys, clicks, captures and closing for the box go through the X connection.
    const XConnection &x() const { return x_; }

    // Everything the game has written on standard error so far.
    std::string errorOutput() const;
    std::optional<long> residentKiB() const { return process_.residentKiB(); }

private:
    // Looks for the window once; true when it is there and mapped.
    bool windowShown();

    std::filesystem::path logDir_;
    XConnection x_;
    std::vector<WindowId> before_;
    ChildProcess process_;
    std::optional<WindowId> window_;
    std::vector<WindowId> boxesSeen_;
};

} // namespace harness
