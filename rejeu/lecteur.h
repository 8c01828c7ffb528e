#pragma once

#include "format.h"
#include "hasard.h"
#include "match.h"

#include <cstdint>
#include <optional>
#include <vector>

// Plays a replay on a match: the match as it began, then each trace at its time, through the
// match's own entries, so that the match comes out as it was played. The computer does not play
// it meanwhile; new pieces draw their shapes from the seconds the replay holds, whatever the
// clock says.
class Lecteur {
public:
    Lecteur(Rejeu rejeu, Match &match);
    ~Lecteur();
    Lecteur(const Lecteur &) = delete;
    Lecteur &operator=(const Lecteur &) = delete;

    const Rejeu &rejeu() const { return rejeu_; }
    // Where the replay stands, in milliseconds from the match's start, and where it ends.
    std::int64_t position() const { return position_; }
    std::int64_t duree() const { return rejeu_.traces.empty() ? 0 : rejeu_.traces.back().quand; }

    // Plays every trace up to `position`; one before where it stands plays from the start again.
    // True when the match may have changed.
    bool allerA(std::int64_t position);
    // When the next trace comes, if one does.
    std::optional<std::int64_t> prochaineTrace() const;
    // The host's facts of the states played since the last call, for a joining machine's replay.
    std::vector<Fait> prendreFaits();

    // When a piece settled in either well, in order.
    const std::vector<std::int64_t> &posees() const { return posees_; }

private:
    static std::time_t lireHorloge();
    void recommencer();
    void jouer(const Trace &trace);

    Rejeu rejeu_;
    Match &match_;
    horlogeSecondes precedente_;
    std::size_t suivante_ = 0;
    std::size_t tirage_ = 0;
    std::int64_t position_ = 0;
    std::vector<Fait> faits_;
    std::vector<std::int64_t> posees_;
};
