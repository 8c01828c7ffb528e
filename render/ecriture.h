#pragma once

#include <string>

// Text drawn flat over the scene, in whatever units the caller's projection gives: the overlay's
// are a window 500 units high, so that text keeps its share of the window at any size. The
// desktop's sans-serif face draws it, anti-aliased at the size asked (polices.h); without any font,
// GLUT's bitmap fonts draw it at their own sizes, and say so once on standard error.

// A size of text: the height of a capital letter in the caller's units, and the bitmap font of
// about that size (0 Times Roman 24, 1 Helvetica 18, 2 Helvetica 12, 3 Helvetica 10).
struct Police {
    float capitale;
    int bitmap;
};
constexpr Police policeGrande{17, 0};
constexpr Police policeMoyenne{13, 1};
constexpr Police policePetite{9, 2};
constexpr Police policeMinuscule{7.5f, 3};

struct Couleur {
    float r, g, b;
};

// `pixels`: how many window pixels one unit is. The text is UTF-8.
float largeurTexte(Police police, const std::string &texte, float pixels);

// The text sits on its baseline at (x, y), with a dark shadow one unit down and right: it reads on
// the metal, on wood and on shadows alike.
void ecrireTexte(Police police, const std::string &texte, float x, float y, Couleur couleur,
                 float pixels);

// Whether the desktop's fonts draw the text (true unless none is found); the tests that read the
// text back from GLUT's calls turn them off.
void utiliserPolicesDuBureau(bool oui);
// The glyphs' textures were in a context that is gone.
void oublierGlyphes();
