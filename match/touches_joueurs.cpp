#include "touches_joueurs.h"

namespace {

Liaisons liaisons;

} // namespace

void lierTouches(const Liaisons &nouvelles) {
    liaisons = nouvelles;
}

void lierTouche(int puits, Action action, ToucheJoueur touche) {
    liaisons.lier(puits, action, std::move(touche));
}

const ToucheJoueur &toucheJoueur(int puits, Action action) {
    return liaisons.touche(puits, action);
}

std::optional<Commande> commandeDe(Touche touche) {
    return liaisons.commandeDe(touche);
}
