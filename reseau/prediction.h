#pragma once

#include "match.h"
#include "message.h"

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

    // An action the mirror has just taken: the message that carries it to the host.
    ActionJoueur noter(Action action);

    // The host's state: the mirror takes it (each well as last sent), and the actions still
    // unconfirmed are played again on the predicted well. False, and nothing taken, when a well it
    // gives is one no game can show.
    bool recevoir(Match &miroir, const EtatMatch &etat);

    // Whether any state came yet: until then the mirror is no match of the host's.
    bool synchronise() const { return recus_[0].has_value() && recus_[1].has_value(); }
    const std::deque<ActionJoueur> &enAttente() const { return attente_; }
    // The last action the host has taken, by its number.
    std::uint32_t confirme() const { return confirme_; }

private:
    int puits_;
    std::uint32_t dernier_ = 0;
    std::uint32_t confirme_ = 0;
    std::deque<ActionJoueur> attente_;
    std::optional<ClichePartie> recus_[2];
};
