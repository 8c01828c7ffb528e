#include "demarrage.h"

#include "match.h"
#include "scene.h"
#include "textures.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

std::string dossierCourant() {
    std::string chemin(256, '\0');
    while (getcwd(chemin.data(), chemin.size()) == nullptr) {
        if (chemin.size() > (1u << 20)) {
            return "the current folder";
        }
        chemin.resize(chemin.size() * 2);
    }
    chemin.resize(chemin.find('\0'));
    return chemin;
}

} // namespace

int demarrer(int argc, char **argv) {
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_DEPTH);
    glutCreateWindow("Cubefall");
    initProjection();

    if (!chargerTextures()) {
        // Without a word the window would just flash and vanish: say where we looked.
        std::fprintf(stderr,
                     "Error: no texture could be loaded from \"bois.bmp\" or \"metal.bmp\" "
                     "in %s.\n",
                     dossierCourant().c_str());
        return 1;
    }

    glEnable(GL_TEXTURE_2D);
    glPolygonMode(GL_FRONT, GL_FILL);
    glEnable(GL_CULL_FACE);
    glutReshapeFunc(redimensionner);
    glutDisplayFunc(affichage);
    glutIdleFunc(affichage);
    glutTimerFunc(1000, minuterie, 0);
    glutKeyboardFunc(clavier);
    glutSpecialFunc(clavierSpecial);
    glutMainLoop();
    return 0;
}
