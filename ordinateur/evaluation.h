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

// How good the well is that these cells leave once they settle, full rows cleared and the
// waiting garbage rows pushed in under it: the higher the better. A well that overflows, or in
// which the next piece could not enter, scores far below any other.
// `resultat`, when given, receives the well once the rows are cleared, before the garbage;
// `notePose` the part of the note that depends on the piece rather than on the well it leaves
// (how high it lands, what it clears, an overflow).
double noterPose(const Lignes &puits, const Cellules &piece, int penalite,
                 Lignes *resultat = nullptr, double *notePose = nullptr);

// The cells moved straight down until one rests on the floor or on a settled cell.
Cellules faireTomber(Cellules cellules, const Lignes &puits);
