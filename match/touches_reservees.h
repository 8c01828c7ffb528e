#pragma once

#include "gestes.h"
#include "repetition.h"

#include <optional>
#include <string>

// The keys that keep their own meaning: a player cannot bind them, and they act the same in any
// match. Return and Space are not among them: once a match is over they start the next one, and
// until then they may be a player's.
struct ToucheReservee {
    Touche touche;
    const char *nom; // as the help and the settings' messages name it
    Geste geste;
};
extern const ToucheReservee touchesReservees[16];

std::optional<Geste> gesteReserve(Touche touche);
// "l, p, m, Escape, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11, Page_Up, Page_Down"
std::string nomsTouchesReservees();
