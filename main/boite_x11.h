#pragma once

// What GLUT cannot do for the message box, done through the X window behind the current OpenGL
// context: tie the box to the game's window and give it the keyboard focus. Without an X window
// (no GLX context current) each of these does nothing.

struct FenetreX {
    void *affichage = nullptr; // the X Display GLUT uses
    unsigned long fenetre = 0;
};

// The X window of the current OpenGL context.
FenetreX fenetreXCourante();

// Tells the window manager that the box belongs to the game's window (kept above it).
void rattacherBoite(const FenetreX &boite, const FenetreX &jeu);

// Once the box is on screen, asks for the keyboard focus to go to it. False while it is not yet
// on screen: call again later.
bool donnerFocus(const FenetreX &boite, const FenetreX &jeu);
