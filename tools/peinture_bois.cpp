#include "bruit.h"
#include "peinture.h"

#include <algorithm>
#include <cmath>

namespace {
double transition(double debut, double fin, double t) {
    const double u = std::clamp((t - debut) / (fin - debut), 0.0, 1.0);
    return u * u * (3 - 2 * u);
}

double melanger(double a, double b, double t) {
    return a + (b - a) * t;
}

// Large enough never to repeat on one face.
constexpr int sansRepetition = 1 << 16;
} // namespace

Toile peindreBois(int cote) {
    Toile toile(cote, cote);
    // Light spring wood and dark summer wood.
    const double clair[3] = {208, 152, 96};
    const double fonce[3] = {116, 64, 30};
    for (int y = 0; y < cote; ++y) {
        for (int x = 0; x < cote; ++x) {
            const double u = (x + 0.5) / cote;
            const double v = (y + 0.5) / cote;
            // The plank was sawn beside the heart of the log, whose axis runs up the picture
            // with a slight tilt: its rings cross the plank as long, nested arcs.
            const double dx = u - 0.42;
            const double dz = 0.22 + (v - 0.5) * 0.10;
            const double gauchissement =
                (bruitFractal(u * 3, v * 1.2, sansRepetition, sansRepetition, 4, 11) - 0.5) * 0.07;
            const double rayon = std::sqrt(dx * dx + dz * dz) + gauchissement;
            const double anneaux = rayon * 17;
            const double dansAnneau = anneaux - std::floor(anneaux);
            const double ete =
                transition(0.55, 0.85, dansAnneau) * (1 - transition(0.9, 1.0, dansAnneau));

            // Fibres along the grain, and the odd darker pore streak. Both stay a few texels wide:
            // a cube face shows the whole picture in a few dozen pixels, with no mipmaps to
            // smooth what is finer.
            const double fibres =
                bruitFractal(u * cote * 0.12, v * 4, sansRepetition, sansRepetition, 3, 23);
            const double pores = bruit(u * cote * 0.2, v * 10, sansRepetition, sansRepetition, 37);
            const double ombrePores = pores > 0.8 ? (pores - 0.8) * 1.2 : 0.0;
            const double fil = bruit(u * cote * 0.5, v * 6, sansRepetition, sansRepetition, 29);
            const double teinte =
                bruitFractal(u * 2, v * 2, sansRepetition, sansRepetition, 2, 41) - 0.5;

            const double eclat =
                (0.9 + 0.14 * fibres + 0.06 * fil) * (1 - ombrePores) * (1 + 0.12 * teinte);
            std::uint8_t *p = toile.pixel(x, y);
            for (int c = 0; c < 3; ++c) {
                const double valeur = melanger(clair[c], fonce[c], 0.9 * ete) * eclat;
                p[c] = static_cast<std::uint8_t>(std::clamp(valeur, 0.0, 255.0));
            }
        }
    }
    return toile;
}
