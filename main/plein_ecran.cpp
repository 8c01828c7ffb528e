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

void basculerPleinEcran() {
    if (!pleinEcran) {
        cadre = {glutGet(GLUT_WINDOW_X), glutGet(GLUT_WINDOW_Y), glutGet(GLUT_WINDOW_WIDTH),
                 glutGet(GLUT_WINDOW_HEIGHT)};
        // Without a window manager freeglut takes the window's place for a frame's and fills the
        // screen that far off its corner: from the corner, there is nothing to take.
        glutPositionWindow(0, 0);
        glutFullScreen();
    } else {
        // The window comes back where it was even where nobody keeps its place for it.
        glutLeaveFullScreen();
        glutPositionWindow(cadre.x, cadre.y);
        glutReshapeWindow(cadre.largeur, cadre.hauteur);
    }
    pleinEcran = !pleinEcran;
}
