#pragma once

// Answers --help, --version and a bad command line at once; otherwise brings up the window, the
// OpenGL state and the textures, then runs GLUT's loop, which ends the process itself. Returns the
// exit status when the game does not run: 0 for help and version, 2 for a bad command line, 1
// when the port to host on cannot be had or no texture could be loaded.
int demarrer(int argc, char **argv);
