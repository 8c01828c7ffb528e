#pragma once

#include "niveau.h"

#include <string>

// Who plays a well: its player at the keyboard, or the computer at one of its levels. In a match
// over the network, the player at this machine, or at the other one.
struct Pilote {
    bool ordinateur = false;
    Niveau niveau = Niveau::facile;
    enum class Reseau { non, ici, distant };
    Reseau reseau = Reseau::non;
    bool operator==(const Pilote &autre) const {
        return ordinateur == autre.ordinateur && (!ordinateur || niveau == autre.niveau) &&
               reseau == autre.reseau;
    }
};

// F3 and F4: Player, then the computer at Easy, Medium, Hard and Expert, then Player again.
Pilote piloteSuivant(Pilote pilote);

// "Player", or "Computer" and its level, as the label under the score says it; over the network,
// "You" for the well played here and "Network" for the other.
std::string nomPilote(Pilote pilote);
