#include "picture.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace scene {

namespace {

// Points closer than this to an edge could show either side once rasterised.
constexpr double margin = 2.5;

struct Primitive {
    std::vector<ScreenPoint> hull; // counter-clockwise on screen, as seen with y downwards
    Surface surface;
};

double crossOf(ScreenPoint o, ScreenPoint a, ScreenPoint b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

std::vector<ScreenPoint> convexHull(std::vector<ScreenPoint> points) {
    std::sort(points.begin(), points.end(),
              [](ScreenPoint a, ScreenPoint b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
    if (points.size() < 3) {
        return points;
    }
    std::vector<ScreenPoint> hull(2 * points.size());
    std::size_t k = 0;
    for (const auto &p : points) {
        while (k >= 2 && crossOf(hull[k - 2], hull[k - 1], p) <= 0) {
            --k;
        }
        hull[k++] = p;
    }
    for (std::size_t i = points.size() - 1, lower = k + 1; i-- > 0;) {
        while (k >= lower && crossOf(hull[k - 2], hull[k - 1], points[i]) <= 0) {
            --k;
        }
        hull[k++] = points[i];
    }
    hull.resize(k - 1);
    return hull;
}

enum class Where { inside, outside, edge };

Where locate(const std::vector<ScreenPoint> &hull, ScreenPoint p) {
    bool clearlyInside = true;
    for (std::size_t i = 0; i < hull.size(); ++i) {
        const ScreenPoint a = hull[i];
        const ScreenPoint b = hull[(i + 1) % hull.size()];
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        const double distance = crossOf(a, b, p) / length; // positive inside
        if (distance < -margin) {
            return Where::outside;
        }
        if (distance < margin) {
            clearlyInside = false;
        }
    }
    return clearlyInside ? Where::inside : Where::edge;
}

double xOffset(Well well) {
    return well == Well::right ? 11 : 0;
}

struct Projector {
    int width;
    int height;
    Sway sway;

    std::optional<std::vector<ScreenPoint>> hullOf(const std::vector<Vec3> &corners) const {
        std::vector<ScreenPoint> points;
        for (const auto &c : corners) {
            const auto p = toWindow(c, width, height, sway);
            if (!p) {
                return std::nullopt;
            }
            points.push_back(*p);
        }
        return convexHull(points);
    }
};

// In the game's drawing order: all shadows of the well, then all cubes, column by column.
std::vector<Primitive> primitives(const WellContents &contents, Looks looks,
                                  const Projector &projector) {
    std::vector<Cell> cells = contents.cells;
    std::sort(cells.begin(), cells.end(), [](Cell a, Cell b) {
        return a.column < b.column || (a.column == b.column && a.row < b.row);
    });
    const double dx = xOffset(contents.well);
    std::vector<Primitive> drawn;
    for (const Cell &c : cells) {
        const double x0 = c.column + dx;
        const double z0 = 4 - c.row;
        const auto hull = projector.hullOf(
            {{x0, -1, z0}, {x0 + 1, -1, z0}, {x0 + 1, -1, z0 + 1}, {x0, -1, z0 + 1}});
        if (hull) {
            drawn.push_back({*hull, Surface::black});
        }
    }
    for (const Cell &c : cells) {
        const double x0 = c.column - 1 + dx;
        const double z0 = 3 - c.row;
        std::vector<Vec3> corners;
        for (int i = 0; i < 8; ++i) {
            corners.push_back({x0 + (i & 1), static_cast<double>((i >> 1) & 1), z0 + (i >> 2)});
        }
        const auto hull = projector.hullOf(corners);
        if (hull) {
            drawn.push_back({*hull, looks.cubes});
        }
    }
    return drawn;
}

std::optional<Surface> surfaceAt(const std::vector<Primitive> &drawn, Surface floor,
                                 ScreenPoint p) {
    for (auto it = drawn.rbegin(); it != drawn.rend(); ++it) {
        switch (locate(it->hull, p)) {
        case Where::inside:
            return it->surface;
        case Where::edge:
            return std::nullopt;
        case Where::outside:
            break;
        }
    }
    return floor;
}

std::string cellName(const char *what, int column, int row) {
    std::ostringstream text;
    text << what << " (" << column << ", " << row << ")";
    return text.str();
}

} // namespace

std::vector<Expectation> expectations(const WellContents &contents, Looks looks, int width,
                                      int height, Sway sway) {
    const Projector projector{width, height, sway};
    const auto drawn = primitives(contents, looks, projector);
    const double dx = xOffset(contents.well);
    std::vector<Expectation> points;
    const auto add = [&](const Vec3 &world, const std::string &what) {
        const auto p = toWindow(world, width, height, sway);
        if (!p || p->x < 2 || p->y < 2 || p->x > width - 2 || p->y > height - 2) {
            return;
        }
        if (const auto s = surfaceAt(drawn, looks.floor, *p)) {
            points.push_back({*p, *s, what});
        }
    };
    for (const Cell &c : contents.cells) {
        add({c.column - 0.5 + dx, 1, 3.5 - c.row}, cellName("top of cube", c.column, c.row));
    }
    // The floor under the well, the gap on its right and the row below it: every shadow of the
    // well falls there.
    for (int column = 0; column <= 10; ++column) {
        for (int row = -1; row <= 17; ++row) {
            add({column - 0.5 + dx, -1, 3.5 - row}, cellName("floor under", column, row));
        }
    }
    return points;
}

std::vector<Mismatch> compare(const harness::Image &image,
                              const std::vector<Expectation> &expected) {
    std::vector<Mismatch> wrong;
    for (const auto &e : expected) {
        const auto seen = surfaceAround(image, e.point);
        if (seen != e.surface) {
            wrong.push_back({e, seen});
        }
    }
    return wrong;
}

std::string describe(const std::vector<Mismatch> &mismatches) {
    std::ostringstream text;
    for (const auto &m : mismatches) {
        text << m.expected.what << " at (" << static_cast<int>(m.expected.point.x) << ", "
             << static_cast<int>(m.expected.point.y) << "): expected " << name(m.expected.surface)
             << ", seen " << (m.seen ? name(*m.seen) : std::string("no clear surface")) << "\n";
    }
    return text.str();
}

} // namespace scene
