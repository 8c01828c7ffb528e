#include "pilotes.h"
#include "traduction.h"

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
        return p.reseau == Pilote::Reseau::ici ? _("You") : _("Network");
    }
    return p.ordinateur ? remplir(_("Computer \u00B7 {1}"), {nomNiveau(p.niveau)}) : _("Player");
}
