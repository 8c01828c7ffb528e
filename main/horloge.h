#pragma once

#include <cstdint>

// GLUT's clock, in milliseconds: the one the match, frames, key repeats and sounds are timed on.
std::int64_t maintenant();
