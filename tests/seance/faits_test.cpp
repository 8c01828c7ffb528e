#include "seance_de_test.h"

#include "codes_touches.h"
#include "faits.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

struct Oreille : EcouteurMatch {
    std::vector<Fait> entendus;
    void entendre(const Fait &fait) override { entendus.push_back(fait); }
};

// Every cell of the well settled except the falling piece's and the last column: the piece rests
// there, cannot turn, and the next piece overlaps the cubes.
void remplirAutour(partie &joueur) {
    modifier(joueur, [](partieTest &t) {
        for (int colonne = 0; colonne < nbColonnes - 1; ++colonne) {
            for (int ligne = 0; ligne < nbLignes; ++ligne) {
                if (t.plateau[colonne][ligne] == caseVide) {
                    t.plateau[colonne][ligne] = casePosee;
                }
            }
        }
    });
}

// The three bottom rows full but for an upright bar, standing on the floor in column 4.
void troisRangeesPretes(partie &joueur) {
    modifier(joueur, [](partieTest &t) {
        t.placerPiece(1, 4, 2);
        for (int colonne = 0; colonne < nbColonnes; ++colonne) {
            for (int ligne = 0; ligne < 3; ++ligne) {
                if (colonne != 4) {
                    t.plateau[colonne][ligne] = casePosee;
                }
            }
        }
    });
}

void surLeSol(partie &joueur) {
    modifier(joueur, [](partieTest &t) { t.placerPiece(0, 4, 1); });
}

struct Cas {
    std::string nom;
    std::function<void(SeanceDeTest &, Oreille &)> actions;
    std::vector<Fait> attendus;
};

// Both pieces start as type 0 at (4, 10), in empty wells.
TEST(Faits, WhatTheMatchReports) {
    using E = Evenement;
    const std::vector<Cas> cas = {
        {"a move each, by letter and by arrow",
         [](SeanceDeTest &s, Oreille &) {
             s.appuyer('a');
             s.appuyerSpeciale(toucheDroite);
         },
         {{E::deplacement, 0}, {E::deplacement, 1}}},
        {"a step of gravity alone says nothing",
         [](SeanceDeTest &s, Oreille &) { s.match.seconde(0); },
         {}},
        {"the down key moves the piece",
         [](SeanceDeTest &s, Oreille &) { s.appuyerSpeciale(toucheBas); },
         {{E::deplacement, 1}}},
        {"a turn, then a turn refused against the cubes",
         [](SeanceDeTest &s, Oreille &) {
             s.appuyer('w');
             remplirAutour(s.plateaux.droite);
             s.appuyerSpeciale(toucheHaut);
         },
         {{E::rotation, 0}, {E::rotationRefusee, 1}}},
        {"a piece settles on the floor",
         [](SeanceDeTest &s, Oreille &) {
             surLeSol(s.plateaux.gauche);
             s.match.seconde(0);
         },
         {{E::pose, 0}}},
        {"a bar clears three rows",
         [](SeanceDeTest &s, Oreille &) {
             troisRangeesPretes(s.plateaux.droite);
             s.appuyerSpeciale(toucheBas);
         },
         {{E::pose, 1}, {E::lignes3, 1}}},
        {"500 points send a row, which arrives as the opponent's piece settles",
         [](SeanceDeTest &s, Oreille &) {
             modifier(s.plateaux.gauche, [](partieTest &t) { t.score = 1000; });
             surLeSol(s.plateaux.droite);
             s.match.seconde(0);
         },
         {{E::lignesEnvoyees, 0, 2}, {E::pose, 1}, {E::lignesRecues, 1, 2}}},
        {"the well overflows: the loser, then the fanfare",
         [](SeanceDeTest &s, Oreille &) {
             remplirAutour(s.plateaux.gauche);
             s.appuyer('s');
         },
         {{E::pose, 0}, {E::debordement, 0}, {E::victoire, -1}}},
        {"after the verdict, the winner's turn key is no refused turn",
         [](SeanceDeTest &s, Oreille &o) {
             remplirAutour(s.plateaux.gauche);
             s.match.seconde(0);
             o.entendus.clear();
             remplirAutour(s.plateaux.droite);
             s.appuyerSpeciale(toucheHaut);
         },
         {}},
        {"pause, keys that do nothing, resume",
         [](SeanceDeTest &s, Oreille &) {
             s.appuyer('p');
             s.appuyer('w');
             s.match.seconde(0);
             s.appuyer(toucheEchap);
         },
         {{E::pause, -1}, {E::reprise, -1}}},
        {"a hidden window pauses",
         [](SeanceDeTest &s, Oreille &) { s.match.mettreEnPause(); },
         {{E::pause, -1}}},
        {"m is the machine's, no fact of the match's, even while paused",
         [](SeanceDeTest &s, Oreille &o) {
             s.match.mettreEnPause();
             o.entendus.clear();
             s.appuyer('m');
             EXPECT_FALSE(s.seance.choixActuels().son);
         },
         {}},
        {"a new match makes no sound of its own",
         [](SeanceDeTest &s, Oreille &o) {
             s.appuyer('a');
             s.appuyer('p');
             o.entendus.clear();
             s.appuyerSpeciale(toucheF2);
         },
         {}},
    };
    for (const Cas &c : cas) {
        SCOPED_TRACE(c.nom);
        SeanceDeTest s;
        Oreille o;
        s.match.ecouter(o);
        c.actions(s, o);
        ASSERT_EQ(o.entendus.size(), c.attendus.size());
        for (std::size_t i = 0; i < o.entendus.size(); ++i) {
            EXPECT_EQ(static_cast<int>(o.entendus[i].quoi), static_cast<int>(c.attendus[i].quoi))
                << "fact " << i;
            EXPECT_EQ(o.entendus[i].puits, c.attendus[i].puits) << "fact " << i;
            EXPECT_EQ(o.entendus[i].nombre, c.attendus[i].nombre) << "fact " << i;
        }
    }
}

} // namespace
