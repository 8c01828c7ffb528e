#include "session.h"

#include <algorithm>
#include <utility>

void Nouvelles::ajouter(const Nouvelles &autres) {
    change = change || autres.change;
    roles = roles || autres.roles;
    if (autres.avis) {
        avis = autres.avis;
    }
    if (autres.avisFixe) {
        avisFixe = autres.avisFixe;
    }
    faitsHote.insert(faitsHote.end(), autres.faitsHote.begin(), autres.faitsHote.end());
    etatsHote.insert(etatsHote.end(), autres.etatsHote.begin(), autres.etatsHote.end());
}

Nouvelles Session::prendreNouvelles() {
    return std::exchange(nouvelles_, Nouvelles{});
}

std::vector<Envoi> Session::prendreEnvois() {
    return std::exchange(envois_, {});
}

std::vector<Coupure> Session::prendreCoupures() {
    return std::exchange(coupures_, {});
}

bool Session::prendreConnexion() {
    return std::exchange(connexion_, false);
}

bool Budget::prendre(std::int64_t maintenant) {
    if (reste_ < 0) {
        reste_ = plafond_;
    } else {
        const double ecoule = static_cast<double>(std::max<std::int64_t>(maintenant - depuis_, 0));
        reste_ = std::min(plafond_, reste_ + ecoule * parSeconde_ / 1000);
    }
    depuis_ = maintenant;
    if (reste_ < 1) {
        return false;
    }
    reste_ -= 1;
    return true;
}

void AllerRetour::mesurer(std::int64_t duree) {
    lisse_ += (static_cast<double>(std::clamp<std::int64_t>(duree, 0, 5000)) - lisse_) / 4;
}

std::int64_t AllerRetour::relance() const {
    return std::max<std::int64_t>(100, static_cast<std::int64_t>(lisse_) + 50);
}
