// chargerBMP and chargerTextures against the recording OpenGL fake, in a folder of their own.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "fakegl.h"
#include "memoire_dib.h"
#include "outils_test.h"
#include "textures.h"

// Every free() of the texture code and of the decoder comes through here (the test program is
// linked with --wrap=free), so that a test can tell which blocks were released, and in which order.
extern "C" void __real_free(void *bloc);

namespace {
// What happened to the heap while chargerTextures ran: the decoder's blocks as they were obtained
// and every block released, in one timeline (addresses are reused from one picture to the next).
struct Evenement {
    bool obtenu;
    void *bloc;
    std::size_t taille;
};
bool ecouterLiberations = false;
std::vector<Evenement> journal;

void *allocateurNote(std::size_t taille) {
    void *bloc = std::malloc(taille);
    journal.push_back({true, bloc, taille});
    return bloc;
}
} // namespace

extern "C" void __wrap_free(void *bloc) {
    if (ecouterLiberations && bloc)
        journal.push_back({false, bloc, 0});
    __real_free(bloc);
}

namespace {
namespace fs = std::filesystem;

Octets image24(int largeur, int hauteur, std::uint8_t teinte) {
    FabriqueBMP f;
    f.largeur = largeur;
    f.hauteur = hauteur;
    std::vector<std::vector<RVB>> lignes(static_cast<std::size_t>(hauteur));
    for (int y = 0; y < hauteur; ++y)
        for (int x = 0; x < largeur; ++x)
            lignes[y].push_back(
                RVB{teinte, static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y)});
    f.pixels = lignes24(lignes);
    return f.octets();
}

// Runs each test in an empty folder of its own, with a fresh fake and no texture names given.
class Textures : public testing::Test {
protected:
    void SetUp() override {
        ancien_ = fs::current_path();
        dossier_ = fs::temp_directory_path() /
                   ("cubefall_textures_" + std::to_string(getpid()) + "_" +
                    testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dossier_);
        fs::current_path(dossier_);
        fakegl::reset();
        textureBois = 0;
        textureMetal = 0;
        journal.clear();
        allocateurAncien_ = remplacerAllocateurDIB(allocateurNote);
    }
    void TearDown() override {
        remplacerAllocateurDIB(allocateurAncien_);
        fs::current_path(ancien_);
        fs::remove_all(dossier_);
    }

    static void ecrire(const char *nom, const Octets &octets) {
        std::ofstream(nom, std::ios::binary)
            .write(reinterpret_cast<const char *>(octets.data()),
                   static_cast<std::streamsize>(octets.size()));
    }

    // Runs chargerTextures and returns what it wrote to standard error.
    static std::string charger(int &resultat) {
        CaptureErreurs capture;
        ecouterLiberations = true;
        resultat = chargerTextures();
        ecouterLiberations = false;
        return capture.texte();
    }

    fs::path ancien_, dossier_;
    AllocateurDIB allocateurAncien_ = nullptr;
};

// The calls that make one texture, as the scene expects them, alignment 4 in force before.
void verifierTexture(std::size_t debut, unsigned nom, int largeur, int hauteur) {
    const auto &appels = fakegl::calls();
    ASSERT_GE(appels.size(), debut + 8);
    const auto args = [&](std::size_t i) { return appels[debut + i].args; };
    EXPECT_EQ(appels[debut].name, "glGenTextures");
    EXPECT_EQ(args(0), (std::vector<double>{1}));
    EXPECT_EQ(appels[debut + 1].name, "glBindTexture");
    EXPECT_EQ(args(1), (std::vector<double>{GL_TEXTURE_2D, double(nom)}));
    EXPECT_EQ(appels[debut + 2].name, "glGetIntegerv");
    EXPECT_EQ(args(2), (std::vector<double>{GL_UNPACK_ALIGNMENT}));
    EXPECT_EQ(appels[debut + 3].name, "glPixelStorei");
    EXPECT_EQ(args(3), (std::vector<double>{GL_UNPACK_ALIGNMENT, 1}));
    EXPECT_EQ(appels[debut + 4].name, "glTexImage2D");
    EXPECT_EQ(args(4), (std::vector<double>{GL_TEXTURE_2D, 0, 3, double(largeur), double(hauteur),
                                            0, GL_RGB, GL_UNSIGNED_BYTE}));
    EXPECT_EQ(appels[debut + 5].name, "glPixelStorei");
    EXPECT_EQ(args(5), (std::vector<double>{GL_UNPACK_ALIGNMENT, 4}));
    EXPECT_EQ(appels[debut + 6].name, "glTexParameteri");
    EXPECT_EQ(args(6), (std::vector<double>{GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR}));
    EXPECT_EQ(appels[debut + 7].name, "glTexParameteri");
    EXPECT_EQ(args(7), (std::vector<double>{GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR}));
}

// Each block the decoder obtained was released once; of each picture handed over, the pixel block
// (the decoder's second-to-last block) before the record (its last, the only one of its size).
void verifierLiberations(std::size_t images) {
    std::vector<std::size_t> vivants; // indices in the journal of the blocks not yet released
    std::vector<std::size_t> liberation(journal.size(), 0);
    for (std::size_t i = 0; i < journal.size(); ++i) {
        if (journal[i].obtenu) {
            vivants.push_back(i);
            continue;
        }
        const auto vivant = std::find_if(vivants.begin(), vivants.end(), [&](std::size_t j) {
            return journal[j].bloc == journal[i].bloc;
        });
        if (vivant != vivants.end()) {
            liberation[*vivant] = i;
            vivants.erase(vivant);
        }
    }
    for (std::size_t j : vivants)
        ADD_FAILURE() << "block of " << journal[j].taille << " bytes never released";
    std::size_t enregistrements = 0, precedent = 0;
    for (std::size_t i = 0; i < journal.size(); ++i) {
        if (!journal[i].obtenu)
            continue;
        if (journal[i].taille == sizeof(imageRGB)) {
            ++enregistrements;
            EXPECT_LT(liberation[precedent], liberation[i]) << "pixel block before the record";
        }
        precedent = i;
    }
    EXPECT_EQ(enregistrements, images);
}
} // namespace

TEST_F(Textures, AucunFichier) {
    int resultat = -1;
    EXPECT_EQ(charger(resultat), "");
    EXPECT_EQ(resultat, 0);
    EXPECT_EQ(fakegl::count("glGenTextures"), 0u);
    EXPECT_TRUE(fakegl::calls().empty());
    EXPECT_EQ(textureBois, 0u);
    EXPECT_EQ(textureMetal, 0u);
}

TEST_F(Textures, BoisEtMetal) {
    ecrire("bois.bmp", image24(4, 2, 200));
    ecrire("metal.bmp", image24(8, 4, 100));
    int resultat = 0;
    EXPECT_EQ(charger(resultat), "");
    EXPECT_EQ(resultat, 1);
    EXPECT_NE(textureBois, 0u);
    EXPECT_NE(textureMetal, 0u);
    EXPECT_NE(textureBois, textureMetal);
    ASSERT_EQ(fakegl::calls().size(), 16u) << "two textures and nothing else";
    verifierTexture(0, textureBois, 4, 2);
    verifierTexture(8, textureMetal, 8, 4);
    ASSERT_EQ(fakegl::uploads().size(), 2u);
    EXPECT_EQ(fakegl::uploads()[0].texture, textureBois);
    EXPECT_EQ(fakegl::uploads()[0].pixels[0], 200);
    EXPECT_EQ(fakegl::uploads()[1].texture, textureMetal);
    EXPECT_EQ(fakegl::uploads()[1].pixels[0], 100);
    verifierLiberations(2);
}

TEST_F(Textures, SeulementMetal) {
    ecrire("metal.bmp", image24(4, 4, 50));
    int resultat = 0;
    EXPECT_EQ(charger(resultat), "");
    EXPECT_EQ(resultat, 1);
    EXPECT_EQ(textureBois, 0u);
    EXPECT_NE(textureMetal, 0u);
    verifierTexture(0, textureMetal, 4, 4);
    verifierLiberations(1);
}

// The empty wood shows the decoder's one message; the metal still loads.
TEST_F(Textures, BoisVide) {
    ecrire("bois.bmp", {});
    ecrire("metal.bmp", image24(4, 4, 50));
    int resultat = 0;
    EXPECT_EQ(charger(resultat), "Error: Failed to open DIB file bois.bmp.\n");
    EXPECT_EQ(resultat, 1);
    EXPECT_EQ(textureBois, 0u);
    EXPECT_NE(textureMetal, 0u);
    EXPECT_EQ(fakegl::count("glGenTextures"), 1u);
    verifierLiberations(1);
}

// Rows of 5 pixels are 15 bytes: with the default alignment OpenGL would read 16 a row, past the
// end of the block. The upload reads exactly the packed rows, and the alignment is put back.
TEST_F(Textures, LargeurQuiNEstPasMultipleDeQuatre) {
    ecrire("bois.bmp", image24(5, 3, 7));
    fakegl::reset();
    GLint alignement = 8;
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignement);
    int resultat = 0;
    charger(resultat);
    ASSERT_EQ(fakegl::uploads().size(), 1u);
    const fakegl::Upload &envoi = fakegl::uploads()[0];
    EXPECT_EQ(envoi.alignment, 1);
    ASSERT_EQ(envoi.pixels.size(), 45u);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) {
            const unsigned char *p = envoi.pixels.data() + (y * 5 + x) * 3;
            EXPECT_EQ(p[0], 7);
            EXPECT_EQ(p[1], x);
            EXPECT_EQ(p[2], y);
        }
    EXPECT_EQ(fakegl::unpackAlignment(), 8);
}

TEST_F(Textures, ChargerBMP) {
    CaptureErreurs capture;
    EXPECT_EQ(chargerBMP(nullptr), nullptr);
    EXPECT_EQ(chargerBMP("absent.bmp"), nullptr);
    EXPECT_EQ(capture.texte(), "") << "a missing file is not reported";
    ecrire("bruit.bmp", {'B', 'M', 1, 2, 3});
    EXPECT_EQ(chargerBMP("bruit.bmp"), nullptr);
    EXPECT_EQ(capture.texte(), "Error: Unknown DIB file format. (bruit.bmp)\n");
    ecrire("bon.bmp", image24(2, 2, 9));
    const Image image(chargerBMP("bon.bmp"));
    ASSERT_TRUE(image);
    EXPECT_EQ(pixel(*image, 1, 1), (RVB{9, 1, 1}));
}
