#include "ecriture.h"

#include "polices.h"
#include "traduction.h"
#include "utf8.h"

#include <GL/freeglut.h>
#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

void *const bitmaps[] = {GLUT_BITMAP_TIMES_ROMAN_24, GLUT_BITMAP_HELVETICA_18,
                         GLUT_BITMAP_HELVETICA_12, GLUT_BITMAP_HELVETICA_10};
constexpr Couleur ombre{0, 0, 0};

bool permises = true;
bool cherchees = false;
std::unique_ptr<Polices> polices;

// The desktop's faces, looked for once; none is said once.
Polices *lesPolices() {
    if (!permises) {
        return nullptr;
    }
    if (!cherchees) {
        cherchees = true;
        std::string erreur;
        polices = Polices::ouvrir(erreur);
        if (!polices) {
            std::fprintf(stderr, "%s\n",
                         remplir(_("cubefall: no font to draw the text with ({1}); GLUT's bitmap "
                                   "font draws it"),
                                 {erreur})
                             .c_str());
        }
    }
    return polices.get();
}

void ecrireBitmap(void *police, const std::string &texte, float x, float y, Couleur couleur) {
    glColor3f(couleur.r, couleur.g, couleur.b);
    // A raster position outside the window would drop the whole text.
    glRasterPos2i(std::max(static_cast<int>(x), 0), std::max(static_cast<int>(y), 0));
    for (const char c : texte) {
        glutBitmapCharacter(police, static_cast<unsigned char>(c));
    }
}

} // namespace

void utiliserPolicesDuBureau(bool oui) {
    permises = oui;
}

void oublierGlyphes() {
    if (polices) {
        polices->oublierTextures();
    }
}

float largeurTexte(Police police, const std::string &texte, float pixels) {
    if (Polices *p = lesPolices()) {
        return p->largeur(texte, police.capitale * pixels) / pixels;
    }
    const std::string octets = latin1(texte);
    return static_cast<float>(glutBitmapLength(
               bitmaps[police.bitmap], reinterpret_cast<const unsigned char *>(octets.c_str()))) /
           pixels;
}

void ecrireTexte(Police police, const std::string &texte, float x, float y, Couleur couleur,
                 float pixels) {
    if (Polices *p = lesPolices()) {
        const float capitale = police.capitale * pixels;
        const Polices::Teinte noir{ombre.r, ombre.g, ombre.b};
        p->dessiner(texte, capitale, x * pixels, y * pixels, 1 / pixels,
                    {couleur.r, couleur.g, couleur.b}, &noir, pixels);
        return;
    }
    // Each pass of text costs a software renderer dearly, so one shadow rather than a full
    // outline.
    const std::string octets = latin1(texte);
    ecrireBitmap(bitmaps[police.bitmap], octets, x + 1, y - 1, ombre);
    ecrireBitmap(bitmaps[police.bitmap], octets, x, y, couleur);
}
