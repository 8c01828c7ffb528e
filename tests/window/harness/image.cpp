#include "image.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace harness {

Image::Image(int width, int height)
    : width_(width), height_(height),
      rgb_(static_cast<std::size_t>(std::max(width, 0)) * std::max(height, 0) * 3) {
    if (width < 0 || height < 0) {
        throw std::invalid_argument("negative image size");
    }
}

Rgb Image::at(int x, int y) const {
    if (!contains(x, y)) {
        throw std::out_of_range("pixel outside the image");
    }
    const std::size_t i = (static_cast<std::size_t>(y) * width_ + x) * 3;
    return {rgb_[i], rgb_[i + 1], rgb_[i + 2]};
}

void Image::set(int x, int y, Rgb colour) {
    if (!contains(x, y)) {
        throw std::out_of_range("pixel outside the image");
    }
    const std::size_t i = (static_cast<std::size_t>(y) * width_ + x) * 3;
    rgb_[i] = colour.r;
    rgb_[i + 1] = colour.g;
    rgb_[i + 2] = colour.b;
}

bool allBlack(const Image &image) {
    const auto &bytes = image.bytes();
    return std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t v) { return v == 0; });
}

long countDifferences(const Image &a, const Image &b, int tolerance) {
    if (a.width() != b.width() || a.height() != b.height()) {
        return std::max(static_cast<long>(a.width()) * a.height(),
                        static_cast<long>(b.width()) * b.height());
    }
    long count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const Rgb p = a.at(x, y);
            const Rgb q = b.at(x, y);
            if (std::abs(p.r - q.r) > tolerance || std::abs(p.g - q.g) > tolerance ||
                std::abs(p.b - q.b) > tolerance) {
                ++count;
            }
        }
    }
    return count;
}

} // namespace harness
