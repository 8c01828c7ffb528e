#pragma once

#include "synthese.h"

#include <string>
#include <vector>

// The game's sound effects, one per event, by the names the game looks for (son/noms_sons.cpp).
struct Composition {
    std::string nom;
    Son son;
};

std::vector<Composition> composer();
