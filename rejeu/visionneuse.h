#pragma once

#include "lecteur.h"

#include <cstdint>
#include <optional>
#include <string>

// A replay watched: played at its own pace on the game's clock, paused and played on, faster and
// slower (½×, 1×, 2×, 4×, 8×), back to the start, on to the verdict, and to the piece settled
// before or after where it stands. Times are the game's clock, in milliseconds.
class Visionneuse {
public:
    Visionneuse(Rejeu rejeu, Match &match, std::int64_t maintenant);

    enum class Commande {
        pause, // pause, or play on
        plusVite,
        moinsVite,
        debut,
        fin, // the verdict, or where the replay ends
        piecePrecedente,
        pieceSuivante,
    };
    // A command of the viewer's keys. True when the replay jumped (its sounds are left out).
    bool commander(Commande commande, std::int64_t maintenant);

    // Plays what is due by now. True when the match may have changed.
    bool avancer(std::int64_t maintenant);
    // When the next trace is due, while it plays.
    std::optional<std::int64_t> prochaineEcheance(std::int64_t maintenant) const;

    Lecteur &lecteur() { return lecteur_; }
    bool enPause() const { return pause_; }
    double vitesse() const;
    // "Replay 1:23 / 4:56 · 2×", or "· paused".
    std::string etiquette() const;

private:
    std::int64_t positionA(std::int64_t maintenant) const;
    void repartir(std::int64_t maintenant, std::int64_t position);

    Lecteur lecteur_;
    int vitesse_ = 1; // index into ½×, 1×, 2×, 4×, 8×
    bool pause_ = false;
    // Where the replay stood at what time, from which it goes on at its speed.
    std::int64_t depuis_ = 0;
    std::int64_t positionDepuis_ = 0;
};
