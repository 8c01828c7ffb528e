#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The build installed with `cmake --install BUILD --prefix PREFIX` into a fresh prefix whose
// path holds a space, as many users' paths do. Removed with everything in it on destruction.
class Installation {
public:
    Installation();
    ~Installation();
    Installation(const Installation &) = delete;
    Installation &operator=(const Installation &) = delete;

    // Whether cmake --install succeeded; its output either way.
    bool succeeded() const { return succeeded_; }
    const std::string &output() const { return output_; }

    const std::filesystem::path &prefix() const { return prefix_; }
    // For files of the test's own, beside the prefix.
    const std::filesystem::path &scratch() const { return root_; }

private:
    std::filesystem::path root_;
    std::filesystem::path prefix_;
    bool succeeded_ = false;
    std::string output_;
};

// The pictures the build painted, which the installation must carry.
std::filesystem::path builtPictures();
std::string readFile(const std::filesystem::path &path);

// Starts the installed game in the folder (which gets its output too) and expects both wells'
// falling pieces in wood on metal, then that the game ends with 0 when its window is closed.
void expectWoodOnMetal(const std::filesystem::path &binary, const std::filesystem::path &folder,
                       const std::vector<std::string> &arguments = {});
