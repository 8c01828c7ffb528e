#include "prediction.h"

#include "miroir.h"

#include <algorithm>

ActionJoueur Prediction::noter(Action action) {
    const ActionJoueur message{++dernier_, action};
    attente_.push_back(message);
    return message;
}

bool Prediction::recevoir(Match &miroir, const EtatMatch &etat) {
    std::optional<ClichePartie> recus[2] = {recus_[0], recus_[1]};
    for (int i = 0; i < 2; ++i) {
        if (!etat.puits[i]) {
            continue;
        }
        ClichePartie puits = *etat.puits[i];
        if (!puits.avecCases) {
            // Cells to make from those had before; without any, nothing to make them from.
            if (!recus[i]) {
                continue;
            }
            puits.cases = refaireCases(*recus[i], puits);
            puits.avecCases = true;
        }
        if (!possible(puits)) {
            return false;
        }
        recus[i] = puits;
    }
    recus_[0] = recus[0];
    recus_[1] = recus[1];
    confirme_ = std::max(confirme_, etat.confirme);
    while (!attente_.empty() && attente_.front().numero <= etat.confirme) {
        attente_.pop_front();
    }
    if (!synchronise()) {
        return true;
    }
    const ClichePartie puits[2] = {*recus_[0], *recus_[1]};
    adopter(miroir, etat, puits);
    for (const ActionJoueur &action : attente_) {
        miroir.rejouer(puits_, action.action);
    }
    return true;
}
