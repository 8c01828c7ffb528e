#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace harness {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
};

// Pixels read back from a window: rows from the top, three bytes a pixel.
class Image {
public:
    Image() = default;
    Image(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return width_ == 0 || height_ == 0; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    Rgb at(int x, int y) const;
    void set(int x, int y, Rgb colour);
    const std::vector<std::uint8_t> &bytes() const { return rgb_; }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> rgb_;
};

// True when every pixel is pure black, as a window is before its first frame.
bool allBlack(const Image &image);

// Pixels whose channels differ by more than the tolerance; images of different sizes differ in
// every pixel of the larger.
long countDifferences(const Image &a, const Image &b, int tolerance = 0);

// Writes a PNG; false when the file cannot be written.
bool writePng(const Image &image, const std::string &path);

} // namespace harness
