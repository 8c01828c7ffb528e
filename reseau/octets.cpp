#include "octets.h"

bool Lecteur::prendre(std::size_t n) {
    if (!bon_ || taille_ - position_ < n) {
        bon_ = false;
        return false;
    }
    return true;
}

std::uint8_t Lecteur::u8() {
    return prendre(1) ? octets_[position_++] : 0;
}

std::uint16_t Lecteur::u16() {
    if (!prendre(2)) {
        return 0;
    }
    const auto v = static_cast<std::uint16_t>(octets_[position_] | octets_[position_ + 1] << 8);
    position_ += 2;
    return v;
}

std::uint32_t Lecteur::u32() {
    if (!prendre(4)) {
        return 0;
    }
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) {
        v = v << 8 | octets_[position_ + static_cast<std::size_t>(i)];
    }
    position_ += 4;
    return v;
}

std::uint32_t Lecteur::borne(std::uint32_t valeur, std::uint32_t min, std::uint32_t max) {
    if (valeur < min || valeur > max) {
        bon_ = false;
        return min;
    }
    return valeur;
}

void Ecrivain::u16(std::uint16_t v) {
    octets_.push_back(static_cast<std::uint8_t>(v));
    octets_.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Ecrivain::u32(std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        octets_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
}
