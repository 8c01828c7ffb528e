#pragma once

#include "action.h"
#include "repetition.h"

#include <optional>

// The keys as GLUT reports their presses and releases, the system's own repeats ignored. A press
// is one key event, as before; a moving, turning or down key still held then repeats on the
// game's clock, each key on its own, so one player's keys never cancel the other's.
// Letters count the same in either case: Caps Lock or Shift do not silence the left player.
void enfoncerTouche(unsigned char touche, Instant maintenant);
void relacherTouche(unsigned char touche);
void enfoncerToucheSpeciale(int touche, Instant maintenant);
void relacherToucheSpeciale(int touche);

// A well's action held down from another source than the keyboard (a pad's direction): the same
// as a player's key, with the same repeat, unless the match is paused or the computer plays the
// well. Moving and down repeat, down until its piece settles; a turn acts once per press.
void enfoncerAction(int puits, Action action, Instant maintenant);
void relacherAction(int puits, Action action);

// Every key counts as released: the window lost the keyboard or was hidden, so the releases will
// go elsewhere. Held actions from elsewhere keep their own releases.
void relacherTouches();
// Held keys stop repeating, still down: a pause or a new match began, after which the players
// press again.
void arreterRepetitions();

// The repeats due by now. A held down key stops once its player's piece has settled: the next
// piece waits for a new press.
void repeterTouches(Instant maintenant);
std::optional<Instant> prochaineRepetition();

// The desktop's delay and rate, as read at start-up; held actions repeat at the same.
void reglerRepetition(ReglageRepetition reglage);
