#include "clavier.h"

#include "codes_touches.h"
#include "joueurs.h"

#include <algorithm>
#include <iterator>

bool touches[256] = {};
bool rotationActive = false;

// Letters only act in lower case. A player's keys stop once the opponent's game is over.
void clavier(unsigned char touche, int, int) {
    touches[touche] = true;

    if (touches['l']) {
        rotationActive = !rotationActive;
    }
    if (!joueur2.getFini()) {
        if (touches['a']) {
            joueur1.gauche();
        }
        if (touches['s']) {
            joueur1.tomber();
        }
        if (touches['d']) {
            joueur1.droite();
        }
        if (touches['w']) {
            joueur1.pivoter();
        }
    }

    std::fill(std::begin(touches), std::end(touches), false);
}

// The arrows come apart from the characters, as special keys.
void clavierSpecial(int touche, int, int) {
    if (joueur1.getFini()) {
        return;
    }
    switch (touche) {
    case toucheGauche:
        joueur2.gauche();
        break;
    case toucheHaut:
        joueur2.pivoter();
        break;
    case toucheDroite:
        joueur2.droite();
        break;
    case toucheBas:
        joueur2.tomber();
        break;
    default:
        break;
    }
}
