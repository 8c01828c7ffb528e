#pragma once

// What the picture depends on besides the match: the window's size, and the vertical field of
// view the projection gives it.
struct Vue {
    int largeur;
    int hauteur;
    double champ; // degrees: 60, or more in a window taller than it is wide
    bool operator==(const Vue &v) const {
        return largeur == v.largeur && hauteur == v.hauteur && champ == v.champ;
    }
};

// The window's size asked at start-up, until GLUT reports the real one.
constexpr int largeurInitiale = 500;
constexpr int hauteurInitiale = 500;

// The view of a window of this size, as the projection sets it.
Vue vuePour(int largeur, int hauteur);
// Its width over its height; a minimised window reports a height of 0, taken as 1 pixel.
float aspectDe(int largeur, int hauteur);
