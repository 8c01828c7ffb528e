#pragma once

// The metal floor under the wells, at Y = -1: one square 200 units a side, the metal repeated 50
// times each way. Expects the metal bound.
void dessinerSol();
