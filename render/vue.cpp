#include "vue.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double degre = 3.14159265358979323846 / 180;
// The eye is 20 units above the floor's plane, over x = 10. The wells' side farthest from it
// across is the left well's outer side, x = -1, at the cubes' top, 1 unit up: 11 units across
// at 19 units from the eye.
constexpr double ecartPuits = 11.0 / 19;

// The game's 60 degrees of height, in any window at least as wide as it is high. A narrower
// window sees higher, just enough that both wells still fit across it.
double champPour(float aspect) {
    if (aspect >= 1) {
        return 60;
    }
    return 2 * std::atan(ecartPuits / std::max(aspect, 1e-3f)) / degre;
}

} // namespace

float aspectDe(int largeur, int hauteur) {
    const int hauteurUtile = hauteur == 0 ? 1 : hauteur;
    return static_cast<float>(static_cast<double>(largeur) / hauteurUtile);
}

Vue vuePour(int largeur, int hauteur) {
    return {largeur, hauteur, champPour(aspectDe(largeur, hauteur))};
}
