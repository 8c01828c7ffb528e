#include "reglages_du_jeu.h"

#include "jeu.h"
#include "noms_touches.h"
#include "touches_liees.h"
#include "touches_position.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

void dire(const std::string &message) {
    std::fprintf(stderr, "%s\n", message.c_str());
}

// Over the network, who plays each well is the network's: the player's own choices stand.
Choix choixActuels(const Jeu &j) {
    const std::array<Pilote, 2> pilotes =
        j.pilotesLocaux.value_or(std::array<Pilote, 2>{j.match.pilote(0), j.match.pilote(1)});
    return {{pilotes[0], pilotes[1]}, !j.son.coupe(), j.pleinEcran.actif()};
}

} // namespace

Reglages chargerReglages() {
    Jeu &j = jeu();
    const LectureReglages lecture = j.reglages.lire(refusTouche);
    for (const std::string &erreur : lecture.erreurs) {
        dire(erreur);
    }
    const std::array<std::string, 4> gauche = touchesParPosition(
        lireCarteClavier(), [](const std::string &nom) { return refusTouche(nom).empty(); });
    std::vector<std::string> messages;
    j.clavier.lier(lierTouches(lecture.reglages, gauche, toucheDuNom, messages));
    for (const std::string &message : messages) {
        dire(message);
    }
    j.portReseau = lecture.reglages.port;
    j.derniereAdresse = lecture.reglages.adresse;
    return lecture.reglages;
}

Liaisons liaisonsSansEcran() {
    const LectureReglages lecture = FichierReglages().lire(refusTouche);
    std::vector<std::string> messages;
    return lierTouches(lecture.reglages, {"a", "d", "w", "s"}, toucheDuNom, messages);
}

void suivreReglages() {
    Jeu &j = jeu();
    j.ecrit = choixActuels(j);
}

void retenirChangements() {
    Jeu &j = jeu();
    if (!j.ecrit) {
        return;
    }
    const Choix maintenant = choixActuels(j);
    for (const Changement &changement : changements(*j.ecrit, maintenant)) {
        const std::string echec = j.reglages.ecrire(changement);
        if (!echec.empty()) {
            dire("cubefall: the settings could not be saved: " + echec);
        }
    }
    j.ecrit = maintenant;
}
