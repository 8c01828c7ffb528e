#pragma once

#include "partie.h"

// The left player (letter keys) and the right player (arrow keys).
extern partie joueur1;
extern partie joueur2;
