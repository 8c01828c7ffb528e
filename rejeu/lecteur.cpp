#include "lecteur.h"

#include "hasard.h"
#include "miroir.h"

#include <algorithm>
#include <utility>

namespace {

// New pieces read the clock through the player that plays: the rules reach their clock through a
// plain function.
Lecteur *actif = nullptr;

} // namespace

Lecteur::Lecteur(Rejeu rejeu, Match &match)
    : rejeu_(std::move(rejeu)), match_(match), precedente_(horlogeEnPlace()) {
    actif = this;
    remplacerHorloge(&Lecteur::lireHorloge);
    match_.lire(true);
    // Once through, on the match itself, for where the pieces settle; then back to the start.
    recommencer();
    int posees[2] = {match_.jeu(0).getPosees(), match_.jeu(1).getPosees()};
    for (const Trace &trace : rejeu_.traces) {
        jouer(trace);
        for (int i = 0; i < 2; ++i) {
            if (match_.jeu(i).getPosees() != posees[i]) {
                posees[i] = match_.jeu(i).getPosees();
                if (posees_.empty() || posees_.back() != trace.quand) {
                    posees_.push_back(trace.quand);
                }
            }
        }
    }
    recommencer();
}

Lecteur::~Lecteur() {
    if (actif == this) {
        actif = nullptr;
    }
    remplacerHorloge(precedente_);
    match_.lire(false);
}

// The seconds the replay holds, in order; past its last one, the last again.
std::time_t Lecteur::lireHorloge() {
    if (actif == nullptr) {
        return std::time(nullptr);
    }
    const std::vector<Trace> &traces = actif->rejeu_.traces;
    std::size_t &tirage = actif->tirage_;
    std::time_t derniere = actif->rejeu_.debut.date;
    for (; tirage < traces.size(); ++tirage) {
        if (traces[tirage].sorte == Trace::Sorte::tirage) {
            return traces[tirage++].seconde;
        }
    }
    for (const Trace &trace : traces) {
        if (trace.sorte == Trace::Sorte::tirage) {
            derniere = trace.seconde;
        }
    }
    return derniere;
}

void Lecteur::recommencer() {
    const DebutRejeu &debut = rejeu_.debut;
    adopter(match_, debut.etat);
    semerHasard(debut.hasard);
    for (int i = 0; i < 2; ++i) {
        match_.choisirPilote(i, debut.pilotes[i], 0);
    }
    suivante_ = 0;
    tirage_ = 0;
    position_ = 0;
    faits_.clear();
}

void Lecteur::jouer(const Trace &trace) {
    switch (trace.sorte) {
    case Trace::Sorte::tirage:
        // Read by the new pieces themselves, as they come.
        break;
    case Trace::Sorte::action:
        match_.jouerEnregistre(trace.puits, trace.action);
        break;
    case Trace::Sorte::seconde:
        match_.seconde(trace.quand);
        break;
    case Trace::Sorte::pause:
        match_.basculerPause();
        break;
    case Trace::Sorte::mettreEnPause:
        match_.mettreEnPause();
        break;
    case Trace::Sorte::pilote:
        match_.choisirPilote(trace.puits, trace.pilote, trace.quand);
        break;
    case Trace::Sorte::etat:
        adopter(match_, trace.hote->etat);
        faits_.insert(faits_.end(), trace.hote->faits.begin(), trace.hote->faits.end());
        break;
    }
}

bool Lecteur::allerA(std::int64_t position) {
    bool change = false;
    if (position < position_) {
        recommencer();
        change = true;
    }
    for (; suivante_ < rejeu_.traces.size() && rejeu_.traces[suivante_].quand <= position;
         ++suivante_) {
        // A piece drawn before this trace is the one it met.
        if (tirage_ < suivante_) {
            tirage_ = suivante_;
        }
        jouer(rejeu_.traces[suivante_]);
        change = true;
    }
    position_ = std::max<std::int64_t>(position, 0);
    return change;
}

std::optional<std::int64_t> Lecteur::prochaineTrace() const {
    if (suivante_ >= rejeu_.traces.size()) {
        return std::nullopt;
    }
    return rejeu_.traces[suivante_].quand;
}

std::vector<Fait> Lecteur::prendreFaits() {
    return std::exchange(faits_, {});
}
