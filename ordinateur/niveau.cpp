#include "niveau.h"
#include "traduction.h"

namespace {

// Easy is slow, wavers between its four best and never hurries a piece: a first-time player
// beats it. Hard's 8 keys a second (each a frame to draw) keep the game it plays within 3 % of a
// core on a software renderer. Expert presses at the rate of a held key and never errs.
constexpr ProfilNiveau profils[] = {
    {500, {40, 25, 20, 15}, false, false},
    {200, {80, 15, 5, 0}, true, false},
    {125, {92, 8, 0, 0}, true, false},
    {40, {100, 0, 0, 0}, true, true},
};

constexpr const char *noms[] = {N_("Easy"), N_("Medium"), N_("Hard"), N_("Expert")};
constexpr const char *mots[] = {"easy", "medium", "hard", "expert"};

} // namespace

const ProfilNiveau &profil(Niveau niveau) {
    return profils[static_cast<int>(niveau)];
}

const char *nomNiveau(Niveau niveau) {
    return _(noms[static_cast<int>(niveau)]);
}

const char *motNiveau(Niveau niveau) {
    return mots[static_cast<int>(niveau)];
}

std::optional<Niveau> lireNiveau(const std::string &mot) {
    for (int i = 0; i < 4; ++i) {
        if (mot == mots[i]) {
            return static_cast<Niveau>(i);
        }
    }
    return std::nullopt;
}
