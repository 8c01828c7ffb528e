#pragma once

#include "liaisons.h"
#include "match.h"
#include "vue.h"

#include <optional>
#include <string>

// What is drawn flat over the scene, after it and without its sway: each player's score, who
// plays the well and the garbage waiting above it, the verdict and tally once a match is over,
// the pause with the keys as bound, and a short notice.
void dessinerSurimpression(const Vue &vue, const Match &match, const Liaisons &liaisons,
                           const std::optional<std::string> &avis);
