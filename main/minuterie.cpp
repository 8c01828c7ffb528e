#include "minuterie.h"

#include "horloge.h"
#include "jeu.h"
#include "reseau_du_jeu.h"
#include "reveils_glut.h"

#include <GL/freeglut.h>

void minuterie(int) {
    // Re-armed first, so the heartbeat keeps going whatever happens below.
    glutTimerFunc(1000, minuterie, 0);
    // Over the network the host's match alone steps, once its player is there: a machine that
    // joins draws what the host sends.
    if (matchIci()) {
        jeu().match.seconde(maintenant());
        signalerChangement();
    }
}
