#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace harness {

// How a child ended: its exit code, or the signal that killed it.
struct ExitStatus {
    bool exited = false;
    int code = 0;
    int signal = 0;

    bool exitedWith(int expected) const { return exited && code == expected; }
    std::string describe() const;
};

// A program run as a child in its own process group, standard input from /dev/null, standard
// output and error into files, with our environment plus the given NAME=value settings. The
// destructor kills the whole group, so nothing outlives a test that fails half-way.
class ChildProcess {
public:
    ChildProcess(const std::filesystem::path &program, const std::vector<std::string> &arguments,
                 const std::filesystem::path &workingDir, const std::filesystem::path &stdoutFile,
                 const std::filesystem::path &stderrFile,
                 const std::vector<std::string> &environment = {});
    ~ChildProcess();
    ChildProcess(const ChildProcess &) = delete;
    ChildProcess &operator=(const ChildProcess &) = delete;

    pid_t pid() const { return pid_; }

    // Reaps the child if it has ended; true while it runs.
    bool running();
    std::optional<ExitStatus> status() const { return status_; }
    std::optional<ExitStatus> waitForExit(std::chrono::milliseconds timeout);

    // SIGKILL to the whole group, then reaps the child. Harmless once it has ended; after it the
    // status stays readable.
    void killGroup();

    // Resident memory (VmRSS) in KiB, or nullopt once the process is gone.
    std::optional<long> residentKiB() const;

private:
    pid_t pid_ = -1;
    std::optional<ExitStatus> status_;
    bool reaped_ = false;
};

// VmRSS of any process, in KiB.
std::optional<long> residentKiB(pid_t pid);

} // namespace harness
