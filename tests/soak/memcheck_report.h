#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

// What valgrind's memcheck wrote with --xml=yes, reduced to what the memory test judges.
namespace memcheck {

struct Frame {
    std::string function; // empty when valgrind had no symbol
    std::string object;   // the executable or library holding the code
    std::string file;
    int line = 0;
};

struct Error {
    std::string kind; // InvalidRead, UninitCondition, Leak_DefinitelyLost, ...
    std::string what;
    std::vector<Frame> stack; // innermost first
};

struct Report {
    std::vector<Error> errors;
    std::optional<std::string> fatalSignal; // the program died of it
    std::map<std::string, int> suppressed;  // reports silenced, by suppression name
    bool finished = false;                  // valgrind wrote the end of the run
};

// Nullopt when the text is not valgrind's XML at all.
std::optional<Report> parse(const std::string &xml);

bool isLeak(const Error &error);
// Definitely or indirectly lost: memory that nothing points to any more.
bool isLostMemory(const Error &error);
// Whether a frame of the stack runs code of this program's own binary.
bool touches(const Error &error, const std::filesystem::path &program);

// What fails the test: lost memory, wherever it was allocated (the suppression file answers for
// the libraries' own), and any other error in which the program's code takes part.
std::vector<Error> faults(const Report &report, const std::filesystem::path &program);

std::string describe(const Error &error);

} // namespace memcheck
