#include "journal.h"

#include "partie_test.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

namespace {

class DessinPuits : public ::testing::Test {
protected:
    void SetUp() override {
        remplacerHorloge(secondeFixe);
        fakegl::reset();
    }
    void TearDown() override { remplacerHorloge(nullptr); }

    partieTest p;
};

std::map<std::pair<int, int>, std::set<cote>>
parCase(std::initializer_list<std::pair<std::pair<int, int>, std::set<cote>>> cases) {
    return {cases.begin(), cases.end()};
}

// The rails run along the well's two long sides, at the cubes' bottom and top.
TEST_F(DessinPuits, UnPuitsVideNeMontreQueSesRails) {
    // A piece pushed out of a finished well covers no cell.
    p.placerPiece(4, -5, 10);

    p.dessiner();

    const std::vector<lot> l = lots();
    ASSERT_EQ(l.size(), 1u);
    EXPECT_EQ(l[0].mode, static_cast<GLenum>(GL_LINES));
    EXPECT_EQ(l[0].coins, (std::vector<coin>{
                              {-1, 0, -14, 0.25f, 0.25f},
                              {-1, 0, 4, 0.25f, 0.75f},
                              {9, 0, 4, 0.75f, 0.75f},
                              {9, 0, -14, 0.75f, 0.25f},
                              {-1, 1, -14, 0.25f, 0.25f},
                              {-1, 1, 4, 0.25f, 0.75f},
                              {9, 1, 4, 0.75f, 0.75f},
                              {9, 1, -14, 0.75f, 0.25f},
                          }));
    EXPECT_EQ(fakegl::calls().size(), 18u);
}

// The piece was moved without being written in: the drawing places it anew first.
TEST_F(DessinPuits, LaPieceEstRecaleeAvantLeDessin) {
    p.placerPiece(4, 4, 10);
    p.setX(0);

    p.dessiner();

    for (int c = 0; c < nbColonnes; ++c) {
        for (int r = 0; r < nbLignes; ++r) {
            const bool piece = (c == 0 || c == 1) && (r == 10 || r == 11);
            EXPECT_EQ(p.plateau[c][r], piece ? caseTombante : caseVide) << c << ", " << r;
        }
    }
    EXPECT_EQ(cotesParCase(),
              parCase({
                  {{0, 10}, sauf(cinqFaces, {cote::colonneDroite, cote::ligneDessus})},
                  {{1, 10}, sauf(cinqFaces, {cote::colonneGauche, cote::ligneDessus})},
                  {{0, 11}, sauf(cinqFaces, {cote::colonneDroite, cote::ligneDessous})},
                  {{1, 11}, sauf(cinqFaces, {cote::colonneGauche, cote::ligneDessous})},
              }));
}

TEST_F(DessinPuits, PieceEtCasesPoseesSeCachentLeursFacesCommunes) {
    remplir(p.plateau, {
                           "......#...",
                           "...#......",
                       });
    p.placerPiece(4, 4, 0);

    p.dessiner();

    EXPECT_EQ(cotesParCase(),
              parCase({
                  {{3, 0}, sauf(cinqFaces, {cote::colonneDroite})},
                  {{4, 0},
                   sauf(cinqFaces, {cote::colonneGauche, cote::colonneDroite, cote::ligneDessus})},
                  {{5, 0}, sauf(cinqFaces, {cote::colonneGauche, cote::ligneDessus})},
                  {{4, 1}, sauf(cinqFaces, {cote::colonneDroite, cote::ligneDessous})},
                  {{5, 1},
                   sauf(cinqFaces, {cote::colonneGauche, cote::colonneDroite, cote::ligneDessous})},
                  {{6, 1}, sauf(cinqFaces, {cote::colonneGauche})},
              }));
}

// Rails first, then every shadow, then every cube, each pass column by column from the bottom up;
// the colour goes back to white after each shadow so the cubes show the texture's own colours.
TEST_F(DessinPuits, LesOmbresPassentToutesAvantLesCubes) {
    remplir(p.plateau, {
                           "........#.",
                           ".#........",
                           "#........#",
                       });
    p.placerPiece(7, 5, 12);

    p.dessiner();

    const std::vector<std::pair<int, int>> cases = {{0, 0}, {1, 1}, {5, 12}, {8, 2}, {9, 0}};
    const std::vector<lot> l = lots();
    ASSERT_FALSE(l.empty());
    EXPECT_EQ(l[0].mode, static_cast<GLenum>(GL_LINES));

    const std::vector<face> f = faces();
    ASSERT_EQ(f.size(), cases.size() * 6);
    std::vector<std::pair<int, int>> ombres;
    std::vector<std::pair<int, int>> cubes;
    for (std::size_t i = 0; i < f.size(); ++i) {
        if (i < cases.size()) {
            EXPECT_EQ(f[i].c, cote::ombre) << i;
            ombres.push_back({f[i].colonne, f[i].ligne});
        } else if ((i - cases.size()) % 5 == 0) {
            cubes.push_back({f[i].colonne, f[i].ligne});
        }
    }
    EXPECT_EQ(ombres, cases);
    EXPECT_EQ(cubes, cases);

    const std::vector<lot> q = quads();
    for (std::size_t i = 0; i < q.size(); ++i) {
        const std::vector<fakegl::Call> &journal = fakegl::calls();
        const float st[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(q[i].coins[k].s, st[k][0]) << i;
            EXPECT_EQ(q[i].coins[k].t, st[k][1]) << i;
        }
        if (i < cases.size()) {
            const std::size_t fin = q[i].debut + 9;
            ASSERT_EQ(journal[q[i].debut - 1].name, "glColor3f");
            EXPECT_EQ(journal[q[i].debut - 1].args, (std::vector<double>{0, 0, 0}));
            ASSERT_EQ(journal[fin + 1].name, "glColor3f");
            EXPECT_EQ(journal[fin + 1].args, (std::vector<double>{255, 255, 255}));
        }
    }
    EXPECT_EQ(fakegl::count("glColor3f"), 2 * cases.size());

    // The shadows alone go untextured: texturing is off just before the first and back on just
    // after the last, before any cube.
    const std::vector<fakegl::Call> &journal = fakegl::calls();
    const std::size_t premiere = q.front().debut - 2, derniere = q[cases.size() - 1].debut + 11;
    EXPECT_EQ(journal[premiere].name, "glDisable");
    EXPECT_EQ(journal[premiere].args, (std::vector<double>{GL_TEXTURE_2D}));
    EXPECT_EQ(journal[derniere].name, "glEnable");
    EXPECT_EQ(journal[derniere].args, (std::vector<double>{GL_TEXTURE_2D}));
    EXPECT_EQ(fakegl::count("glDisable") + fakegl::count("glEnable"), 2u);
}

} // namespace
