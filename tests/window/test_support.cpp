#include "test_support.h"

#include <fstream>

std::filesystem::path gameBinary() {
    return CUBEFALL_GAME;
}

std::filesystem::path captureTool() {
    return CUBEFALL_CAPTURE;
}

std::filesystem::path picturesDir() {
    return CUBEFALL_PICTURES;
}

std::string keepForInspection(const harness::Image &image, const std::string &name) {
    const std::filesystem::path dir = CUBEFALL_WINDOW_OUTPUT;
    std::filesystem::create_directories(dir);
    const auto path = (dir / (name + ".png")).string();
    return harness::writePng(image, path) ? path : "(could not write " + path + ")";
}

StartedGame startGame(harness::Pictures pictures, const std::vector<std::string> &arguments,
                      const std::string &settings) {
    StartedGame started;
    started.folder = std::make_unique<harness::GameFolder>();
    harness::putPictures(*started.folder, picturesDir(), pictures);
    if (!settings.empty()) {
        const auto file = started.folder->scratch() / "config" / "cubefall" / "cubefall.conf";
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file) << settings;
    }
    started.startedFrom = std::time(nullptr);
    started.game = std::make_unique<harness::Game>(gameBinary(), *started.folder, arguments);
    started.drawn = started.game->waitForFirstFrame();
    started.startedBy = std::time(nullptr);
    return started;
}

std::string StartedGame::why() const {
    std::string text = "the game showed no frame";
    if (const auto status = game->process().status()) {
        text += " and ended with " + status->describe();
    }
    return text + "; its standard error:\n" + game->errorOutput();
}
