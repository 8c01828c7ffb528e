#include "partie_test.h"

#include "codes_touches.h"
#include "faits.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

std::vector<Fait> entendus;

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
    std::function<void()> actions;
    std::vector<Fait> attendus;
};

// Both pieces start as type 0 at (4, 10), in empty wells.
TEST(Faits, WhatTheMatchReports) {
    ecouterMatch([](const Fait &f) { entendus.push_back(f); });
    using E = Evenement;
    const std::vector<Cas> cas = {
        {"a move each, by letter and by arrow",
         [] {
             appuyerTouche('a');
             appuyerToucheSpeciale(toucheDroite);
         },
         {{E::deplacement, 0}, {E::deplacement, 1}}},
        {"a step of gravity alone says nothing", [] { seconde(); }, {}},
        {"the down key moves the piece",
         [] { appuyerToucheSpeciale(toucheBas); },
         {{E::deplacement, 1}}},
        {"a turn, then a turn refused against the cubes",
         [] {
             appuyerTouche('w');
             remplirAutour(joueur2);
             appuyerToucheSpeciale(toucheHaut);
         },
         {{E::rotation, 0}, {E::rotationRefusee, 1}}},
        {"a piece settles on the floor",
         [] {
             surLeSol(joueur1);
             seconde();
         },
         {{E::pose, 0}}},
        {"a bar clears three rows",
         [] {
             troisRangeesPretes(joueur2);
             appuyerToucheSpeciale(toucheBas);
         },
         {{E::pose, 1}, {E::lignes3, 1}}},
        {"500 points send a row, which arrives as the opponent's piece settles",
         [] {
             modifier(joueur1, [](partieTest &t) { t.score = 1000; });
             surLeSol(joueur2);
             seconde();
         },
         {{E::lignesEnvoyees, 0, 2}, {E::pose, 1}, {E::lignesRecues, 1, 2}}},
        {"the well overflows: the loser, then the fanfare",
         [] {
             remplirAutour(joueur1);
             appuyerTouche('s');
         },
         {{E::pose, 0}, {E::debordement, 0}, {E::victoire, -1}}},
        {"after the verdict, the winner's turn key is no refused turn",
         [] {
             remplirAutour(joueur1);
             seconde();
             entendus.clear();
             remplirAutour(joueur2);
             appuyerToucheSpeciale(toucheHaut);
         },
         {}},
        {"pause, keys that do nothing, resume",
         [] {
             appuyerTouche('p');
             appuyerTouche('w');
             seconde();
             appuyerTouche(toucheEchap);
         },
         {{E::pause, -1}, {E::reprise, -1}}},
        {"a hidden window pauses", [] { mettreEnPause(); }, {{E::pause, -1}}},
        {"m is only reported, even while paused",
         [] {
             mettreEnPause();
             entendus.clear();
             appuyerTouche(toucheSon);
         },
         {{E::toucheSon, -1}}},
        {"a new match makes no sound of its own",
         [] {
             appuyerTouche('a');
             appuyerTouche('p');
             entendus.clear();
             appuyerToucheSpeciale(toucheF2);
         },
         {}},
    };
    for (const Cas &c : cas) {
        SCOPED_TRACE(c.nom);
        nouveauMatch();
        matchDeTest();
        entendus.clear();
        c.actions();
        ASSERT_EQ(entendus.size(), c.attendus.size());
        for (std::size_t i = 0; i < entendus.size(); ++i) {
            EXPECT_EQ(static_cast<int>(entendus[i].quoi), static_cast<int>(c.attendus[i].quoi))
                << "fact " << i;
            EXPECT_EQ(entendus[i].puits, c.attendus[i].puits) << "fact " << i;
            EXPECT_EQ(entendus[i].nombre, c.attendus[i].nombre) << "fact " << i;
        }
    }
    remplacerHorloge(nullptr);
}

} // namespace
