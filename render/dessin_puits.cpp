#include "partie.h"

#include <GL/gl.h>

void partie::dessiner() {
    dessinerCadre();
    // The falling piece is written in anew so the picture shows the current state.
    refresh();
    actualiser();

    // Every shadow of the well goes down before any cube, so no shadow covers a cube. A shadow is
    // the texture times black, black whatever the texture: drawn untextured, it costs less.
    bool sansTexture = false;
    for (int colonne = 0; colonne < nbColonnes; ++colonne) {
        for (int ligne = 0; ligne < nbLignes; ++ligne) {
            if (plateau[colonne][ligne] != caseVide) {
                if (!sansTexture) {
                    glDisable(GL_TEXTURE_2D);
                    sansTexture = true;
                }
                bloc(7, colonne, ligne).dessinerOmbre(plateau);
            }
        }
    }
    if (sansTexture) {
        glEnable(GL_TEXTURE_2D);
    }
    for (int colonne = 0; colonne < nbColonnes; ++colonne) {
        for (int ligne = 0; ligne < nbLignes; ++ligne) {
            if (plateau[colonne][ligne] != caseVide) {
                bloc(7, colonne, ligne).dessiner(plateau);
            }
        }
    }
}

// The four rails along the well's long sides, low and high; each samples one line of the wood.
void partie::dessinerCadre() const {
    constexpr float rails[8][5] = {
        {-1, 0, -14, 0.25f, 0.25f}, {-1, 0, 4, 0.25f, 0.75f},   {9, 0, 4, 0.75f, 0.75f},
        {9, 0, -14, 0.75f, 0.25f},  {-1, 1, -14, 0.25f, 0.25f}, {-1, 1, 4, 0.25f, 0.75f},
        {9, 1, 4, 0.75f, 0.75f},    {9, 1, -14, 0.75f, 0.25f},
    };
    glBegin(GL_LINES);
    for (const auto &r : rails) {
        glTexCoord2f(r[3], r[4]);
        glVertex3f(r[0], r[1], r[2]);
    }
    glEnd();
}
