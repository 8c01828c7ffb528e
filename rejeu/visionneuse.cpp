#include "visionneuse.h"
#include "traduction.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

constexpr double vitesses[] = {0.5, 1, 2, 4, 8};
constexpr const char *nomsVitesses[] = {"\u00BD\u00D7", "1\u00D7", "2\u00D7", "4\u00D7", "8\u00D7"};

std::string minutes(std::int64_t ms) {
    const std::int64_t secondes = ms / 1000;
    const std::int64_t s = secondes % 60;
    return std::to_string(secondes / 60) + ":" + (s < 10 ? "0" : "") + std::to_string(s);
}

} // namespace

Visionneuse::Visionneuse(Rejeu rejeu, Match &match, std::int64_t maintenant)
    : lecteur_(std::move(rejeu), match), depuis_(maintenant) {}

double Visionneuse::vitesse() const {
    return vitesses[vitesse_];
}

std::int64_t Visionneuse::positionA(std::int64_t maintenant) const {
    if (pause_) {
        return positionDepuis_;
    }
    const double ecoule = static_cast<double>(maintenant - depuis_) * vitesse();
    return std::min(lecteur_.duree(),
                    positionDepuis_ + static_cast<std::int64_t>(std::floor(ecoule)));
}

void Visionneuse::repartir(std::int64_t maintenant, std::int64_t position) {
    depuis_ = maintenant;
    positionDepuis_ = std::clamp<std::int64_t>(position, 0, lecteur_.duree());
}

bool Visionneuse::commander(Commande commande, std::int64_t maintenant) {
    const std::int64_t ici = positionA(maintenant);
    const std::vector<std::int64_t> &posees = lecteur_.posees();
    std::optional<std::int64_t> saut;
    switch (commande) {
    case Commande::pause:
        repartir(maintenant, ici);
        pause_ = !pause_;
        return false;
    case Commande::plusVite:
    case Commande::moinsVite:
        repartir(maintenant, ici);
        vitesse_ = std::clamp(vitesse_ + (commande == Commande::plusVite ? 1 : -1), 0,
                              static_cast<int>(std::size(vitesses)) - 1);
        return false;
    case Commande::debut:
        saut = 0;
        break;
    case Commande::fin:
        saut = lecteur_.duree();
        break;
    case Commande::pieceSuivante: {
        const auto p = std::upper_bound(posees.begin(), posees.end(), lecteur_.position());
        saut = p == posees.end() ? lecteur_.duree() : *p;
        break;
    }
    case Commande::piecePrecedente: {
        // The one before the last one passed: a press just after a piece settled goes further back.
        auto p = std::lower_bound(posees.begin(), posees.end(), lecteur_.position());
        saut = p == posees.begin() ? 0 : *std::prev(p);
        break;
    }
    }
    repartir(maintenant, *saut);
    lecteur_.allerA(positionDepuis_);
    return true;
}

bool Visionneuse::avancer(std::int64_t maintenant) {
    return lecteur_.allerA(positionA(maintenant));
}

std::optional<std::int64_t> Visionneuse::prochaineEcheance(std::int64_t maintenant) const {
    const std::optional<std::int64_t> trace = lecteur_.prochaineTrace();
    if (pause_ || !trace) {
        return std::nullopt;
    }
    const double attente = static_cast<double>(*trace - positionDepuis_) / vitesse();
    return std::max(maintenant,
                    depuis_ + static_cast<std::int64_t>(std::ceil(std::max(attente, 0.0))));
}

std::string Visionneuse::etiquette() const {
    return remplir(_("Replay {1} / {2} \u00B7 {3}"),
                   {minutes(lecteur_.position()), minutes(lecteur_.duree()),
                    pause_ ? _("paused") : nomsVitesses[vitesse_]});
}
