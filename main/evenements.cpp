#include "evenements.h"

#include "codes_touches.h"
#include "plein_ecran.h"
#include "reglages_du_jeu.h"
#include "reveil.h"
#include "scene.h"
#include "seance.h"
#include "touches_tenues.h"

#include <GL/freeglut.h>

static_assert(toucheF2 == GLUT_KEY_F2 && toucheF3 == GLUT_KEY_F3 && toucheF4 == GLUT_KEY_F4 &&
                  toucheGauche == GLUT_KEY_LEFT && toucheHaut == GLUT_KEY_UP &&
                  toucheDroite == GLUT_KEY_RIGHT && toucheBas == GLUT_KEY_DOWN,
              "the match's key codes are GLUT's");

// What a key changes that the player keeps (who plays a well, the sound, full screen) is
// written at once.
void toucheGlut(unsigned char touche, int, int) {
    enfoncerTouche(touche, maintenant());
    retenirChangements();
    signalerChangement();
}

void toucheRelacheeGlut(unsigned char touche, int, int) {
    relacherTouche(touche);
}

// F11 is the window's, not the match's: it never reaches the players' keys.
void toucheSpecialeGlut(int touche, int, int) {
    if (touche == GLUT_KEY_F11) {
        basculerPleinEcran();
        retenirChangements();
        return;
    }
    enfoncerToucheSpeciale(touche, maintenant());
    retenirChangements();
    signalerChangement();
}

void toucheSpecialeRelacheeGlut(int touche, int, int) {
    if (touche == GLUT_KEY_F11) {
        return;
    }
    relacherToucheSpeciale(touche);
}

// A match nobody can see is not played on: hidden or iconified, it pauses by itself, which also
// lets go of the held keys.
void etatFenetre(int etat) {
    if (etat == GLUT_HIDDEN || etat == GLUT_FULLY_COVERED) {
        mettreEnPause();
        relacherTouches();
        signalerChangement();
    }
}

void redimensionnerFenetre(int largeur, int hauteur) {
    redimensionner(largeur, hauteur);
    signalerChangement();
}
