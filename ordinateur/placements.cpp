#include "placements.h"

#include "anticipation.h"
#include "cellules.h"

#include <algorithm>

namespace {

// How many of the best places are weighed by the piece after: two take most of the gain; more
// cost time and, on the game's own pieces, did no better.
constexpr std::size_t anticipes = 2;

bool memesCellules(const Cellules &a, const Cellules &b) {
    if (a.nombre != b.nombre) {
        return false;
    }
    for (int i = 0; i < a.nombre; ++i) {
        bool trouvee = false;
        for (int j = 0; j < b.nombre && !trouvee; ++j) {
            trouvee = a.colonne[i] == b.colonne[j] && a.ligne[i] == b.ligne[j];
        }
        if (!trouvee) {
            return false;
        }
    }
    return true;
}

struct Exploration {
    const Lignes &puits;
    int penalite;
    std::vector<Placement> &trouves;

    void retenir(const partie &essai, const Placement &chemin) {
        Placement p = chemin;
        p.rotation = essai.getRotation();
        p.colonne = essai.getX();
        p.pose = faireTomber(cellulesPiece(essai), puits);
        if (p.pose.nombre == 0) {
            return;
        }
        for (Placement &deja : trouves) {
            if (memesCellules(deja.pose, p.pose)) {
                if (p.chemin.size() < deja.chemin.size()) {
                    deja = std::move(p);
                }
                return;
            }
        }
        p.note = noterPose(puits, p.pose, penalite).note;
        trouves.push_back(std::move(p));
    }

    // One key on the trial game; false when it did not move the piece.
    static bool jouer(partie &essai, Placement &chemin, Action action) {
        const int x = essai.getX(), rotation = essai.getRotation();
        if (action == Action::descendre) {
            return false;
        }
        appliquer(essai, action);
        if (essai.getX() == x && essai.getRotation() == rotation) {
            return false;
        }
        chemin.chemin.push_back(action);
        chemin.rotationsAttendues.push_back(essai.getRotation());
        chemin.colonnesAttendues.push_back(essai.getX());
        return true;
    }

    void glisser(partie essai, Placement chemin, Action sens) {
        while (jouer(essai, chemin, sens)) {
            retenir(essai, chemin);
        }
    }
};

} // namespace

std::vector<Placement> placementsAtteignables(const partie &jeu) {
    std::vector<Placement> trouves;
    if (jeu.getFini()) {
        return trouves;
    }
    const Lignes puits = lignesPosees(jeu);
    Exploration exploration{puits, jeu.getPenalite(), trouves};
    partie essai = jeu;
    Placement chemin;
    for (int tours = 0; tours < 4; ++tours) {
        if (tours > 0 && !Exploration::jouer(essai, chemin, Action::pivoter)) {
            break;
        }
        exploration.retenir(essai, chemin);
        exploration.glisser(essai, chemin, Action::gauche);
        exploration.glisser(essai, chemin, Action::droite);
    }
    auto parNote = [](const Placement &a, const Placement &b) { return a.note > b.note; };
    std::stable_sort(trouves.begin(), trouves.end(), parNote);
    // The best few are weighed again by what the next piece, whichever it is, could make of
    // the well they leave.
    const std::size_t k = std::min(anticipes, trouves.size());
    for (std::size_t i = 0; i < k; ++i) {
        const ApresPose apres = noterPose(puits, trouves[i].pose, jeu.getPenalite());
        double suite = 0;
        for (int type = 0; type < 7; ++type) {
            suite += noterSuite(apres.puits, type);
        }
        // Ties go to the better well now.
        trouves[i].note = apres.notePiece + suite / 7 + 0.001 * apres.note;
    }
    std::stable_sort(trouves.begin(), trouves.begin() + static_cast<long>(k), parNote);
    return trouves;
}
