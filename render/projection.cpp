#include "projection.h"

#include "vue.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace {

void projeter(int largeur, int hauteur) {
    glViewport(0, 0, largeur, hauteur);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    // The near distance of 0 puts every point in front of the eye inside the depth range; the
    // scene lies twice as far as the far distance and would be clipped away by any other value.
    gluPerspective(vuePour(largeur, hauteur).champ, aspectDe(largeur, hauteur), 0, 10);
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
