#include "plein_ecran.h"

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {

// Whether the window manager knows full screen (the desktops' common _NET_WM_STATE_FULLSCREEN).
// freeglut asks it then. Without one freeglut does it alone, and now and then misplaces the
// window or leaves it at its size; but there is no frame to hide then, and moving the window to
// the corner at the screen's size is full screen.
bool gestionnairePleinEcran() {
    Display *affichage = glXGetCurrentDisplay();
    if (!affichage) {
        return false;
    }
    const Atom supportes = XInternAtom(affichage, "_NET_SUPPORTED", True);
    const Atom etat = XInternAtom(affichage, "_NET_WM_STATE_FULLSCREEN", True);
    if (supportes == None || etat == None) {
        return false;
    }
    Atom type = None;
    int format = 0;
    unsigned long nombre = 0, reste = 0;
    unsigned char *donnees = nullptr;
    if (XGetWindowProperty(affichage, DefaultRootWindow(affichage), supportes, 0, 1024, False,
                           XA_ATOM, &type, &format, &nombre, &reste, &donnees) != Success ||
        !donnees) {
        return false;
    }
    bool trouve = false;
    const Atom *atomes = reinterpret_cast<const Atom *>(donnees);
    for (unsigned long i = 0; i < nombre && format == 32; ++i) {
        trouve = trouve || atomes[i] == etat;
    }
    XFree(donnees);
    return trouve;
}

} // namespace

void PleinEcran::basculer() {
    const bool gestionnaire = gestionnairePleinEcran();
    if (!actif_) {
        cadre_ = {glutGet(GLUT_WINDOW_X), glutGet(GLUT_WINDOW_Y), glutGet(GLUT_WINDOW_WIDTH),
                  glutGet(GLUT_WINDOW_HEIGHT)};
        if (gestionnaire) {
            glutFullScreen();
        } else {
            glutPositionWindow(0, 0);
            glutReshapeWindow(glutGet(GLUT_SCREEN_WIDTH), glutGet(GLUT_SCREEN_HEIGHT));
        }
    } else {
        if (gestionnaire) {
            glutLeaveFullScreen();
        }
        // The window manager may give the window back elsewhere, or nobody keeps its place.
        glutPositionWindow(cadre_.x, cadre_.y);
        glutReshapeWindow(cadre_.largeur, cadre_.hauteur);
    }
    actif_ = !actif_;
}
