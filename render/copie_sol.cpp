#include "copie_sol.h"

#include "sol.h"

#include <GL/gl.h>

namespace {

int puissanceDeDeux(int n) {
    int p = 1;
    while (p < n) {
        p *= 2;
    }
    return p;
}

} // namespace

// Keeps what the floor just left in the window.
void CopieSol::copier(const Vue &vue) {
    if (vue.largeur <= 0 || vue.hauteur <= 0) {
        return;
    }
    if (texture_ == 0) {
        GLuint nom = 0;
        glGenTextures(1, &nom);
        texture_ = nom;
    }
    glBindTexture(GL_TEXTURE_2D, texture_);
    const int largeur = puissanceDeDeux(vue.largeur), hauteur = puissanceDeDeux(vue.hauteur);
    if (largeur != largeurTexture_ || hauteur != hauteurTexture_) {
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB8, largeur, hauteur, 0, GL_RGB, GL_UNSIGNED_BYTE,
                     nullptr);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        largeurTexture_ = largeur;
        hauteurTexture_ = hauteur;
    }
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, vue.largeur, vue.hauteur);
    vueCopiee_ = vue;
}

// One texel to one pixel: each pixel's centre samples the texel it was copied from.
void CopieSol::recopier(const Vue &vue) const {
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, vue.largeur, 0, vue.hauteur, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glBindTexture(GL_TEXTURE_2D, texture_);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    const float s = static_cast<float>(vue.largeur) / static_cast<float>(largeurTexture_);
    const float t = static_cast<float>(vue.hauteur) / static_cast<float>(hauteurTexture_);
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

void CopieSol::poser(const Vue &vue, bool balancement) {
    if (!active) {
        dessinerSol();
        return;
    }
    if (balancement) {
        vueCopiee_.reset();
        dessinerSol();
        return;
    }
    if (vueCopiee_ && *vueCopiee_ == vue) {
        recopier(vue);
        return;
    }
    dessinerSol();
    copier(vue);
}

void CopieSol::oublier() {
    vueCopiee_.reset();
    texture_ = 0;
    largeurTexture_ = 0;
    hauteurTexture_ = 0;
}
