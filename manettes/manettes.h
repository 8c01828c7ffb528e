#pragma once

#include "repetition.h"

#include <filesystem>
#include <optional>

// Gamepads through SDL's game controller subsystem alone (GLUT keeps the window and the keys).
// The first pad connected plays the left well, the second the right one; a pad connected later
// takes the first free well, and one unplugged mid-match pauses it. Pads are optional: when SDL's
// controllers cannot start, one line on standard error says so and the keyboard plays alone.
// Times are the caller's clock, in milliseconds.

// Starts SDL's controllers, with the player's mappings from SDL_GAMECONTROLLERCONFIG (SDL reads
// it) and from gamecontrollerdb.txt in `dossierReglages`. True when pads can be used.
bool ouvrirManettes(const std::filesystem::path &dossierReglages);
void fermerManettes();

// Swapped, the first pad plays the right well and the second the left one.
void echangerManettes(bool echange);

// SDL sees a pad's buttons, and a pad come or gone, only when asked: when to ask next, often
// while a pad is connected, a few times a second otherwise.
std::optional<Instant> prochaineLectureManettes(Instant maintenant);
// What the pads did since the last reading. True when it may have changed the picture.
bool lireManettes(Instant maintenant);

// While a pad is connected, how often it is read: a press acts within one such interval.
constexpr Instant intervalleLecture = 12;
// With none connected, how often the game looks for one.
constexpr Instant intervalleRecherche = 250;
