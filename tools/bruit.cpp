#include "bruit.h"

#include <cmath>

namespace {
double hasardDuNoeud(int x, int y, std::uint32_t graine) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 0x8DA6B343u ^
                      static_cast<std::uint32_t>(y) * 0xD8163841u ^ graine * 0xCB1AB31Fu;
    h ^= h >> 13;
    h *= 0x5BD1E995u;
    h ^= h >> 15;
    return (h & 0xFFFFFFu) / double(0xFFFFFF);
}

int modulo(int a, int n) {
    return ((a % n) + n) % n;
}

double lisser(double t) {
    return t * t * (3 - 2 * t);
}
} // namespace

double bruit(double x, double y, int periodeX, int periodeY, std::uint32_t graine) {
    const double fx = std::floor(x), fy = std::floor(y);
    const int x0 = modulo(static_cast<int>(fx), periodeX),
              y0 = modulo(static_cast<int>(fy), periodeY);
    const int x1 = modulo(x0 + 1, periodeX), y1 = modulo(y0 + 1, periodeY);
    const double tx = lisser(x - fx), ty = lisser(y - fy);
    const double bas =
        hasardDuNoeud(x0, y0, graine) * (1 - tx) + hasardDuNoeud(x1, y0, graine) * tx;
    const double haut =
        hasardDuNoeud(x0, y1, graine) * (1 - tx) + hasardDuNoeud(x1, y1, graine) * tx;
    return bas * (1 - ty) + haut * ty;
}

double bruitFractal(double x, double y, int periodeX, int periodeY, int octaves,
                    std::uint32_t graine) {
    double somme = 0, poids = 1, total = 0;
    for (int i = 0; i < octaves; ++i) {
        somme += poids * bruit(x, y, periodeX, periodeY, graine + 101u * i);
        total += poids;
        x *= 2;
        y *= 2;
        periodeX *= 2;
        periodeY *= 2;
        poids /= 2;
    }
    return somme / total;
}
