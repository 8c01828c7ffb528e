#include "avis.h"

namespace {

struct Avis {
    std::string texte;
    std::int64_t jusqua;
};

std::optional<Avis> avis;

} // namespace

void afficherAvis(const std::string &texte, std::int64_t jusqua) {
    avis = Avis{texte, jusqua};
}

std::optional<std::string> avisAMontrer(std::int64_t debutImage) {
    if (avis && debutImage >= avis->jusqua) {
        avis.reset();
    }
    if (!avis) {
        return std::nullopt;
    }
    return avis->texte;
}

std::optional<std::int64_t> finAvis() {
    if (!avis) {
        return std::nullopt;
    }
    return avis->jusqua;
}
