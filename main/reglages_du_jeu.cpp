#include "reglages_du_jeu.h"

#include "clavier_bureau.h"
#include "fichier_reglages.h"
#include "noms_touches.h"
#include "pilotes.h"
#include "plein_ecran.h"
#include "reveil.h"
#include "son.h"
#include "touches_joueurs.h"
#include "touches_liees.h"
#include "touches_position.h"

#include <cstdio>
#include <optional>
#include <string>

namespace {

std::optional<std::filesystem::path> chemin;
// Only a file read whole, or not there yet, is written.
bool ecrivable = false;

// What the game lets the player change, as last seen.
struct Etat {
    Pilote pilotes[2];
    bool son;
    bool pleinEcran;
};
std::optional<Etat> vu;

Etat etatActuel() {
    return {{pilote(0), pilote(1)}, !sonCoupe(), enPleinEcran()};
}

void dire(const std::string &message) {
    std::fprintf(stderr, "%s\n", message.c_str());
}

void appliquerTouches(const Reglages &reglages) {
    const std::array<std::string, 4> gauche = touchesParPosition(
        lireCarteClavier(), [](const std::string &nom) { return refusTouche(nom).empty(); });
    std::vector<std::string> messages;
    lierTouches(lierTouches(reglages, gauche, toucheDuNom, messages));
    for (const std::string &message : messages) {
        dire(message);
    }
}

void ecrire(const Changement &changement) {
    if (!chemin || !ecrivable) {
        return;
    }
    const std::string echec = enregistrer(*chemin, changement);
    if (!echec.empty()) {
        dire("cubefall: the settings could not be saved: " + echec);
    }
}

} // namespace

Reglages chargerReglages() {
    chemin = cheminReglages();
    LectureReglages lecture;
    if (chemin) {
        const ContenuFichier contenu = lireFichier(*chemin);
        ecrivable = contenu.etat != ContenuFichier::Etat::illisible;
        if (contenu.etat == ContenuFichier::Etat::illisible) {
            dire("cubefall: " + contenu.erreur +
                 "; the settings are not used, and the file is not written");
        } else {
            lecture = lireReglages(contenu.texte, chemin->string(), refusTouche);
        }
    }
    for (const std::string &erreur : lecture.erreurs) {
        dire(erreur);
    }
    for (int puits = 0; puits < 2; ++puits) {
        choisirPilote(puits, lecture.reglages.puits[puits].pilote, maintenant());
    }
    appliquerTouches(lecture.reglages);
    return lecture.reglages;
}

void suivreReglages() {
    vu = etatActuel();
}

void retenirChangements() {
    if (!vu) {
        return;
    }
    const Etat maintenant = etatActuel();
    for (int puits = 0; puits < 2; ++puits) {
        if (!(maintenant.pilotes[puits] == vu->pilotes[puits])) {
            ecrire(changementPilote(puits, maintenant.pilotes[puits]));
        }
    }
    if (maintenant.son != vu->son) {
        ecrire(changementSon(maintenant.son));
    }
    if (maintenant.pleinEcran != vu->pleinEcran) {
        ecrire(changementPleinEcran(maintenant.pleinEcran));
    }
    vu = maintenant;
}
