#pragma once

#include <string>

// Text drawn flat over the scene, in whatever units the caller's projection gives: the overlay's
// are a window 500 units high, so that text keeps its share of the window at any size. Near that
// size, GLUT's crisp bitmap fonts draw it at their own size; in a window much larger or smaller,
// where they would look too small or too large, GLUT's stroke font draws it at the size asked.

// A size of text: the height of a capital letter in the caller's units, and the bitmap font of
// that size (0 Times Roman 24, 1 Helvetica 18, 2 Helvetica 12, 3 Helvetica 10).
struct Police {
    float capitale;
    int bitmap;
};
constexpr Police policeGrande{17, 0};
constexpr Police policeMoyenne{13, 1};
constexpr Police policePetite{9, 2};
constexpr Police policeMinuscule{7.5f, 3};

// Between these many window pixels a unit, bitmap fonts draw the text.
constexpr float pixelsBitmapMin = 0.8f;
constexpr float pixelsBitmapMax = 1.25f;

struct Couleur {
    float r, g, b;
};

// `pixels`: how many window pixels one unit is. The text is UTF-8; the characters of Latin-1 each
// count as one.
float largeurTexte(Police police, const std::string &texte, float pixels);

// The text sits on its baseline at (x, y), with a dark shadow one unit down and right: it reads on
// the metal, on wood and on shadows alike.
void ecrireTexte(Police police, const std::string &texte, float x, float y, Couleur couleur,
                 float pixels);
