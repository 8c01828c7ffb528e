#include "reglages_du_jeu.h"

#include "clavier_bureau.h"
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

} // namespace

ReglagesLus chargerReglages() {
    const LectureReglages lecture = jeu().reglages.lire(refusTouche);
    for (const std::string &erreur : lecture.erreurs) {
        dire(erreur);
    }
    const std::array<std::string, 4> gauche = touchesParPosition(
        lireCarteClavier(), [](const std::string &nom) { return refusTouche(nom).empty(); });
    std::vector<std::string> messages;
    ReglagesLus lus{lecture.reglages, lierTouches(lecture.reglages, gauche, toucheDuNom, messages)};
    for (const std::string &message : messages) {
        dire(message);
    }
    return lus;
}

Liaisons liaisonsSansEcran() {
    const LectureReglages lecture = FichierReglages().lire(refusTouche);
    std::vector<std::string> messages;
    return lierTouches(lecture.reglages, {"a", "d", "w", "s"}, toucheDuNom, messages);
}
