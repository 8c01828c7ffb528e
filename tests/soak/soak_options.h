#pragma once

#include <chrono>

// How long the players press keys; --seconds N on the command line, 60 unless given.
extern std::chrono::seconds soakDuration;
