#pragma once

#include <optional>
#include <sys/types.h>
#include <vector>

// CPU time that a process has used so far, all its threads together (user and system), in
// seconds; nullopt once it is gone.
std::optional<double> cpuSeconds(pid_t pid);

// The X server of DISPLAY when it runs on this machine as Xvfb, as under xvfb-run.
std::optional<pid_t> xServerPid();

// The UDP ports a process listens on, from its sockets and the kernel's table of IPv4 UDP
// sockets.
std::vector<unsigned> udpPorts(pid_t pid);
