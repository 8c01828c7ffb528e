#include "gestes_du_jeu.h"

#include "clavier.h"
#include "horloge.h"
#include "jeu.h"
#include "reseau_du_jeu.h"

namespace {

// Long enough to read, short enough not to stand in the way.
constexpr std::int64_t dureeAvis = 1500;

} // namespace

void executer(Geste geste) {
    Jeu &j = jeu();
    const std::int64_t t = maintenant();
    if (executerEnReseau(geste) || appliquerGeste(j.match, geste, t)) {
        return;
    }
    switch (geste) {
    case Geste::balancement:
        // The game's own l, which a paused match does not hear.
        if (!j.match.enPause()) {
            clavier('l', 0, 0);
        }
        break;
    case Geste::son:
        j.son.couper(!j.son.coupe());
        j.avis.afficher(j.son.coupe() ? "Sound off" : "Sound on", t + dureeAvis);
        break;
    case Geste::pleinEcran:
        j.pleinEcran.basculer();
        break;
    case Geste::heberger:
        heberger();
        break;
    case Geste::rejoindre:
        ouvrirSaisie();
        break;
    default:
        break;
    }
}
