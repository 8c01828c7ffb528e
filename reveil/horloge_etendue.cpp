#include "horloge_etendue.h"

std::int64_t HorlogeEtendue::lire(std::uint32_t compte) {
    if (compte < dernier_) {
        ++tours_;
    }
    dernier_ = compte;
    return (tours_ << 32) + compte;
}
