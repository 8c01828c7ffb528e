#include "soak_options.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

std::chrono::seconds soakDuration{60};

// The memory is first read 25 s into the run: a shorter run could not compare it with anything.
constexpr long shortestRun = 35;

int main(int argc, char **argv) {
    // A long run prints its figures as they come, even into a file.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--seconds" && i + 1 < argc) {
            const long seconds = std::strtol(argv[++i], nullptr, 10);
            if (seconds < shortestRun) {
                std::fprintf(stderr, "--seconds: at least %ld\n", shortestRun);
                return 2;
            }
            soakDuration = std::chrono::seconds(seconds);
        } else {
            std::fprintf(stderr, "usage: %s [gtest options] [--seconds N]\n", argv[0]);
            return 2;
        }
    }
    return RUN_ALL_TESTS();
}
