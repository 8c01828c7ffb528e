#include "pilotes.h"

Pilote piloteSuivant(Pilote p) {
    if (!p.ordinateur) {
        return {true, Niveau::facile};
    }
    if (p.niveau == Niveau::expert) {
        return {};
    }
    p.niveau = static_cast<Niveau>(static_cast<int>(p.niveau) + 1);
    return p;
}

std::string nomPilote(Pilote p) {
    if (p.reseau != Pilote::Reseau::non) {
        return p.reseau == Pilote::Reseau::ici ? "You" : "Network";
    }
    return p.ordinateur ? std::string("Computer \u00B7 ") + nomNiveau(p.niveau) : "Player";
}
