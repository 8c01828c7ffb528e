#pragma once

// The sitting's wake-ups on GLUT: GLUT waits between events and the game sleeps; a frame is drawn
// only when the picture may have changed, and a timer wakes the game when the next of everything
// else is due.

#include "seance.h"

// What the sitting asked: full screen switched, settings written, lines on standard error; then
// the next frame or wake-up armed.
void repondre(const Seance::Reponse &reponse);

// Arms what the sitting plans: a frame now, or a wake-up for whatever is due next.
void planifier();

// GLUT's display callback: the frame as the scene draws it from the sitting, then what comes
// next.
void afficherImage();

// A network match goes on SIGTERM, SIGINT or SIGHUP: the other machine is told at the next
// wake-up, which comes soon, and the signal then ends the game as it would have.
void ecouterSignaux();
