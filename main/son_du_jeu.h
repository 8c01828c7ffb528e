#pragma once

#include "faits.h"
#include "son.h"

#include <optional>

// The match's sounds: each fact played as it happens, on the game's clock. On a machine that
// joins a match over the network, its own well's moves are felt at once, from the mirror, and
// everything else comes with the host's state.
class SonDuJeu final : public EcouteurMatch {
public:
    explicit SonDuJeu(Son &son) : son_(son) {}
    // The mirror's own facts.
    void entendre(const Fait &fait) override;
    // The host's facts.
    void entendreHote(const Fait &fait);
    // The well this machine predicts, over the network; none in a match of its own.
    void predire(std::optional<int> puits) { predit_ = puits; }

private:
    bool mouvementPredit(const Fait &fait) const;

    Son &son_;
    std::optional<int> predit_;
};
