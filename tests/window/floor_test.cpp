#include "piece_checks.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <stb_image.h>

#include <cmath>
#include <cstdlib>
#include <memory>

using harness::Pictures;

namespace {

// metal.bmp as OpenGL holds it: row 0 is the picture's bottom row.
struct Texture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;

    double channel(int x, int y, int k) const {
        x = ((x % width) + width) % width;
        y = ((y % height) + height) % height;
        return rgb[(static_cast<std::size_t>(height - 1 - y) * width + x) * 3 + k];
    }

    // GL_LINEAR with GL_REPEAT at (s, t); the picture repeats once per unit of s and t.
    harness::Rgb sample(double s, double t) const {
        const double u = s * width - 0.5;
        const double v = t * height - 0.5;
        const int x = static_cast<int>(std::floor(u));
        const int y = static_cast<int>(std::floor(v));
        const double a = u - x;
        const double b = v - y;
        std::uint8_t out[3];
        for (int k = 0; k < 3; ++k) {
            const double value =
                (1 - a) * (1 - b) * channel(x, y, k) + a * (1 - b) * channel(x + 1, y, k) +
                (1 - a) * b * channel(x, y + 1, k) + a * b * channel(x + 1, y + 1, k);
            out[k] = static_cast<std::uint8_t>(std::lround(value));
        }
        return {out[0], out[1], out[2]};
    }
};

Texture loadPicture(const std::filesystem::path &path) {
    Texture texture;
    int channels = 0;
    std::unique_ptr<stbi_uc, void (*)(void *)> pixels(
        stbi_load(path.c_str(), &texture.width, &texture.height, &channels, 3), stbi_image_free);
    if (pixels) {
        texture.rgb.assign(pixels.get(), pixels.get() + texture.width * texture.height * 3);
    }
    return texture;
}

int difference(harness::Rgb a, harness::Rgb b) {
    return (std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b)) / 3;
}

// How far, on average over the floor points, the window is from the picture laid on the floor
// with the given number of world units per repeat, the right way up or upside down.
double meanDifference(const harness::Image &image, const Texture &texture,
                      const std::vector<scene::ScreenPoint> &points, double unitsPerRepeat,
                      bool upsideDown) {
    double total = 0;
    for (const auto &p : points) {
        const int px = static_cast<int>(p.x);
        const int py = static_cast<int>(p.y);
        const auto floor = scene::floorUnder({px + 0.5, py + 0.5}, image.width(), image.height());
        const double s = (floor.x + 100) / unitsPerRepeat;
        const double t = (floor.z + 100) / unitsPerRepeat;
        total += difference(image.at(px, py), texture.sample(s, upsideDown ? -t : t));
    }
    return total / static_cast<double>(points.size());
}

} // namespace

// The floor is the metal picture repeated every four units, its bottom row toward -Z (up the
// screen): the window shows it texel for texel wherever the floor is bare.
TEST(Floor, ShowsTheMetalPictureRepeatedEveryFourUnits) {
    const Texture metal = loadPicture(picturesDir() / "metal.bmp");
    ASSERT_GT(metal.width, 0) << "cannot read metal.bmp";

    auto started = startGame(Pictures::both);
    ASSERT_TRUE(started.drawn) << started.why();
    const scene::PieceSearch any;
    const auto seen = waitForPieces(*started.game, any, any, "floor");
    ASSERT_TRUE(seen.seen()) << seen.left.explanation << seen.right.explanation;
    const auto &image = *seen.image;

    // The bare floor: every point known to show metal, in both wells.
    std::vector<scene::ScreenPoint> points;
    for (const auto &[well, place] : {std::pair{scene::Well::left, seen.left.places[0]},
                                      std::pair{scene::Well::right, seen.right.places[0]}}) {
        const scene::WellContents contents{
            well, scene::pieceCells(place.type, place.column, place.row, place.turns)};
        for (const auto &e : scene::expectations(contents, {}, image.width(), image.height())) {
            if (e.surface == scene::Surface::metal) {
                points.push_back(e.point);
            }
        }
    }
    ASSERT_GE(points.size(), 300u);

    const double laid = meanDifference(image, metal, points, 4, false);
    EXPECT_LT(laid, 12) << "picture: " << keepForInspection(image, "floor");
    // The picture has detail enough for a wrong laying to show.
    EXPECT_GT(meanDifference(image, metal, points, 4, true), 2 * laid);
    EXPECT_GT(meanDifference(image, metal, points, 2, false), 2 * laid);
    EXPECT_GT(meanDifference(image, metal, points, 8, false), 2 * laid);
}
