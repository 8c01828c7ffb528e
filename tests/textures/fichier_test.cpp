// chargerImageDIB on real files: what cannot be opened gets the one opening message with the whole
// name, and a file on disk decodes as its bytes do.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "fichier.h"
#include "message.h"
#include "outils_test.h"

namespace {
namespace fs = std::filesystem;

class Fichiers : public testing::Test {
protected:
    void SetUp() override {
        dossier_ =
            fs::temp_directory_path() /
            ("cubefall_dib_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dossier_);
    }
    void TearDown() override { fs::remove_all(dossier_); }

    std::string ecrire(const std::string &nom, const Octets &octets) {
        const fs::path chemin = dossier_ / nom;
        std::ofstream(chemin, std::ios::binary)
            .write(reinterpret_cast<const char *>(octets.data()),
                   static_cast<std::streamsize>(octets.size()));
        return chemin.string();
    }

    // Loads the file and returns what was written to standard error.
    static std::string echecDe(const std::string &nom) {
        CaptureErreurs capture;
        EXPECT_EQ(chargerImageDIB(nom.c_str()), nullptr);
        return capture.texte();
    }

    fs::path dossier_;
};

std::string messageOuverture(const std::string &nom) {
    return "Error: Failed to open DIB file " + nom + ".\n";
}
} // namespace

TEST_F(Fichiers, AbsentVideOuDossier) {
    const std::string absent = (dossier_ / "absent.bmp").string();
    EXPECT_EQ(echecDe(absent), messageOuverture(absent));
    const std::string vide = ecrire("vide.bmp", {});
    EXPECT_EQ(echecDe(vide), messageOuverture(vide));
    EXPECT_EQ(echecDe(dossier_.string()), messageOuverture(dossier_.string()));
}

// The name is shown whole, far past the 256 bytes a fixed buffer would hold.
TEST_F(Fichiers, NomTresLongMontreEntier) {
    const std::string nom = (dossier_ / std::string(200, 'a') / std::string(200, 'b')).string() +
                            "/" + std::string(255, 'c') + ".bmp";
    EXPECT_EQ(echecDe(nom), messageOuverture(nom));
}

TEST_F(Fichiers, FichierValideSansMessage) {
    FabriqueBMP f;
    f.largeur = 2;
    f.pixels = lignes24({{RVB{1, 2, 3}, RVB{4, 5, 6}}});
    const std::string nom = ecrire("deux.bmp", f.octets());
    CaptureErreurs capture;
    const Image image(chargerImageDIB(nom.c_str()));
    ASSERT_TRUE(image);
    EXPECT_EQ(pixel(*image, 1, 0), (RVB{4, 5, 6}));
    EXPECT_EQ(capture.texte(), "");
}

// A file that opens but does not decode shows the decoder's message, not the opening one, and
// names the file, both on standard error and to an installed destination; a message given once
// the reading is over names none.
TEST_F(Fichiers, FichierIllisibleUnSeulMessage) {
    const std::string nom = ecrire("texte.bmp", {'h', 'e', 'l', 'l', 'o', '\n'});
    EXPECT_EQ(echecDe(nom), "Error: Unknown DIB file format. (" + nom + ")\n");

    static std::vector<std::pair<std::string, std::string>> recus;
    recus.clear();
    const SortieMessages ancienne =
        remplacerSortieMessages([](const char *texte, const char *fichier) {
            recus.emplace_back(texte, fichier ? fichier : "(none)");
        });
    EXPECT_EQ(chargerImageDIB(nom.c_str()), nullptr);
    afficherErreur("after");
    remplacerSortieMessages(ancienne);
    EXPECT_EQ(recus, (std::vector<std::pair<std::string, std::string>>{
                         {"Unknown DIB file format.", nom}, {"after", "(none)"}}));
}

// From disk the pixels are read a piece at a time, straight into the picture: pictures of several
// pieces (one top-down, one with a V5 header, one whose rows are each longer than the first bytes
// read) and a run-length one come out as from memory. A
// file that becomes shorter after it was opened is refused, not read past its end.
TEST_F(Fichiers, LuParMorceauxCommeEnMemoire) {
    std::vector<FabriqueBMP> formes(4);
    formes[0].largeur = 301; // rows with filler, 212 KiB: two pieces
    formes[0].hauteur = -241;
    formes[1].tailleEntete = 124;
    formes[1].largeur = 1024;
    formes[1].hauteur = 200;
    formes[1].bits = 8;
    formes[2] = formes[1];
    formes[2].compression = 1;
    formes[2].hauteur = 2;
    for (int i = 0; i < 256; ++i)
        for (int k : {1, 2})
            formes[k].couleurs.push_back(RVB{std::uint8_t(i), std::uint8_t(i * 7), 9});
    formes[3].largeur = 70000;
    formes[3].hauteur = 2;
    formes[3].bits = 32;
    for (FabriqueBMP *f : {&formes[0], &formes[1], &formes[3]}) {
        const std::size_t pas = (f->bits * static_cast<std::size_t>(f->largeur) + 31) / 32 * 4;
        f->pixels.resize(pas * static_cast<std::size_t>(std::abs(f->hauteur)));
        for (std::size_t i = 0; i < f->pixels.size(); ++i)
            f->pixels[i] = static_cast<std::uint8_t>(i * 31 + i / 997);
    }
    formes[2].pixels = {255, 4, 255, 5, 0, 0, 7, 200, 0, 1};

    for (std::size_t i = 0; i < formes.size(); ++i) {
        const Octets octets = formes[i].octets();
        const std::string nom = ecrire("forme" + std::to_string(i) + ".bmp", octets);
        const Image enMemoire = decoder(octets);
        const Image depuisFichier(chargerImageDIB(nom.c_str()));
        ASSERT_TRUE(enMemoire && depuisFichier) << i;
        ASSERT_EQ(depuisFichier->largeur, enMemoire->largeur);
        ASSERT_EQ(depuisFichier->hauteur, enMemoire->hauteur);
        const std::size_t taille =
            3 * static_cast<std::size_t>(enMemoire->largeur) * enMemoire->hauteur;
        EXPECT_EQ(std::memcmp(depuisFichier->donnees, enMemoire->donnees, taille), 0) << i;

        FichierDIB fichier;
        ASSERT_TRUE(fichier.ouvrir(nom.c_str()));
        fs::resize_file(nom, octets.size() - 1);
        CaptureErreurs capture;
        EXPECT_EQ(decoderFichierDIB(fichier), nullptr);
        EXPECT_EQ(capture.texte(), "Error: Image file conversion error.\n") << i;
    }
}
