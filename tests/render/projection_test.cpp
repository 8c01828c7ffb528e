#include "fakegl.h"
#include "projection.h"
#include "vue.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

std::vector<std::string> nomsProjection = {"glViewport", "glMatrixMode", "glLoadIdentity",
                                           "gluPerspective", "glMatrixMode"};

void verifierProjection(int largeur, int hauteur, double aspect, double champ = 60) {
    const std::vector<fakegl::Call> &j = fakegl::calls();
    ASSERT_GE(j.size(), nomsProjection.size());
    for (std::size_t i = 0; i < nomsProjection.size(); ++i) {
        EXPECT_EQ(j[i].name, nomsProjection[i]) << i;
    }
    EXPECT_EQ(j[0].args, (std::vector<double>{0, 0, double(largeur), double(hauteur)}));
    EXPECT_EQ(j[1].args, (std::vector<double>{GL_PROJECTION}));
    EXPECT_EQ(j[3].args, (std::vector<double>{champ, aspect, 0, 10}));
    EXPECT_EQ(j[4].args, (std::vector<double>{GL_MODELVIEW}));
}

// The start-up projection leaves the model-view matrix as it was.
TEST(Projection, AuDemarrageUneFenetreDe500Sur500) {
    fakegl::reset();
    initProjection();
    EXPECT_EQ(fakegl::calls().size(), nomsProjection.size());
    verifierProjection(500, 500, 1);
}

// The aspect goes to GLU rounded to single precision. A window at least as wide as it is high
// keeps the game's 60 degrees of height; a narrower one sees just high enough that the wells'
// farthest side (the left well's outer side at the cubes' top, 11 units across and 19 below the
// eye) lands on its left edge.
TEST(Projection, RedimensionnerSuitLaFenetre) {
    struct cas {
        int largeur;
        int hauteur;
        double aspect;
    };
    for (const cas c : {
             cas{700, 700, 1},
             cas{1920, 1080, 1.77777779102325439453125},
             cas{1000, 300, 3.3333332538604736328125},
             cas{300, 600, 0.5},
             cas{499, 500, 0.99800002574920654296875},
             cas{1080, 1920, 0.5625},
             // Minimised: taken as one pixel high.
             cas{640, 0, 640},
         }) {
        fakegl::reset();
        redimensionner(c.largeur, c.hauteur);
        SCOPED_TRACE(std::to_string(c.largeur) + "x" + std::to_string(c.hauteur));
        ASSERT_EQ(fakegl::calls().size(), nomsProjection.size() + 1);
        EXPECT_EQ(fakegl::calls().back().name, "glLoadIdentity");
        const double champ = fakegl::calls()[3].args.at(0);
        verifierProjection(c.largeur, c.hauteur, c.aspect, c.aspect >= 1 ? 60 : champ);
        EXPECT_EQ(vuePour(c.largeur, c.hauteur).champ, champ);
        if (c.aspect < 1) {
            const double demiLargeurVue = std::tan(champ * M_PI / 360) * c.aspect;
            EXPECT_NEAR(11.0 / 19 / demiLargeurVue, 1, 1e-9) << champ;
        }
    }
}

} // namespace
