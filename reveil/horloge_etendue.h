#pragma once

#include <cstdint>

// A clock of milliseconds that a 32-bit count gives (GLUT's, which an int holds for 24.8 days and
// 32 bits for 49.7), carried on to 64 bits: every reading after a wrap is still later than the
// one before, so that no due time is ever taken for past. Read it at least once every 49 days.
class HorlogeEtendue {
public:
    std::int64_t lire(std::uint32_t compte);

private:
    std::uint32_t dernier_ = 0;
    std::int64_t tours_ = 0;
};
