#include "demarrage.h"

#include "boite_erreur.h"
#include "clavier_bureau.h"
#include "dib.h"
#include "dossiers_donnees.h"
#include "evenements.h"
#include "manettes_du_jeu.h"
#include "minuterie.h"
#include "reveil.h"
#include "scene.h"
#include "son_du_jeu.h"
#include "textures.h"

#include <GL/freeglut.h>

#include <optional>
#include <string>

namespace {

const char *cheminOuNul(const std::optional<std::string> &chemin) {
    return chemin ? chemin->c_str() : nullptr;
}

} // namespace

int demarrer(int argc, char **argv) {
    // Asked before glutInit, so that a -geometry on the command line still wins.
    glutInitWindowSize(largeurInitiale, hauteurInitiale);
    glutInit(&argc, argv);
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
        const std::string texte = "No texture could be loaded: \"" + std::string(nomImageBois) +
                                  "\" and \"" + nomImageMetal + "\" are missing from " +
                                  nommerDossiersDonnees(dossiers) +
                                  ", or are not pictures the game can read.";
        afficherErreur(texte.c_str());
        return 1;
    }

    brancherSon();
    brancherManettes();
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
    glutTimerFunc(1000, minuterie, 0);
    glutKeyboardFunc(toucheGlut);
    glutKeyboardUpFunc(toucheRelacheeGlut);
    glutSpecialFunc(toucheSpecialeGlut);
    glutSpecialUpFunc(toucheSpecialeRelacheeGlut);
    glutWindowStatusFunc(etatFenetre);
    // The system repeats only the last key pressed, which would cancel the other player's held
    // key: the game follows presses and releases and repeats each held key itself. When the
    // server marks its repeats, the game drops them itself; GLUT's own filter is the fallback,
    // as it asks X whether the key is still down when it reads a release, and so loses a quick
    // second press of the same key.
    if (!ecouterClavierDuBureau()) {
        glutIgnoreKeyRepeat(1);
    }
    glutMainLoop();
    return 0;
}
