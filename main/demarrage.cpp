#include "demarrage.h"

#include "boite_erreur.h"
#include "dib.h"
#include "dossiers_donnees.h"
#include "evenements.h"
#include "fichiers_rejeu.h"
#include "horloge.h"
#include "jeu.h"
#include "ligne_commande.h"
#include "memoire_images.h"
#include "minuterie.h"
#include "projection.h"
#include "reglages_du_jeu.h"
#include "reveils_glut.h"
#include "textures.h"
#include "traduction.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

const char *cheminOuNul(const std::optional<std::string> &chemin) {
    return chemin ? chemin->c_str() : nullptr;
}

} // namespace

int demarrer(int argc, char **argv) {
    initialiserTraductions(dossiersDonnees());
    // Answered before any display is opened: help and version need none.
    const LigneCommande ligne = lireLigneCommande(argc, argv);
    switch (ligne.suite) {
    case LigneCommande::Suite::aide:
        std::fputs(texteAide(liaisonsSansEcran()).c_str(), stdout);
        return 0;
    case LigneCommande::Suite::version:
        std::fputs(texteVersion().c_str(), stdout);
        return 0;
    case LigneCommande::Suite::erreur:
        std::fprintf(stderr, "cubefall: %s\n%s\n", ligne.erreur.c_str(),
                     _("Try 'cubefall --help'."));
        return 2;
    case LigneCommande::Suite::jouer:
        break;
    }

    // The network's port and the host's name too, so that a port in use or a name unknown is
    // said before any window opens.
    std::unique_ptr<TransportEnet> reseau;
    std::string erreur;
    if (ligne.heberger && !(reseau = TransportEnet::heberger(*ligne.heberger, erreur))) {
        std::fprintf(stderr, "cubefall: %s\n", erreur.c_str());
        return 1;
    }
    if (ligne.rejoindre && !(reseau = TransportEnet::rejoindre(*ligne.rejoindre, erreur))) {
        std::fprintf(stderr, "cubefall: %s\n%s\n", remplir(_("{1} for --join"), {erreur}).c_str(),
                     _("Try 'cubefall --help'."));
        return 2;
    }
    // A replay that cannot be watched is said before any window opens, too.
    std::optional<Rejeu> rejeu;
    if (ligne.rejeu) {
        LectureRejeu lecture = lireFichierRejeu(*ligne.rejeu);
        if (!lecture.rejeu) {
            std::fprintf(stderr, "cubefall: %s: %s\n", ligne.rejeu->c_str(),
                         lecture.erreur.c_str());
            return 1;
        }
        rejeu = std::move(lecture.rejeu);
    }

    garderMemoireImages();
    // Asked before glutInit, so that a -geometry on the command line still wins.
    glutInitWindowSize(largeurInitiale, hauteurInitiale);
    std::vector<std::string> optionsGlut = ligne.argumentsGlut;
    std::vector<char *> argumentsGlut;
    for (std::string &argument : optionsGlut) {
        argumentsGlut.push_back(argument.data());
    }
    argumentsGlut.push_back(nullptr);
    int nombreGlut = static_cast<int>(optionsGlut.size());
    glutInit(&nombreGlut, argumentsGlut.data());
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_DEPTH);
    glutCreateWindow("Cubefall");
    installerBoiteErreur();
    initProjection();

    // Each picture on its own: one of them may be the player's own, in the working folder.
    const std::vector<std::filesystem::path> dossiers = dossiersDonnees();
    const std::optional<std::string> bois = trouverFichierDonnees(nomImageBois, dossiers);
    const std::optional<std::string> metal = trouverFichierDonnees(nomImageMetal, dossiers);
    if (!chargerTextures(cheminOuNul(bois), cheminOuNul(metal))) {
        // Without a word the window would just flash and vanish: say where we looked.
        const std::string texte =
            remplir(_("No texture could be loaded: \"{1}\" and \"{2}\" are missing from {3}, or "
                      "are not pictures the game can read."),
                    {nomImageBois, nomImageMetal, nommerDossiersDonnees(dossiers)});
        afficherEchec(texte.c_str(), 1);
        return 1;
    }

    // The settings file first, then the command line, which wins for this run and is not
    // written back.
    const ReglagesLus lus = chargerReglages();
    Jeu &j = jeu();
    j.son.ouvrir(dossiers);
    // gamecontrollerdb.txt lies beside cubefall.conf.
    j.manettes.ouvrir(j.reglages.chemin() ? j.reglages.chemin()->parent_path()
                                          : std::filesystem::path());
    Seance::Depart depart;
    depart.choix = fusionner(lus.reglages, ligne.demandes);
    depart.liaisons = lus.liaisons;
    depart.port = lus.reglages.port;
    depart.adresse = lus.reglages.adresse;
    depart.echangerManettes = lus.reglages.echangerManettes;
    depart.rejeuxGardes = lus.reglages.rejeuxGardes;
    depart.dossierRejeux = dossierRejeux();
    // The system repeats only the last key pressed, which would cancel the other player's held
    // key: the game follows presses and releases and repeats each held key itself. When the
    // server marks its repeats, the game drops them itself; GLUT's own filter is the fallback,
    // as it asks X whether the key is still down when it reads a release, and so loses a quick
    // second press of the same key.
    if (!j.bureau.ecouter(depart.repetition)) {
        glutIgnoreKeyRepeat(1);
    }

    glEnable(GL_TEXTURE_2D);
    glPolygonMode(GL_FRONT, GL_FILL);
    glEnable(GL_CULL_FACE);
    // No idle callback: between events the game sleeps, and draws only when something changed.
    glutReshapeFunc(redimensionnerFenetre);
    glutDisplayFunc(afficherImage);
#ifdef CUBEFALL_CHAQUE_IMAGE
    // For the CPU benchmark only: a frame every interval whatever happens, as the game once did.
    glutIdleFunc(afficherImage);
#endif
    repondre(j.seance.demarrer(depart, std::move(reseau), std::move(rejeu), maintenant()));
    glutTimerFunc(1000, minuterie, 0);
    glutKeyboardFunc(toucheGlut);
    glutKeyboardUpFunc(toucheRelacheeGlut);
    glutSpecialFunc(toucheSpecialeGlut);
    glutSpecialUpFunc(toucheSpecialeRelacheeGlut);
    glutWindowStatusFunc(etatFenetre);
    glutMainLoop();
    return 0;
}
