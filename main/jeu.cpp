#include "jeu.h"

Jeu &jeu() {
    static Jeu leJeu;
    return leJeu;
}
