#include "scene.h"

#include "cadence.h"
#include "clavier.h"
#include "joueurs.h"
#include "sol.h"
#include "textures.h"

#include <GL/freeglut.h>
#include <GL/gl.h>
#include <GL/glu.h>

bool sensInclinaison = false;
double angleInclinaison = 0;
double angleRotation = 0;

namespace {

// Turns the whole scene about the pivot between the two wells. The angles are stepped before
// they are used, and the tilt turns back once it has reached 30 degrees either way.
void balancer(bool avance) {
    glTranslatef(11, 0, -5);
    if (rotationActive) {
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

void commencerImage(bool balancementAvance) {
    attendreImage();
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    gluLookAt(10, 20, -4.999, 10, 0, -5, 0, 1, 0);
    balancer(balancementAvance);
}

void dessinerPuits(partie &gauche, partie &droite) {
    glBindTexture(GL_TEXTURE_2D, textureBois);
    gauche.dessiner();
    glTranslatef(11, 0, 0);
    glBindTexture(GL_TEXTURE_2D, textureBois);
    droite.dessiner();
}

} // namespace

// Nothing but culling and the order of drawing decides what covers what: the floor first, then
// each well with its shadows before its cubes.
void affichage() {
    commencerImage(true);
    glBindTexture(GL_TEXTURE_2D, textureMetal);
    dessinerSol();
    dessinerPuits(joueur1, joueur2);
    glutSwapBuffers();
}

void dessinerImage(const Image &image) {
    commencerImage(!image.match.enPause());
    glBindTexture(GL_TEXTURE_2D, textureMetal);
    image.copieSol.poser(image.vue, rotationActive);
    dessinerPuits(image.match.jeu(0), image.match.jeu(1));
    dessinerSurimpression(image.vue, image.match,
                          {image.liaisons, image.unJoueur, image.avis.aMontrer(dernierTemps),
                           image.saisie, image.rejeu});
    glutSwapBuffers();
}
