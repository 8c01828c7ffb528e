#include "minuterie.h"

#include "horloge.h"
#include "jeu.h"
#include "reveils_glut.h"

#include <GL/freeglut.h>

void minuterie(int) {
    // Re-armed first, so the heartbeat keeps going whatever happens below.
    glutTimerFunc(1000, minuterie, 0);
    repondre(jeu().seance.seconde(maintenant()));
}
