#include "ecriture.h"

#include <GL/freeglut.h>
#include <GL/gl.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

void *const bitmaps[] = {GLUT_BITMAP_TIMES_ROMAN_24, GLUT_BITMAP_HELVETICA_18,
                         GLUT_BITMAP_HELVETICA_12, GLUT_BITMAP_HELVETICA_10};
void *const trait = GLUT_STROKE_ROMAN;
// The stroke font's capitals stand this many of its units high.
constexpr float capitaleTrait = 100;
// A middle dot, which the stroke font lacks, as wide as a narrow letter; and a space narrower than
// the font's own, which looks wide beside its letters.
constexpr std::uint32_t pointMedian = 0xB7;
constexpr float largeurPoint = 30;
constexpr float largeurEspace = 50;

constexpr Couleur ombre{0, 0, 0};

// Code points, from UTF-8; a byte that starts no character of Latin-1 stands for itself.
std::vector<std::uint32_t> caracteres(const std::string &texte) {
    std::vector<std::uint32_t> codes;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const auto octet = static_cast<unsigned char>(texte[i]);
        if ((octet == 0xC2 || octet == 0xC3) && i + 1 < texte.size()) {
            const auto suite = static_cast<unsigned char>(texte[++i]);
            codes.push_back(static_cast<std::uint32_t>((octet & 0x03) << 6 | (suite & 0x3F)));
        } else {
            codes.push_back(octet);
        }
    }
    return codes;
}

// The stroke font has ASCII alone: other letters are drawn as a question mark.
int enTrait(std::uint32_t code) {
    return code < 128 ? static_cast<int>(code) : '?';
}

float avance(std::uint32_t code) {
    if (code == pointMedian || code == ' ') {
        return code == ' ' ? largeurEspace : largeurPoint;
    }
    return static_cast<float>(glutStrokeWidth(trait, enTrait(code)));
}

// In the font's units, from the current pen position, then the pen moves on.
void dessinerCaractere(std::uint32_t code) {
    if (code == ' ') {
        glTranslatef(largeurEspace, 0, 0);
        return;
    }
    if (code != pointMedian) {
        glutStrokeCharacter(trait, enTrait(code));
        return;
    }
    const float x = largeurPoint / 2, y = capitaleTrait * 0.4f, r = 8;
    glBegin(GL_QUADS);
    glVertex3f(x - r, y - r, 0);
    glVertex3f(x + r, y - r, 0);
    glVertex3f(x + r, y + r, 0);
    glVertex3f(x - r, y + r, 0);
    glEnd();
    glTranslatef(largeurPoint, 0, 0);
}

void tracer(Police police, const std::vector<std::uint32_t> &codes, float x, float y,
            Couleur couleur) {
    const float echelle = police.capitale / capitaleTrait;
    glColor3f(couleur.r, couleur.g, couleur.b);
    glPushMatrix();
    glTranslatef(x, y, 0);
    glScalef(echelle, echelle, 1);
    for (const std::uint32_t code : codes) {
        dessinerCaractere(code);
    }
    glPopMatrix();
}

bool enBitmap(float pixels) {
    return pixels >= pixelsBitmapMin && pixels <= pixelsBitmapMax;
}

// Bitmap fonts are Latin-1: each character is one byte.
std::string latin1(const std::vector<std::uint32_t> &codes) {
    std::string texte;
    for (const std::uint32_t code : codes) {
        texte += static_cast<char>(code);
    }
    return texte;
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

float largeurTexte(Police police, const std::string &texte, float pixels) {
    const std::vector<std::uint32_t> codes = caracteres(texte);
    if (enBitmap(pixels)) {
        const std::string octets = latin1(codes);
        return static_cast<float>(glutBitmapLength(
            bitmaps[police.bitmap], reinterpret_cast<const unsigned char *>(octets.c_str())));
    }
    float unites = 0;
    for (const std::uint32_t code : codes) {
        unites += avance(code);
    }
    return unites * police.capitale / capitaleTrait;
}

void ecrireTexte(Police police, const std::string &texte, float x, float y, Couleur couleur,
                 float pixels) {
    const std::vector<std::uint32_t> codes = caracteres(texte);
    if (enBitmap(pixels)) {
        // Each pass of text costs a software renderer dearly, so one shadow rather than a full
        // outline.
        const std::string octets = latin1(codes);
        ecrireBitmap(bitmaps[police.bitmap], octets, x + 1, y - 1, ombre);
        ecrireBitmap(bitmaps[police.bitmap], octets, x, y, couleur);
        return;
    }
    // Strokes as thick as a bold letter of that size, smoothed.
    glLineWidth(std::max(1.0f, police.capitale * pixels / 6));
    glEnable(GL_LINE_SMOOTH);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    tracer(police, codes, x + 1, y - 1, ombre);
    tracer(police, codes, x, y, couleur);
    glDisable(GL_BLEND);
    glDisable(GL_LINE_SMOOTH);
    glLineWidth(1);
}
