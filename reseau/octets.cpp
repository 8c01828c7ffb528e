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

std::uint64_t Lecteur::u64() {
    const std::uint64_t bas = u32();
    return bas | std::uint64_t{u32()} << 32;
}

std::uint64_t Lecteur::varint() {
    std::uint64_t v = 0;
    for (int decalage = 0; decalage < 70; decalage += 7) {
        const std::uint8_t octet = u8();
        if (!bon_ || (decalage == 63 && octet > 1) || (decalage > 0 && octet == 0)) {
            bon_ = false;
            return 0;
        }
        v |= std::uint64_t{octet & 0x7Fu} << decalage;
        if ((octet & 0x80) == 0) {
            return v;
        }
    }
    bon_ = false;
    return 0;
}

const std::uint8_t *Lecteur::brut(std::size_t n) {
    if (!prendre(n)) {
        return nullptr;
    }
    const std::uint8_t *debut = octets_ + position_;
    position_ += n;
    return debut;
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

void Ecrivain::u64(std::uint64_t v) {
    u32(static_cast<std::uint32_t>(v));
    u32(static_cast<std::uint32_t>(v >> 32));
}

void Ecrivain::varint(std::uint64_t v) {
    while (v >= 0x80) {
        octets_.push_back(static_cast<std::uint8_t>(v | 0x80));
        v >>= 7;
    }
    octets_.push_back(static_cast<std::uint8_t>(v));
}

void Ecrivain::brut(const std::vector<std::uint8_t> &octets) {
    octets_.insert(octets_.end(), octets.begin(), octets.end());
}
