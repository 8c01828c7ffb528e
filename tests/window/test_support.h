#pragma once

#include "game.h"

#include <ctime>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// Paths that the build gives the window tests.
std::filesystem::path gameBinary();
std::filesystem::path captureTool();
std::filesystem::path picturesDir();

// Saves a picture for a person to look at after a failure; returns where it went.
std::string keepForInspection(const harness::Image &image, const std::string &name);

// A game started in a fresh folder, with the seconds within which it made its first pieces.
struct StartedGame {
    std::unique_ptr<harness::GameFolder> folder;
    std::unique_ptr<harness::Game> game;
    std::time_t startedFrom = 0;
    std::time_t startedBy = 0;
    bool drawn = false;

    // What a test prints when the game did not come up.
    std::string why() const;
};

// Starts the game with the given pictures (and the text of its settings file, if any) and waits
// for its first frame.
StartedGame startGame(harness::Pictures pictures, const std::vector<std::string> &arguments = {},
                      const std::string &settings = {});
