#include "prediction.h"

#include "miroir.h"

#include <algorithm>

bool Prediction::noter(Action action) {
    if (attente_.size() >= attenteMax) {
        return false;
    }
    attente_.push_back(action);
    return true;
}

void Prediction::recevoir(Match &miroir, const EtatComplet &etat) {
    // The host confirms none it was not sent: a count beyond ours is taken for all of ours.
    const std::uint32_t dernier = confirme_ + static_cast<std::uint32_t>(attente_.size());
    const std::uint32_t confirme = std::min(std::max(confirme_, etat.confirme), dernier);
    attente_.erase(attente_.begin(), attente_.begin() + (confirme - confirme_));
    confirme_ = confirme;
    adopter(miroir, etat);
    for (const Action action : attente_) {
        miroir.rejouer(puits_, action);
    }
}
