#include "fakegl.h"
#include "scene.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> nomsProjection = {"glViewport", "glMatrixMode", "glLoadIdentity",
                                           "gluPerspective", "glMatrixMode"};

void verifierProjection(int largeur, int hauteur, double aspect) {
    const std::vector<fakegl::Call> &j = fakegl::calls();
    ASSERT_GE(j.size(), nomsProjection.size());
    for (std::size_t i = 0; i < nomsProjection.size(); ++i) {
        EXPECT_EQ(j[i].name, nomsProjection[i]) << i;
    }
    EXPECT_EQ(j[0].args, (std::vector<double>{0, 0, double(largeur), double(hauteur)}));
    EXPECT_EQ(j[1].args, (std::vector<double>{GL_PROJECTION}));
    EXPECT_EQ(j[3].args, (std::vector<double>{60, aspect, 0, 10}));
    EXPECT_EQ(j[4].args, (std::vector<double>{GL_MODELVIEW}));
}

// The start-up projection leaves the model-view matrix as it was.
TEST(Projection, AuDemarrageUneFenetreDe500Sur500) {
    fakegl::reset();
    initProjection();
    EXPECT_EQ(fakegl::calls().size(), nomsProjection.size());
    verifierProjection(500, 500, 1);
}

// The aspect goes to GLU rounded to single precision; the window keeps its 60 degrees of height.
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
             // Minimised: taken as one pixel high.
             cas{640, 0, 640},
         }) {
        fakegl::reset();
        redimensionner(c.largeur, c.hauteur);
        SCOPED_TRACE(std::to_string(c.largeur) + "x" + std::to_string(c.hauteur));
        verifierProjection(c.largeur, c.hauteur, c.aspect);
        ASSERT_EQ(fakegl::calls().size(), nomsProjection.size() + 1);
        EXPECT_EQ(fakegl::calls().back().name, "glLoadIdentity");
    }
}

} // namespace
