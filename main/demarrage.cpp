#include "demarrage.h"

#include "boite_erreur.h"
#include "dib.h"
#include "evenements.h"
#include "minuterie.h"
#include "scene.h"
#include "textures.h"

#include <GL/freeglut.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace {

std::string dossierCourant() {
    std::error_code erreur;
    const std::filesystem::path chemin = std::filesystem::current_path(erreur);
    return erreur ? "the current folder" : chemin.string();
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

    if (!chargerTextures()) {
        // Without a word the window would just flash and vanish: say where we looked.
        const std::string texte = "No texture could be loaded: \"bois.bmp\" and \"metal.bmp\" are "
                                  "missing from " +
                                  dossierCourant() + ", or are not pictures the game can read.";
        afficherErreur(texte.c_str());
        return 1;
    }

    glEnable(GL_TEXTURE_2D);
    glPolygonMode(GL_FRONT, GL_FILL);
    glEnable(GL_CULL_FACE);
    glutReshapeFunc(redimensionner);
    glutDisplayFunc(affichage);
    glutIdleFunc(affichage);
    glutTimerFunc(1000, minuterie, 0);
    glutKeyboardFunc(toucheGlut);
    glutSpecialFunc(toucheSpecialeGlut);
    glutWindowStatusFunc(etatFenetre);
    glutMainLoop();
    return 0;
}
