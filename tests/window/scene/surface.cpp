#include "surface.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace scene {

std::string name(Surface surface) {
    switch (surface) {
    case Surface::wood:
        return "wood";
    case Surface::metal:
        return "metal";
    case Surface::black:
        return "black";
    case Surface::white:
        return "white";
    case Surface::other:
        break;
    }
    return "other";
}

// The painted wood keeps red at least 60 above blue; the metal's channels stay within about 25
// of each other with blue on top, and its darkest spot is near 37 a channel.
Surface classify(harness::Rgb c) {
    const int r = c.r;
    const int g = c.g;
    const int b = c.b;
    const int high = std::max({r, g, b});
    const int low = std::min({r, g, b});
    if (high <= 24) {
        return Surface::black;
    }
    if (low >= 240) {
        return Surface::white;
    }
    if (r - b >= 40 && r >= 70) {
        return Surface::wood;
    }
    if (high - low <= 35 && b >= r - 8) {
        return Surface::metal;
    }
    return Surface::other;
}

std::optional<Surface> surfaceAround(const harness::Image &image, ScreenPoint point) {
    const int cx = static_cast<int>(std::floor(point.x));
    const int cy = static_cast<int>(std::floor(point.y));
    if (!image.contains(cx - 1, cy - 1) || !image.contains(cx + 1, cy + 1)) {
        return std::nullopt;
    }
    std::array<int, 5> votes{};
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            ++votes[static_cast<std::size_t>(classify(image.at(cx + dx, cy + dy)))];
        }
    }
    const auto best = std::max_element(votes.begin(), votes.end());
    if (*best < 6) {
        return std::nullopt;
    }
    return static_cast<Surface>(best - votes.begin());
}

} // namespace scene
