#include "clavier_bureau.h"

#include <GL/glx.h>
#include <X11/XKBlib.h>
#include <X11/Xlib.h>

#include <cstring>

namespace {

ReglageRepetition lireReglage(Display *affichage) {
    ReglageRepetition lu;
    unsigned int delai = 0;
    unsigned int intervalle = 0;
    if (XkbGetAutoRepeatRate(affichage, XkbUseCoreKbd, &delai, &intervalle) && delai > 0 &&
        intervalle > 0) {
        lu.delai = delai;
        lu.intervalle = intervalle;
    }
    XKeyboardState etat;
    XGetKeyboardControl(affichage, &etat);
    lu.active = etat.global_auto_repeat != AutoRepeatModeOff;
    return lu;
}

Display *surveillerFocus(Display *affichage, GLXDrawable fenetre) {
    Display *surveillance = XOpenDisplay(DisplayString(affichage));
    if (surveillance == nullptr) {
        return nullptr;
    }
    XSelectInput(surveillance, fenetre, FocusChangeMask);
    XFlush(surveillance);
    return surveillance;
}

} // namespace

ClavierBureau::~ClavierBureau() {
    if (surveillance_ != nullptr) {
        XCloseDisplay(static_cast<Display *>(surveillance_));
    }
}

bool ClavierBureau::ecouter(ReglageRepetition &reglage) {
    Display *affichage = glXGetCurrentDisplay();
    const GLXDrawable fenetre = glXGetCurrentDrawable();
    Bool detectable = False;
    reglage = ReglageRepetition{};
    if (affichage != nullptr && fenetre != 0) {
        reglage = lireReglage(affichage);
        surveillance_ = surveillerFocus(affichage, fenetre);
        XkbSetDetectableAutoRepeat(affichage, True, &detectable);
    }
    return detectable == True;
}

bool ClavierBureau::focusPerdu() {
    auto *surveillance = static_cast<Display *>(surveillance_);
    if (surveillance == nullptr) {
        return false;
    }
    bool perdu = false;
    while (XPending(surveillance) > 0) {
        XEvent evenement;
        XNextEvent(surveillance, &evenement);
        // The focus going to a window inside ours leaves the keys with us.
        if (evenement.type == FocusOut && evenement.xfocus.detail != NotifyInferior) {
            perdu = true;
        }
    }
    return perdu;
}

CarteClavier lireCarteClavier() {
    CarteClavier carte;
    Display *affichage = glXGetCurrentDisplay();
    if (affichage == nullptr) {
        return carte;
    }
    XkbDescPtr clavier = XkbGetMap(affichage, XkbKeySymsMask, XkbUseCoreKbd);
    if (clavier == nullptr) {
        return carte;
    }
    if (XkbGetNames(affichage, XkbKeyNamesMask, clavier) == Success && clavier->names != nullptr &&
        clavier->names->keys != nullptr) {
        for (int code = clavier->min_key_code; code <= clavier->max_key_code; ++code) {
            const char *nom = clavier->names->keys[code].name;
            CarteClavier::Touche touche;
            touche.position.assign(nom, strnlen(nom, XkbKeyNameLength));
            for (int groupe = 0; groupe < XkbKeyNumGroups(clavier, code); ++groupe) {
                const KeySym symbole = XkbKeySymEntry(clavier, code, 0, groupe);
                const char *nomSymbole = symbole != NoSymbol ? XKeysymToString(symbole) : nullptr;
                touche.symboles.push_back(nomSymbole != nullptr ? nomSymbole : "");
            }
            carte.touches.push_back(std::move(touche));
        }
    }
    XkbStateRec etat;
    if (XkbGetState(affichage, XkbUseCoreKbd, &etat) == Success) {
        carte.groupe = etat.group;
    }
    XkbFreeKeyboard(clavier, 0, True);
    return carte;
}
