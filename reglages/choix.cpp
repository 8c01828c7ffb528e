#include "choix.h"

Choix fusionner(const Reglages &fichier, const DemandesLigne &ligne) {
    Choix choix;
    for (int puits = 0; puits < 2; ++puits) {
        choix.pilotes[puits] = ligne.pilotes[puits].value_or(fichier.puits[puits].pilote);
    }
    choix.son = fichier.son && !ligne.sonCoupe;
    choix.pleinEcran = fichier.pleinEcran || ligne.pleinEcran;
    return choix;
}

std::vector<Changement> changements(const Choix &avant, const Choix &apres) {
    std::vector<Changement> liste;
    for (int puits = 0; puits < 2; ++puits) {
        if (!(apres.pilotes[puits] == avant.pilotes[puits])) {
            liste.push_back(changementPilote(puits, apres.pilotes[puits]));
        }
    }
    if (apres.son != avant.son) {
        liste.push_back(changementSon(apres.son));
    }
    if (apres.pleinEcran != avant.pleinEcran) {
        liste.push_back(changementPleinEcran(apres.pleinEcran));
    }
    return liste;
}
