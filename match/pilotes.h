#pragma once

#include "niveau.h"

#include <string>

// Who plays a well: its player at the keyboard, or the computer at one of its levels.
struct Pilote {
    bool ordinateur = false;
    Niveau niveau = Niveau::facile;
    bool operator==(const Pilote &autre) const {
        return ordinateur == autre.ordinateur && (!ordinateur || niveau == autre.niveau);
    }
};

// F3 and F4: Player, then the computer at Easy, Medium, Hard and Expert, then Player again.
Pilote piloteSuivant(Pilote pilote);

// "Player", or "Computer" and its level, as the label under the score says it.
std::string nomPilote(Pilote pilote);
