#include "aide_touches.h"
#include "cadence.h"
#include "copie_sol.h"
#include "ecriture.h"
#include "journal.h"

#include "partie_test.h"
#include "pilotes.h"
#include "projection.h"
#include "scene.h"
#include "sol.h"
#include "surimpression.h"
#include "textures.h"
#include "traduction.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace {

// The game's catalogues, from the build folder, in this language ("en": none).
void parlerLangue(const char *langue) {
    setenv("LANGUAGE", langue, 1);
    std::setlocale(LC_ALL, "C.UTF-8");
    bindtextdomain("cubefall", CUBEFALL_LOCALE);
    bind_textdomain_codeset("cubefall", "UTF-8");
    textdomain("cubefall");
}

fakegl::Call appel(std::string nom, std::vector<double> args = {}) {
    return {std::move(nom), std::move(args), {}};
}

void ajouter(std::vector<fakegl::Call> &a, const std::vector<fakegl::Call> &suite) {
    a.insert(a.end(), suite.begin(), suite.end());
}

void comparer(const std::vector<fakegl::Call> &obtenus, const std::vector<fakegl::Call> &attendus) {
    const std::size_t n = std::min(obtenus.size(), attendus.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (obtenus[i].name != attendus[i].name || obtenus[i].args != attendus[i].args) {
            ADD_FAILURE() << "call " << i << ": " << obtenus[i].name
                          << ::testing::PrintToString(obtenus[i].args) << ", expected "
                          << attendus[i].name << ::testing::PrintToString(attendus[i].args);
            return;
        }
    }
    EXPECT_EQ(obtenus.size(), attendus.size());
}

// What the game draws a frame with: the match of the two global games, the keys, the view, the
// floor's copy and the notice.
struct Ecran {
    Vue vue = vuePour(500, 500);
    Match match{joueur1, joueur2, seuil1, seuil2};
    Liaisons liaisons;
    CopieSol copie;
    Avis avis;

    void redimensionner(int largeur, int hauteur) {
        ::redimensionner(largeur, hauteur);
        vue = vuePour(largeur, hauteur);
    }
    void dessiner() { dessinerImage({vue, match, liaisons, copie, avis, false, std::nullopt}); }
};
// Made afresh for each test.
std::unique_ptr<Ecran> ecran;

class Scene : public ::testing::Test {
protected:
    void SetUp() override {
        // The texts are read back from GLUT's bitmap calls.
        utiliserPolicesDuBureau(false);
        matchDeTest();
        ecran = std::make_unique<Ecran>();
        ecran->redimensionner(500, 500);
        fakegl::reset();
        dernierTemps = 0;
        sensInclinaison = false;
        angleInclinaison = 0;
        angleRotation = 0;
        textureBois = 3;
        textureMetal = 5;
    }
    void TearDown() override {
        ecran.reset();
        remplacerHorloge(nullptr);
        textureBois = 0;
        textureMetal = 0;
    }

    // One frame, 50 ms after the previous one, with the log of that frame alone.
    void image() {
        temps += 50;
        fakegl::reset();
        // A reading far ahead after the one that matters: a wrong wait ends instead of hanging.
        fakegl::queueElapsedTimes({temps, temps + 1000});
        ecran->dessiner();
    }

    int temps = 0;
};

TEST_F(Scene, LeSolEstUnCarreDeMetalRepete50Fois) {
    dessinerSol();
    const std::vector<lot> l = lots();
    ASSERT_EQ(l.size(), 1u);
    EXPECT_EQ(l[0].mode, static_cast<GLenum>(GL_QUADS));
    EXPECT_EQ(l[0].coins, (std::vector<coin>{
                              {100, -1, -100, 50, 0},
                              {-100, -1, -100, 0, 0},
                              {-100, -1, 100, 0, 50},
                              {100, -1, 100, 50, 50},
                          }));
    EXPECT_EQ(fakegl::calls().size(), 10u);
}

// The log one frame should give: the floor as a first frame lays it, the wells exactly as each
// draws itself, the left one as it stands, the right one 11 units along X, and the overlay. The
// game's own display callback draws the floor anew, and nothing over the wells.
std::vector<fakegl::Call> imageAttendue(const std::vector<double> &relectures,
                                        const std::vector<std::vector<double>> &rotations,
                                        bool duJeu = true) {
    fakegl::reset();
    if (duJeu) {
        CopieSol().poser(ecran->vue, rotationActive);
    } else {
        dessinerSol();
    }
    const std::vector<fakegl::Call> sol = fakegl::calls();
    fakegl::reset();
    joueur1.dessiner();
    const std::vector<fakegl::Call> puits1 = fakegl::calls();
    fakegl::reset();
    joueur2.dessiner();
    const std::vector<fakegl::Call> puits2 = fakegl::calls();
    fakegl::reset();
    if (duJeu) {
        dessinerSurimpression(ecran->vue, ecran->match,
                              {ecran->liaisons, false, std::nullopt, std::nullopt, std::nullopt});
    }
    const std::vector<fakegl::Call> surimpression = fakegl::calls();

    std::vector<fakegl::Call> a;
    for (std::size_t i = 0; i < relectures.size(); ++i) {
        a.push_back(appel("glutGet", {GLUT_ELAPSED_TIME}));
    }
    ajouter(a, {appel("glClearColor", {0, 0, 0, 1}),
                appel("glClear", {GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT}),
                appel("glLoadIdentity"), appel("gluLookAt", {10, 20, -4.999, 10, 0, -5, 0, 1, 0}),
                appel("glTranslatef", {11, 0, -5})});
    for (const auto &r : rotations) {
        a.push_back(appel("glRotatef", r));
    }
    ajouter(a, {appel("glTranslatef", {-11, 0, 5}), appel("glBindTexture", {GL_TEXTURE_2D, 5})});
    ajouter(a, sol);
    a.push_back(appel("glBindTexture", {GL_TEXTURE_2D, 3}));
    ajouter(a, puits1);
    ajouter(a, {appel("glTranslatef", {11, 0, 0}), appel("glBindTexture", {GL_TEXTURE_2D, 3})});
    ajouter(a, puits2);
    ajouter(a, surimpression);
    a.push_back(appel("glutSwapBuffers"));
    return a;
}

TEST_F(Scene, UneImageDansLOrdre) {
    modifier(joueur1, [](partieTest &t) { t.placerPiece(7, 0, 0); });
    modifier(joueur2, [](partieTest &t) { t.placerPiece(1, 9, 15); });
    const std::vector<fakegl::Call> attendus = imageAttendue({1030, 1050}, {});

    fakegl::reset();
    dernierTemps = 1000;
    fakegl::queueElapsedTimes({1030, 1050, 5000});
    ecran->dessiner();
    comparer(fakegl::calls(), attendus);
    EXPECT_EQ(dernierTemps, 1050u);

    const std::vector<fakegl::Call> duJeu = imageAttendue({1100}, {}, false);
    fakegl::reset();
    fakegl::queueElapsedTimes({1100, 5000});
    affichage();
    comparer(fakegl::calls(), duJeu);
}

// A change, then whether the frame draws the floor, keeps a copy, and where the laid copy's far
// corner takes its texels: a first frame, nothing moved, a resize, the sway on, off, at rest.
TEST_F(Scene, LeSolSeRecopieTantQueLaVueNeBougePas) {
    using Image = std::tuple<std::function<void()>, bool, bool, std::vector<double>>;
    const std::vector<Image> images = {
        {[] { ecran->redimensionner(640, 480); }, true, true, {}},
        {[] {}, false, false, {640.0 / 1024, 480.0 / 512}},
        {[] { ecran->redimensionner(500, 300); }, true, true, {}},
        {[] { rotationActive = true; }, true, false, {}},
        {[] { rotationActive = false; }, true, true, {}},
        {[] {}, false, false, {500.0 / 512, 300.0 / 512}},
    };
    for (std::size_t i = 0; i < images.size(); ++i) {
        SCOPED_TRACE(i);
        const auto &[changement, dessine, copie, texels] = images[i];
        changement();
        image();
        const std::vector<fakegl::Call> coords = fakegl::callsNamed("glTexCoord2f");
        EXPECT_EQ(std::any_of(coords.begin(), coords.end(),
                              [](const fakegl::Call &k) { return k.args[0] == 50; }),
                  dessine);
        const std::vector<fakegl::Call> copies = fakegl::callsNamed("glCopyTexSubImage2D");
        EXPECT_EQ(copies.size(), copie ? 1u : 0u);
        EXPECT_TRUE(copies.empty() || (copies[0].args[6] == ecran->vue.largeur &&
                                       copies[0].args[7] == ecran->vue.hauteur));
        ASSERT_EQ(fakegl::count("glTexEnvi") > 0, !texels.empty());
        EXPECT_TRUE(texels.empty() || coords[2].args == texels);
    }
}

// Switched on, the sway turns the scene about the pivot between the translations.
TEST_F(Scene, LeBalancementTourneAutourDuPivot) {
    rotationActive = true;
    angleInclinaison = 7;
    angleRotation = 40;
    const std::vector<fakegl::Call> attendus = imageAttendue({50}, {{8, 0, 0, 1}, {41, 0, 1, 0}});

    image();

    comparer(fakegl::calls(), attendus);
}

struct angles {
    double inclinaison;
    double rotation;
};

angles anglesDeLImage() {
    const std::vector<fakegl::Call> r = fakegl::callsNamed("glRotatef");
    EXPECT_EQ(r.size(), 2u);
    if (r.size() != 2) {
        return {0, 0};
    }
    EXPECT_EQ(r[0].args, (std::vector<double>{r[0].args[0], 0, 0, 1}));
    EXPECT_EQ(r[1].args, (std::vector<double>{r[1].args[0], 0, 1, 0}));
    return {r[0].args[0], r[1].args[0]};
}

// The tilt climbs to 30, falls to -30 and climbs again, a degree a frame: 120 frames a swing.
double inclinaisonAttendue(int image) {
    const int phase = image % 120;
    return phase <= 30 ? phase : phase <= 90 ? 60 - phase : phase - 120;
}

// 400 frames also take the spin past 360, which is never wrapped.
TEST_F(Scene, LInclinaisonOscilleEtLaRotationAvance) {
    rotationActive = true;
    std::vector<double> inclinaisons;
    for (int n = 1; n <= 400; ++n) {
        image();
        const angles a = anglesDeLImage();
        inclinaisons.push_back(a.inclinaison);
        EXPECT_EQ(a.inclinaison, inclinaisonAttendue(n)) << "image " << n;
        EXPECT_EQ(a.rotation, n) << "image " << n;
    }
    EXPECT_EQ(std::vector<double>(inclinaisons.begin(), inclinaisons.begin() + 3),
              (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(std::vector<double>(inclinaisons.begin() + 28, inclinaisons.begin() + 32),
              (std::vector<double>{29, 30, 29, 28}));
    EXPECT_EQ(std::vector<double>(inclinaisons.begin() + 88, inclinaisons.begin() + 92),
              (std::vector<double>{-29, -30, -29, -28}));
    EXPECT_EQ(std::vector<double>(inclinaisons.begin() + 148, inclinaisons.begin() + 152),
              (std::vector<double>{29, 30, 29, 28}));
}

// Off, the scene is drawn unturned and the sway keeps its angles and its direction.
TEST_F(Scene, LeBalancementArreteRepartDOuIlEtait) {
    rotationActive = true;
    for (int n = 1; n <= 48; ++n) {
        image();
    }
    const angles arret = anglesDeLImage();
    ASSERT_EQ(arret.inclinaison, 12);
    ASSERT_EQ(arret.rotation, 48);

    rotationActive = false;
    for (int n = 0; n < 5; ++n) {
        image();
        EXPECT_EQ(fakegl::count("glRotatef"), 0u);
        EXPECT_EQ(fakegl::callsNamed("glTranslatef").size(), 3u);
    }

    rotationActive = true;
    image();
    const angles reprise = anglesDeLImage();
    EXPECT_EQ(reprise.inclinaison, 11);
    EXPECT_EQ(reprise.rotation, 49);
    image();
    EXPECT_EQ(anglesDeLImage().inclinaison, 10);
}

} // namespace

namespace {

// The texts of the overlay, in order: each is written twice, a shadow and then itself, from a
// raster position of its own.
std::vector<std::string> textesEcrits() {
    std::vector<std::string> ecrits;
    for (const fakegl::Call &c : fakegl::calls()) {
        if (c.name == "glRasterPos2i") {
            ecrits.emplace_back();
        } else if (c.name == "glutBitmapCharacter" && !ecrits.empty()) {
            ecrits.back() += c.text;
        }
    }
    std::vector<std::string> textes;
    for (std::size_t i = 0; i < ecrits.size(); i += 2) {
        EXPECT_EQ(std::count(ecrits.begin() + static_cast<long>(i),
                             ecrits.begin() + static_cast<long>(std::min(i + 2, ecrits.size())),
                             ecrits[i]),
                  2);
        textes.push_back(ecrits[i]);
    }
    return textes;
}

// Drawn last, flat in window pixels, untextured, and with the state the scene counts on put back:
// the same sway, pause or not, so only what it says changes with the match.
TEST_F(Scene, LaSurimpressionDitLeScoreLeVerdictEtLaPause) {
    struct Cas {
        std::string nom;
        std::function<void()> etat;
        std::vector<std::string> textes;
    };
    const std::string relance = "Return or Space: new match";
    // The pause lists every key of the help, each group's title first.
    std::vector<std::string> pause = {"0",      "Player", "0",
                                      "Player", "Paused", "p or Escape: play on"};
    for (const GroupeAide &groupe : aideTouches(Liaisons())) {
        pause.push_back(groupe.titre);
        for (const LigneAide &ligne : groupe.lignes) {
            pause.push_back(ligne.touche);
            pause.push_back(ligne.effet);
        }
    }
    const std::vector<Cas> cas = {
        {"scores and who plays",
         [] {
             modifier(joueur1, [](partieTest &t) { t.score = 1250; });
             ecran->match.choisirPilote(1, {true, Niveau::difficile}, 0);
         },
         {"1250", "Player", "0", "Computer \xB7 Hard"}},
        {"garbage waiting",
         [] {
             modifier(joueur2, [](partieTest &t) { t.penalite = 2; });
             modifier(joueur1, [](partieTest &t) { t.penalite = 1; });
         },
         {"0", "Player", "+1 row", "0", "Player", "+2 rows"}},
        {"verdict and tally",
         [] {
             modifier(joueur1, [](partieTest &t) { t.fini = true; });
             ecran->match.compterIssue();
         },
         {"0", "Player", "0", "Player", "Loser", relance, "Winner", relance, "0 - 1"}},
        {"pause", [] { ecran->match.basculerPause(); }, pause},
    };
    for (const Cas &c : cas) {
        SCOPED_TRACE(c.nom);
        matchDeTest();
        c.etat();
        rotationActive = true;
        ecran->redimensionner(640, 480);
        image();
        const std::vector<fakegl::Call> appels = fakegl::calls();
        EXPECT_EQ(textesEcrits(), c.textes);

        // After the last well and before the swap: a window-sized projection, identity model-view.
        const auto debut = std::find_if(appels.begin(), appels.end(), [](const fakegl::Call &k) {
            return k.name == "glPushMatrix";
        });
        ASSERT_NE(debut, appels.end());
        const std::vector<std::string> entree = {"glPushMatrix", "glLoadIdentity", "glOrtho",
                                                 "glMatrixMode", "glLoadIdentity", "glDisable"};
        for (std::size_t i = 0; i < entree.size(); ++i) {
            EXPECT_EQ(debut[static_cast<long>(i)].name, entree[i]);
        }
        // 500 units high, whatever the window's size: the overlay keeps its share of it.
        ASSERT_EQ(debut[2].args.size(), 6u);
        EXPECT_NEAR(debut[2].args[1], 640.0 * 500 / 480, 1e-3);
        EXPECT_EQ(debut[2].args[3], 500);
        EXPECT_EQ(debut[-1].args, (std::vector<double>{GL_PROJECTION}));
        EXPECT_EQ(debut[3].args, (std::vector<double>{GL_MODELVIEW}));
        EXPECT_EQ(std::count_if(debut, appels.end(),
                                [](const fakegl::Call &k) { return k.name == "glVertex3f"; }) %
                      4,
                  0);
        const std::vector<std::string> fin = {"glEnable",    "glColor3f",    "glMatrixMode",
                                              "glPopMatrix", "glMatrixMode", "glutSwapBuffers"};
        ASSERT_GE(appels.size(), fin.size());
        for (std::size_t i = 0; i < fin.size(); ++i) {
            EXPECT_EQ(appels[appels.size() - fin.size() + i].name, fin[i]);
        }
        EXPECT_EQ(appels[appels.size() - 5].args, (std::vector<double>{1, 1, 1}));
        // The sway of the frame was not held back by the overlay, nor by a pause: it stands still.
        EXPECT_EQ(angleRotation, ecran->match.enPause() ? 0 : 1);
        angleRotation = angleInclinaison = 0;
        sensInclinaison = false;
        ecran = std::make_unique<Ecran>();
    }
}

// The desktop's fonts draw the text, in each language: in the smallest windows and in a 4K one, the
// longest notice and address lie on as many lines as it takes, and every glyph and panel of the
// overlay inside the window; in a window twice as high, text twice as large.
TEST_F(Scene, LesTextesTiennentDansLaFenetreEnChaqueLangue) {
    utiliserPolicesDuBureau(true);
    const std::string adresse(64, '7');
    for (const char *langue : {"en", "fr"}) {
        SCOPED_TRACE(langue);
        parlerLangue(langue);
        const std::string avis =
            _("The other player is gone: the match waits for them two minutes");
        if (std::string(langue) == "fr") {
            EXPECT_NE(avis, "The other player is gone: the match waits for them two minutes");
        }
        for (const auto &[largeur, hauteur] :
             {std::pair{320, 320}, std::pair{320, 700}, std::pair{3840, 2160}}) {
            SCOPED_TRACE(std::to_string(largeur) + " x " + std::to_string(hauteur));
            matchDeTest();
            modifier(joueur2, [](partieTest &t) {
                t.penalite = 12;
                t.score = 123450;
            });
            ecran = std::make_unique<Ecran>();
            ecran->redimensionner(largeur, hauteur);
            ecran->match.choisirPilote(1, {true, Niveau::difficile}, 0);
            ecran->match.basculerPause();
            fakegl::reset();
            // The pause panel and a replay's line, then the field, which stands alone, then the
            // verdict.
            dessinerSurimpression(
                ecran->vue, ecran->match,
                {ecran->liaisons,
                 false,
                 avis,
                 {},
                 remplir(_("Replay {1} / {2} \u00B7 {3}"), {"12:34", "56:07", _("paused")})});
            dessinerSurimpression(ecran->vue, ecran->match,
                                  {ecran->liaisons, false, avis, adresse, {}});
            modifier(joueur1, [](partieTest &t) { t.fini = true; });
            ecran->match.basculerPause();
            dessinerSurimpression(
                ecran->vue, ecran->match,
                {ecran->liaisons, false, std::nullopt, std::nullopt, std::nullopt});
            const std::vector<double> boite = fakegl::callsNamed("glOrtho").at(0).args;
            const std::vector<fakegl::Call> sommets = fakegl::callsNamed("glVertex3f");
            ASSERT_GT(sommets.size(), 1000u);
            for (const fakegl::Call &v : sommets) {
                ASSERT_GE(v.args[0], boite[0]);
                ASSERT_LE(v.args[0], boite[1]);
                ASSERT_GE(v.args[1], boite[2]);
                ASSERT_LE(v.args[1], boite[3]);
            }
            EXPECT_EQ(fakegl::count("glutBitmapCharacter"), 0u);
        }
    }
    parlerLangue("en");

    // A window dragged through many sizes keeps the glyphs of a few: textures made are deleted.
    oublierGlyphes();
    fakegl::reset();
    for (int hauteur = 300; hauteur < 1500; hauteur += 20) {
        ecran->redimensionner(hauteur, hauteur);
        dessinerSurimpression(ecran->vue, ecran->match,
                              {ecran->liaisons, false, std::nullopt, std::nullopt, std::nullopt});
    }
    const std::size_t vivantes = fakegl::count("glGenTextures") - fakegl::count("glDeleteTextures");
    EXPECT_LE(vivantes, 8u);

    // The same text takes the same share of a window twice as high, from glyphs twice as large.
    ecran->redimensionner(500, 500);
    const float petit = largeurTexte(policeGrande, "Paused 1250", 1);
    const float grand = largeurTexte(policeGrande, "Paused 1250", 2);
    EXPECT_NEAR(grand, petit, petit * 0.04);
    utiliserPolicesDuBureau(false);
}

} // namespace
