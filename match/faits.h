#pragma once

#include "action.h"

#include <optional>
#include <vector>

// What happened in a match, reported as plain values to whoever listens (the sound, for one): the
// match compares its games before and after each step, action and pause.
enum class Evenement {
    deplacement,     // the piece moved sideways, or a row down by its player's key
    rotation,        // the piece turned
    rotationRefusee, // a turn left the piece as it was
    pose,            // the piece settled
    lignes1,         // rows cleared by one landing: one, two, three, four
    lignes2,
    lignes3,
    lignes4,
    lignesEnvoyees, // garbage rows sent to the opponent (the sender's well)
    lignesRecues,   // waiting garbage pushed into the well (the receiver's well)
    debordement,    // the well overflowed: that player has lost
    victoire,       // the match has a winner (a draw has none)
    pause,
    reprise,
};

struct Fait {
    Evenement quoi;
    int puits;      // 0 the left well, 1 the right one, -1 the whole match
    int nombre = 1; // garbage rows, for those two events
    bool operator==(const Fait &autre) const {
        return quoi == autre.quoi && puits == autre.puits && nombre == autre.nombre;
    }
};

// Told every fact of the matches it listens to, in the order they happened.
class EcouteurMatch {
public:
    virtual void entendre(const Fait &fait) = 0;

protected:
    ~EcouteurMatch() = default;
};

// What a player's action means to do to their piece: the only way to tell a refused turn from no
// turn at all.
struct Intention {
    int puits = -1;
    std::optional<Action> action;
};

// What the facts are read from: both games, the thresholds, the pause and the verdict, and which
// match of the sitting it is.
struct Cliche {
    struct Puits {
        int x, y, rotation, posees, score, penalite;
        bool fini;
    } puits[2];
    int seuils[2];
    bool pause;
    bool decide, gagne;
    unsigned match;
};

// What changed between two pictures of a match, around one intention. A new match in between is
// no event: what changes then (empty wells, fresh pieces) makes no sound.
std::vector<Fait> comparer(const Cliche &avant, const Cliche &apres, Intention intention);
