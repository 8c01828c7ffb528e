#include "plein_ecran.h"

#include <GL/freeglut.h>

namespace {

bool pleinEcran = false;

// The window as it was before it filled the screen.
struct Cadre {
    int x, y, largeur, hauteur;
};
Cadre cadre{};

} // namespace

bool enPleinEcran() {
    return pleinEcran;
}

void basculerPleinEcran() {
    if (!pleinEcran) {
        cadre = {glutGet(GLUT_WINDOW_X), glutGet(GLUT_WINDOW_Y), glutGet(GLUT_WINDOW_WIDTH),
                 glutGet(GLUT_WINDOW_HEIGHT)};
        glutFullScreen();
    } else {
        // Leaving full screen alone leaves the window where the window manager likes.
        glutLeaveFullScreen();
        glutPositionWindow(cadre.x, cadre.y);
        glutReshapeWindow(cadre.largeur, cadre.hauteur);
    }
    pleinEcran = !pleinEcran;
}
