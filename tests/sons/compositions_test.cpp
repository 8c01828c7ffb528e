// The sounds our build composes: no note starts or ends with a step that clicks.
#include "compositions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

// The jump in slope at each sample, as 16-bit samples give it: what a click is made of.
std::vector<int> sautsDePente(const std::vector<std::int16_t> &e) {
    std::vector<int> sauts(e.size(), 0);
    for (std::size_t i = 1; i + 1 < e.size(); ++i) {
        sauts[i] = std::abs(e[i + 1] - 2 * e[i] + e[i - 1]);
    }
    return sauts;
}

// At each note's start (but pose's knock, percussive on purpose) and end, within a millisecond,
// the slope jumps no more than the sound's own steady tone makes it jump anywhere else.
TEST(Compositions, NoNoteClicksAtItsEdges) {
    constexpr auto pres = static_cast<std::size_t>(echantillonsParSeconde / 1000);
    for (const Composition &c : composer()) {
        SCOPED_TRACE(c.nom);
        const std::vector<int> sauts = sautsDePente(c.son.echantillons());
        std::vector<std::size_t> bords;
        for (const Note &n : c.son.notes()) {
            if (c.nom != "pose") {
                bords.push_back(static_cast<std::size_t>(n.debut * echantillonsParSeconde));
            }
            bords.push_back(static_cast<std::size_t>((n.debut + n.duree) * echantillonsParSeconde));
        }
        std::vector<bool> auBord(sauts.size(), false);
        for (const std::size_t b : bords) {
            for (std::size_t i = b > pres ? b - pres : 0; i < std::min(b + pres, sauts.size());
                 ++i) {
                auBord[i] = true;
            }
        }
        int tenu = 0, bord = 0;
        std::size_t ou = 0;
        for (std::size_t i = 0; i < sauts.size(); ++i) {
            if (!auBord[i]) {
                tenu = std::max(tenu, sauts[i]);
            } else if (sauts[i] > bord) {
                bord = sauts[i];
                ou = i;
            }
        }
        EXPECT_LE(bord, tenu) << "at " << static_cast<double>(ou) / echantillonsParSeconde << " s";
    }
}

} // namespace
