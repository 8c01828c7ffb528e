#include "echeance.h"

std::optional<std::uint32_t> delaiProchaineImage(bool imageChangee, bool balancement,
                                                 std::uint32_t maintenant,
                                                 std::uint32_t dernierTemps) {
    if (!imageChangee && !balancement) {
        return std::nullopt;
    }
    const std::uint32_t ecoule = maintenant - dernierTemps;
    return ecoule >= intervalleImage ? 0 : intervalleImage - ecoule;
}
