#include "rules_test_support.h"

#include <string>
#include <vector>

namespace {

constexpr int noTest = -100;

// One line of the shapes table: the cells as offsets from the anchor, the columns the anchor may
// take (ends included) and the lowest row it may take.
struct Shape {
    int type;
    std::vector<int> rotations;
    Cells offsets;
    int minColumn;
    int maxColumn;
    int minRow;
};

const std::vector<Shape> shapes = {
    {0, {0}, {{0, -1}, {1, -1}, {2, -1}, {1, 0}}, 0, 7, 1},
    {0, {1}, {{1, -2}, {1, -1}, {1, 0}, {2, -1}}, -1, 7, 2},
    {0, {2}, {{0, -1}, {1, -1}, {2, -1}, {1, -2}}, 0, 7, 2},
    {0, {3}, {{1, -2}, {1, -1}, {1, 0}, {0, -1}}, 0, 8, 2},
    {1, {0, 2}, {{0, -2}, {0, -1}, {0, 0}, {0, 1}}, 0, 9, 2},
    {1, {1, 3}, {{-1, -1}, {0, -1}, {1, -1}, {2, -1}}, 1, 7, 1},
    {2, {0}, {{0, -1}, {0, 0}, {0, 1}, {1, -1}}, 0, 8, 1},
    {2, {1}, {{-1, -1}, {-1, 0}, {0, 0}, {1, 0}}, 1, 8, 1},
    {2, {2}, {{0, 1}, {1, -1}, {1, 0}, {1, 1}}, 0, 8, 1},
    {2, {3}, {{-1, 0}, {0, 0}, {1, 0}, {1, 1}}, 1, 8, noTest},
    {3, {0}, {{0, -1}, {1, -1}, {1, 0}, {1, 1}}, 0, 8, 1},
    {3, {1}, {{-1, -1}, {-1, 0}, {0, -1}, {1, -1}}, 1, 8, 1},
    {3, {2}, {{0, -1}, {0, 0}, {0, 1}, {1, 1}}, 0, 8, 1},
    {3, {3}, {{-1, 0}, {0, 0}, {1, -1}, {1, 0}}, 1, 8, 1},
    {4, {0, 1, 2, 3}, {{0, 0}, {0, 1}, {1, 0}, {1, 1}}, noTest, noTest, noTest},
    {5, {0, 2}, {{0, 0}, {1, 0}, {1, 1}, {2, 1}}, 0, 7, noTest},
    {5, {1, 3}, {{0, 0}, {0, 1}, {1, -1}, {1, 0}}, 0, 8, 1},
    {6, {0, 2}, {{0, 1}, {1, 0}, {1, 1}, {2, 0}}, 0, 7, noTest},
    {6, {1, 3}, {{0, -1}, {0, 0}, {1, 0}, {1, 1}}, 0, 8, 1},
    {7, {0, 1, 2, 3}, {{0, 0}}, noTest, noTest, noTest},
};

// A cell no shape reaches from the anchors used below; it shows that a placement only adds cells.
const Cell marker{0, 17};

Cells cellsAt(const Cells &offsets, int x, int y) {
    Cells cells;
    for (const auto &[dx, dy] : offsets) {
        cells.emplace_back(x + dx, y + dy);
    }
    return sorted(cells);
}

Cells withMarker(Cells cells) {
    cells.push_back(marker);
    return sorted(cells);
}

// Places the piece over a mask that holds only the marker.
bool placeAt(TestPiece &piece, int x, int y, int rotation) {
    piece.x = x;
    piece.y = y;
    piece.rotation = rotation;
    piece.vider();
    piece.jeu[marker.first][marker.second] = 1;
    return piece.placer();
}

int lowestColumn(const Cells &cells) {
    int lowest = nbColonnes;
    for (const auto &cell : cells) {
        lowest = std::min(lowest, cell.first);
    }
    return lowest;
}

int highestColumn(const Cells &cells) {
    int highest = -1;
    for (const auto &cell : cells) {
        highest = std::max(highest, cell.first);
    }
    return highest;
}

int lowestRow(const Cells &cells) {
    int lowest = nbLignes;
    for (const auto &cell : cells) {
        lowest = std::min(lowest, cell.second);
    }
    return lowest;
}

} // namespace

TEST(Piece, EveryShapeCoversExactlyItsCells) {
    for (const Shape &shape : shapes) {
        for (const int rotation : shape.rotations) {
            SCOPED_TRACE("type " + std::to_string(shape.type) + " rotation " +
                         std::to_string(rotation));
            TestPiece piece(shape.type, 4, 8);
            for (const int y : {8, 16}) {
                ASSERT_TRUE(placeAt(piece, 4, y, rotation));
                EXPECT_EQ(maskCells(piece), withMarker(cellsAt(shape.offsets, 4, y)));
            }
        }
    }
}

// Each column test is checked at both ends of its range and one step past them: the ends keep
// the whole shape inside the well, the steps past are refused and write nothing.
TEST(Piece, ColumnTestsStopAtTheWellSides) {
    for (const Shape &shape : shapes) {
        if (shape.minColumn == noTest) {
            continue;
        }
        for (const int rotation : shape.rotations) {
            SCOPED_TRACE("type " + std::to_string(shape.type) + " rotation " +
                         std::to_string(rotation));
            TestPiece piece(shape.type, 4, 8);
            ASSERT_TRUE(placeAt(piece, shape.minColumn, 8, rotation));
            const Cells atLeft = cellsAt(shape.offsets, shape.minColumn, 8);
            EXPECT_EQ(maskCells(piece), withMarker(atLeft));
            EXPECT_EQ(lowestColumn(atLeft), 0);

            ASSERT_TRUE(placeAt(piece, shape.maxColumn, 8, rotation));
            const Cells atRight = cellsAt(shape.offsets, shape.maxColumn, 8);
            EXPECT_EQ(maskCells(piece), withMarker(atRight));
            EXPECT_EQ(highestColumn(atRight), nbColonnes - 1);

            EXPECT_FALSE(placeAt(piece, shape.minColumn - 1, 8, rotation));
            EXPECT_EQ(maskCells(piece), Cells{marker});
            EXPECT_FALSE(placeAt(piece, shape.maxColumn + 1, 8, rotation));
            EXPECT_EQ(maskCells(piece), Cells{marker});
        }
    }
}

TEST(Piece, RowTestsStopAtTheWellFloor) {
    for (const Shape &shape : shapes) {
        for (const int rotation : shape.rotations) {
            SCOPED_TRACE("type " + std::to_string(shape.type) + " rotation " +
                         std::to_string(rotation));
            TestPiece piece(shape.type, 4, 8);
            const int lowest = shape.minRow == noTest ? 0 : shape.minRow;
            ASSERT_TRUE(placeAt(piece, 4, lowest, rotation));
            const Cells cells = cellsAt(shape.offsets, 4, lowest);
            EXPECT_EQ(maskCells(piece), withMarker(cells));
            EXPECT_EQ(lowestRow(cells), 0);
            if (shape.minRow != noTest) {
                EXPECT_FALSE(placeAt(piece, 4, shape.minRow - 1, rotation));
                EXPECT_EQ(maskCells(piece), Cells{marker});
            }
        }
    }
}

TEST(Piece, UnknownTypesAndRotationsPlaceNothingAndSucceed) {
    for (const int type : {0, 1, 2, 3, 5, 6}) {
        for (const int rotation : {-1, 4}) {
            TestPiece piece(type, 4, 8);
            EXPECT_TRUE(placeAt(piece, 4, 8, rotation)) << "type " << type;
            EXPECT_EQ(maskCells(piece), Cells{marker}) << "type " << type;
        }
    }
    for (const int type : {-1, 8}) {
        TestPiece piece(type, 4, 8);
        EXPECT_EQ(maskCells(piece), Cells{});
        EXPECT_TRUE(piece.refresh());
        EXPECT_EQ(maskCells(piece), Cells{});
    }
    // The square and the single cell look the same at every rotation.
    TestPiece square(4, 4, 8);
    EXPECT_TRUE(placeAt(square, 4, 8, 7));
    EXPECT_EQ(maskCells(square), withMarker({{4, 8}, {4, 9}, {5, 8}, {5, 9}}));
}

TEST(Piece, NewPieceIsAFreshCubeInRotationZero) {
    TestPiece piece(2, 4, 8);
    piece.rotation = 3;
    piece.sommets[5][1] = 9;
    piece.jeu[9][0] = 1;
    piece.init();
    EXPECT_EQ(piece.rotation, 0);
    const float corners[8][3] = {{0, 0, 0},  {1, 0, 0},  {1, 1, 0},  {0, 1, 0},
                                 {1, 0, -1}, {1, 1, -1}, {0, 1, -1}, {0, 0, -1}};
    for (int i = 0; i < 8; ++i) {
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(piece.sommets[i][k], corners[i][k]) << "corner " << i << " axis " << k;
        }
    }
    EXPECT_EQ(maskCells(piece), sorted({{4, 7}, {4, 8}, {4, 9}, {5, 7}}));
}

// A piece built where its first rotation does not fit stays empty: building does not fall back
// to another rotation as refresh() does.
TEST(Piece, RefreshFallsBackOneQuarterWhereBuildingDoesNot) {
    TestPiece bar(1, 3, 1);
    EXPECT_EQ(maskCells(bar), Cells{});
    EXPECT_EQ(bar.rotation, 0);

    EXPECT_TRUE(bar.refresh());
    EXPECT_EQ(bar.rotation, 3);
    EXPECT_EQ(maskCells(bar), sorted({{2, 0}, {3, 0}, {4, 0}, {5, 0}}));

    TestPiece tee(0, -1, 8);
    tee.rotation = 2;
    EXPECT_TRUE(tee.refresh());
    EXPECT_EQ(tee.rotation, 1);
    EXPECT_EQ(maskCells(tee), sorted({{0, 6}, {0, 7}, {0, 8}, {1, 7}}));
}

TEST(Piece, RefreshClearsTheOldPlaceAndCanFailTwice) {
    TestPiece tee(0, 4, 8);
    tee.setX(5);
    EXPECT_EQ(tee.getX(), 5);
    // setX only moves the anchor: the mask follows at the next refresh.
    EXPECT_EQ(maskCells(tee), sorted({{4, 7}, {5, 7}, {6, 7}, {5, 8}}));
    EXPECT_TRUE(tee.refresh());
    EXPECT_EQ(tee.rotation, 0);
    EXPECT_EQ(maskCells(tee), sorted({{5, 7}, {6, 7}, {7, 7}, {6, 8}}));

    // Column 9 suits neither rotation 0 (up to 7) nor rotation 3 (up to 8).
    tee.setX(9);
    EXPECT_FALSE(tee.refresh());
    EXPECT_EQ(tee.rotation, 3);
    EXPECT_EQ(maskCells(tee), Cells{});
}

TEST(Piece, TurnsForwardThroughFourRotations) {
    const grille emptyWell = {};
    TestPiece piece(2, 4, 8);
    for (const int expected : {1, 2, 3, 0}) {
        piece.tourner(emptyWell);
        EXPECT_EQ(piece.rotation, expected);
        EXPECT_EQ(maskCells(piece), cellsAt(shapes[6 + expected].offsets, 4, 8));
    }
}

TEST(Piece, TurnAgainstASettledCellIsUndone) {
    grille well = {};
    well[5][14] = casePosee;
    TestPiece tee(0, 4, 16);
    tee.tourner(well);
    EXPECT_EQ(tee.rotation, 0);
    EXPECT_EQ(maskCells(tee), sorted({{4, 15}, {5, 15}, {6, 15}, {5, 16}}));

    // The falling piece's own cells in the well never block it.
    well[5][14] = caseTombante;
    tee.tourner(well);
    EXPECT_EQ(tee.rotation, 1);
    EXPECT_EQ(maskCells(tee), sorted({{5, 14}, {5, 15}, {5, 16}, {6, 15}}));
}

TEST(Piece, TurnAgainstTheWallsAndFloorIsUndone) {
    const grille emptyWell = {};
    TestPiece bar(1, 0, 16);
    bar.tourner(emptyWell);
    EXPECT_EQ(bar.rotation, 0);
    EXPECT_EQ(maskCells(bar), sorted({{0, 14}, {0, 15}, {0, 16}, {0, 17}}));

    TestPiece zigzag(5, 4, 0);
    zigzag.tourner(emptyWell);
    EXPECT_EQ(zigzag.rotation, 0);
    EXPECT_EQ(maskCells(zigzag), sorted({{4, 0}, {5, 0}, {5, 1}, {6, 1}}));
}

// The walk over the well goes on from where the turn was undone, with the new mask: a settled
// cell it has already passed is not seen again, one still ahead turns the piece back once more.
TEST(Piece, TurnWalksTheWellOnceColumnByColumn) {
    grille well = {};
    well[5][8] = casePosee; // met by rotation 1 in column 5
    well[4][9] = casePosee; // met by rotation 0 only, in column 4, already passed
    TestPiece tee(0, 4, 10);
    tee.tourner(well);
    EXPECT_EQ(tee.rotation, 0);

    well[4][9] = caseVide;
    well[6][9] = casePosee; // met by rotation 0 in column 6, still ahead
    tee.tourner(well);
    EXPECT_EQ(tee.rotation, 3);
    EXPECT_EQ(maskCells(tee), sorted({{4, 9}, {5, 8}, {5, 9}, {5, 10}}));
}

TEST(Piece, DescendsOneRow) {
    TestPiece square(4, 4, 16);
    square.descendre();
    EXPECT_EQ(square.y, 15);
    EXPECT_EQ(maskCells(square), sorted({{4, 15}, {4, 16}, {5, 15}, {5, 16}}));

    // Going down places the piece anew, falling back a quarter where the floor is in the way.
    TestPiece bar(1, 4, 2);
    bar.descendre();
    EXPECT_EQ(bar.y, 1);
    EXPECT_EQ(bar.rotation, 3);
    EXPECT_EQ(maskCells(bar), sorted({{3, 0}, {4, 0}, {5, 0}, {6, 0}}));
}

TEST(Piece, CellsOutsideTheWellAreDropped) {
    TestPiece square(4, 9, 17);
    EXPECT_EQ(maskCells(square), (Cells{{9, 17}}));
    square.setX(-1);
    square.y = -1;
    EXPECT_TRUE(square.refresh());
    EXPECT_EQ(maskCells(square), (Cells{{0, 0}}));
    square.setX(-1000);
    EXPECT_TRUE(square.refresh());
    EXPECT_EQ(maskCells(square), Cells{});

    const TestPiece cube(7, 9, 17);
    EXPECT_EQ(maskCells(cube), (Cells{{9, 17}}));
    EXPECT_EQ(cube.getJeu(10, 17), 0);
    EXPECT_EQ(cube.getJeu(9, 18), 0);
    EXPECT_EQ(cube.getJeu(-1, 0), 0);
    EXPECT_EQ(cube.getJeu(0, -1), 0);
}
