#include "cadence.h"
#include "echeance.h"
#include "horloge_etendue.h"

#include "fakegl.h"
#include "scene.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace {

// The clock readings that the wait took, in order: every glutGet must be for the elapsed time.
std::size_t lectures() {
    const std::vector<fakegl::Call> g = fakegl::callsNamed("glutGet");
    for (const fakegl::Call &c : g) {
        EXPECT_EQ(c.args, (std::vector<double>{GLUT_ELAPSED_TIME}));
    }
    EXPECT_EQ(g.size(), fakegl::calls().size()) << "the wait only reads the clock";
    return g.size();
}

// Each queue of readings ends on one far ahead, so a wait that goes wrong ends and fails rather
// than hangs on a clock that no longer moves.
void attendreAvec(std::uint32_t precedente, const std::vector<int> &horloge) {
    fakegl::reset();
    dernierTemps = precedente;
    fakegl::queueElapsedTimes(horloge);
    attendreImage();
}

TEST(Cadence, LaPremiereImageAttendQueLHorlogeMarque50) {
    attendreAvec(0, {40, 49, 50, 60});
    EXPECT_EQ(lectures(), 3u);
    EXPECT_EQ(dernierTemps, 50u);
}

// The stamp is the reading at which the frame began, not a later one nor the target time.
TEST(Cadence, UneImageTropTotAttendLaFinDes50ms) {
    attendreAvec(1000, {1020, 1049, 1053, 1080});
    EXPECT_EQ(lectures(), 3u);
    EXPECT_EQ(dernierTemps, 1053u);
}

TEST(Cadence, UneImageEnRetardCommenceAussitot) {
    attendreAvec(1000, {1050, 2000});
    EXPECT_EQ(lectures(), 1u);
    EXPECT_EQ(dernierTemps, 1050u);

    attendreAvec(1000, {5000, 6000});
    EXPECT_EQ(lectures(), 1u);
    EXPECT_EQ(dernierTemps, 5000u);
}

// The difference is unsigned: a clock that went back starts the frame at once, and one that
// wrapped past 2^32 still counts the 50 ms across the wrap.
TEST(Cadence, LaDifferenceEstNonSignee) {
    attendreAvec(5000, {4990, 6000});
    EXPECT_EQ(lectures(), 1u);
    EXPECT_EQ(dernierTemps, 4990u);

    attendreAvec(4294967290u, {43, 44, 45, 1000});
    EXPECT_EQ(lectures(), 2u);
    EXPECT_EQ(dernierTemps, 44u);
}

} // namespace

// A frame is due only when something may have changed or the camera sways, and never sooner than
// the interval after the last one began, the clock's wrap included.
TEST(Echeance, UneImageQuandQuelqueChoseChange) {
    struct Cas {
        bool changee, balancement;
        std::uint32_t maintenant, dernier;
        std::optional<std::uint32_t> delai;
    };
    const std::uint32_t pres = 0xFFFFFFF0u;
    for (const Cas c : {
             Cas{false, false, 5000, 1000, std::nullopt},
             Cas{true, false, 5000, 1000, 0},
             Cas{false, true, 5000, 1000, 0},
             Cas{true, false, 1050, 1000, 0},
             Cas{true, false, 1049, 1000, 1},
             Cas{true, true, 1010, 1000, 40},
             Cas{false, true, 1000, 1000, 50},
             Cas{true, false, 20, pres, 14},
             Cas{true, false, 900, 1000, 0},
         }) {
        EXPECT_EQ(delaiProchaineImage(c.changee, c.balancement, c.maintenant, c.dernier), c.delai)
            << c.changee << c.balancement << " " << c.maintenant << " " << c.dernier;
    }
}

// GLUT's count of milliseconds, carried on past its wraps at 2^31 (where the int it comes in turns
// negative) and 2^32: each reading later than the one before.
TEST(HorlogeEtendue, LesTempsCroissentPassesLesTours) {
    HorlogeEtendue horloge;
    const std::int64_t tour = std::int64_t{1} << 32;
    for (const auto &[lu, attendu] : std::vector<std::pair<std::uint32_t, std::int64_t>>{
             {0, 0},
             {2147483647u, 2147483647},
             {2147483648u, 2147483648LL},
             {4294967295u, tour - 1},
             {5, tour + 5},
             {5, tour + 5},
             {4000000000u, tour + 4000000000LL},
             {7, 2 * tour + 7},
         }) {
        EXPECT_EQ(horloge.lire(lu), attendu) << lu;
    }
}
