#pragma once

#include "repetition.h"
#include "touches_position.h"

// The desktop's keyboard, as the X server tells it. The game's own connection is GLUT's, found
// through the current GLX context; without one (another windowing system, the tests' fake GL)
// nothing is read and X's defaults apply.
class ClavierBureau {
public:
    ClavierBureau() = default;
    ~ClavierBureau();
    ClavierBureau(const ClavierBureau &) = delete;
    ClavierBureau &operator=(const ClavierBureau &) = delete;

    // Reads the desktop's repeat delay and rate into `reglage` (X's defaults, 660 ms and 25 a
    // second, when they cannot be read; no repeat when the desktop has it off), and starts
    // watching the game window's keyboard focus. True when the server now sends its repeats as
    // presses alone, without the release before each: every release GLUT then reports is a real
    // one.
    bool ecouter(ReglageRepetition &reglage);

    // Whether the game's window lost the keyboard focus since the last call: the releases of keys
    // held then go to another window.
    bool focusPerdu();

private:
    // A connection of our own for the focus events: asking GLUT's connection for them would
    // change GLUT's own event mask on the window, and GLUT would swallow them.
    void *surveillance_ = nullptr;
};

// Each key's place and symbols, and the group in use; empty without a connection.
CarteClavier lireCarteClavier();
