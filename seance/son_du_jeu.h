#pragma once

#include "faits.h"
#include "son.h"

#include <optional>

// The match's sounds: each fact played as it happens, at the time the sitting last gave. On a
// machine that joins a match over the network, its own well's moves are felt at once, from the
// mirror, and everything else comes with the host's state. A replay jumping ahead or back plays
// nothing meanwhile.
class SonDuJeu final : public EcouteurMatch {
public:
    explicit SonDuJeu(Son &son) : son_(son) {}
    void heure(std::int64_t maintenant) { maintenant_ = maintenant; }
    void taire(bool silence) { silence_ = silence; }
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
    std::int64_t maintenant_ = 0;
    bool silence_ = false;
};
