#pragma once

#include "hasard.h"
#include "partie.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <string>
#include <utility>
#include <vector>

// A piece with its protected state opened to the tests.
struct TestPiece : bloc {
    using bloc::bloc;
    using bloc::jeu;
    using bloc::rotation;
    using bloc::sommets;
    using bloc::type;
    using bloc::x;
    using bloc::y;
};

// Stands in for the calendar clock while it lives, so that the pieces drawn are known. A ticking
// clock moves on one second at every reading, so that successive pieces vary.
class FakeClock {
public:
    explicit FakeClock(std::time_t first, bool ticking = false) {
        now() = first;
        tickingNow() = ticking;
        remplacerHorloge(&FakeClock::read);
    }
    ~FakeClock() { remplacerHorloge(nullptr); }
    FakeClock(const FakeClock &) = delete;
    FakeClock &operator=(const FakeClock &) = delete;

    void set(std::time_t second) { now() = second; }

private:
    static std::time_t &now() {
        static std::time_t value = 0;
        return value;
    }
    static bool &tickingNow() {
        static bool value = false;
        return value;
    }
    static std::time_t read() { return tickingNow() ? now()++ : now(); }
};

using Cell = std::pair<int, int>; // (column, row)
using Cells = std::vector<Cell>;

// The cells a piece covers, sorted column by column.
inline Cells maskCells(const bloc &piece) {
    Cells cells;
    for (int column = 0; column < nbColonnes; ++column) {
        for (int row = 0; row < nbLignes; ++row) {
            if (piece.getJeu(column, row) != 0) {
                cells.emplace_back(column, row);
            }
        }
    }
    return cells;
}

inline Cells sorted(Cells cells) {
    std::sort(cells.begin(), cells.end());
    return cells;
}

// A well drawn top row first: '.' empty, '#' settled, 'o' falling. The last line is row 0; rows
// above the first line are empty.
using Picture = std::vector<std::string>;

inline void drawWell(grille &well, const Picture &picture) {
    remplirGrille(well, caseVide);
    if (picture.size() > static_cast<std::size_t>(nbLignes)) {
        ADD_FAILURE() << "a picture has at most " << nbLignes << " rows";
        return;
    }
    for (std::size_t line = 0; line < picture.size(); ++line) {
        const int row = static_cast<int>(picture.size() - 1 - line);
        if (picture[line].size() != static_cast<std::size_t>(nbColonnes)) {
            ADD_FAILURE() << "picture row " << row << " is not " << nbColonnes << " wide";
            continue;
        }
        for (int column = 0; column < nbColonnes; ++column) {
            const char c = picture[line][static_cast<std::size_t>(column)];
            well[column][row] = c == '#' ? casePosee : c == 'o' ? caseTombante : caseVide;
        }
    }
}

// The whole well, top row first; a code other than 0, 1 and 2 shows as '?'.
inline std::string showWell(const grille &well) {
    std::string text = "\n";
    for (int row = nbLignes - 1; row >= 0; --row) {
        for (int column = 0; column < nbColonnes; ++column) {
            const std::int32_t v = well[column][row];
            text += v == caseVide ? '.' : v == casePosee ? '#' : v == caseTombante ? 'o' : '?';
        }
        text += '\n';
    }
    return text;
}

// Compares a well with a picture; a mismatch prints both side by side, rows that differ marked.
inline ::testing::AssertionResult wellMatches(const grille &well, const Picture &picture) {
    grille expected;
    drawWell(expected, picture);
    const std::string actualText = showWell(well);
    const std::string expectedText = showWell(expected);
    if (actualText == expectedText) {
        return ::testing::AssertionSuccess();
    }
    auto failure = ::testing::AssertionFailure();
    failure << "\nwell       | expected\n";
    for (std::size_t line = 0; line < static_cast<std::size_t>(nbLignes); ++line) {
        // Each row is 10 characters and its line feed, after the leading line feed.
        const std::size_t at = 1 + line * (nbColonnes + 1);
        const std::string actualRow = actualText.substr(at, nbColonnes);
        const std::string expectedRow = expectedText.substr(at, nbColonnes);
        failure << actualRow << " | " << expectedRow << (actualRow != expectedRow ? "  <" : "")
                << '\n';
    }
    return failure;
}

// A player's game with its protected state opened to the tests.
struct TestGame : partie {
    using bloc::jeu;
    using bloc::rotation;
    using bloc::type;
    using bloc::x;
    using bloc::y;
    using partie::fini;
    using partie::penalite;
    using partie::plateau;
    using partie::score;

    // Puts a piece in play the way a landing does, turned to the given rotation. Like a fresh
    // piece, it is not written into the well until the next actualiser().
    void putPiece(int pieceType, int column, int row, int turns = 0) {
        static_cast<bloc &>(*this) = bloc(pieceType, column, row);
        rotation = turns;
        refresh();
    }

    void setWell(const Picture &picture) { drawWell(plateau, picture); }
    std::string well() const { return showWell(plateau); }
    ::testing::AssertionResult wellIs(const Picture &picture) const {
        return wellMatches(plateau, picture);
    }
};
