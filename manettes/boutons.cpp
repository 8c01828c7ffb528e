#include "boutons.h"

#include "faits.h"
#include "seance.h"
#include "touches_tenues.h"

namespace {

constexpr Action directions[3] = {Action::gauche, Action::droite, Action::descendre};
// Past half way the stick presses; it lets go under 40 %, so a thumb resting near the middle of
// the way does not press again and again.
constexpr int seuilEnfonce = 16384;
constexpr int seuilRelache = 13107;

// A direction is held while either control holds it.
bool suivre(EtatManette &manette, Instant maintenant) {
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
        if (tenue) {
            enfoncerAction(manette.puits, directions[i], maintenant);
            change = true;
        } else {
            relacherAction(manette.puits, directions[i]);
        }
    }
    return change;
}

bool manchePousse(bool tenu, int valeur) {
    return valeur >= (tenu ? seuilRelache : seuilEnfonce);
}

} // namespace

bool bouton(EtatManette &manette, Bouton quoi, bool enfonce, Instant maintenant) {
    switch (quoi) {
    case Bouton::gauche:
    case Bouton::droite:
    case Bouton::bas:
        manette.croix[static_cast<int>(quoi)] = enfonce;
        return suivre(manette, maintenant);
    case Bouton::tourner:
        if (!enfonce || manette.puits < 0) {
            return false;
        }
        enfoncerAction(manette.puits, Action::pivoter, maintenant);
        return true;
    case Bouton::start:
        // The sitting's buttons, as p and Return are every player's keys.
        if (enfonce) {
            basculerPause();
        }
        return enfonce;
    case Bouton::back:
        if (!enfonce || verdict() == Verdict::enCours) {
            return false;
        }
        {
            const Observation vue;
            nouveauMatch();
        }
        return true;
    case Bouton::autre:
        return false;
    }
    return false;
}

bool axe(EtatManette &manette, Axe quoi, int valeur, Instant maintenant) {
    if (quoi == Axe::horizontal) {
        manette.manche[0] = manchePousse(manette.manche[0], -valeur);
        manette.manche[1] = manchePousse(manette.manche[1], valeur);
    } else if (quoi == Axe::vertical) {
        manette.manche[2] = manchePousse(manette.manche[2], valeur);
    }
    return suivre(manette, maintenant);
}

void lacher(EtatManette &manette) {
    for (int i = 0; i < 3; ++i) {
        if (manette.tenues[i] && manette.puits >= 0) {
            relacherAction(manette.puits, directions[i]);
        }
        manette.croix[i] = manette.manche[i] = manette.tenues[i] = false;
    }
}
