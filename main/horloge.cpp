#include "horloge.h"

#include "horloge_etendue.h"

#include <GL/freeglut.h>

std::int64_t maintenant() {
    // GLUT counts in an int, which wraps after 24.8 days: its 32 bits carried on.
    static HorlogeEtendue horloge;
    return horloge.lire(static_cast<std::uint32_t>(glutGet(GLUT_ELAPSED_TIME)));
}
