#include "process_cpu.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

std::optional<double> cpuSeconds(pid_t pid) {
    std::ifstream file("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(file, line)) {
        return std::nullopt;
    }
    // The command name, in parentheses, may hold spaces: count the fields after its end.
    const auto close = line.rfind(')');
    if (close == std::string::npos) {
        return std::nullopt;
    }
    std::istringstream fields(line.substr(close + 2));
    std::string skipped;
    // From the state (field 3) on: utime and stime are fields 14 and 15.
    for (int field = 3; field < 14; ++field) {
        fields >> skipped;
    }
    unsigned long long user = 0;
    unsigned long long system = 0;
    if (!(fields >> user >> system)) {
        return std::nullopt;
    }
    return static_cast<double>(user + system) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

std::optional<pid_t> xServerPid() {
    const char *display = std::getenv("DISPLAY");
    if (!display || display[0] != ':') {
        return std::nullopt;
    }
    // The display number alone, without a screen: ":99.0" is served by the Xvfb started as ":99".
    std::string number = display;
    number = number.substr(0, number.find('.'));
    for (const auto &entry : std::filesystem::directory_iterator("/proc")) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        std::ifstream cmdline(entry.path() / "cmdline");
        std::string arguments((std::istreambuf_iterator<char>(cmdline)),
                              std::istreambuf_iterator<char>());
        std::vector<std::string> words;
        std::string word;
        for (const char c : arguments) {
            if (c == '\0') {
                words.push_back(word);
                word.clear();
            } else {
                word += c;
            }
        }
        if (words.empty() || words[0].find("Xvfb") == std::string::npos) {
            continue;
        }
        if (std::find(words.begin(), words.end(), number) != words.end()) {
            return static_cast<pid_t>(std::stol(name));
        }
    }
    return std::nullopt;
}

std::vector<unsigned> udpPorts(pid_t pid) {
    std::vector<std::string> inodes;
    std::error_code error;
    for (const auto &fd :
         std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/fd", error)) {
        const std::string target = std::filesystem::read_symlink(fd.path(), error).string();
        if (target.rfind("socket:[", 0) == 0) {
            inodes.push_back(target.substr(8, target.size() - 9));
        }
    }
    std::vector<unsigned> ports;
    std::ifstream table("/proc/net/udp");
    std::string line;
    std::getline(table, line);
    while (std::getline(table, line)) {
        // sl local_address rem_address st tx_queue:rx_queue tr:tm->when retrnsmt uid timeout inode
        std::istringstream fields(line);
        std::string slot, local, remote, state, queues, timer, retransmits, uid, timeout, inode;
        fields >> slot >> local >> remote >> state >> queues >> timer >> retransmits >> uid >>
            timeout >> inode;
        if (std::find(inodes.begin(), inodes.end(), inode) != inodes.end()) {
            ports.push_back(
                static_cast<unsigned>(std::stoul(local.substr(local.find(':') + 1), nullptr, 16)));
        }
    }
    return ports;
}
