#pragma once

// The message box of the game: every message of the picture decoder, and start-up's own, is
// written to standard error and then shown in a window titled "Error" that waits for the player.

// To be called once the game's window exists and is the current one: gives that window a display
// callback that only clears it until the game registers its own (GLUT refuses to handle events
// for a window without one), and makes the box the destination of every message.
void installerBoiteErreur();

// Writes the message to standard error, then shows it in the box with the file's name (if any) on
// a line of its own, and returns once the player has dismissed the box: OK clicked, Return,
// keypad Enter, Space or Escape pressed, or the box closed by the window manager. Closing the
// game's window meanwhile ends the program, as it always does.
void afficherBoiteErreur(const char *texte, const char *fichier);

// The same for a message after which the game ends with `statut`: however the player goes, by the
// box or by closing the game's window, the game ends with that status.
void afficherEchec(const char *texte, int statut);
