#include "partie_test.h"

#include "fakegl.h"
#include "minuterie.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// GLUT's timer callback, as the game arms it, over the game's own match of the global games.
class Minuterie : public ::testing::Test {
protected:
    void SetUp() override {
        fakegl::reset();
        matchDeTest();
    }
    void TearDown() override { remplacerHorloge(nullptr); }
};

void finir(partie &joueur) {
    modifier(joueur, [](partieTest &t) { t.fini = true; });
}

TEST_F(Minuterie, SeReprogrammePourUneSecondeQuoiQuIlArrive) {
    struct cas {
        bool fini1;
        bool fini2;
    };
    for (const cas c : {cas{false, false}, cas{true, false}, cas{false, true}, cas{true, true}}) {
        matchDeTest();
        if (c.fini1) {
            finir(joueur1);
        }
        if (c.fini2) {
            finir(joueur2);
        }
        fakegl::reset();
        minuterie(7);
        // Re-armed first; what follows only asks for the frame that shows the step.
        ASSERT_FALSE(fakegl::calls().empty());
        EXPECT_EQ(fakegl::calls()[0].name, "glutTimerFunc");
        EXPECT_EQ(fakegl::calls()[0].args, (std::vector<double>{1000, 0}));
        for (const std::string &nom : fakegl::names()) {
            EXPECT_TRUE(nom == "glutTimerFunc" || nom == "glutGet" || nom == "glutPostRedisplay")
                << nom;
        }
    }
}

// The new piece after a landing reads the clock: by then the timer must already be re-armed.
std::size_t armementsAvantNouvellePiece = 0;
std::time_t horlogeTemoin() {
    armementsAvantNouvellePiece = fakegl::count("glutTimerFunc");
    return 1000;
}

TEST_F(Minuterie, SeReprogrammeAvantDeFaireTomber) {
    // A square resting on the floor of the well: the next step settles it and brings a new piece.
    modifier(joueur1, [](partieTest &t) { t.placerPiece(4, 4, 0); });
    remplacerHorloge(horlogeTemoin);
    armementsAvantNouvellePiece = 0;
    minuterie(0);
    EXPECT_EQ(armementsAvantNouvellePiece, 1u);
}

} // namespace
