#include "faits.h"

#include "bareme.h"

std::vector<Fait> comparer(const Cliche &avant, const Cliche &apres, Intention intention) {
    std::vector<Fait> faits;
    if (avant.match != apres.match) {
        return faits;
    }
    if (avant.pause != apres.pause) {
        faits.push_back({apres.pause ? Evenement::pause : Evenement::reprise, -1});
    }
    int envoyees[2];
    for (int i = 0; i < 2; ++i) {
        envoyees[i] = (apres.seuils[i] - avant.seuils[i]) / pointsParRangeeEnvoyee;
    }
    constexpr Evenement lignes[] = {Evenement::lignes1, Evenement::lignes2, Evenement::lignes3,
                                    Evenement::lignes4};
    for (int i = 0; i < 2; ++i) {
        const Cliche::Puits &a = avant.puits[i];
        const Cliche::Puits &b = apres.puits[i];
        const bool pose = b.posees != a.posees;
        const bool voulu = intention.puits == i;
        if (!pose &&
            (b.x != a.x || (voulu && intention.action == Action::descendre && b.y < a.y))) {
            faits.push_back({Evenement::deplacement, i});
        }
        if (!pose && b.rotation != a.rotation) {
            faits.push_back({Evenement::rotation, i});
        } else if (!pose && voulu && intention.action == Action::pivoter && !avant.pause &&
                   !apres.pause && !avant.decide) {
            faits.push_back({Evenement::rotationRefusee, i});
        }
        if (pose) {
            faits.push_back({Evenement::pose, i});
        }
        // The score of one landing tells how many rows it cleared.
        if (const int rangees = rangeesPourPoints(b.score - a.score)) {
            faits.push_back({lignes[rangees - 1], i});
        }
        if (envoyees[i] > 0) {
            faits.push_back({Evenement::lignesEnvoyees, i, envoyees[i]});
        }
        const int recues = a.penalite + envoyees[1 - i] - b.penalite;
        if (recues > 0) {
            faits.push_back({Evenement::lignesRecues, i, recues});
        }
        if (b.fini && !a.fini) {
            faits.push_back({Evenement::debordement, i});
        }
    }
    if (!avant.decide && apres.gagne) {
        faits.push_back({Evenement::victoire, -1});
    }
    return faits;
}
