#include "process.h"

#include "wait.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>

extern char **environ;

namespace harness {

namespace {

ExitStatus fromWaitStatus(int raw) {
    ExitStatus s;
    if (WIFEXITED(raw)) {
        s.exited = true;
        s.code = WEXITSTATUS(raw);
    } else if (WIFSIGNALED(raw)) {
        s.signal = WTERMSIG(raw);
    }
    return s;
}

ExitStatus fromSigInfo(const siginfo_t &info) {
    ExitStatus s;
    if (info.si_code == CLD_EXITED) {
        s.exited = true;
        s.code = info.si_status;
    } else {
        s.signal = info.si_status;
    }
    return s;
}

// posix_spawn's attribute and action objects, released whatever happens.
struct SpawnSetup {
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;

    SpawnSetup() {
        posix_spawn_file_actions_init(&actions);
        posix_spawnattr_init(&attributes);
    }
    ~SpawnSetup() {
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
    }
};

} // namespace

std::string ExitStatus::describe() const {
    if (exited) {
        return "exit status " + std::to_string(code);
    }
    return "killed by signal " + std::to_string(signal) + " (" + strsignal(signal) + ")";
}

ChildProcess::ChildProcess(const std::filesystem::path &program,
                           const std::vector<std::string> &arguments,
                           const std::filesystem::path &workingDir,
                           const std::filesystem::path &stdoutFile,
                           const std::filesystem::path &stderrFile,
                           const std::vector<std::string> &environment) {
    SpawnSetup setup;
    const int flags = O_WRONLY | O_CREAT | O_TRUNC;
    posix_spawn_file_actions_addopen(&setup.actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&setup.actions, 1, stdoutFile.c_str(), flags, 0644);
    posix_spawn_file_actions_addopen(&setup.actions, 2, stderrFile.c_str(), flags, 0644);
    posix_spawn_file_actions_addchdir_np(&setup.actions, workingDir.c_str());
    // Its own group, so that teardown reaches whatever it starts too.
    posix_spawnattr_setpgroup(&setup.attributes, 0);
    posix_spawnattr_setflags(&setup.attributes, POSIX_SPAWN_SETPGROUP);

    // The program path is absolute: the child changes folder before it is executed.
    const std::string path = std::filesystem::absolute(program).string();
    std::vector<std::string> words{path};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char *> argv;
    for (auto &w : words) {
        argv.push_back(w.data());
    }
    argv.push_back(nullptr);

    std::vector<std::string> settings = environment;
    for (char **e = environ; *e != nullptr; ++e) {
        const std::string setting = *e;
        const auto name = setting.substr(0, setting.find('=') + 1);
        const bool overridden = std::any_of(settings.begin(), settings.end(),
                                            [&](const auto &s) { return s.rfind(name, 0) == 0; });
        if (!overridden) {
            settings.push_back(setting);
        }
    }
    std::vector<char *> envp;
    for (auto &setting : settings) {
        envp.push_back(setting.data());
    }
    envp.push_back(nullptr);

    const int error = posix_spawn(&pid_, path.c_str(), &setup.actions, &setup.attributes,
                                  argv.data(), envp.data());
    if (error != 0) {
        pid_ = -1;
        throw std::runtime_error("cannot start " + path + ": " + std::strerror(error));
    }
}

ChildProcess::~ChildProcess() {
    killGroup();
}

bool ChildProcess::running() {
    if (status_ || pid_ < 0) {
        return false;
    }
    // Looks without reaping: the zombie keeps the group's id reserved until killGroup.
    siginfo_t info{};
    if (waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
        info.si_pid == pid_) {
        status_ = fromSigInfo(info);
        return false;
    }
    return true;
}

std::optional<ExitStatus> ChildProcess::waitForExit(std::chrono::milliseconds timeout) {
    waitUntil([this] { return !running(); }, timeout);
    return status_;
}

void ChildProcess::killGroup() {
    if (pid_ < 0 || reaped_) {
        return;
    }
    // The group may hold more than the child (a symbolizer under sanitizers): it goes even when
    // the child itself has already ended. The child is not reaped yet, so the id is still ours.
    kill(-pid_, SIGKILL);
    int raw = 0;
    while (waitpid(pid_, &raw, 0) < 0 && errno == EINTR) {
    }
    reaped_ = true;
    if (!status_) {
        status_ = fromWaitStatus(raw);
    }
}

std::optional<long> ChildProcess::residentKiB() const {
    if (status_ || reaped_ || pid_ < 0) {
        return std::nullopt;
    }
    return harness::residentKiB(pid_);
}

std::optional<long> residentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        // "VmRSS:	    1234 kB"; absent for a zombie.
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return std::nullopt;
}

} // namespace harness
