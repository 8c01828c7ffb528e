#pragma once

#include <cstdint>

// Bitmap fields are little-endian and often sit at odd addresses (the header starts at byte 14),
// so they are read byte by byte.
inline std::uint16_t lireU16(const unsigned char *p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

inline std::uint32_t lireU32(const unsigned char *p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

inline std::int32_t lireI32(const unsigned char *p) {
    return static_cast<std::int32_t>(lireU32(p));
}
