#pragma once

// The four things a player can do to the falling piece, whatever presses the key: a person at the
// keyboard or the computer.
enum class Action {
    gauche,
    droite,
    pivoter,
    descendre,
};
