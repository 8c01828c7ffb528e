#pragma once

// Lays the metal floor under the scene. A camera that has not moved sees the same floor frame
// after frame, so the floor drawn once is copied into a texture and laid back pixel for pixel: on
// a software renderer, a frame costs a fifth less than one that filters the metal in perspective
// anew. Expects the camera in place and the metal bound, as the floor itself does; leaves some
// other texture bound.
void poserSol();

// On in the game; the frame benchmark turns it off, frame about frame, to weigh what it saves.
extern bool copierSol;

// Forgets the copy and its texture, as a new OpenGL context would have neither.
void oublierCopieSol();
