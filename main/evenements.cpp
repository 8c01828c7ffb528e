#include "evenements.h"

#include "codes_touches.h"
#include "seance.h"

#include <GL/freeglut.h>

static_assert(toucheF2 == GLUT_KEY_F2 && toucheGauche == GLUT_KEY_LEFT &&
                  toucheHaut == GLUT_KEY_UP && toucheDroite == GLUT_KEY_RIGHT &&
                  toucheBas == GLUT_KEY_DOWN,
              "the match's key codes are GLUT's");

void toucheGlut(unsigned char touche, int, int) {
    appuyerTouche(touche);
}

void toucheSpecialeGlut(int touche, int, int) {
    appuyerToucheSpeciale(touche);
}

// A match nobody can see is not played on: hidden or iconified, it pauses by itself.
void etatFenetre(int etat) {
    if (etat == GLUT_HIDDEN || etat == GLUT_FULLY_COVERED) {
        mettreEnPause();
    }
}
