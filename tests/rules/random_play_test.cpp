#include "rules_test_support.h"

#include <algorithm>
#include <iostream>
#include <random>
#include <string>
#include <tuple>
#include <utility>

namespace {

struct Figures {
    long actions = 0;
    int gamesFinished = 0;
    int landings = 0;
    int clears[4] = {}; // landings that cleared one, two, three and four rows
};

// The rows cleared by one landing, from what it scored; 0 for any other gain.
int rowsCleared(int gain) {
    const int totals[] = {50, 200, 650, 2000};
    for (int rows = 1; rows <= 4; ++rows) {
        if (gain == totals[rows - 1]) {
            return rows;
        }
    }
    return 0;
}

// What must hold after every action, whatever the game went through.
::testing::AssertionResult wellIsSound(const TestGame &game) {
    int pieceCells = 0;
    for (int column = 0; column < nbColonnes; ++column) {
        for (int row = 0; row < nbLignes; ++row) {
            const std::int32_t cell = game.plateau[column][row];
            if (cell != caseVide && cell != casePosee && cell != caseTombante) {
                return ::testing::AssertionFailure()
                       << "cell (" << column << ", " << row << ") holds " << cell << game.well();
            }
            const bool inMask = game.getJeu(column, row) == 1;
            pieceCells += inMask ? 1 : 0;
            if ((cell == caseTombante) != (inMask && cell != casePosee)) {
                return ::testing::AssertionFailure() << "cell (" << column << ", " << row
                                                     << ") disagrees with the piece" << game.well();
            }
        }
    }
    // A piece in play never loses a cell over the sides or the floor.
    if (!game.getFini() && pieceCells != 4) {
        return ::testing::AssertionFailure()
               << "the piece covers " << pieceCells << " cells" << game.well();
    }
    return ::testing::AssertionSuccess();
}

enum class Action { left, right, turn, fall, penalty, redraw };

// A random action, most of the time steered toward a column and a number of turns drawn for
// each piece, so that pieces spread over the well and rows get cleared now and then.
class RandomPlayer {
public:
    explicit RandomPlayer(unsigned seed) : random(seed) {}

    // Most pieces aim at a good place, which is what fills rows; the rest anywhere.
    void newPiece(const TestGame &game) {
        steeredFrom = -100;
        if (std::uniform_int_distribution<int>(0, 3)(random) != 0) {
            std::tie(targetColumn, turnsLeft) = bestPlacement(game);
        } else {
            targetColumn = std::uniform_int_distribution<int>(0, nbColonnes - 1)(random);
            turnsLeft = std::uniform_int_distribution<int>(0, 3)(random);
        }
    }

    Action next(const TestGame &game) {
        // A steering move that was refused gives the target up.
        if (steeredFrom == game.getX()) {
            targetColumn = game.getX();
        }
        steeredFrom = -100;
        const int roll = std::uniform_int_distribution<int>(0, 999)(random);
        if (roll < 850) {
            if (turnsLeft > 0) {
                --turnsLeft;
                return Action::turn;
            }
            if (game.getX() != targetColumn) {
                steeredFrom = game.getX();
                return game.getX() > targetColumn ? Action::left : Action::right;
            }
            return Action::fall;
        }
        if (roll < 870) {
            return Action::left;
        }
        if (roll < 890) {
            return Action::right;
        }
        if (roll < 910) {
            return Action::turn;
        }
        if (roll < 985) {
            return Action::fall;
        }
        return roll < 988 ? Action::penalty : Action::redraw;
    }

private:
    // The column and turns that, dropped straight down, clear the most rows and leave the well
    // lowest with the fewest holes. The way down is not looked at: a piece that meets something
    // on its way lands elsewhere, which does a random player no harm.
    static std::pair<int, int> bestPlacement(const TestGame &game) {
        std::pair<int, int> best{game.getX(), 0};
        int bestValue = -1000000;
        for (int turns = 0; turns < 4; ++turns) {
            for (int column = -1; column < nbColonnes; ++column) {
                TestPiece piece(game.type, column, game.y);
                piece.rotation = turns;
                piece.vider();
                if (!piece.placer() || maskCells(piece).size() != 4) {
                    continue;
                }
                const int value = placementValue(game, maskCells(piece));
                if (value > bestValue) {
                    bestValue = value;
                    best = {column, turns};
                }
            }
        }
        return best;
    }

    static int placementValue(const TestGame &game, const Cells &cells) {
        int drop = nbLignes;
        for (const auto &[column, row] : cells) {
            if (game.plateau[column][row] == casePosee) {
                return -1000000;
            }
            int free = 0;
            while (row - free > 0 && game.plateau[column][row - free - 1] != casePosee) {
                ++free;
            }
            drop = std::min(drop, free);
        }
        grille well = {};
        for (int column = 0; column < nbColonnes; ++column) {
            for (int row = 0; row < nbLignes; ++row) {
                well[column][row] = game.plateau[column][row] == casePosee ? 1 : 0;
            }
        }
        for (const auto &[column, row] : cells) {
            well[column][row - drop] = 1;
        }
        int rows = 0;
        int kept = 0;
        grille packed = {};
        for (int row = 0; row < nbLignes; ++row) {
            bool full = true;
            for (int column = 0; column < nbColonnes; ++column) {
                full = full && well[column][row] == 1;
            }
            if (full) {
                ++rows;
                continue;
            }
            for (int column = 0; column < nbColonnes; ++column) {
                packed[column][kept] = well[column][row];
            }
            ++kept;
        }
        int heights = 0;
        int holes = 0;
        for (const auto &column : packed) {
            int height = nbLignes;
            while (height > 0 && column[height - 1] == 0) {
                --height;
            }
            heights += height;
            for (int row = 0; row < height; ++row) {
                holes += column[row] == 0 ? 1 : 0;
            }
        }
        return 20 * rows - heights - 6 * holes;
    }

    std::mt19937 random;
    int targetColumn = 4;
    int turnsLeft = 0;
    int steeredFrom = -100;
};

// Plays whole games from one seed, checking the well after every action. Each game goes on for
// a few actions after it is over, as the other player's timer would drive it.
void playFrom(unsigned seed, long actions, Figures &figures) {
    RandomPlayer player(seed);
    FakeClock clock(static_cast<std::time_t>(seed) * 100000, true);
    long played = 0;
    while (played < actions) {
        TestGame game;
        game.actualiser(); // as the first drawing does
        player.newPiece(game);
        int afterOver = 0;
        while (played < actions && afterOver < 20) {
            const int before = game.getScore();
            const bool wasOver = game.getFini();
            const int anchorRow = game.y;
            switch (player.next(game)) {
            case Action::left:
                game.gauche();
                break;
            case Action::right:
                game.droite();
                break;
            case Action::turn:
                game.pivoter();
                break;
            case Action::fall:
                game.tomber();
                if (!wasOver && game.y >= anchorRow) {
                    ++figures.landings;
                    player.newPiece(game);
                }
                break;
            case Action::penalty:
                game.penaliser();
                break;
            case Action::redraw:
                game.actualiser();
                break;
            }
            ++played;

            ASSERT_TRUE(wellIsSound(game)) << "seed " << seed << ", action " << played;
            const int gain = game.getScore() - before;
            const int rows = rowsCleared(gain);
            ASSERT_TRUE(gain == 0 || rows > 0)
                << "score went from " << before << " to " << game.getScore();
            if (rows > 0) {
                ++figures.clears[rows - 1];
            }
            ASSERT_TRUE(game.getFini() || !wasOver) << "a finished game started again";
            if (game.getFini()) {
                figures.gamesFinished += wasOver ? 0 : 1;
                ++afterOver;
            }
        }
    }
    figures.actions += played;
}

} // namespace

TEST(RandomPlay, EveryActionKeepsTheWellSound) {
    Figures figures;
    for (const unsigned seed : {1u, 2u, 3u, 4u}) {
        playFrom(seed, 25000, figures);
        if (HasFatalFailure()) {
            return;
        }
    }
    std::cout << "random play: " << figures.actions << " actions, " << figures.gamesFinished
              << " games finished, " << figures.landings << " landings; landings clearing 1, 2, "
              << "3, 4 rows: " << figures.clears[0] << ", " << figures.clears[1] << ", "
              << figures.clears[2] << ", " << figures.clears[3] << "\n";
    RecordProperty("actions", std::to_string(figures.actions));
    RecordProperty("gamesFinished", std::to_string(figures.gamesFinished));
    // Games did end, and rows were cleared, so both were checked along the way.
    EXPECT_GE(figures.gamesFinished, 4);
    EXPECT_GT(figures.clears[0], 0);
}
