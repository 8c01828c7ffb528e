#include "rules_test_support.h"

#include <string>

namespace {

// Short plays told as pictures of the well. The clock stands still at second 0, so every new
// piece is a type 3: (4, 15) (5, 15) (5, 16) (5, 17).
class Scenario : public ::testing::Test {
protected:
    FakeClock clock{0};
    TestGame game;

    // Gravity steps until the piece in play has settled and the next one is in; the count
    // includes the landing step.
    int dropUntilLanded() {
        for (int steps = 1; steps <= 2 * nbLignes; ++steps) {
            const int row = game.y;
            game.tomber();
            if (game.y >= row) {
                return steps;
            }
        }
        ADD_FAILURE() << "the piece never landed";
        return -1;
    }
};

} // namespace

TEST_F(Scenario, SquareDroppedIntoAGapClearsTwoRows) {
    game.setWell({
        ".#........",
        "####..####",
        "####..####",
    });
    game.putPiece(4, 4, 16);
    game.actualiser();
    EXPECT_EQ(dropUntilLanded(), 17);
    EXPECT_TRUE(game.wellIs({
        ".....o....",
        ".....o....",
        "....oo....",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        ".#........",
    }));
    EXPECT_EQ(game.getScore(), 200);
}

TEST_F(Scenario, BarDroppedIntoAShaftClearsFourRows) {
    game.setWell({
        "#.........",
        "#########.",
        "#########.",
        "#########.",
        "#########.",
    });
    game.putPiece(1, 4, 16);
    game.actualiser();
    for (int i = 0; i < 6; ++i) {
        game.droite();
    }
    EXPECT_EQ(game.getX(), 9);
    EXPECT_EQ(dropUntilLanded(), 15);
    EXPECT_EQ(game.getScore(), 2000);
    EXPECT_EQ(game.plateau[0][0], casePosee);
    EXPECT_EQ(game.basBloc(), 15);
}

// A piece that reaches the floor rests there for one step, long enough to slide under a ledge.
TEST_F(Scenario, RestingSquareSlidesUnderALedge) {
    game.setWell({
        "######....",
        "..........",
        "..........",
    });
    game.putPiece(4, 7, 16);
    game.actualiser();
    for (int i = 0; i < 16; ++i) {
        game.tomber();
    }
    ASSERT_TRUE(game.wellIs({
        "######....",
        ".......oo.",
        ".......oo.",
    }));
    for (int i = 0; i < 8; ++i) {
        game.gauche();
    }
    EXPECT_TRUE(game.wellIs({
        "######....",
        "oo........",
        "oo........",
    }));
    game.tomber();
    EXPECT_EQ(game.plateau[0][0], casePosee);
    EXPECT_EQ(game.plateau[1][1], casePosee);
    EXPECT_EQ(game.basBloc(), 15);
}

TEST_F(Scenario, TurnIsRefusedAgainstTheStack) {
    game.setWell({
        "..........",
        "..........",
        "..........",
        ".....#....",
    });
    game.putPiece(0, 4, 2);
    game.actualiser();
    game.pivoter();
    EXPECT_TRUE(game.wellIs({
        "..........",
        ".....o....",
        "....ooo...",
        ".....#....",
    }));

    game.gauche();
    game.pivoter();
    EXPECT_TRUE(game.wellIs({
        "..........",
        "....o.....",
        "....oo....",
        "....o#....",
    }));
}

TEST_F(Scenario, GarbageIsPushedInUnderTheLandedPiece) {
    game.penaliser();
    game.penaliser();
    game.putPiece(4, 4, 0);
    game.actualiser();
    semerHasard(1); // bottom rows ######..## then ###.####..
    game.tomber();
    EXPECT_TRUE(game.wellIs({
        ".....o....",
        ".....o....",
        "....oo....",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "....##....",
        "....##....",
        "######..##",
        "###.####..",
    }));
    EXPECT_EQ(game.penalite, 0);
    EXPECT_FALSE(game.getFini());
}

TEST_F(Scenario, NewPieceMeetsTheStackAndTheWellFills) {
    game.putPiece(4, 0, 0);
    game.actualiser();
    for (int row = 0; row < 16; ++row) {
        game.plateau[5][row] = casePosee;
    }
    game.tomber();
    EXPECT_TRUE(game.getFini());
    EXPECT_TRUE(game.wellIs({
        ".....o....",
        ".....o....",
        "....o#....",
        ".....#....",
        ".....#....",
        ".....#....",
        ".....#....",
        ".....#....",
        ".....#....",
        ".....#....",
        ".....#....",
        ".....#....",
        ".....#....",
        ".....#....",
        ".....#....",
        ".....#....",
        "##...#....",
        "##...#....",
    }));

    game.tomber();
    game.droite();
    EXPECT_TRUE(game.wellIs(Picture(nbLignes, "##########")));
    EXPECT_TRUE(game.getFini());
}
