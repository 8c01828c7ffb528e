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

    // The quad as it shows on screen, or nullopt when it is turned away from the eye (culled)
    // or lies behind it. The corners run counter-clockwise seen from the outside.
    std::optional<std::vector<ScreenPoint>> frontFacing(const std::vector<Vec3> &corners) const {
        std::vector<ScreenPoint> points;
        for (const auto &c : corners) {
            const auto p = toWindow(c, width, height, sway);
            if (!p) {
                return std::nullopt;
            }
            points.push_back(*p);
        }
        // Counter-clockwise on a screen whose y grows downwards is a negative turn.
        if (crossOf(points[0], points[1], points[2]) >= 0) {
            return std::nullopt;
        }
        return convexHull(points);
    }
};

// The four corners of a face of the box, counter-clockwise seen from the side the normal
// points to.
std::vector<Vec3> face(Vec3 centre, Vec3 normal) {
    // Two half-unit axes across the face, chosen so that u x v points along the normal.
    Vec3 u;
    Vec3 v;
    if (normal.x != 0) {
        u = {0, 0.5 * normal.x, 0};
        v = {0, 0, 0.5};
    } else if (normal.y != 0) {
        u = {0, 0, 0.5 * normal.y};
        v = {0.5, 0, 0};
    } else {
        u = {0.5 * normal.z, 0, 0};
        v = {0, 0.5, 0};
    }
    const auto at = [&](double a, double b) {
        return Vec3{centre.x + a * u.x + b * v.x, centre.y + a * u.y + b * v.y,
                    centre.z + a * u.z + b * v.z};
    };
    return {at(-1, -1), at(1, -1), at(1, 1), at(-1, 1)};
}

bool occupied(const std::vector<Cell> &cells, int column, int row) {
    return std::any_of(cells.begin(), cells.end(),
                       [&](Cell c) { return c.column == column && c.row == row; });
}

// In the game's drawing order: every shadow of the well, then every cube, column by column.
// A cube shows its top and those of its four sides that face no occupied cell, each only while
// it is turned toward the eye; the bottom is never drawn.
std::vector<Primitive> primitives(const WellContents &contents, Looks looks,
                                  const Projector &projector) {
    std::vector<Cell> cells = contents.cells;
    std::sort(cells.begin(), cells.end(), [](Cell a, Cell b) {
        return a.column < b.column || (a.column == b.column && a.row < b.row);
    });
    const double dx = xOffset(contents.well);
    std::vector<Primitive> drawn;
    const auto add = [&](const std::vector<Vec3> &corners, Surface surface) {
        if (const auto quad = projector.frontFacing(corners)) {
            drawn.push_back({*quad, surface});
        }
    };
    for (const Cell &c : cells) {
        add(face({c.column + 0.5 + dx, -1, 4.5 - c.row}, {0, 1, 0}), Surface::black);
    }
    for (const Cell &c : cells) {
        // The cube spans X from column - 1 to column, Y from 0 to 1, Z from 3 - row to 4 - row.
        const Vec3 middle{c.column - 0.5 + dx, 0.5, 3.5 - c.row};
        const struct {
            int column;
            int row;
            Vec3 normal;
        } sides[] = {
            {c.column, c.row - 1, {0, 0, 1}},
            {c.column + 1, c.row, {1, 0, 0}},
            {c.column - 1, c.row, {-1, 0, 0}},
            {c.column, c.row + 1, {0, 0, -1}},
        };
        for (const auto &side : sides) {
            if (!occupied(cells, side.column, side.row)) {
                const Vec3 centre{middle.x + side.normal.x / 2, middle.y,
                                  middle.z + side.normal.z / 2};
                add(face(centre, side.normal), looks.cubes);
            }
        }
        add(face({middle.x, 1, middle.z}, {0, 1, 0}), looks.cubes);
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
    // The strip above the wells, where the scores and who plays each well are written flat over
    // the scene on dark bands, is left out, with the pixels a surface is read from around a point:
    // a swaying scene passes under it.
    const auto hautDesPuits = toWindow({4, 1, -14}, width, height);
    const double haut = hautDesPuits ? hautDesPuits->y + 3 : 0;
    const auto add = [&](const Vec3 &world, const std::string &what) {
        const auto p = toWindow(world, width, height, sway);
        if (!p || p->x < 2 || p->y < haut || p->x > width - 2 || p->y > height - 2) {
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
