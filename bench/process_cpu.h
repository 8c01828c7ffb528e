#pragma once

#include <optional>
#include <sys/types.h>

// CPU time that a process has used so far, all its threads together (user and system), in
// seconds; nullopt once it is gone.
std::optional<double> cpuSeconds(pid_t pid);

// The X server of DISPLAY when it runs on this machine as Xvfb, as under xvfb-run.
std::optional<pid_t> xServerPid();
