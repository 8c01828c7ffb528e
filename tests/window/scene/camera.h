#pragma once

#include <optional>

namespace scene {

struct Vec3 {
    double x = 0;
    double y = 0;
    double z = 0;
};

// A point of the window in pixels: x from the left edge, y from the top edge. Pixel (i, j)
// covers [i, i + 1) x [j, j + 1).
struct ScreenPoint {
    double x = 0;
    double y = 0;
};

// The sway angles of one frame, in degrees: the tilt about the Z axis and the spin about the
// vertical axis, both through the pivot (11, 0, -5).
struct Sway {
    double tilt = 0;
    double spin = 0;
};

// The angles of the n-th frame drawn with the sway on, counted from the frame that switched it
// on (n = 1): the tilt climbs to 30, falls to -30 and climbs again, the spin grows by one.
Sway swayAfterFrames(int frames);

// Where a point of the scene lands in a window of the given size: the game looks from
// (10, 20, -4.999) at (10, 0, -5), up (0, 1, 0), with gluPerspective(60, width / height, 0, 10).
// Nullopt for a point behind the eye.
std::optional<ScreenPoint> toWindow(const Vec3 &world, int width, int height, Sway sway = {});

// The point of the floor (Y = -1) seen through a window point, without sway.
Vec3 floorUnder(ScreenPoint point, int width, int height);

} // namespace scene
