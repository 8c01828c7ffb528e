#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Fixed-width fields, little-endian, one at a time. A read past the end fails, and every read
// after a failed one fails too: a message is decoded by reading all its fields, then asking once
// whether all went well.
class Lecteur {
public:
    Lecteur(const std::uint8_t *octets, std::size_t taille) : octets_(octets), taille_(taille) {}

    std::uint8_t u8();
    std::uint16_t u16();
    std::uint32_t u32();
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    std::uint64_t u64();
    // Seven bits a byte, the low ones first, the high bit set on every byte but the last; at most
    // ten bytes, and none wasted.
    std::uint64_t varint();
    // The next n bytes as they are, or null.
    const std::uint8_t *brut(std::size_t n);
    bool fini() const { return position_ == taille_; }
    // A value that must lie between two bounds, ends included; outside, the read fails.
    std::uint32_t borne(std::uint32_t valeur, std::uint32_t min, std::uint32_t max);

    void echouer() { bon_ = false; }
    bool bon() const { return bon_; }
    // Every byte read and every read good: nothing left over.
    bool toutLu() const { return bon_ && position_ == taille_; }

private:
    bool prendre(std::size_t n);

    const std::uint8_t *octets_;
    std::size_t taille_;
    std::size_t position_ = 0;
    bool bon_ = true;
};

class Ecrivain {
public:
    void u8(std::uint8_t v) { octets_.push_back(v); }
    void u16(std::uint16_t v);
    void u32(std::uint32_t v);
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void u64(std::uint64_t v);
    void varint(std::uint64_t v);
    void brut(const std::vector<std::uint8_t> &octets);
    const std::vector<std::uint8_t> &octets() const { return octets_; }

private:
    std::vector<std::uint8_t> octets_;
};
