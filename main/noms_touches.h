#pragma once

#include "repetition.h"

#include <optional>
#include <string>

// Keys named as X names them (keysym names: "q", "eacute", "Left", "F5"), as GLUT reports them:
// a character (a letter in lower case, as the match folds them) or a special key's code.
std::optional<Touche> toucheDuNom(const std::string &nom);

// Why the key cannot be a player's: no such name, a key GLUT does not report, a modifier (it
// would change the other keys), or a key that keeps its own meaning (touches_reservees.h). Empty
// when it can.
std::string refusTouche(const std::string &nom);
