#include "ordinateur.h"
#include "rules_test_support.h"

#include <gtest/gtest.h>

namespace {

struct Cas {
    std::string nom;
    Picture puits;
    int type;
    // The score the landing makes, and whether the well then has an empty cell under a cube.
    int score;
    bool trou;
};

bool aUnTrou(const TestGame &jeu) {
    for (int c = 0; c < nbColonnes; ++c) {
        bool couvert = false;
        for (int l = nbLignes - 1; l >= 0; --l) {
            couvert = couvert || jeu.plateau[c][l] == casePosee;
            if (couvert && jeu.plateau[c][l] == caseVide) {
                return true;
            }
        }
    }
    return false;
}

// Wells where the right place is plain, played by Expert key by key on the game's own rules: its
// keys take the piece where it chose, and the landing is the one expected.
TEST(Ordinateur, PlainChoicesAndTheKeysThatReachThem) {
    const std::vector<Cas> cas = {
        {"the only hole an upright I fits",
         {"#######.##", "#######.##", "#######.##", "#######.##"},
         1,
         2000,
         false},
        {"three rows cleared rather than none",
         {"...#......", ".#########", ".#########", ".#########"},
         1,
         650,
         false},
        {"a square beside the hole, not over it", {"#...######", "#.#.######"}, 4, 0, false},
    };
    FakeClock horloge(1000);
    for (const Cas &c : cas) {
        SCOPED_TRACE(c.nom);
        TestGame jeu;
        jeu.setWell(c.puits);
        jeu.putPiece(c.type, 4, 16);
        jeu.actualiser();
        Ordinateur ordinateur(Niveau::expert, 7);
        bool enPlace = false;
        for (int coup = 0; coup < 60 && jeu.getPosees() == 0; ++coup) {
            const std::optional<Action> action = ordinateur.prochaineAction(jeu);
            // Expert leaves a piece at rest to the one-second fall, and only that.
            if (!action) {
                ASSERT_TRUE(jeu.estPose()) << "Expert waited above the stack";
                jeu.tomber();
                continue;
            }
            ASSERT_FALSE(*action == Action::descendre && jeu.estPose());
            if (*action == Action::descendre && !enPlace) {
                enPlace = true;
                ASSERT_TRUE(ordinateur.cible());
                EXPECT_EQ(jeu.getX(), ordinateur.cible()->colonne);
                EXPECT_EQ(jeu.getRotation(), ordinateur.cible()->rotation);
            }
            appliquer(jeu, *action);
        }
        EXPECT_EQ(jeu.getPosees(), 1) << jeu.well();
        EXPECT_EQ(jeu.getScore(), c.score) << jeu.well();
        EXPECT_EQ(aUnTrou(jeu), c.trou) << jeu.well();
    }
}

// The levels' slips: the best when the draw says so, never a place that is not there.
TEST(Ordinateur, SlipsStayAmongThePlacesThereAre) {
    const ProfilNiveau &facile = profil(Niveau::facile);
    const ProfilNiveau &expert = profil(Niveau::expert);
    EXPECT_EQ(rangChoisi(expert, 30, 99), 0u);
    EXPECT_EQ(rangChoisi(facile, 30, 0), 0u);
    EXPECT_EQ(rangChoisi(facile, 30, 99), 3u);
    EXPECT_EQ(rangChoisi(facile, 2, 99), 1u);
    EXPECT_FALSE(facile.pousse);
    EXPECT_TRUE(expert.pousse);
}

} // namespace
