#include "icone.h"
#include "peinture.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

struct Point {
    double x, y;
};

// A parallelogram from an origin along two edges; (s, t) in [0, 1] inside it.
struct Face {
    Point origine, u, v;
    double lumiere;

    bool couvre(Point p, double &s, double &t) const {
        const double dx = p.x - origine.x, dy = p.y - origine.y;
        const double det = u.x * v.y - u.y * v.x;
        s = (dx * v.y - dy * v.x) / det;
        t = (u.x * dy - u.y * dx) / det;
        return s >= 0 && s <= 1 && t >= 0 && t <= 1;
    }
};

struct Couleur {
    double r = 0, g = 0, b = 0, a = 0;
};

// The cube, in units of the icon's side, y downwards: its top face, then the faces on the left
// and on the right, each lit less than the one before.
std::array<Face, 3> facesDuCube(Point centre, double arete) {
    const double c30 = arete * std::cos(M_PI / 6);
    const Point gauche{centre.x - c30, centre.y - arete / 2};
    const Point droite{centre.x + c30, centre.y - arete / 2};
    const Point haut{centre.x, centre.y - arete};
    const Point bas{centre.x, centre.y + arete};
    const Point basGauche{centre.x - c30, centre.y + arete / 2};
    return {{
        {gauche,
         {centre.x - gauche.x, centre.y - gauche.y},
         {haut.x - gauche.x, haut.y - gauche.y},
         1.0},
        {gauche,
         {centre.x - gauche.x, centre.y - gauche.y},
         {basGauche.x - gauche.x, basGauche.y - gauche.y},
         0.78},
        {centre,
         {droite.x - centre.x, droite.y - centre.y},
         {bas.x - centre.x, bas.y - centre.y},
         0.58},
    }};
}

// Inside a square with rounded corners that fills the icon but for a thin margin.
bool surLaPlaque(Point p) {
    const double marge = 0.03, rayon = 0.14;
    const double x = std::clamp(p.x, marge + rayon, 1 - marge - rayon);
    const double y = std::clamp(p.y, marge + rayon, 1 - marge - rayon);
    if (p.x < marge || p.x > 1 - marge || p.y < marge || p.y > 1 - marge)
        return false;
    return std::hypot(p.x - x, p.y - y) <= rayon;
}

Couleur echantillon(const Toile &toile, double s, double t, double lumiere) {
    const int x = std::clamp(static_cast<int>(s * toile.largeur), 0, toile.largeur - 1);
    const int y = std::clamp(static_cast<int>(t * toile.hauteur), 0, toile.hauteur - 1);
    const std::uint8_t *p = toile.pixel(x, y);
    return {p[0] * lumiere, p[1] * lumiere, p[2] * lumiere, 255};
}

} // namespace

Icone peindreIcone(int cote) {
    const Toile bois = peindreBois(256);
    const Toile metal = peindreMetal(128);
    const auto cube = facesDuCube({0.5, 0.55}, 0.3);
    const Point decalageOmbre{0.07, 0.06};

    Icone icone{cote, std::vector<std::uint8_t>(static_cast<std::size_t>(cote) * cote * 4)};
    // Four by four samples a pixel smooth the edges.
    constexpr int n = 4;
    for (int py = 0; py < cote; ++py) {
        for (int px = 0; px < cote; ++px) {
            Couleur somme;
            for (int sy = 0; sy < n; ++sy) {
                for (int sx = 0; sx < n; ++sx) {
                    const Point p{(px + (sx + 0.5) / n) / cote, (py + (sy + 0.5) / n) / cote};
                    if (!surLaPlaque(p))
                        continue;
                    double s = 0, t = 0;
                    Couleur c =
                        echantillon(metal, std::fmod(p.x * 2, 1.0), std::fmod(p.y * 2, 1.0), 0.9);
                    const Point ombre{p.x - decalageOmbre.x, p.y - decalageOmbre.y};
                    for (const Face &f : cube)
                        if (f.couvre(ombre, s, t))
                            c = {c.r * 0.12, c.g * 0.12, c.b * 0.12, 255};
                    for (const Face &f : cube) {
                        if (f.couvre(p, s, t)) {
                            // A darker rim marks the cube's edges, as the wood's own border does.
                            const double bord = std::min({s, 1 - s, t, 1 - t});
                            c = echantillon(bois, s, t, f.lumiere * (bord < 0.035 ? 0.55 : 1));
                            break;
                        }
                    }
                    somme.r += c.r;
                    somme.g += c.g;
                    somme.b += c.b;
                    somme.a += c.a;
                }
            }
            std::uint8_t *sortie =
                icone.rvba.data() + (static_cast<std::size_t>(py) * cote + px) * 4;
            const double couverts = somme.a / 255;
            for (int k = 0; k < 3; ++k) {
                const double v = couverts > 0 ? (&somme.r)[k] / couverts : 0;
                sortie[k] = static_cast<std::uint8_t>(std::clamp(v, 0.0, 255.0) + 0.5);
            }
            sortie[3] = static_cast<std::uint8_t>(somme.a / (n * n) + 0.5);
        }
    }
    return icone;
}
