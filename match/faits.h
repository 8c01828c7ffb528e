#pragma once

#include "action.h"

#include <functional>
#include <optional>

// What happened in the match, reported as plain values to whoever listens (the sound, for one):
// the match itself only compares the games before and after each step, key and pause.
enum class Evenement {
    deplacement,     // the piece moved sideways, or a row down by its player's key
    rotation,        // the piece turned
    rotationRefusee, // a turn key left the piece as it was
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
    toucheSon, // the sound's key was pressed; the match itself has no sound to switch
};

struct Fait {
    Evenement quoi;
    int puits;      // 0 the left well, 1 the right one, -1 the whole match
    int nombre = 1; // garbage rows, for those two events
    bool operator==(const Fait &autre) const {
        return quoi == autre.quoi && puits == autre.puits && nombre == autre.nombre;
    }
};

// Adds a listener; each is told every fact, in the order they happened.
void ecouterMatch(std::function<void(const Fait &)> ecouteur);
void signalerFait(const Fait &fait);

// What a player's key means to do to their piece: the only way to tell a refused turn from no
// turn at all.
struct Intention {
    int puits = -1;
    std::optional<Action> action;
};
Intention intentionTouche(unsigned char touche);
Intention intentionToucheSpeciale(int touche);

// A new match began: what changes then (empty wells, fresh pieces) is no event.
void matchRecommence();

// What the facts are read from: both games, the thresholds, the pause and the verdict.
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

// Watches the match from its construction to its destruction and reports what changed then.
// Observations may nest (a key that pauses, an action entry around the key): only the outermost
// reports, once.
class Observation {
public:
    explicit Observation(Intention intention = {});
    ~Observation();
    Observation(const Observation &) = delete;
    Observation &operator=(const Observation &) = delete;

private:
    Intention intention_;
    bool exterieure_;
    Cliche avant_;
};
