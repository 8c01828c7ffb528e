#include "noms_touches.h"

#include "touches_reservees.h"
#include "traduction.h"

#include <GL/freeglut.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

namespace {

struct Speciale {
    KeySym symbole;
    int code;
};

constexpr Speciale speciales[] = {
    {XK_F1, GLUT_KEY_F1},     {XK_F2, GLUT_KEY_F2},           {XK_F3, GLUT_KEY_F3},
    {XK_F4, GLUT_KEY_F4},     {XK_F5, GLUT_KEY_F5},           {XK_F6, GLUT_KEY_F6},
    {XK_F7, GLUT_KEY_F7},     {XK_F8, GLUT_KEY_F8},           {XK_F9, GLUT_KEY_F9},
    {XK_F10, GLUT_KEY_F10},   {XK_F11, GLUT_KEY_F11},         {XK_F12, GLUT_KEY_F12},
    {XK_Left, GLUT_KEY_LEFT}, {XK_Up, GLUT_KEY_UP},           {XK_Right, GLUT_KEY_RIGHT},
    {XK_Down, GLUT_KEY_DOWN}, {XK_Page_Up, GLUT_KEY_PAGE_UP}, {XK_Page_Down, GLUT_KEY_PAGE_DOWN},
    {XK_Home, GLUT_KEY_HOME}, {XK_End, GLUT_KEY_END},         {XK_Insert, GLUT_KEY_INSERT},
};

// Keys GLUT reports as characters though they are not Latin-1 symbols.
struct Controle {
    KeySym symbole;
    unsigned char caractere;
};
constexpr Controle controles[] = {
    {XK_BackSpace, 8}, {XK_Tab, 9}, {XK_Return, '\r'}, {XK_Escape, 27}};

bool modificateur(KeySym symbole) {
    return symbole == XK_Shift_L || symbole == XK_Shift_R || symbole == XK_Control_L ||
           symbole == XK_Control_R || symbole == XK_Alt_L || symbole == XK_Alt_R ||
           symbole == XK_Caps_Lock || symbole == XK_Super_L || symbole == XK_Super_R;
}

} // namespace

std::optional<Touche> toucheDuNom(const std::string &nom) {
    const KeySym symbole = XStringToKeysym(nom.c_str());
    if (symbole == NoSymbol) {
        return std::nullopt;
    }
    // GLUT hands Latin-1 symbols over as their character.
    if ((symbole >= 0x20 && symbole <= 0x7e) || (symbole >= 0xa0 && symbole <= 0xff)) {
        KeySym minuscule = 0;
        KeySym majuscule = 0;
        XConvertCase(symbole, &minuscule, &majuscule);
        return Touche{false, static_cast<int>(minuscule)};
    }
    for (const Controle &c : controles) {
        if (c.symbole == symbole) {
            return Touche{false, c.caractere};
        }
    }
    for (const Speciale &s : speciales) {
        if (s.symbole == symbole) {
            return Touche{true, s.code};
        }
    }
    return std::nullopt;
}

std::string refusTouche(const std::string &nom) {
    const KeySym symbole = XStringToKeysym(nom.c_str());
    if (symbole == NoSymbol) {
        return _("no key is named so (X keysym names: q, semicolon, eacute, Left, F5, ...)");
    }
    if (modificateur(symbole)) {
        return _("a modifier would change the other player's keys");
    }
    const std::optional<Touche> touche = toucheDuNom(nom);
    if (!touche) {
        return _("the game cannot read this key");
    }
    if (gesteReserve(*touche)) {
        return remplir(_("this key keeps its own meaning ({1})"), {nomsTouchesReservees()});
    }
    return {};
}
