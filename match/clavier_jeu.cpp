#include "clavier_jeu.h"

#include "codes_touches.h"
#include "touches_reservees.h"

#include <algorithm>

namespace {

// Letters count the same in either case, accented ones too (é on a French keyboard).
Touche minuscule(Touche touche) {
    const int c = touche.code;
    const bool majuscule =
        !touche.speciale && ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7));
    return majuscule ? Touche{false, c + 0x20} : touche;
}

} // namespace

ClavierJeu::ClavierJeu(Match &match) : match_(match) {}

std::optional<Geste> ClavierJeu::enfoncer(Touche touche, Instant maintenant) {
    touche = minuscule(touche);
    if (std::find(enfoncees_.begin(), enfoncees_.end(), touche) != enfoncees_.end()) {
        return std::nullopt;
    }
    enfoncees_.push_back(touche);
    if (const std::optional<Geste> geste = gesteReserve(touche)) {
        return geste;
    }
    // Once a match is over, Return and Space start the next one, even when they are a player's.
    const bool suite = touche == Touche{false, toucheEntree} || touche == Touche{false, ' '};
    if (suite && match_.verdict() != Verdict::enCours) {
        return Geste::matchSuivant;
    }
    std::optional<Commande> commande = liaisons_.commandeDe(touche);
    if (commande && seul_) {
        if (!puitsSeul_) {
            return std::nullopt;
        }
        commande->puits = *puitsSeul_;
    }
    if (commande) {
        match_.enfoncer(Source{true, touche}, *commande, maintenant);
    }
    return std::nullopt;
}

void ClavierJeu::jouerSeul(std::optional<int> puits) {
    toutRelacher();
    seul_ = true;
    puitsSeul_ = puits;
}

void ClavierJeu::jouerADeux() {
    toutRelacher();
    seul_ = false;
    puitsSeul_.reset();
}

void ClavierJeu::relacher(Touche touche) {
    // Control pressed while a letter is down makes its release a control code (Ctrl+A is 1):
    // still that letter. Return, Tab and BackSpace share those codes, and are released as
    // themselves when they are the key down.
    if (!touche.speciale && touche.code >= 1 && touche.code <= 26 &&
        std::find(enfoncees_.begin(), enfoncees_.end(), touche) == enfoncees_.end()) {
        touche.code = touche.code - 1 + 'a';
    }
    touche = minuscule(touche);
    enfoncees_.erase(std::remove(enfoncees_.begin(), enfoncees_.end(), touche), enfoncees_.end());
    match_.relacher(Source{true, touche});
}

void ClavierJeu::toutRelacher() {
    enfoncees_.clear();
    match_.relacherClavier();
}
