#include "installation.h"

#include "process.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

Installation::Installation() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "cubefall-install-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a folder for the installation");
    }
    root_ = pattern;
    prefix_ = root_ / "a prefix";

    harness::ChildProcess cmake(CUBEFALL_CMAKE,
                                {"--install", CUBEFALL_BUILD_DIR, "--prefix", prefix_.string()},
                                root_, root_ / "install-out.txt", root_ / "install-err.txt");
    const auto status = cmake.waitForExit(std::chrono::minutes(5));
    succeeded_ = status && status->exitedWith(0);
    output_ = readFile(root_ / "install-out.txt") + readFile(root_ / "install-err.txt");
    if (status) {
        output_ += "\ncmake --install ended with " + status->describe();
    }
}

Installation::~Installation() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

std::filesystem::path builtPictures() {
    return CUBEFALL_BUILD_DIR;
}

std::string readFile(const std::filesystem::path &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
