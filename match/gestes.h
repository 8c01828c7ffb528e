#pragma once

#include <cstdint>

// What a key or a pad's button asks of the game beyond a player's moves: the sitting's own (the
// pause, the next match, who plays), and this machine's (the sway, the sound, full screen).
enum class Geste {
    balancement,   // l: the camera sways, or stops
    son,           // m: the sound off, or on
    pleinEcran,    // F11
    pause,         // p, Escape, a pad's Start: pause, or play on
    mettreEnPause, // the window hidden, a pad unplugged: pause, never play on
    nouveauMatch,  // F2, at any time
    matchSuivant,  // Return, Space, a pad's Back: the next match, once this one is over
    piloteGauche,  // F3: who plays the left well, one step on
    piloteDroite,  // F4
    heberger,      // F5: host a match over the network
    rejoindre,     // F6: join a match over the network
    // A replay's viewer: slower, faster (F7, F8); F9 watches the match just played again, or goes
    // back to the replay's start; F10 on to its verdict; Page Up and Page Down to the piece
    // settled before or after.
    moinsVite,
    plusVite,
    revoir,
    verdict,
    piecePrecedente,
    pieceSuivante,
};

class Match;

// The sitting's gestures, carried out on a match of this machine: true when it was one of them.
// The others are the machine's own, for the game to carry out.
bool appliquerGeste(Match &match, Geste geste, std::int64_t maintenant);
