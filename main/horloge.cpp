#include "horloge.h"

#include <GL/freeglut.h>

std::int64_t maintenant() {
    return glutGet(GLUT_ELAPSED_TIME);
}
