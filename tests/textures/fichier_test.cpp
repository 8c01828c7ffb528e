// chargerImageDIB on real files: what cannot be opened gets the one opening message with the whole
// name, and a file on disk decodes as its bytes do.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

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
