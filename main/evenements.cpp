#include "evenements.h"

#include "codes_touches.h"
#include "horloge.h"
#include "jeu.h"
#include "projection.h"
#include "reveils_glut.h"

#include <GL/freeglut.h>

static_assert(toucheF2 == GLUT_KEY_F2 && toucheF3 == GLUT_KEY_F3 && toucheF4 == GLUT_KEY_F4 &&
                  toucheF5 == GLUT_KEY_F5 && toucheF6 == GLUT_KEY_F6 && toucheF7 == GLUT_KEY_F7 &&
                  toucheF8 == GLUT_KEY_F8 && toucheF9 == GLUT_KEY_F9 && toucheF10 == GLUT_KEY_F10 &&
                  toucheF11 == GLUT_KEY_F11 && touchePagePrecedente == GLUT_KEY_PAGE_UP &&
                  touchePageSuivante == GLUT_KEY_PAGE_DOWN && toucheGauche == GLUT_KEY_LEFT &&
                  toucheHaut == GLUT_KEY_UP && toucheDroite == GLUT_KEY_RIGHT &&
                  toucheBas == GLUT_KEY_DOWN,
              "the match's key codes are GLUT's");

void toucheGlut(unsigned char touche, int, int) {
    repondre(jeu().seance.enfoncer({false, touche}, maintenant()));
}

void toucheRelacheeGlut(unsigned char touche, int, int) {
    jeu().seance.relacher({false, touche});
}

void toucheSpecialeGlut(int touche, int, int) {
    repondre(jeu().seance.enfoncer({true, touche}, maintenant()));
}

void toucheSpecialeRelacheeGlut(int touche, int, int) {
    jeu().seance.relacher({true, touche});
}

void etatFenetre(int etat) {
    if (etat == GLUT_HIDDEN || etat == GLUT_FULLY_COVERED) {
        repondre(jeu().seance.cacher(maintenant()));
    }
}

void redimensionnerFenetre(int largeur, int hauteur) {
    redimensionner(largeur, hauteur);
    jeu().seance.redimensionner(largeur, hauteur);
    planifier();
}
