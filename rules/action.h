#pragma once

#include "partie.h"

// The four things a player can do to the falling piece, whatever presses the key: a person at the
// keyboard or the computer.
enum class Action {
    gauche,
    droite,
    pivoter,
    descendre,
};

// The action straight on a game, with none of the match's conditions: for those who try moves
// out on a game of their own.
inline void appliquer(partie &jeu, Action action) {
    switch (action) {
    case Action::gauche:
        jeu.gauche();
        break;
    case Action::droite:
        jeu.droite();
        break;
    case Action::pivoter:
        jeu.pivoter();
        break;
    case Action::descendre:
        jeu.tomber();
        break;
    }
}
