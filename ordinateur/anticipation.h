#pragma once

#include "evaluation.h"

// The best a piece of this shape, entering at the top, could make of the well: how the computer
// weighs a place for the falling piece by the piece after it, which it does not see.
double noterSuite(const Lignes &puits, int type);
