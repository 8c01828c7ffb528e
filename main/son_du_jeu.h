#pragma once

#include "faits.h"
#include "son.h"

// The match's sounds: each fact played as it happens, on the game's clock.
class SonDuJeu : public EcouteurMatch {
public:
    explicit SonDuJeu(Son &son) : son_(son) {}
    void entendre(const Fait &fait) override;

private:
    Son &son_;
};
