#include "touches_joueurs.h"

#include "codes_touches.h"

namespace {

ToucheJoueur liaisons[2][4] = {
    {{{false, 'a'}, "a"}, {{false, 'd'}, "d"}, {{false, 'w'}, "w"}, {{false, 's'}, "s"}},
    {{{true, toucheGauche}, "Left"},
     {{true, toucheDroite}, "Right"},
     {{true, toucheHaut}, "Up"},
     {{true, toucheBas}, "Down"}},
};

} // namespace

void lierTouche(int puits, Action action, ToucheJoueur touche) {
    liaisons[puits][static_cast<int>(action)] = std::move(touche);
}

const ToucheJoueur &toucheJoueur(int puits, Action action) {
    return liaisons[puits][static_cast<int>(action)];
}

std::optional<Commande> commandeDe(Touche touche) {
    for (int puits = 0; puits < 2; ++puits) {
        for (int action = 0; action < 4; ++action) {
            if (liaisons[puits][action].touche == touche) {
                return Commande{puits, static_cast<Action>(action)};
            }
        }
    }
    return std::nullopt;
}
