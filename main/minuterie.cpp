#include "minuterie.h"

#include "pilotes.h"
#include "reveil.h"
#include "seance.h"

#include <GL/freeglut.h>

void minuterie(int) {
    // Re-armed first, so the heartbeat keeps going whatever happens below.
    glutTimerFunc(1000, minuterie, 0);
    seconde();
    const Instant t = maintenant();
    battreSeconde(t);
    jouerOrdinateurs(t);
    signalerChangement();
}
