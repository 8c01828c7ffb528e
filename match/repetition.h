#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// The game's own key repeat: each held key repeats on its own clock, whatever other keys do, so
// that two players on one keyboard do not cancel each other's held moves. Time is whatever clock
// the caller reads, in milliseconds.
using Instant = std::int64_t;

// A key as GLUT tells them apart: a character, or a special key such as an arrow.
struct Touche {
    bool speciale = false;
    int code = 0;
    bool operator==(const Touche &autre) const {
        return speciale == autre.speciale && code == autre.code;
    }
};

// What holds an action down: a key of the keyboard, or another device (a pad's direction, under a
// code of its own), whose holds the keyboard losing the focus leaves alone.
struct Source {
    bool clavier = true;
    Touche touche;
    bool operator==(const Source &autre) const {
        return clavier == autre.clavier && touche == autre.touche;
    }
};

// The desktop's repeat: the first repeat comes after `delai`, the next ones every `intervalle`.
struct ReglageRepetition {
    bool active = true;
    Instant delai = 660;
    Instant intervalle = 40;
};

class RepetitionTouches {
public:
    explicit RepetitionTouches(ReglageRepetition reglage = {});
    void regler(ReglageRepetition reglage);
    const ReglageRepetition &reglage() const { return reglage_; }

    // The key went down: it repeats one delay later, then at the rate, until released.
    void enfoncer(Source source, Instant maintenant);
    void relacher(Source source);
    void toutRelacher();
    bool tenue(Source source) const;

    // Every repeat due by `maintenant`, earliest first. When `agir` answers false the key stops
    // repeating until pressed again. A game that could not look for a while (a stalled frame)
    // does not get a burst: repeats later than `retardMax` are dropped.
    void repeter(Instant maintenant, const std::function<bool(const Source &)> &agir);

    // When the next repeat is due, so that whoever waits for events can wake up for it.
    std::optional<Instant> prochaineRepetition() const;

    static constexpr Instant retardMax = 100;

private:
    struct Tenue {
        Source source;
        Instant echeance;
    };
    ReglageRepetition reglage_;
    std::vector<Tenue> tenues_;
};
