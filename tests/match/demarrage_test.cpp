#include "demarrage.h"

#include "fakegl.h"
#include "match.h"
#include "scene.h"
#include "textures.h"

#include <GL/freeglut.h>
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

void ecrire16(std::vector<unsigned char> &o, std::uint16_t v) {
    o.push_back(static_cast<unsigned char>(v & 0xFF));
    o.push_back(static_cast<unsigned char>(v >> 8));
}

void ecrire32(std::vector<unsigned char> &o, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        o.push_back(static_cast<unsigned char>((v >> (8 * i)) & 0xFF));
    }
}

// A 4 x 4 picture in 24 bits, with the "BM" file header: rows of 12 bytes need no filler.
void ecrireImage(const std::string &nom) {
    std::vector<unsigned char> o = {'B', 'M'};
    ecrire32(o, 54 + 48);
    ecrire16(o, 0);
    ecrire16(o, 0);
    ecrire32(o, 54);
    for (std::uint32_t v : {40u, 4u, 4u}) {
        ecrire32(o, v);
    }
    ecrire16(o, 1);
    ecrire16(o, 24);
    for (std::uint32_t v : {0u, 48u, 2835u, 2835u, 0u, 0u}) {
        ecrire32(o, v);
    }
    for (int i = 0; i < 48; ++i) {
        o.push_back(static_cast<unsigned char>(i * 5));
    }
    std::FILE *f = std::fopen(nom.c_str(), "wb");
    ASSERT_NE(f, nullptr) << nom;
    std::fwrite(o.data(), 1, o.size(), f);
    std::fclose(f);
}

std::string dossierCourant() {
    char chemin[4096];
    return getcwd(chemin, sizeof chemin) ? chemin : "";
}

// Each test runs in a scratch folder of its own, and the working folder is put back after.
class Demarrage : public ::testing::Test {
protected:
    void SetUp() override {
        retour = dossierCourant();
        std::string modele = ::testing::TempDir() + "cubefall_demarrage_XXXXXX";
        ASSERT_NE(mkdtemp(modele.data()), nullptr);
        dossier = modele;
        ASSERT_EQ(chdir(dossier.c_str()), 0);
        textureBois = 0;
        textureMetal = 0;
        fakegl::reset();
    }
    void TearDown() override {
        std::remove("bois.bmp");
        std::remove("metal.bmp");
        EXPECT_EQ(chdir(retour.c_str()), 0);
        rmdir(dossier.c_str());
        textureBois = 0;
        textureMetal = 0;
    }

    int lancer() {
        char programme[] = "cubefall";
        char option[] = "-display";
        char valeur[] = ":9";
        char *argv[] = {programme, option, valeur, nullptr};
        return demarrer(3, argv);
    }

    // What the texture step alone sends in this folder, from a fresh context.
    std::vector<fakegl::Call> appelsDesTextures() {
        fakegl::reset();
        chargerTextures();
        std::vector<fakegl::Call> appels = fakegl::calls();
        fakegl::reset();
        textureBois = 0;
        textureMetal = 0;
        return appels;
    }

    std::string retour;
    std::string dossier;
};

struct appel {
    std::string nom;
    std::vector<double> args;
    std::string texte;
};

std::vector<appel> debutAttendu() {
    return {
        {"glutInit", {3}, "cubefall -display :9"},
        {"glutInitDisplayMode", {GLUT_DOUBLE | GLUT_DEPTH}, ""},
        {"glutCreateWindow", {}, "Cubefall"},
        {"glViewport", {0, 0, 500, 500}, ""},
        {"glMatrixMode", {GL_PROJECTION}, ""},
        {"glLoadIdentity", {}, ""},
        {"gluPerspective", {60, 1, 0, 10}, ""},
        {"glMatrixMode", {GL_MODELVIEW}, ""},
    };
}

std::vector<appel> finAttendue() {
    return {
        {"glEnable", {GL_TEXTURE_2D}, ""}, {"glPolygonMode", {GL_FRONT, GL_FILL}, ""},
        {"glEnable", {GL_CULL_FACE}, ""},  {"glutReshapeFunc", {}, ""},
        {"glutDisplayFunc", {}, ""},       {"glutIdleFunc", {}, ""},
        {"glutTimerFunc", {1000, 0}, ""},  {"glutKeyboardFunc", {}, ""},
        {"glutSpecialFunc", {}, ""},       {"glutMainLoop", {}, ""},
    };
}

void comparer(const std::vector<fakegl::Call> &obtenus, const std::vector<appel> &attendus) {
    ASSERT_EQ(obtenus.size(), attendus.size());
    for (std::size_t i = 0; i < attendus.size(); ++i) {
        EXPECT_EQ(obtenus[i].name, attendus[i].nom) << i;
        EXPECT_EQ(obtenus[i].args, attendus[i].args) << i << " " << attendus[i].nom;
        EXPECT_EQ(obtenus[i].text, attendus[i].texte) << i << " " << attendus[i].nom;
    }
}

std::vector<appel> enAppels(const std::vector<fakegl::Call> &c) {
    std::vector<appel> a;
    for (const fakegl::Call &k : c) {
        a.push_back({k.name, k.args, k.text});
    }
    return a;
}

// With either picture or both, the game starts: window, projection, textures, lasting state,
// callbacks, loop, in that order and nothing else.
TEST_F(Demarrage, LeJeuDemarreDesQuUneImageSeCharge) {
    struct cas {
        bool bois;
        bool metal;
    };
    for (const cas c : {cas{true, true}, cas{false, true}, cas{true, false}}) {
        SCOPED_TRACE(std::string(c.bois ? "bois.bmp " : "") + (c.metal ? "metal.bmp" : ""));
        std::remove("bois.bmp");
        std::remove("metal.bmp");
        if (c.bois) {
            ecrireImage("bois.bmp");
        }
        if (c.metal) {
            ecrireImage("metal.bmp");
        }
        const std::vector<fakegl::Call> textures = appelsDesTextures();
        EXPECT_EQ(std::count_if(textures.begin(), textures.end(),
                                [](const fakegl::Call &k) { return k.name == "glTexImage2D"; }),
                  int(c.bois) + int(c.metal));

        ::testing::internal::CaptureStderr();
        lancer();
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");

        std::vector<appel> attendus = debutAttendu();
        const std::vector<appel> t = enAppels(textures);
        attendus.insert(attendus.end(), t.begin(), t.end());
        const std::vector<appel> fin = finAttendue();
        attendus.insert(attendus.end(), fin.begin(), fin.end());
        comparer(fakegl::calls(), attendus);

        EXPECT_EQ(textureBois != 0, c.bois);
        EXPECT_EQ(textureMetal != 0, c.metal);

        const fakegl::Callbacks &cb = fakegl::callbacks();
        EXPECT_EQ(cb.reshape, &redimensionner);
        EXPECT_EQ(cb.display, &affichage);
        EXPECT_EQ(cb.idle, &affichage);
        EXPECT_EQ(cb.timer, &minuterie);
        EXPECT_EQ(cb.timerMs, 1000u);
        EXPECT_EQ(cb.keyboard, &clavier);
        EXPECT_EQ(cb.special, &clavierSpecial);
    }
}

// Without any picture the window has opened, so the player is told why it closes at once.
TEST_F(Demarrage, SansImageLeJeuDitOuIlACherche) {
    ::testing::internal::CaptureStderr();
    const int statut = lancer();
    const std::string message = ::testing::internal::GetCapturedStderr();

    EXPECT_EQ(statut, 1);
    comparer(fakegl::calls(), debutAttendu());

    const fakegl::Callbacks &cb = fakegl::callbacks();
    EXPECT_EQ(cb.display, nullptr);
    EXPECT_EQ(cb.idle, nullptr);
    EXPECT_EQ(cb.reshape, nullptr);
    EXPECT_EQ(cb.timer, nullptr);
    EXPECT_EQ(cb.keyboard, nullptr);
    EXPECT_EQ(cb.special, nullptr);
    EXPECT_EQ(textureBois, 0u);
    EXPECT_EQ(textureMetal, 0u);

    ASSERT_FALSE(message.empty());
    EXPECT_EQ(message.find('\n'), message.size() - 1) << message;
    EXPECT_NE(message.find("bois.bmp"), std::string::npos) << message;
    EXPECT_NE(message.find("metal.bmp"), std::string::npos) << message;
    EXPECT_NE(message.find(dossierCourant()), std::string::npos) << message;
}

} // namespace
