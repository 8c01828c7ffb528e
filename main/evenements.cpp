#include "evenements.h"

#include "codes_touches.h"
#include "gestes_du_jeu.h"
#include "horloge.h"
#include "jeu.h"
#include "projection.h"
#include "reglages_du_jeu.h"
#include "reseau_du_jeu.h"
#include "reveils_glut.h"

#include <GL/freeglut.h>

static_assert(toucheF2 == GLUT_KEY_F2 && toucheF3 == GLUT_KEY_F3 && toucheF4 == GLUT_KEY_F4 &&
                  toucheF5 == GLUT_KEY_F5 && toucheF6 == GLUT_KEY_F6 && toucheF11 == GLUT_KEY_F11 &&
                  toucheGauche == GLUT_KEY_LEFT && toucheHaut == GLUT_KEY_UP &&
                  toucheDroite == GLUT_KEY_RIGHT && toucheBas == GLUT_KEY_DOWN,
              "the match's key codes are GLUT's");

namespace {

// What a key changes that the player keeps (who plays a well, the sound, full screen) is written
// at once. Full screen changes the picture through the window's new size.
void enfoncer(Touche touche) {
    const std::optional<Geste> geste = jeu().clavier.enfoncer(touche, maintenant());
    if (geste) {
        executer(*geste);
    }
    retenirChangements();
    if (geste != Geste::pleinEcran) {
        signalerChangement();
    }
}

} // namespace

void toucheGlut(unsigned char touche, int, int) {
    // While the address is typed, the keys are the field's.
    if (saisir(touche)) {
        signalerChangement();
        return;
    }
    enfoncer({false, touche});
}

void toucheRelacheeGlut(unsigned char touche, int, int) {
    jeu().clavier.relacher({false, touche});
}

void toucheSpecialeGlut(int touche, int, int) {
    if (jeu().champ.ouvert() && touche != toucheF11) {
        return;
    }
    enfoncer({true, touche});
}

void toucheSpecialeRelacheeGlut(int touche, int, int) {
    jeu().clavier.relacher({true, touche});
}

// A match nobody can see is not played on: hidden or iconified, it pauses by itself, which also
// lets go of the held keys.
void etatFenetre(int etat) {
    if (etat == GLUT_HIDDEN || etat == GLUT_FULLY_COVERED) {
        executer(Geste::mettreEnPause);
        jeu().clavier.toutRelacher();
        signalerChangement();
    }
}

void redimensionnerFenetre(int largeur, int hauteur) {
    redimensionner(largeur, hauteur);
    jeu().vue = vuePour(largeur, hauteur);
    signalerChangement();
}
