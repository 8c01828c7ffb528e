#include "folder.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <system_error>

namespace harness {

GameFolder::GameFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "cubefall-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder from " + pattern);
    }
    root_ = pattern;
    game_ = root_ / "game";
    std::filesystem::create_directory(game_);
}

GameFolder::~GameFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

void GameFolder::copyIn(const std::filesystem::path &source, const std::string &name) const {
    const auto target = game_ / (name.empty() ? source.filename().string() : name);
    std::filesystem::copy_file(source, target, std::filesystem::copy_options::overwrite_existing);
}

void GameFolder::write(const std::string &name, const std::vector<std::uint8_t> &bytes) const {
    std::ofstream out(game_ / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + (game_ / name).string());
    }
}

void putPictures(const GameFolder &folder, const std::filesystem::path &picturesDir,
                 Pictures which) {
    if (which == Pictures::both || which == Pictures::woodOnly) {
        folder.copyIn(picturesDir / "bois.bmp");
    }
    if (which == Pictures::both || which == Pictures::metalOnly) {
        folder.copyIn(picturesDir / "metal.bmp");
    }
    for (const auto &entry : std::filesystem::directory_iterator(picturesDir)) {
        if (entry.path().extension() == ".wav") {
            folder.copyIn(entry.path());
        }
    }
    // The catalogues of the game's languages, found beside the pictures as in the build folder.
    if (std::filesystem::exists(picturesDir / "locale")) {
        std::filesystem::copy(picturesDir / "locale", folder.path() / "locale",
                              std::filesystem::copy_options::recursive);
    }
}

} // namespace harness
