#include "ordinateur.h"

namespace {

// A piece whose plan keeps going wrong (pushed around by the well's edges) is left to fall.
constexpr int replansMax = 6;

} // namespace

Ordinateur::Ordinateur(Niveau niveau, std::uint32_t graine) : niveau_(niveau), hasard_(graine) {}

std::size_t rangChoisi(const ProfilNiveau &profil, std::size_t nombre, int tirage) {
    if (nombre == 0) {
        return 0;
    }
    std::size_t rang = 0;
    int cumul = 0;
    for (; rang < 3; ++rang) {
        cumul += profil.chances[rang];
        if (tirage < cumul) {
            break;
        }
    }
    return std::min(rang, nombre - 1);
}

void Ordinateur::choisir(const partie &jeu) {
    std::vector<Placement> places = placementsAtteignables(jeu);
    fait_ = 0;
    if (places.empty()) {
        cible_.reset();
        return;
    }
    // Slips never take a place that overflows when a better one does not.
    const int tirage = std::uniform_int_distribution<int>(0, 99)(hasard_);
    std::size_t rang = rangChoisi(profil(niveau_), places.size(), tirage);
    while (rang > 0 && estDebordement(places[rang].note) && !estDebordement(places[0].note)) {
        --rang;
    }
    cible_ = std::move(places[rang]);
}

bool Ordinateur::commeAttendu(const partie &jeu) const {
    if (fait_ == 0) {
        return true;
    }
    return jeu.getRotation() == cible_->rotationsAttendues[fait_ - 1] &&
           jeu.getX() == cible_->colonnesAttendues[fait_ - 1];
}

std::optional<Action> Ordinateur::prochaineAction(const partie &jeu) {
    if (jeu.getFini()) {
        cible_.reset();
        return std::nullopt;
    }
    if (jeu.getPosees() != piece_) {
        piece_ = jeu.getPosees();
        replans_ = 0;
        choisir(jeu);
    } else if (cible_ && !commeAttendu(jeu)) {
        if (++replans_ > replansMax) {
            cible_.reset();
        } else {
            choisir(jeu);
        }
    }
    if (cible_ && fait_ < cible_->chemin.size()) {
        return cible_->chemin[fait_++];
    }
    const ProfilNiveau &p = profil(niveau_);
    if (p.pousse && !(p.attendPas && jeu.estPose())) {
        return Action::descendre;
    }
    return std::nullopt;
}
