#include "demarrage.h"

#include "boite_erreur.h"
#include "dib.h"
#include "dossiers_donnees.h"
#include "evenements.h"
#include "fichiers_rejeu.h"
#include "horloge.h"
#include "jeu.h"
#include "lancement.h"
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
    Lancement lancement = lancer(ligne, liaisonsSansEcran);
    std::fputs(lancement.sortie.c_str(), stdout);
    std::fputs(lancement.erreur.c_str(), stderr);
    if (lancement.fin) {
        return *lancement.fin;
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
    Seance::Depart depart = departDe(lus.reglages, lus.liaisons, ligne.demandes, dossierRejeux());
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
    repondre(j.seance.demarrer(depart, std::move(lancement.reseau), std::move(lancement.rejeu),
                               maintenant()));
    glutTimerFunc(1000, minuterie, 0);
    glutKeyboardFunc(toucheGlut);
    glutKeyboardUpFunc(toucheRelacheeGlut);
    glutSpecialFunc(toucheSpecialeGlut);
    glutSpecialUpFunc(toucheSpecialeRelacheeGlut);
    glutWindowStatusFunc(etatFenetre);
    glutMainLoop();
    return 0;
}
