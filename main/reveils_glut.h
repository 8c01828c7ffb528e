#pragma once

// The game's wake-ups on GLUT (reveil.h decides them): GLUT waits between events and the game
// sleeps; a frame is drawn only when the picture may have changed, and a timer wakes the game
// when the next of everything else is due.

// The picture may have changed: a frame is due as soon as the interval allows, and is asked for.
void signalerChangement();

// Arms what comes next: a frame now, or a wake-up for the next frame or whatever else is due.
void planifier();

// GLUT's display callback: the frame as the scene draws it, then what comes next.
void afficherImage();
