#pragma once

#include <cstdint>
#include <optional>

// Frames begin at least this far apart: 20 frames a second at most.
constexpr std::uint32_t intervalleImage = 50;

// When the next frame is due, in milliseconds from now: as soon as the interval since the last
// frame began allows, when the picture may have changed or the camera sways; never otherwise, so
// that a still picture costs nothing. Times are GLUT's elapsed milliseconds; the difference is
// unsigned, as the frames' own wait takes it.
std::optional<std::uint32_t> delaiProchaineImage(bool imageChangee, bool balancement,
                                                 std::uint32_t maintenant,
                                                 std::uint32_t dernierTemps);
