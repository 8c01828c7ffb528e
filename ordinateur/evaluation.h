#pragma once

#include "cellules.h"

// The note of a well that overflows, or in which the next piece could not enter: far below that
// of any well the game goes on with.
constexpr double noteDebordement = -1e6;

// Whether a note carries an overflow, its own or, averaged in, one of the next piece's: the
// measures of any other well stay far above a tenth of one.
constexpr bool estDebordement(double note) {
    return note < noteDebordement / 10;
}

// What a landing leaves once the piece's cells settle, full rows are cleared and the waiting
// garbage rows are pushed in under the well.
struct ApresPose {
    // The well once the rows are cleared, before the garbage.
    Lignes puits{};
    int rangees = 0;
    // Whether a garbage row arrives while a cube sits in the second row from the top, and whether,
    // the garbage in, a settled cell sits where some shape enters.
    bool deborde = false;
    bool entreeBouchee = false;
    // How good the well left is: the higher the better; noteDebordement lower when it overflows
    // or the next piece could not enter.
    double note = 0;
    // The part of the note that depends on the piece rather than on the well it leaves (how high
    // it lands, what it clears, an overflow).
    double notePiece = 0;
};

ApresPose noterPose(const Lignes &puits, const Cellules &piece, int penalite);

// The cells moved straight down until one rests on the floor or on a settled cell.
Cellules faireTomber(Cellules cellules, const Lignes &puits);
