#include "partie.h"

#include "bareme.h"
#include "hasard.h"

partie::partie() : bloc() {
    score = 0;
    penalite = 0;
    viderJeu();
}

void partie::viderJeu() {
    remplirGrille(plateau, caseVide);
}

void partie::effacerBloc() {
    for (auto &colonne : plateau) {
        for (auto &cellule : colonne) {
            if (cellule == caseTombante) {
                cellule = caseVide;
            }
        }
    }
}

void partie::poserBloc(int valeur) {
    for (int colonne = 0; colonne < nbColonnes; ++colonne) {
        for (int ligne = 0; ligne < nbLignes; ++ligne) {
            if (getJeu(colonne, ligne) != 1) {
                continue;
            }
            // A piece written over a settled cell means the well has overflowed.
            if (plateau[colonne][ligne] == casePosee) {
                fini = true;
            } else {
                plateau[colonne][ligne] = valeur;
            }
        }
    }
}

void partie::actualiser() {
    effacerBloc();
    poserBloc(caseTombante);
}

void partie::gauche() {
    if (bloqueGauche()) {
        return;
    }
    x = x - 1;
    refresh();
    actualiser();
}

void partie::droite() {
    if (bloqueDroite()) {
        return;
    }
    x = x + 1;
    refresh();
    actualiser();
}

void partie::pivoter() {
    tourner(plateau);
    actualiser();
}

void partie::tomber() {
    if (fini) {
        remplirGrille(plateau, casePosee);
        return;
    }
    if (estPose()) {
        poserBloc(casePosee);
        effacerLignes();
        while (penalite > 0) {
            ajouterLigne();
            penalite = penalite - 1;
        }
        static_cast<bloc &>(*this) = bloc();
        ++posees;
    } else {
        descendre();
    }
    actualiser();
}

// The first row, from the bottom, that holds a falling cell; -1 when there is none.
int partie::basBloc() const {
    for (int ligne = 0; ligne < nbLignes; ++ligne) {
        for (int colonne = 0; colonne < nbColonnes; ++colonne) {
            if (plateau[colonne][ligne] == caseTombante) {
                return ligne;
            }
        }
    }
    return -1;
}

bool partie::estPose() const {
    if (basBloc() == 0) {
        return true;
    }
    for (int colonne = 0; colonne < nbColonnes; ++colonne) {
        for (int ligne = 1; ligne < nbLignes; ++ligne) {
            if (plateau[colonne][ligne] == caseTombante &&
                plateau[colonne][ligne - 1] == casePosee) {
                return true;
            }
        }
    }
    return false;
}

// Only the leftmost falling cell of each row can run into something on its left.
bool partie::bloqueGauche() const {
    bool vue[nbLignes] = {};
    for (int colonne = 0; colonne < nbColonnes; ++colonne) {
        for (int ligne = 0; ligne < nbLignes; ++ligne) {
            if (plateau[colonne][ligne] != caseTombante || vue[ligne]) {
                continue;
            }
            if (colonne == 0) {
                return true;
            }
            vue[ligne] = true;
            if (plateau[colonne - 1][ligne] != caseVide) {
                return true;
            }
        }
    }
    return false;
}

bool partie::bloqueDroite() const {
    bool vue[nbLignes] = {};
    for (int colonne = nbColonnes - 1; colonne >= 0; --colonne) {
        for (int ligne = 0; ligne < nbLignes; ++ligne) {
            if (plateau[colonne][ligne] != caseTombante || vue[ligne]) {
                continue;
            }
            if (colonne == nbColonnes - 1) {
                return true;
            }
            vue[ligne] = true;
            if (plateau[colonne + 1][ligne] != caseVide) {
                return true;
            }
        }
    }
    return false;
}

// One row scores 50, and each further row in the same landing is worth three times the one
// before: 50, 200, 650, 2000 in all.
void partie::effacerLignes() {
    int valeur = valeurPremiereRangee;
    int total = 0;
    bool pleine[nbLignes] = {};
    for (int ligne = 0; ligne < nbLignes; ++ligne) {
        bool complete = true;
        for (int colonne = 0; colonne < nbColonnes; ++colonne) {
            complete = complete && plateau[colonne][ligne] == casePosee;
        }
        if (!complete) {
            continue;
        }
        pleine[ligne] = true;
        total += valeur;
        valeur *= facteurRangeeSuivante;
        for (int colonne = 0; colonne < nbColonnes; ++colonne) {
            plateau[colonne][ligne] = caseVide;
        }
    }

    grille tassee = {};
    int destination = 0;
    for (int ligne = 0; ligne < nbLignes; ++ligne) {
        if (pleine[ligne]) {
            continue;
        }
        for (int colonne = 0; colonne < nbColonnes; ++colonne) {
            tassee[colonne][destination] = plateau[colonne][ligne];
        }
        ++destination;
    }
    copierGrille(plateau, tassee);

    if (total > 5) {
        score += total;
    }
}

// Pushes a garbage row in from the bottom: each cell is filled two times in three, and a row
// that came out full gets one hole back so it can never be cleared for free.
void partie::ajouterLigne() {
    for (int colonne = 0; colonne < nbColonnes; ++colonne) {
        if (plateau[colonne][nbLignes - 2] == casePosee) {
            fini = true;
        }
    }

    grille nouvelle = {};
    bool rangeePleine = true;
    for (int colonne = 0; colonne < nbColonnes; ++colonne) {
        for (int ligne = 1; ligne < nbLignes; ++ligne) {
            nouvelle[colonne][ligne] = plateau[colonne][ligne - 1];
        }
        nouvelle[colonne][0] = tirerHasard() % 3 != 0 ? casePosee : caseVide;
        rangeePleine = rangeePleine && nouvelle[colonne][0] == casePosee;
    }
    if (rangeePleine) {
        nouvelle[tirerHasard() % nbColonnes][0] = caseVide;
    }

    copierGrille(plateau, nouvelle);
}

void partie::penaliser() {
    penalite = penalite + 1;
}
