#include "sol.h"

#include <GL/gl.h>

// The metal repeats 50 times each way, once every 4 units.
void dessinerSol() {
    glBegin(GL_QUADS);
    glTexCoord2f(50, 0);
    glVertex3f(100, -1, -100);
    glTexCoord2f(0, 0);
    glVertex3f(-100, -1, -100);
    glTexCoord2f(0, 50);
    glVertex3f(-100, -1, 100);
    glTexCoord2f(50, 50);
    glVertex3f(100, -1, 100);
    glEnd();
}
