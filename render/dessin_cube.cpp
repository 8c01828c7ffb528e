#include "bloc.h"

#include <GL/gl.h>

namespace {

// Corner numbers of each face, counter-clockwise seen from outside the cube, indexed by face
// flag; flag 0, the bottom, is never drawn.
constexpr int coins[6][4] = {
    {0, 0, 0, 0}, {0, 1, 2, 3}, {1, 4, 5, 2}, {7, 0, 3, 6}, {4, 7, 6, 5}, {3, 2, 5, 6},
};

constexpr float coordonneesTexture[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};

constexpr int codeOmbre = 6;

} // namespace

void bloc::dessiner(const grille &puits) const {
    bool faces[6] = {true, true, true, true, true, true};
    // A face against an occupied neighbour is never seen; at the well's border it always is.
    if (y < nbLignes - 1 && puits[x][y + 1] != caseVide) {
        faces[4] = false;
    }
    if (y > 0 && puits[x][y - 1] != caseVide) {
        faces[1] = false;
    }
    if (x < nbColonnes - 1 && puits[x + 1][y] != caseVide) {
        faces[2] = false;
    }
    if (x > 0 && puits[x - 1][y] != caseVide) {
        faces[3] = false;
    }
    dessinerFaces(faces);
}

// The cube's top square dropped onto the floor, one column right and one row down, in black.
void bloc::dessinerOmbre(const grille &) {
    glColor3f(0, 0, 0);
    x = x + 1;
    y = y - 1;
    face(3, 2, 5, 6, codeOmbre);
    x = x - 1;
    y = y + 1;
    glColor3f(255, 255, 255);
}

void bloc::dessinerFaces(const bool faces[6]) const {
    for (int flag = 1; flag <= 5; ++flag) {
        if (faces[flag]) {
            face(coins[flag][0], coins[flag][1], coins[flag][2], coins[flag][3], flag);
        }
    }
}

void bloc::face(int a, int b, int c, int d, int code) const {
    const float h = code == codeOmbre ? -2.0f : 0.0f;
    const int quad[4] = {a, b, c, d};
    glBegin(GL_QUADS);
    for (int i = 0; i < 4; ++i) {
        const float *sommet = sommets[quad[i]];
        glTexCoord2f(coordonneesTexture[i][0], coordonneesTexture[i][1]);
        glVertex3f(static_cast<float>(x - 1) + sommet[0], sommet[1] + h,
                   static_cast<float>(4 - y) + sommet[2]);
    }
    glEnd();
}
