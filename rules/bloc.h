#pragma once

#include "grille.h"

// One piece: its shape type, its quarter turns, the well cell it is anchored at, and its mask, a
// well-sized grid with a 1 in every cell it covers. Types 0 to 6 are the playing shapes; type 7 is
// the single cell the drawing uses to draw one cube.
class bloc {
public:
    // A random playing shape at column 4, row 16. Reseeds the generator with the current second,
    // so pieces built within the same second have the same shape.
    bloc();
    bloc(int type, int x, int y);

    void init();
    void vider();
    bool placer();
    // Places the piece again; when the current rotation does not fit the well's sides or floor,
    // steps back one quarter turn and places that instead.
    bool refresh();
    // Turns one quarter forward, then back again wherever the mask meets a settled cell of the
    // well.
    void tourner(const grille &puits);
    void descendre();

    int getJeu(int colonne, int ligne) const;
    int getX() const { return x; }
    void setX(int colonne) { x = colonne; }
    int getY() const { return y; }
    int getType() const { return type; }
    int getRotation() const { return rotation; }

    // Drawing of one cube at the anchor; defined by the renderer, which alone knows OpenGL.
    void dessiner(const grille &puits) const;
    void dessinerOmbre(const grille &puits);
    void dessinerFaces(const bool faces[6]) const;
    void face(int a, int b, int c, int d, int code) const;

protected:
    bool angleBloc0();
    bool angleBloc1();
    bool angleBloc2();
    bool angleBloc3();
    bool angleBloc5();
    bool angleBloc6();

    grille jeu;
    float sommets[8][3];
    std::int32_t rotation;
    std::int32_t x;
    std::int32_t y;
    std::int32_t type;
};
