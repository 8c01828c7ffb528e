#pragma once

// Brings up the window, the OpenGL state and the textures, then runs GLUT's loop, which ends the
// process itself. Returns only when no texture could be loaded (status 1).
int demarrer(int argc, char **argv);
