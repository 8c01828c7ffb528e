#include "camera.h"

#include <cmath>

namespace scene {

namespace {

constexpr double pi = 3.14159265358979323846;
const Vec3 eye{10, 20, -4.999};
const Vec3 centre{10, 0, -5};
const Vec3 pivot{11, 0, -5};

Vec3 minus(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

double dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vec3 cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Vec3 normalised(Vec3 a) {
    const double n = std::sqrt(dot(a, a));
    return {a.x / n, a.y / n, a.z / n};
}

// gluLookAt's frame: right, up and backward axes of the eye.
struct EyeFrame {
    Vec3 side;
    Vec3 up;
    Vec3 forward;
};

EyeFrame eyeFrame() {
    const Vec3 f = normalised(minus(centre, eye));
    const Vec3 s = normalised(cross(f, Vec3{0, 1, 0}));
    return {s, cross(s, f), f};
}

// The sway as glRotatef applies it: the spin about Y first, then the tilt about Z.
Vec3 swayed(Vec3 p, Sway sway) {
    if (sway.tilt == 0 && sway.spin == 0) {
        return p;
    }
    // The game hands the angles to glRotatef as floats.
    const double spin = static_cast<float>(sway.spin) * pi / 180;
    const double tilt = static_cast<float>(sway.tilt) * pi / 180;
    Vec3 q = minus(p, pivot);
    q = {q.x * std::cos(spin) + q.z * std::sin(spin), q.y,
         -q.x * std::sin(spin) + q.z * std::cos(spin)};
    q = {q.x * std::cos(tilt) - q.y * std::sin(tilt), q.x * std::sin(tilt) + q.y * std::cos(tilt),
         q.z};
    return {q.x + pivot.x, q.y + pivot.y, q.z + pivot.z};
}

double focal() {
    return 1 / std::tan(30 * pi / 180);
}

double aspectOf(int width, int height) {
    return static_cast<float>(static_cast<double>(width) / height);
}

} // namespace

Sway swayAfterFrames(int frames) {
    double tilt = 0;
    bool falling = false;
    for (int i = 0; i < frames; ++i) {
        tilt += falling ? -1 : 1;
        if (tilt >= 30) {
            falling = !falling;
        }
        if (tilt <= -30) {
            falling = !falling;
        }
    }
    return {tilt, static_cast<double>(frames)};
}

std::optional<ScreenPoint> toWindow(const Vec3 &world, int width, int height, Sway sway) {
    const EyeFrame frame = eyeFrame();
    const Vec3 v = minus(swayed(world, sway), eye);
    const double depth = dot(v, frame.forward);
    if (depth <= 0) {
        return std::nullopt;
    }
    const double ndcX = focal() / aspectOf(width, height) * dot(v, frame.side) / depth;
    const double ndcY = focal() * dot(v, frame.up) / depth;
    return ScreenPoint{(ndcX + 1) / 2 * width, (1 - ndcY) / 2 * height};
}

Vec3 floorUnder(ScreenPoint point, int width, int height) {
    const EyeFrame frame = eyeFrame();
    const double ndcX = point.x / width * 2 - 1;
    const double ndcY = 1 - point.y / height * 2;
    const double a = ndcX * aspectOf(width, height) / focal();
    const double b = ndcY / focal();
    const Vec3 ray{frame.forward.x + a * frame.side.x + b * frame.up.x,
                   frame.forward.y + a * frame.side.y + b * frame.up.y,
                   frame.forward.z + a * frame.side.z + b * frame.up.z};
    const double k = (-1 - eye.y) / ray.y;
    return {eye.x + k * ray.x, -1, eye.z + k * ray.z};
}

} // namespace scene
