#pragma once

#include "image.h"
#include "picture.h"

#include <optional>

// The match is over once one player's game is: the loser's well then fills with cubes, which
// no play can do (a full row vanishes). Returns the well that the picture shows completely
// full, if any. For a picture of the scene unturned (sway off).
std::optional<scene::Well> fullWell(const harness::Image &image);

const char *nameOf(scene::Well well);
