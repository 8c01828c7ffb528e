#include "liaisons.h"

#include "codes_touches.h"

const ToucheParDefaut touchesParDefaut[2][4] = {
    {{"a", {false, 'a'}}, {"d", {false, 'd'}}, {"w", {false, 'w'}}, {"s", {false, 's'}}},
    {{"Left", {true, toucheGauche}},
     {"Right", {true, toucheDroite}},
     {"Up", {true, toucheHaut}},
     {"Down", {true, toucheBas}}},
};

Liaisons::Liaisons() {
    for (int puits = 0; puits < 2; ++puits) {
        for (int action = 0; action < 4; ++action) {
            const ToucheParDefaut &d = touchesParDefaut[puits][action];
            table_[puits][action] = {d.touche, d.nom};
        }
    }
}

void Liaisons::lier(int puits, Action action, ToucheJoueur touche) {
    table_[puits][static_cast<int>(action)] = std::move(touche);
}

const ToucheJoueur &Liaisons::touche(int puits, Action action) const {
    return table_[puits][static_cast<int>(action)];
}

std::optional<Commande> Liaisons::commandeDe(Touche touche) const {
    for (int puits = 0; puits < 2; ++puits) {
        for (int action = 0; action < 4; ++action) {
            if (table_[puits][action].touche == touche) {
                return Commande{puits, static_cast<Action>(action)};
            }
        }
    }
    return std::nullopt;
}
