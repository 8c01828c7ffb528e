#include "rules_test_support.h"

#include <cstddef>
#include <new>

namespace {

// Every new piece drawn while the clock stands at second 0 is a type 3 (the first draw is 38).
class Game : public ::testing::Test {
protected:
    FakeClock clock{0};
    TestGame game;

    Cells cellsHolding(std::int32_t code) const {
        Cells cells;
        for (int column = 0; column < nbColonnes; ++column) {
            for (int row = 0; row < nbLignes; ++row) {
                if (game.plateau[column][row] == code) {
                    cells.emplace_back(column, row);
                }
            }
        }
        return cells;
    }
    Cells fallingCells() const { return cellsHolding(caseTombante); }
    Cells settledCells() const { return cellsHolding(casePosee); }
};

} // namespace

TEST_F(Game, StartsEmptyWithAPieceAtTheTop) {
    EXPECT_EQ(game.getScore(), 0);
    EXPECT_EQ(game.penalite, 0);
    EXPECT_FALSE(game.getFini());
    EXPECT_EQ(game.type, 3);
    EXPECT_EQ(game.x, 4);
    EXPECT_EQ(game.y, 16);
    // The piece reaches the well at its first move or drawing, not before.
    EXPECT_TRUE(game.wellIs({}));
    game.actualiser();
    EXPECT_EQ(fallingCells(), sorted({{4, 15}, {5, 15}, {5, 16}, {5, 17}}));
}

// A game built in memory that was not zeroed still starts playing.
TEST(GameStart, IsNotOverWhateverTheMemoryHeld) {
    FakeClock clock(0);
    alignas(TestGame) unsigned char memory[sizeof(TestGame)];
    // Volatile, so that the compiler cannot drop the stores as dead before the construction.
    volatile unsigned char *bytes = memory;
    for (std::size_t i = 0; i < sizeof memory; ++i) {
        bytes[i] = 0xFF;
    }
    TestGame *game = new (memory) TestGame;
    EXPECT_FALSE(game->getFini());
    EXPECT_EQ(game->getScore(), 0);
    EXPECT_EQ(game->penalite, 0);
    game->~TestGame();
}

TEST_F(Game, ClearsTheWellOrOnlyThePiece) {
    game.setWell({
        "#o#o......",
        "oo##......",
    });
    game.effacerBloc();
    EXPECT_TRUE(game.wellIs({
        "#.#.......",
        "..##......",
    }));
    game.viderJeu();
    EXPECT_TRUE(game.wellIs({}));
}

TEST_F(Game, WritingOverSettledCellsEndsTheGameAndKeepsThem) {
    game.putPiece(4, 4, 8); // (4, 8) (4, 9) (5, 8) (5, 9)
    game.plateau[3][8] = casePosee;
    game.poserBloc(caseTombante);
    EXPECT_FALSE(game.getFini());

    game.plateau[5][9] = casePosee;
    game.poserBloc(caseTombante);
    EXPECT_TRUE(game.getFini());
    EXPECT_EQ(game.plateau[5][9], casePosee);
    EXPECT_EQ(game.plateau[4][8], caseTombante);
    EXPECT_EQ(game.plateau[3][8], casePosee);
}

TEST_F(Game, ActualiserRewritesOnlyThePiece) {
    game.setWell({
        "o........#",
        "#.......o#",
    });
    game.putPiece(4, 4, 0);
    game.actualiser();
    EXPECT_TRUE(game.wellIs({
        "....oo...#",
        "#...oo...#",
    }));
    EXPECT_FALSE(game.getFini());
}

TEST_F(Game, BarMovesToEitherWallAndNoFurther) {
    game.putPiece(1, 4, 16);
    game.actualiser();
    for (const int expected : {3, 2, 1, 0, 0}) {
        game.gauche();
        EXPECT_EQ(game.getX(), expected);
    }
    EXPECT_EQ(fallingCells(), sorted({{0, 14}, {0, 15}, {0, 16}, {0, 17}}));
    for (const int expected : {1, 2, 3, 4, 5, 6, 7, 8, 9, 9}) {
        game.droite();
        EXPECT_EQ(game.getX(), expected);
    }
    EXPECT_EQ(fallingCells(), sorted({{9, 14}, {9, 15}, {9, 16}, {9, 17}}));
}

TEST_F(Game, BarStopsBesideASettledCell) {
    game.plateau[2][15] = casePosee;
    game.plateau[7][16] = casePosee;
    game.putPiece(1, 4, 16);
    game.actualiser();
    for (int i = 0; i < 4; ++i) {
        game.gauche();
    }
    EXPECT_EQ(game.getX(), 3);
    for (int i = 0; i < 4; ++i) {
        game.droite();
    }
    EXPECT_EQ(game.getX(), 6);
}

// The side tests look beside the outermost cell of every row, not only of the bottom row.
TEST_F(Game, SideTestsLookAtEveryRowOfThePiece) {
    game.putPiece(0, 4, 10); // (4, 9) (5, 9) (6, 9) and (5, 10) on top
    game.plateau[4][10] = casePosee;
    game.plateau[6][10] = casePosee;
    game.actualiser();
    EXPECT_TRUE(game.bloqueGauche());
    EXPECT_TRUE(game.bloqueDroite());
    game.gauche();
    game.droite();
    EXPECT_EQ(game.getX(), 4);

    game.plateau[4][10] = caseVide;
    game.plateau[6][10] = caseVide;
    game.plateau[3][10] = casePosee;
    game.plateau[7][10] = casePosee;
    EXPECT_FALSE(game.bloqueGauche());
    EXPECT_FALSE(game.bloqueDroite());
    game.gauche();
    EXPECT_EQ(game.getX(), 3);
}

TEST_F(Game, PivoterTurnsInTheWellUnlessSettledCellsAreInTheWay) {
    game.putPiece(0, 4, 16);
    game.plateau[5][14] = casePosee;
    game.actualiser();
    game.pivoter();
    EXPECT_EQ(game.rotation, 0);
    EXPECT_EQ(fallingCells(), sorted({{4, 15}, {5, 15}, {6, 15}, {5, 16}}));

    game.plateau[5][14] = caseVide;
    game.pivoter();
    EXPECT_EQ(game.rotation, 1);
    EXPECT_EQ(fallingCells(), sorted({{5, 14}, {5, 15}, {5, 16}, {6, 15}}));
}

TEST_F(Game, SquareFallsSixteenRowsAndSettlesOnTheSeventeenthStep) {
    game.putPiece(4, 4, 16);
    game.actualiser();
    for (int step = 1; step <= 16; ++step) {
        EXPECT_FALSE(game.estPose()) << "step " << step;
        game.tomber();
        EXPECT_EQ(game.y, 16 - step);
        EXPECT_EQ(game.basBloc(), 16 - step);
    }
    EXPECT_TRUE(game.estPose());
    game.tomber();
    EXPECT_EQ(game.type, 3);
    EXPECT_EQ(game.x, 4);
    EXPECT_EQ(game.y, 16);
    EXPECT_EQ(game.rotation, 0);
    EXPECT_EQ(settledCells(), sorted({{4, 0}, {4, 1}, {5, 0}, {5, 1}}));
    EXPECT_EQ(fallingCells(), sorted({{4, 15}, {5, 15}, {5, 16}, {5, 17}}));
    EXPECT_EQ(game.getScore(), 0);
    EXPECT_FALSE(game.getFini());
}

TEST_F(Game, ARestingPieceCanStillMoveForOneStep) {
    game.putPiece(4, 4, 0);
    game.actualiser();
    ASSERT_TRUE(game.estPose());
    game.gauche();
    EXPECT_EQ(game.getX(), 3);
    game.tomber();
    EXPECT_EQ(settledCells(), sorted({{3, 0}, {3, 1}, {4, 0}, {4, 1}}));

    // Turned off what it rests on, a piece falls on instead of settling.
    game.putPiece(1, 4, 8); // upright in column 4, rows 6 to 9
    game.plateau[4][5] = casePosee;
    game.actualiser();
    ASSERT_TRUE(game.estPose());
    game.pivoter(); // lying in row 7, columns 3 to 6
    EXPECT_FALSE(game.estPose());
    game.tomber();
    EXPECT_EQ(game.y, 7);
    EXPECT_EQ(fallingCells(), sorted({{3, 6}, {4, 6}, {5, 6}, {6, 6}}));
}

TEST_F(Game, LandingTestLooksUnderEveryFallingCell) {
    EXPECT_EQ(game.basBloc(), -1);
    EXPECT_FALSE(game.estPose());

    game.putPiece(2, 4, 10, 2); // (5, 9) (5, 10) (5, 11) and (4, 11) hanging over (4, 10)
    game.actualiser();
    EXPECT_EQ(game.basBloc(), 9);
    EXPECT_FALSE(game.estPose());
    game.plateau[4][9] = casePosee;
    game.plateau[6][9] = casePosee;
    EXPECT_FALSE(game.estPose());
    game.plateau[4][10] = casePosee;
    EXPECT_TRUE(game.estPose());
    game.plateau[4][10] = caseVide;
    game.plateau[5][8] = casePosee;
    EXPECT_TRUE(game.estPose());
}

TEST_F(Game, FullRowsVanishAndScoreMoreTogether) {
    const int totals[] = {50, 200, 650, 2000};
    for (int rows = 1; rows <= 4; ++rows) {
        SCOPED_TRACE(rows);
        Picture picture{"...#......"};
        for (int i = 0; i < rows; ++i) {
            picture.push_back("##########");
        }
        game.setWell(picture);
        game.score = 100;
        game.effacerLignes();
        EXPECT_EQ(game.getScore(), 100 + totals[rows - 1]);
        EXPECT_TRUE(game.wellIs({"...#......"}));
    }
}

TEST_F(Game, RowsAboveAClearedRowMoveDown) {
    game.setWell({
        ".....#....",
        "##########",
        "...#......",
        "##########",
    });
    game.effacerLignes();
    EXPECT_TRUE(game.wellIs({
        ".....#....",
        "...#......",
    }));
    EXPECT_EQ(game.getScore(), 200);

    // A row holding a falling cell is never full.
    game.setWell({
        "##########",
        "#########o",
        "o.........",
        "#########.",
    });
    game.effacerLignes();
    EXPECT_TRUE(game.wellIs({
        "#########o",
        "o.........",
        "#########.",
    }));
    EXPECT_EQ(game.getScore(), 250);
}

// With the generator seeded at 2583 the ten column draws are none a multiple of 3, so the row
// comes out full, and the eleventh draw, 17027, puts the hole in column 7.
TEST_F(Game, GarbageRowPushesTheWellUp) {
    game.plateau[2][0] = casePosee;
    game.plateau[4][5] = casePosee;
    game.plateau[0][17] = casePosee;
    semerHasard(2583);
    game.ajouterLigne();
    EXPECT_TRUE(game.wellIs({
        "....#.....",
        "..........",
        "..........",
        "..........",
        "..........",
        "..#.......",
        "#######.##",
    }));
    EXPECT_FALSE(game.getFini());
    EXPECT_EQ(tirerHasard(), 10801); // the twelfth draw: no more were taken
}

// Seed 1 draws 41 18467 6334 26500 19169 15724 11478 29358 26962 24464: only the seventh and
// eighth are multiples of 3.
TEST_F(Game, GarbageHolesAreDrawnColumnByColumn) {
    semerHasard(1);
    game.ajouterLigne();
    EXPECT_TRUE(game.wellIs({"######..##"}));
    EXPECT_EQ(tirerHasard(), 5705); // the eleventh draw: a row with holes takes ten
}

TEST_F(Game, FullGarbageRowGetsItsHoleAnywhere) {
    const struct {
        std::uint32_t seed;
        const char *row;
    } cases[] = {{1927, ".#########"}, {233, "#########."}, {2583, "#######.##"}};
    for (const auto &c : cases) {
        game.viderJeu();
        semerHasard(c.seed);
        game.ajouterLigne();
        EXPECT_TRUE(game.wellIs({c.row})) << "seed " << c.seed;
    }
}

TEST_F(Game, GarbageEndsTheGameWhenRowSixteenIsTaken) {
    game.plateau[3][17] = casePosee;
    game.ajouterLigne();
    EXPECT_FALSE(game.getFini());
    EXPECT_EQ(game.plateau[3][17], caseVide);

    game.plateau[3][15] = casePosee;
    game.ajouterLigne();
    EXPECT_FALSE(game.getFini()) << "row 16 is looked at before the push";
    EXPECT_EQ(game.plateau[3][16], casePosee);
    game.ajouterLigne();
    EXPECT_TRUE(game.getFini());
    EXPECT_EQ(game.plateau[3][17], casePosee) << "the row is still pushed in";
}

TEST_F(Game, PenaltiesWaitForTheNextLanding) {
    game.penaliser();
    game.penaliser();
    EXPECT_EQ(game.penalite, 2);
    game.putPiece(4, 4, 5);
    game.actualiser();
    game.tomber();
    EXPECT_EQ(game.penalite, 2);
    EXPECT_TRUE(game.wellIs({
        "....oo....",
        "....oo....",
        "..........",
        "..........",
        "..........",
        "..........",
    }));
}

TEST_F(Game, NewPieceMeetingTheStackEndsTheGame) {
    game.putPiece(4, 0, 0);
    game.actualiser();
    game.plateau[5][16] = casePosee;
    game.tomber();
    EXPECT_TRUE(game.getFini());
    // The new type 3 covers (4, 15) (5, 15) (5, 16) (5, 17); the settled cell stays settled.
    EXPECT_EQ(game.plateau[5][16], casePosee);
    EXPECT_EQ(fallingCells(), sorted({{4, 15}, {5, 15}, {5, 17}}));
}

TEST_F(Game, FinishedGameFillsItsWellAndStaysOver) {
    game.putPiece(1, 4, 16);
    game.actualiser();
    game.fini = true;
    game.tomber();
    EXPECT_TRUE(game.getFini());
    EXPECT_EQ(fallingCells(), Cells{});
    for (int row = 0; row < nbLignes; ++row) {
        for (int column = 0; column < nbColonnes; ++column) {
            EXPECT_EQ(game.plateau[column][row], casePosee) << column << ", " << row;
        }
    }
    EXPECT_EQ(game.getScore(), 0) << "a filled well is not cleared";

    // Nothing stops side moves any more: the piece leaves the well and nothing is written
    // outside it.
    EXPECT_FALSE(game.bloqueGauche());
    EXPECT_FALSE(game.bloqueDroite());
    for (int i = 0; i < 30; ++i) {
        game.gauche();
        game.pivoter();
    }
    EXPECT_EQ(game.getX(), -26);
    for (int i = 0; i < 60; ++i) {
        game.droite();
        game.tomber();
    }
    EXPECT_EQ(game.getX(), 34);
    EXPECT_TRUE(game.wellIs(Picture(nbLignes, "##########")));
    EXPECT_TRUE(game.getFini());
}

TEST_F(Game, FinishedSquareLeavingTheWellIsClipped) {
    game.putPiece(4, 8, 16);
    game.actualiser();
    game.fini = true;
    game.tomber();
    for (int i = 0; i < 3; ++i) {
        game.droite();
    }
    EXPECT_EQ(game.getX(), 11);
    EXPECT_EQ(maskCells(game), Cells{});
    game.setX(9);
    game.refresh();
    EXPECT_EQ(maskCells(game), sorted({{9, 16}, {9, 17}}));
}
