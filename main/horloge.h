#pragma once

#include <cstdint>

// GLUT's clock, in milliseconds, on 64 bits: the one the match, frames, key repeats, sounds and
// the network are timed on.
std::int64_t maintenant();
