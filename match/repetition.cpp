#include "repetition.h"

#include <algorithm>

RepetitionTouches::RepetitionTouches(ReglageRepetition reglage) {
    regler(reglage);
}

void RepetitionTouches::regler(ReglageRepetition reglage) {
    // A rate of zero would repeat without end within one call.
    reglage.delai = std::max<Instant>(reglage.delai, 1);
    reglage.intervalle = std::max<Instant>(reglage.intervalle, 1);
    reglage_ = reglage;
    if (!reglage_.active) {
        tenues_.clear();
    }
}

void RepetitionTouches::enfoncer(Source source, Instant maintenant) {
    relacher(source);
    if (reglage_.active) {
        tenues_.push_back({source, maintenant + reglage_.delai});
    }
}

void RepetitionTouches::relacher(Source source) {
    tenues_.erase(std::remove_if(tenues_.begin(), tenues_.end(),
                                 [&](const Tenue &t) { return t.source == source; }),
                  tenues_.end());
}

void RepetitionTouches::toutRelacher() {
    tenues_.clear();
}

bool RepetitionTouches::tenue(Source source) const {
    return std::any_of(tenues_.begin(), tenues_.end(),
                       [&](const Tenue &t) { return t.source == source; });
}

void RepetitionTouches::repeter(Instant maintenant,
                                const std::function<bool(const Source &)> &agir) {
    for (Tenue &t : tenues_) {
        t.echeance = std::max(t.echeance, maintenant - retardMax);
    }
    for (;;) {
        const auto due =
            std::min_element(tenues_.begin(), tenues_.end(), [](const Tenue &a, const Tenue &b) {
                return a.echeance < b.echeance;
            });
        if (due == tenues_.end() || due->echeance > maintenant) {
            return;
        }
        due->echeance += reglage_.intervalle;
        // agir may act on the game only; a copy keeps the key's name if it is dropped.
        const Source source = due->source;
        if (!agir(source)) {
            relacher(source);
        }
    }
}

std::optional<Instant> RepetitionTouches::prochaineRepetition() const {
    if (tenues_.empty()) {
        return std::nullopt;
    }
    return std::min_element(tenues_.begin(), tenues_.end(),
                            [](const Tenue &a, const Tenue &b) { return a.echeance < b.echeance; })
        ->echeance;
}
