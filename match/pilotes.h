#pragma once

#include "action.h"
#include "niveau.h"
#include "repetition.h"

#include <optional>
#include <string>

// Who plays each well (0 the left, 1 the right): its player at the keyboard, or the computer at
// one of its levels. A new match keeps them.
struct Pilote {
    bool ordinateur = false;
    Niveau niveau = Niveau::facile;
    bool operator==(const Pilote &autre) const {
        return ordinateur == autre.ordinateur && (!ordinateur || niveau == autre.niveau);
    }
};

Pilote pilote(int puits);
void choisirPilote(int puits, Pilote choix, Instant maintenant = 0);
// F3 and F4: Player, then the computer at Easy, Medium, Hard and Expert, then Player again.
void pilotSuivant(int puits, Instant maintenant);
// "Player", or "Computer" and its level, as the label beside the score says it.
std::string nomPilote(int puits);

// The one way into a well for its four actions, whoever asks: a key, or the computer. Nothing
// while the match is paused; otherwise the same as the player's key, with the same limits.
void agir(int puits, Action action);

// When the computer next presses a key, or the next match of a game playing itself begins;
// nothing while paused or when nobody is due.
std::optional<Instant> prochainCoupOrdinateur(Instant maintenant);
// What is due by now. True when it may have changed the picture.
bool jouerOrdinateurs(Instant maintenant);
// The one-second step has just come: the computers keep time with it, their first key of the
// second pressed with the step and the others at their rate after it, so that a key and the step
// show in one frame. Every level's interval divides the second.
void battreSeconde(Instant maintenant);
// A new match: the computers look at their wells afresh.
void oublierCoups();

// After the verdict of a match the computer played at both wells, the next one starts by itself.
constexpr Instant attenteDemo = 5000;
