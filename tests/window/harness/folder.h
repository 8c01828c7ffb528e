#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace harness {

// A fresh temporary folder for one run of the game, removed with everything in it on
// destruction. The game runs in its "game" subfolder, which holds only the files put there; the
// harness keeps its own files (the game's standard error) beside it, out of the game's sight.
class GameFolder {
public:
    GameFolder();
    ~GameFolder();
    GameFolder(const GameFolder &) = delete;
    GameFolder &operator=(const GameFolder &) = delete;

    // The game's working folder.
    const std::filesystem::path &path() const { return game_; }
    // For the harness's own files.
    const std::filesystem::path &scratch() const { return root_; }

    // Copies a file into the working folder under its own name, or under the name given.
    void copyIn(const std::filesystem::path &source, const std::string &name = {}) const;
    void write(const std::string &name, const std::vector<std::uint8_t> &bytes) const;

private:
    std::filesystem::path root_;
    std::filesystem::path game_;
};

// The usual set-ups: both pictures, one alone, or nothing, taken from the folder holding the
// game's generated bois.bmp and metal.bmp; the sounds and the languages' catalogues beside them
// always come along.
enum class Pictures { both, metalOnly, woodOnly, none };
void putPictures(const GameFolder &folder, const std::filesystem::path &picturesDir,
                 Pictures which);

} // namespace harness
