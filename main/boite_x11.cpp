#include "boite_x11.h"

#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

FenetreX fenetreXCourante() {
    FenetreX f;
    f.affichage = glXGetCurrentDisplay();
    f.fenetre = f.affichage ? glXGetCurrentDrawable() : 0;
    return f;
}

void rattacherBoite(const FenetreX &boite, const FenetreX &jeu) {
    if (!boite.affichage || !boite.fenetre || !jeu.fenetre)
        return;
    XSetTransientForHint(static_cast<Display *>(boite.affichage), boite.fenetre, jeu.fenetre);
}

bool donnerFocus(const FenetreX &boite, const FenetreX &jeu) {
    auto *affichage = static_cast<Display *>(boite.affichage);
    if (!affichage || !boite.fenetre)
        return true;
    // X refuses the focus to a window that is not viewable yet.
    XWindowAttributes attributs{};
    if (!XGetWindowAttributes(affichage, boite.fenetre, &attributs) ||
        attributs.map_state != IsViewable)
        return false;

    // A window manager that follows the desktop conventions is asked to activate the box, as an
    // application does for its own dialog; without one, the focus is set directly.
    XEvent evenement{};
    evenement.xclient.type = ClientMessage;
    evenement.xclient.window = boite.fenetre;
    evenement.xclient.message_type = XInternAtom(affichage, "_NET_ACTIVE_WINDOW", False);
    evenement.xclient.format = 32;
    evenement.xclient.data.l[0] = 1; // from an application
    evenement.xclient.data.l[1] = CurrentTime;
    evenement.xclient.data.l[2] = static_cast<long>(jeu.fenetre);
    XSendEvent(affichage, DefaultRootWindow(affichage), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &evenement);
    XSetInputFocus(affichage, boite.fenetre, RevertToParent, CurrentTime);
    XFlush(affichage);
    return true;
}
