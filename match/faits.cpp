#include "faits.h"

#include "bareme.h"
#include "codes_touches.h"
#include "joueurs.h"
#include "match.h"
#include "seance.h"
#include "touches_joueurs.h"

#include <optional>
#include <vector>

namespace {

std::vector<std::function<void(const Fait &)>> ecouteurs;
int observationsOuvertes = 0;
unsigned numeroMatch = 0;

Cliche prendreCliche() {
    Cliche c{};
    const partie *joueurs[2] = {&joueur1, &joueur2};
    for (int i = 0; i < 2; ++i) {
        const partie &j = *joueurs[i];
        c.puits[i] = {j.getX(),     j.getY(),        j.getRotation(), j.getPosees(),
                      j.getScore(), j.getPenalite(), j.getFini()};
    }
    c.seuils[0] = seuil1;
    c.seuils[1] = seuil2;
    c.pause = enPause;
    const Verdict issue = verdict();
    c.decide = issue != Verdict::enCours;
    c.gagne = issue == Verdict::gagneGauche || issue == Verdict::gagneDroite;
    c.match = numeroMatch;
    return c;
}

// The score of one landing tells how many rows it cleared.
void signalerLignes(int points, int puits) {
    const Evenement selon[] = {Evenement::lignes1, Evenement::lignes2, Evenement::lignes3,
                               Evenement::lignes4};
    if (const int rangees = rangeesPourPoints(points)) {
        signalerFait({selon[rangees - 1], puits});
    }
}

void comparer(const Cliche &avant, const Cliche &apres, Intention intention) {
    if (avant.match != apres.match) {
        return;
    }
    if (avant.pause != apres.pause) {
        signalerFait({apres.pause ? Evenement::pause : Evenement::reprise, -1});
    }
    int envoyees[2];
    for (int i = 0; i < 2; ++i) {
        envoyees[i] = (apres.seuils[i] - avant.seuils[i]) / pointsParRangeeEnvoyee;
    }
    for (int i = 0; i < 2; ++i) {
        const Cliche::Puits &a = avant.puits[i];
        const Cliche::Puits &b = apres.puits[i];
        const bool pose = b.posees != a.posees;
        const bool voulu = intention.puits == i;
        if (!pose &&
            (b.x != a.x || (voulu && intention.action == Action::descendre && b.y < a.y))) {
            signalerFait({Evenement::deplacement, i});
        }
        if (!pose && b.rotation != a.rotation) {
            signalerFait({Evenement::rotation, i});
        } else if (!pose && voulu && intention.action == Action::pivoter && !avant.pause &&
                   !apres.pause && !avant.decide) {
            signalerFait({Evenement::rotationRefusee, i});
        }
        if (pose) {
            signalerFait({Evenement::pose, i});
        }
        signalerLignes(b.score - a.score, i);
        if (envoyees[i] > 0) {
            signalerFait({Evenement::lignesEnvoyees, i, envoyees[i]});
        }
        const int recues = a.penalite + envoyees[1 - i] - b.penalite;
        if (recues > 0) {
            signalerFait({Evenement::lignesRecues, i, recues});
        }
        if (b.fini && !a.fini) {
            signalerFait({Evenement::debordement, i});
        }
    }
    if (!avant.decide && apres.gagne) {
        signalerFait({Evenement::victoire, -1});
    }
}

} // namespace

void ecouterMatch(std::function<void(const Fait &)> ecouteur) {
    ecouteurs.push_back(std::move(ecouteur));
}

void signalerFait(const Fait &fait) {
    for (const auto &ecouteur : ecouteurs) {
        ecouteur(fait);
    }
}

// The players' keys as they are bound (touches_joueurs.h), and what each means to do.
namespace {

Intention intentionDe(Touche touche) {
    const std::optional<Commande> commande = commandeDe(touche);
    if (!commande) {
        return {};
    }
    return {commande->puits, commande->action};
}

} // namespace

Intention intentionTouche(unsigned char touche) {
    return intentionDe({false, touche});
}

Intention intentionToucheSpeciale(int touche) {
    return intentionDe({true, touche});
}

void matchRecommence() {
    ++numeroMatch;
}

Observation::Observation(Intention intention)
    : intention_(intention), exterieure_(observationsOuvertes++ == 0),
      avant_(exterieure_ ? prendreCliche() : Cliche{}) {}

Observation::~Observation() {
    --observationsOuvertes;
    if (exterieure_) {
        comparer(avant_, prendreCliche(), intention_);
    }
}
