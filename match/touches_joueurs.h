#pragma once

#include "liaisons.h"

// The players' keys as they are bound in this game (liaisons.h). The held-key repeat and the
// sitting both ask here.
void lierTouches(const Liaisons &liaisons);
void lierTouche(int puits, Action action, ToucheJoueur touche);
const ToucheJoueur &toucheJoueur(int puits, Action action);
std::optional<Commande> commandeDe(Touche touche);
