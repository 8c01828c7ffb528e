#pragma once

#include "liaisons.h"
#include "reglages.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// The key GLUT reports for an X keysym name, if it reports one.
using NommerTouche = std::function<std::optional<Touche>(const std::string &nom)>;

// Both players' keys: each action's key from the settings, or its default (the left player's
// found by their place on the keyboard, `gaucheParPosition`; the right player's arrows). A key acts
// for its first binding, the left well's before the right's, in the order of the actions. A later
// binding of the same key is refused and told in `messages`: the action keeps its default key,
// or has none when that one is taken too.
Liaisons lierTouches(const Reglages &reglages, const std::array<std::string, 4> &gaucheParPosition,
                     const NommerTouche &nommer, std::vector<std::string> &messages);
