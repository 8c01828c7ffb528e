#pragma once

#include "action.h"
#include "pilotes.h"

// Told every input a match takes, as it takes it, whether it changes anything or not: an action
// that reached a game (a player's, the computer's, the network's), the one-second step, the pause,
// who plays a well, and each new match. Played again in the same order on the same match, with the
// same pieces drawn, they make the same match: what a replay is written from.
class EcouteurEntrees {
public:
    virtual void action(int puits, Action action) = 0;
    virtual void seconde() = 0;
    virtual void basculerPause() = 0;
    virtual void mettreEnPause() = 0;
    virtual void pilote(int puits, const Pilote &pilote) = 0;
    // Before a new match's pieces are drawn, and once it stands.
    virtual void finMatch() = 0;
    virtual void nouveauMatch() = 0;

protected:
    ~EcouteurEntrees() = default;
};
