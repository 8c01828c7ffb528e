#include "touches_position.h"

#include "liaisons.h"

std::array<std::string, 4>
touchesParPosition(const CarteClavier &carte,
                   const std::function<bool(const std::string &)> &lisible) {
    constexpr const char *positions[] = {"AC01", "AC03", "AD02", "AC02"};
    std::array<std::string, 4> touches;
    for (std::size_t i = 0; i < touches.size(); ++i) {
        touches[i] = touchesParDefaut[0][i].nom;
        for (const CarteClavier::Touche &touche : carte.touches) {
            if (touche.position != positions[i] || touche.symboles.empty()) {
                continue;
            }
            // A key with fewer groups than the keyboard wraps around, as X does.
            const std::size_t groupe =
                static_cast<std::size_t>(carte.groupe < 0 ? 0 : carte.groupe) %
                touche.symboles.size();
            const std::string &symbole = touche.symboles[groupe];
            if (!symbole.empty() && lisible(symbole)) {
                touches[i] = symbole;
            }
            break;
        }
    }
    return touches;
}
