#pragma once

#include "bloc.h"

// One player's game. The bloc part is the player's falling piece; the well holds the settled
// cells and the falling piece written in as 2.
class partie : public bloc {
public:
    partie();

    void viderJeu();
    void effacerBloc();
    void poserBloc(int valeur);
    // Writes the falling piece into the well anew.
    void actualiser();

    void gauche();
    void droite();
    void pivoter();
    // One gravity step: fall one row, or settle, clear rows, push in garbage and bring the next
    // piece. A finished game fills its well instead.
    void tomber();

    bool bloqueGauche() const;
    bool bloqueDroite() const;
    int basBloc() const;
    bool estPose() const;

    void effacerLignes();
    void ajouterLigne();
    void penaliser();

    int getScore() const { return score; }
    bool getFini() const { return fini; }
    int getPenalite() const { return penalite; }
    // Pieces settled in this game so far: tells a held down key that a new piece has come.
    int getPosees() const { return posees; }
    // One cell of the well, for those who read it without drawing it (the computer player).
    int getCase(int colonne, int ligne) const {
        return dansGrille(colonne, ligne) ? plateau[colonne][ligne] : caseVide;
    }

    // Drawing of the whole well; defined by the renderer.
    void dessiner();
    void dessinerCadre() const;

protected:
    grille plateau;
    bool fini = false;
    std::int32_t score;
    std::int32_t penalite;
    int posees = 0;
};
