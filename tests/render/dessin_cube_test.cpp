#include "journal.h"

#include "bloc.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The sides that the cube of cell (c, r) sends, drawn against the well g.
std::set<face> envoyees(const grille &g, int c, int r) {
    fakegl::reset();
    bloc(7, c, r).dessiner(g);
    const std::vector<face> f = faces();
    return {f.begin(), f.end()};
}

std::set<face> attendues(int c, int r, const std::set<cote> &cotes) {
    std::set<face> f;
    for (cote k : cotes) {
        f.insert({c, r, k});
    }
    return f;
}

const std::vector<coin> texturesCoins = {
    {0, 0, 0, 0, 0}, {0, 0, 0, 1, 0}, {0, 0, 0, 1, 1}, {0, 0, 0, 0, 1}};

std::vector<coin> avecTextures(std::vector<std::vector<float>> sommets) {
    std::vector<coin> c;
    for (std::size_t i = 0; i < sommets.size(); ++i) {
        c.push_back({sommets[i][0], sommets[i][1], sommets[i][2], texturesCoins[i % 4].s,
                     texturesCoins[i % 4].t});
    }
    return c;
}

// Cell (3, 5) is the cube X 2..3, Y 0..1, Z -2..-1; its shadow the square X 3..4, Z -1..0 at
// Y = -1.
TEST(DessinCube, CaseSeuleUneOmbreNoirePuisCinqFaces) {
    grille g;
    remplir(g, {});
    g[3][5] = casePosee;
    bloc cube(7, 3, 5);

    fakegl::reset();
    cube.dessinerOmbre(g);
    cube.dessiner(g);

    std::vector<std::string> attendus = {"glColor3f", "glBegin"};
    for (int i = 0; i < 4; ++i) {
        attendus.insert(attendus.end(), {"glTexCoord2f", "glVertex3f"});
    }
    attendus.insert(attendus.end(), {"glEnd", "glColor3f"});
    for (int f = 0; f < 5; ++f) {
        attendus.push_back("glBegin");
        for (int i = 0; i < 4; ++i) {
            attendus.insert(attendus.end(), {"glTexCoord2f", "glVertex3f"});
        }
        attendus.push_back("glEnd");
    }
    EXPECT_EQ(fakegl::names(), attendus);

    const std::vector<fakegl::Call> couleurs = fakegl::callsNamed("glColor3f");
    ASSERT_EQ(couleurs.size(), 2u);
    EXPECT_EQ(couleurs[0].args, (std::vector<double>{0, 0, 0}));
    EXPECT_EQ(couleurs[1].args, (std::vector<double>{255, 255, 255}));

    const std::vector<lot> q = quads();
    ASSERT_EQ(q.size(), 6u);
    EXPECT_EQ(q[0].coins, avecTextures({{3, -1, 0}, {4, -1, 0}, {4, -1, -1}, {3, -1, -1}}));
    EXPECT_EQ(q[1].coins, avecTextures({{2, 0, -1}, {3, 0, -1}, {3, 1, -1}, {2, 1, -1}}));
    EXPECT_EQ(q[2].coins, avecTextures({{3, 0, -1}, {3, 0, -2}, {3, 1, -2}, {3, 1, -1}}));
    EXPECT_EQ(q[3].coins, avecTextures({{2, 0, -2}, {2, 0, -1}, {2, 1, -1}, {2, 1, -2}}));
    EXPECT_EQ(q[4].coins, avecTextures({{3, 0, -2}, {2, 0, -2}, {2, 1, -2}, {3, 1, -2}}));
    EXPECT_EQ(q[5].coins, avecTextures({{2, 1, -1}, {3, 1, -1}, {3, 1, -2}, {2, 1, -2}}));

    EXPECT_EQ(cube.getX(), 3);
    EXPECT_EQ(cube.getY(), 5);
}

TEST(DessinCube, LesVoisinsParUnCoteCachentLaFaceCommune) {
    grille g;
    remplir(g, {
                   "......#...",
                   ".....#....",
                   "..#....o..",
                   ".##...#o#.",
               });

    // Side by side and stacked; settled and falling cells hide each other alike.
    EXPECT_EQ(envoyees(g, 1, 0), attendues(1, 0, sauf(cinqFaces, {cote::colonneDroite})));
    EXPECT_EQ(envoyees(g, 2, 0),
              attendues(2, 0, sauf(cinqFaces, {cote::colonneGauche, cote::ligneDessus})));
    EXPECT_EQ(envoyees(g, 2, 1), attendues(2, 1, sauf(cinqFaces, {cote::ligneDessous})));
    EXPECT_EQ(envoyees(g, 6, 0), attendues(6, 0, sauf(cinqFaces, {cote::colonneDroite})));
    EXPECT_EQ(
        envoyees(g, 7, 0),
        attendues(7, 0,
                  sauf(cinqFaces, {cote::colonneGauche, cote::colonneDroite, cote::ligneDessus})));
    EXPECT_EQ(envoyees(g, 8, 0), attendues(8, 0, sauf(cinqFaces, {cote::colonneGauche})));
    EXPECT_EQ(envoyees(g, 7, 1), attendues(7, 1, sauf(cinqFaces, {cote::ligneDessous})));

    // Touching at a corner only hides nothing.
    EXPECT_EQ(envoyees(g, 5, 2), attendues(5, 2, cinqFaces));
    EXPECT_EQ(envoyees(g, 6, 3), attendues(6, 3, cinqFaces));
}

// The well sits between two full grids, so a neighbour read past a border finds an occupied cell
// and would hide a face that must be sent.
struct puitsEntoure {
    grille avant;
    grille puits;
    grille apres;
};

TEST(DessinCube, LesFacesDuBordSontToujoursEnvoyees) {
    puitsEntoure e;
    remplirGrille(e.avant, casePosee);
    remplirGrille(e.apres, casePosee);
    remplirGrille(e.puits, casePosee);

    for (int c = 0; c < nbColonnes; ++c) {
        for (int r = 0; r < nbLignes; ++r) {
            std::set<cote> attendus = {cote::dessus};
            if (r == 0) {
                attendus.insert(cote::ligneDessous);
            }
            if (r == nbLignes - 1) {
                attendus.insert(cote::ligneDessus);
            }
            if (c == 0) {
                attendus.insert(cote::colonneGauche);
            }
            if (c == nbColonnes - 1) {
                attendus.insert(cote::colonneDroite);
            }
            EXPECT_EQ(envoyees(e.puits, c, r), attendues(c, r, attendus))
                << "case " << c << ", " << r;
        }
    }

    // Alone in the corners and along the borders, a cell sends all five.
    for (const auto &[c, r] : {std::pair{0, 0}, {9, 0}, {0, 17}, {9, 17}, {4, 0}, {4, 17}}) {
        remplirGrille(e.puits, caseVide);
        e.puits[c][r] = casePosee;
        EXPECT_EQ(envoyees(e.puits, c, r), attendues(c, r, cinqFaces)) << "case " << c << ", " << r;
    }
}

} // namespace
