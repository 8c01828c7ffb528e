#pragma once

// Lays the metal floor under the scene. A camera that has not moved sees the same floor frame
// after frame, so the floor drawn once is copied into a texture and laid back as it is; a software
// renderer spends most of a frame filtering the metal in perspective, and far less copying.
// Expects the camera in place and the metal bound, as the floor itself does; leaves some other
// texture bound.
void poserSol();

// On in the game; the frame benchmark turns it off, frame about frame, to weigh what it saves.
extern bool copierSol;

// Forgets the copy and its texture, as a new OpenGL context would have neither.
void oublierCopieSol();
