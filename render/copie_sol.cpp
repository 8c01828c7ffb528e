#include "copie_sol.h"

#include "match.h"
#include "scene.h"

#include <GL/gl.h>

#include <optional>

namespace {

// What the floor's picture depends on, the sway aside: the projection and the window.
struct Vue {
    int largeur;
    int hauteur;
    double champ;
    bool operator==(const Vue &v) const {
        return largeur == v.largeur && hauteur == v.hauteur && champ == v.champ;
    }
};

GLuint texture = 0;
int largeurTexture = 0;
int hauteurTexture = 0;
std::optional<Vue> vueCopiee;

int puissanceDeDeux(int n) {
    int p = 1;
    while (p < n) {
        p *= 2;
    }
    return p;
}

// Keeps what the floor just left in the window.
void copier(const Vue &vue) {
    if (vue.largeur <= 0 || vue.hauteur <= 0) {
        return;
    }
    if (texture == 0) {
        glGenTextures(1, &texture);
    }
    glBindTexture(GL_TEXTURE_2D, texture);
    const int largeur = puissanceDeDeux(vue.largeur), hauteur = puissanceDeDeux(vue.hauteur);
    if (largeur != largeurTexture || hauteur != hauteurTexture) {
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB8, largeur, hauteur, 0, GL_RGB, GL_UNSIGNED_BYTE,
                     nullptr);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        largeurTexture = largeur;
        hauteurTexture = hauteur;
    }
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, vue.largeur, vue.hauteur);
    vueCopiee = vue;
}

// One texel to one pixel: each pixel's centre samples the texel it was copied from.
void recopier(const Vue &vue) {
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, vue.largeur, 0, vue.hauteur, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    const float s = static_cast<float>(vue.largeur) / static_cast<float>(largeurTexture);
    const float t = static_cast<float>(vue.hauteur) / static_cast<float>(hauteurTexture);
    const auto l = static_cast<float>(vue.largeur), h = static_cast<float>(vue.hauteur);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex3f(0, 0, 0);
    glTexCoord2f(s, 0);
    glVertex3f(l, 0, 0);
    glTexCoord2f(s, t);
    glVertex3f(l, h, 0);
    glTexCoord2f(0, t);
    glVertex3f(0, h, 0);
    glEnd();
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

} // namespace

bool copierSol = true;

void poserSol() {
    if (!copierSol) {
        dessinerSol();
        return;
    }
    // A swaying camera moves the floor every frame: there is nothing to keep.
    if (rotationActive) {
        vueCopiee.reset();
        dessinerSol();
        return;
    }
    const Vue vue{largeurFenetre, hauteurFenetre, champVertical};
    if (vueCopiee && *vueCopiee == vue) {
        recopier(vue);
        return;
    }
    dessinerSol();
    copier(vue);
}

void oublierCopieSol() {
    vueCopiee.reset();
    texture = 0;
    largeurTexture = 0;
    hauteurTexture = 0;
}
