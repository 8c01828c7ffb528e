#include "bareme.h"
#include "entrees.h"
#include "evaluation.h"
#include "rules_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Random landings played both ways, on the computer's rows and on the game's own rules: where the
// piece comes to rest, the well the full rows leave, how many go, whether the garbage then
// overflows the well, and whether a new piece would meet a settled cell where it enters.
TEST(Ordinateur, ItsLandingsAgreeWithTheRules) {
    TestGame jeu;
    // The game's generator draws the garbage; the landings draw from it too.
    semerHasard(20240611);
    const auto tirer = [](int n) { return tirerHasard() % n; };
    int rangeesVues[5] = {}, debordements = 0, entreesBouchees = 0;
    for (int essai = 0; essai < 20000; ++essai) {
        // Rows of one or two holes, one of them in the same column all the way down.
        jeu.viderJeu();
        jeu.fini = false;
        const int hauteur = tirer(15), colonne = tirer(nbColonnes);
        for (int l = 0; l < hauteur; ++l) {
            for (int c = 0; c < nbColonnes; ++c) {
                jeu.plateau[c][l] = c == colonne ? caseVide : casePosee;
            }
            if (tirer(2) == 0) {
                jeu.plateau[tirer(nbColonnes)][l] = caseVide;
            }
        }
        jeu.putPiece(tirer(7), tirer(nbColonnes), ligneEntree, tirer(4));
        const Cellules depart = cellulesPiece(jeu);
        if (depart.nombre < 4) {
            continue; // a column this shape and turn cannot take
        }
        jeu.actualiser();
        while (!jeu.estPose()) {
            jeu.tomber();
        }
        SCOPED_TRACE(::testing::Message() << "landing " << essai << jeu.well());
        const Lignes puits = lignesPosees(jeu);
        const Cellules pose = cellulesPiece(jeu);
        const Cellules tombee = faireTomber(depart, puits);
        EXPECT_TRUE(std::equal(pose.ligne, pose.ligne + 4, tombee.ligne));

        const int dechets = tirer(5);
        const ApresPose apres = noterPose(puits, pose, dechets);
        const int score = jeu.getScore();
        jeu.poserBloc(casePosee);
        jeu.effacerLignes();
        EXPECT_EQ(apres.rangees, rangeesPourPoints(jeu.getScore() - score));
        EXPECT_EQ(apres.puits, lignesPosees(jeu));
        for (int n = 0; n < dechets; ++n) {
            jeu.ajouterLigne();
        }
        EXPECT_EQ(apres.deborde, jeu.getFini());
        bool bouchee = false;
        for (int type = 0; type < 7; ++type) {
            TestGame suivante = jeu;
            suivante.fini = false;
            suivante.putPiece(type, colonneEntree, ligneEntree);
            suivante.poserBloc(caseTombante);
            bouchee = bouchee || suivante.getFini();
        }
        EXPECT_EQ(apres.entreeBouchee, bouchee);

        ++rangeesVues[apres.rangees];
        debordements += apres.deborde;
        entreesBouchees += apres.entreeBouchee;
    }
    for (int n = 0; n <= 4; ++n) {
        EXPECT_GT(rangeesVues[n], 0) << n << " rows cleared";
    }
    EXPECT_GT(debordements, 0);
    EXPECT_GT(entreesBouchees, 0);
}

} // namespace
