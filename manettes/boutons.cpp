#include "boutons.h"

namespace {

constexpr Action directions[3] = {Action::gauche, Action::droite, Action::descendre};
// Past half way the stick presses; it lets go under 40 %, so a thumb resting near the middle of
// the way does not press again and again.
constexpr int seuilEnfonce = 16384;
constexpr int seuilRelache = 13107;

// A well's held direction, apart from its player's keys.
Source source(int puits, Action action) {
    return {false, {false, puits * 4 + static_cast<int>(action)}};
}

// A direction is held while either control holds it.
bool suivre(EtatManette &manette, Instant maintenant, Match &match) {
    bool change = false;
    for (int i = 0; i < 3; ++i) {
        const bool tenue = manette.croix[i] || manette.manche[i];
        if (tenue == manette.tenues[i]) {
            continue;
        }
        manette.tenues[i] = tenue;
        if (manette.puits < 0) {
            continue;
        }
        const Source s = source(manette.puits, directions[i]);
        if (tenue) {
            match.enfoncer(s, {manette.puits, directions[i]}, maintenant);
            change = true;
        } else {
            match.relacher(s);
        }
    }
    return change;
}

bool manchePousse(bool tenu, int valeur) {
    return valeur >= (tenu ? seuilRelache : seuilEnfonce);
}

} // namespace

EffetBouton bouton(EtatManette &manette, Bouton quoi, bool enfonce, Instant maintenant,
                   Match &match) {
    switch (quoi) {
    case Bouton::gauche:
    case Bouton::droite:
    case Bouton::bas:
        manette.croix[static_cast<int>(quoi)] = enfonce;
        return {suivre(manette, maintenant, match), std::nullopt};
    case Bouton::tourner:
        if (!enfonce || manette.puits < 0) {
            return {};
        }
        match.agir(manette.puits, Action::pivoter);
        return {true, std::nullopt};
    case Bouton::start:
        // The sitting's buttons, as p and Return are every player's keys.
        return enfonce ? EffetBouton{true, Geste::pause} : EffetBouton{};
    case Bouton::back:
        return enfonce ? EffetBouton{true, Geste::matchSuivant} : EffetBouton{};
    case Bouton::autre:
        return {};
    }
    return {};
}

bool axe(EtatManette &manette, Axe quoi, int valeur, Instant maintenant, Match &match) {
    if (quoi == Axe::horizontal) {
        manette.manche[0] = manchePousse(manette.manche[0], -valeur);
        manette.manche[1] = manchePousse(manette.manche[1], valeur);
    } else if (quoi == Axe::vertical) {
        manette.manche[2] = manchePousse(manette.manche[2], valeur);
    }
    return suivre(manette, maintenant, match);
}

void lacher(EtatManette &manette, Match &match) {
    for (int i = 0; i < 3; ++i) {
        if (manette.tenues[i] && manette.puits >= 0) {
            match.relacher(source(manette.puits, directions[i]));
        }
        manette.croix[i] = manette.manche[i] = manette.tenues[i] = false;
    }
}
