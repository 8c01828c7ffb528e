#include "scene.h"

#include <GL/gl.h>
#include <GL/glu.h>

int largeurInitiale = 500;
int hauteurInitiale = 500;
int largeurFenetre = 500;
int hauteurFenetre = 500;

namespace {

void projeter(int largeur, int hauteur) {
    largeurFenetre = largeur;
    hauteurFenetre = hauteur;
    glViewport(0, 0, largeur, hauteur);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    // A minimised window reports a height of 0; its aspect is taken as if it were 1 pixel high.
    const int hauteurUtile = hauteur == 0 ? 1 : hauteur;
    const float aspect = static_cast<float>(static_cast<double>(largeur) / hauteurUtile);
    // The near distance of 0 puts every point in front of the eye inside the depth range; the
    // scene lies twice as far as the far distance and would be clipped away by any other value.
    gluPerspective(60, aspect, 0, 10);
    glMatrixMode(GL_MODELVIEW);
}

} // namespace

void initProjection() {
    projeter(largeurInitiale, hauteurInitiale);
}

void redimensionner(int largeur, int hauteur) {
    projeter(largeur, hauteur);
    glLoadIdentity();
}
