#include "reveil.h"

#include "echeance.h"

#include <algorithm>

namespace {

std::optional<Reveil::Instant> auPlusTot(std::optional<Reveil::Instant> a,
                                         std::optional<Reveil::Instant> b) {
    if (!a || !b) {
        return a ? a : b;
    }
    return std::min(*a, *b);
}

} // namespace

Reveil::Plan Reveil::planifier(Instant maintenant, bool balancement, std::uint32_t dernierTemps,
                               const std::vector<std::optional<Instant>> &echeances) {
    Plan plan;
    const std::optional<std::uint32_t> delai = delaiProchaineImage(
        imageChangee_, balancement, static_cast<std::uint32_t>(maintenant), dernierTemps);
    plan.imageMaintenant = delai && *delai == 0;
    std::optional<Instant> echeance;
    for (const std::optional<Instant> &e : echeances) {
        echeance = auPlusTot(echeance, e);
    }
    if (delai && *delai > 0) {
        echeance = auPlusTot(echeance, maintenant + *delai);
    }
    if (!echeance || (prevu_ && *prevu_ <= *echeance)) {
        return plan;
    }
    prevu_ = echeance;
    plan.reveil = echeance;
    plan.jeton = ++jeton_;
    return plan;
}

bool Reveil::reveiller(int jeton) {
    if (jeton != jeton_) {
        return false;
    }
    prevu_.reset();
    return true;
}
