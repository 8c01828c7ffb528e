#include "bruit.h"
#include "peinture.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
constexpr double pi = 3.14159265358979323846;

// The raised bar of one cell of the tread plate, as a height from 0 (flat) to 1. Neighbouring
// cells lean their bars the other way, as on a real plate.
double hauteurBarre(double u, double v, int cellules) {
    const double cx = u * cellules, cy = v * cellules;
    const int ix = static_cast<int>(std::floor(cx)), iy = static_cast<int>(std::floor(cy));
    const double lx = cx - ix - 0.5, ly = cy - iy - 0.5;
    const double angle = ((ix + iy) % 2 == 0 ? 1 : -1) * pi / 4;
    const double le_long = lx * std::cos(angle) + ly * std::sin(angle);
    const double en_travers = -lx * std::sin(angle) + ly * std::cos(angle);
    const double longueur = 0.40, largeur = 0.085;
    const double d = (le_long / longueur) * (le_long / longueur) +
                     (en_travers / largeur) * (en_travers / largeur);
    if (d >= 1)
        return 0;
    // A rounded top with a steep flank.
    return std::sqrt(1 - d);
}
} // namespace

Toile peindreMetal(int cote) {
    Toile toile(cote, cote);
    const int cellules = 4;
    std::vector<double> hauteurs(static_cast<std::size_t>(cote) * cote);
    for (int y = 0; y < cote; ++y)
        for (int x = 0; x < cote; ++x)
            hauteurs[static_cast<std::size_t>(y) * cote + x] =
                hauteurBarre((x + 0.5) / cote, (y + 0.5) / cote, cellules);
    auto h = [&](int x, int y) {
        x = (x % cote + cote) % cote;
        y = (y % cote + cote) % cote;
        return hauteurs[static_cast<std::size_t>(y) * cote + x];
    };

    // Light from the upper left, a little above the plate.
    const double lumiere[3] = {-0.5, 0.5, 0.707};
    const double relief = cote / 24.0;
    // Brush streaks about 8 texels apart, a whole number of them across the picture.
    const int traits = std::max(1, cote / 8);
    for (int y = 0; y < cote; ++y) {
        for (int x = 0; x < cote; ++x) {
            const double u = (x + 0.5) / cote;
            const double v = (y + 0.5) / cote;
            // Brushing: streaks that run across the plate, long one way and thin the other,
            // repeating exactly once per picture.
            const double brossage = bruitFractal(u * 4, v * traits, 4, traits, 2, 5);
            const double nuage = bruitFractal(u * 3, v * 3, 3, 3, 3, 9);
            double gris = 150 + 26 * (brossage - 0.5) + 22 * (nuage - 0.5);

            const double nx = (h(x - 1, y) - h(x + 1, y)) * relief;
            const double ny = (h(x, y - 1) - h(x, y + 1)) * relief;
            const double norme = std::sqrt(nx * nx + ny * ny + 1);
            const double eclairage =
                (nx * lumiere[0] + ny * lumiere[1] + lumiere[2]) / norme / lumiere[2];
            // The bars catch the light and their shadow side falls on the plate.
            const double ombre = h(x + 2, y - 2) > 0 && h(x, y) == 0 ? 0.78 : 1.0;
            gris *= std::clamp(eclairage, 0.35, 1.6) * ombre;
            if (h(x, y) > 0)
                gris += 12 * h(x, y);

            std::uint8_t *p = toile.pixel(x, y);
            // Steel is a cool grey: a touch more blue than red.
            p[0] = static_cast<std::uint8_t>(std::clamp(gris * 0.96, 0.0, 255.0));
            p[1] = static_cast<std::uint8_t>(std::clamp(gris * 0.99, 0.0, 255.0));
            p[2] = static_cast<std::uint8_t>(std::clamp(gris * 1.05, 0.0, 255.0));
        }
    }
    return toile;
}
