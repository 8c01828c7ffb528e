#include "lancement.h"

#include "fichiers_rejeu.h"
#include "traduction.h"

#include <utility>

Lancement lancer(const LigneCommande &ligne, const std::function<Liaisons()> &liaisonsAide) {
    Lancement l;
    const std::string essayer = std::string(_("Try 'cubefall --help'.")) + '\n';
    switch (ligne.suite) {
    case LigneCommande::Suite::aide:
        l.sortie = texteAide(liaisonsAide());
        l.fin = 0;
        return l;
    case LigneCommande::Suite::version:
        l.sortie = texteVersion();
        l.fin = 0;
        return l;
    case LigneCommande::Suite::erreur:
        l.erreur = "cubefall: " + ligne.erreur + '\n' + essayer;
        l.fin = 2;
        return l;
    case LigneCommande::Suite::jouer:
        break;
    }
    std::string erreur;
    if (ligne.heberger && !(l.reseau = TransportEnet::heberger(*ligne.heberger, erreur))) {
        l.erreur = "cubefall: " + erreur + '\n';
        l.fin = 1;
        return l;
    }
    if (ligne.rejoindre && !(l.reseau = TransportEnet::rejoindre(*ligne.rejoindre, erreur))) {
        l.erreur = "cubefall: " + remplir(_("{1} for --join"), {erreur}) + '\n' + essayer;
        l.fin = 2;
        return l;
    }
    if (ligne.rejeu) {
        LectureRejeu lecture = lireFichierRejeu(*ligne.rejeu);
        if (!lecture.rejeu) {
            l.erreur = "cubefall: " + *ligne.rejeu + ": " + lecture.erreur + '\n';
            l.fin = 1;
            return l;
        }
        l.rejeu = std::move(lecture.rejeu);
    }
    return l;
}

Seance::Depart departDe(const Reglages &reglages, const Liaisons &liaisons,
                        const DemandesLigne &demandes,
                        std::optional<std::filesystem::path> dossierRejeux) {
    Seance::Depart depart;
    depart.choix = fusionner(reglages, demandes);
    depart.liaisons = liaisons;
    depart.port = reglages.port;
    depart.adresse = reglages.adresse;
    depart.echangerManettes = reglages.echangerManettes;
    depart.rejeuxGardes = reglages.rejeuxGardes;
    depart.dossierRejeux = std::move(dossierRejeux);
    return depart;
}
