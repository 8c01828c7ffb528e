#pragma once

#include "repetition.h"

// When the game wakes up. Between events GLUT waits and the game sleeps: a frame is drawn only
// when the picture may have changed (a step, a key, a repeat, a pause), at most one every frame
// interval, and every interval while the camera sways; a held key wakes the game when its
// repeat is due, the computer when its next key is, the sound when its device may sleep or close,
// a notice when it must go, the pads when they are to be read (often while one is connected, a
// few times a second otherwise).

// GLUT's clock, in milliseconds: the one frames and key repeats are timed on.
Instant maintenant();

// The picture may have changed: a frame is due as soon as the interval allows, and is asked for.
void signalerChangement();

// Arms what comes next: a frame now, or a wake-up for the next frame or key repeat, or nothing.
void planifier();

// GLUT's display callback: the frame as the scene draws it, then what comes next.
void afficherImage();
