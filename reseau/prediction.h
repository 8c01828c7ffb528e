#pragma once

#include "match.h"
#include "protocole.h"

#include <deque>
#include <optional>

// The joining machine's own well, felt at once: its player's actions are applied to the mirror as
// soon as they are taken, and numbered for the host. When the host's state arrives the mirror
// takes it, then the actions the host has not yet taken are applied again on top: a guess the
// host refused is corrected within one round trip, and once the host has taken every action the
// two agree.
class Prediction {
public:
    explicit Prediction(int puits) : puits_(puits) {}

    int puits() const { return puits_; }

    // An action the mirror has just taken, numbered. False when the host has left too many
    // unconfirmed (it answers no more): the action is not kept.
    bool noter(Action action);

    // The host's state: the mirror takes it, and the actions still unconfirmed are played again
    // on the predicted well.
    void recevoir(Match &miroir, const EtatComplet &etat);

    const std::deque<Action> &enAttente() const { return attente_; }
    // The number of the first action waiting.
    std::uint32_t premiere() const { return confirme_ + 1; }
    // The last action the host has taken, by its number.
    std::uint32_t confirme() const { return confirme_; }

    // Far more than a round trip's worth of a held key: a host that confirms none of them is gone.
    static constexpr std::size_t attenteMax = 256;

private:
    int puits_;
    std::uint32_t confirme_ = 0;
    std::deque<Action> attente_;
};
