#include "scene.h"

#include "cadence.h"
#include "copie_sol.h"
#include "joueurs.h"
#include "match.h"
#include "seance.h"
#include "surimpression.h"
#include "textures.h"

#include <GL/freeglut.h>
#include <GL/gl.h>
#include <GL/glu.h>

bool sensInclinaison = false;
double angleInclinaison = 0;
double angleRotation = 0;

namespace {

// Turns the whole scene about the pivot between the two wells. The angles are stepped before
// they are used, and the tilt turns back once it has reached 30 degrees either way. A paused
// match holds the sway where it is.
void balancer() {
    glTranslatef(11, 0, -5);
    if (rotationActive) {
        const bool avance = !enPause;
        if (avance) {
            angleInclinaison += sensInclinaison ? -1 : 1;
            angleRotation += 1;
        }
        glRotatef(static_cast<float>(angleInclinaison), 0, 0, 1);
        glRotatef(static_cast<float>(angleRotation), 0, 1, 0);
        if (avance && angleInclinaison >= 30) {
            sensInclinaison = !sensInclinaison;
        }
        if (avance && angleInclinaison <= -30) {
            sensInclinaison = !sensInclinaison;
        }
    }
    glTranslatef(-11, 0, 5);
}

} // namespace

// Nothing but culling and the order of drawing decides what covers what: the floor first, then
// each well with its shadows before its cubes.
void affichage() {
    attendreImage();

    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    gluLookAt(10, 20, -4.999, 10, 0, -5, 0, 1, 0);
    balancer();

    glBindTexture(GL_TEXTURE_2D, textureMetal);
    poserSol();
    glBindTexture(GL_TEXTURE_2D, textureBois);
    joueur1.dessiner();
    glTranslatef(11, 0, 0);
    glBindTexture(GL_TEXTURE_2D, textureBois);
    joueur2.dessiner();

    dessinerSurimpression();
    glutSwapBuffers();
}

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
