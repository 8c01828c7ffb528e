#pragma once

#include "cellules.h"

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
