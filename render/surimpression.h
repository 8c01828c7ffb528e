#pragma once

// What is drawn flat over the scene, after it and without its sway: each player's score and
// waiting garbage above their well, the verdict and tally once a match is over, the pause, and a
// short notice (avis.h).
void dessinerSurimpression();
