// Files the decoder refuses: each gives null and exactly one message, and none is read past its end
// or makes the decoder allocate what its length cannot justify.
#include <gtest/gtest.h>

#include <climits>

#include "memoire_dib.h"
#include "outils_test.h"

namespace {
const char *const formatInconnu = "Error: Unknown DIB file format.\n";
const char *const conversionImpossible = "Error: Image file conversion error.\n";
const char *const manqueDeMemoire = "Error: Out of memory.\n";

// Decodes exact copies of the bytes (so that the sanitizers see any read past the end) and
// returns what was written to standard error.
std::string messageDe(const Octets &octets) {
    const Octets copie(octets);
    CaptureErreurs capture;
    const Image image = decoder(copie);
    EXPECT_FALSE(image);
    return capture.texte();
}

FabriqueBMP huitBits(int largeur, int hauteur) {
    FabriqueBMP f;
    f.largeur = largeur;
    f.hauteur = hauteur;
    f.bits = 8;
    f.couleurs.assign(256, RVB{1, 2, 3});
    f.pixels = Octets(static_cast<std::size_t>((largeur + 3) / 4 * 4) * hauteur, 0);
    return f;
}

// Allocations seen since the last reset, and which one is to fail.
std::size_t plusGrandeAllocation = 0;
int allocations = 0;
int allocationQuiEchoue = 0;

void *allocateurEspion(std::size_t taille) {
    ++allocations;
    if (taille > plusGrandeAllocation)
        plusGrandeAllocation = taille;
    return allocations == allocationQuiEchoue ? nullptr : std::malloc(taille);
}

class AvecAllocateurEspion : public testing::Test {
protected:
    void SetUp() override {
        plusGrandeAllocation = 0;
        allocations = 0;
        allocationQuiEchoue = 0;
        ancien_ = remplacerAllocateurDIB(allocateurEspion);
    }
    void TearDown() override { remplacerAllocateurDIB(ancien_); }

private:
    AllocateurDIB ancien_ = nullptr;
};
} // namespace

TEST(Echecs, EnteteInconnuOuTropCourt) {
    for (std::uint32_t taille : {0u, 11u, 15u, 65u, 100u, 128u}) {
        FabriqueBMP f = huitBits(4, 1);
        f.tailleEntete = taille;
        EXPECT_EQ(messageDe(f.octets()), formatInconnu) << taille;
    }
    const Octets complet = huitBits(4, 1).octets();
    // Cut inside the file header, the size field, the header and the colour table.
    for (std::size_t longueur : {1u, 2u, 13u, 16u, 30u, 53u, 54u + 255 * 4}) {
        EXPECT_EQ(messageDe(Octets(complet.begin(), complet.begin() + longueur)), formatInconnu)
            << longueur;
    }
    // A colour table announced far longer than the file.
    FabriqueBMP f = huitBits(4, 1);
    f.couleursUtilisees = 60000;
    EXPECT_EQ(messageDe(f.octets()), formatInconnu);
    // Bit fields whose masks are missing.
    FabriqueBMP champs;
    champs.enteteFichier = false;
    champs.bits = 32;
    champs.compression = 3;
    champs.masques = {0xFF0000, 0xFF00};
    EXPECT_EQ(messageDe(champs.octets()), formatInconnu);
    // Compression 6 brings a fourth mask, for alpha.
    champs.compression = 6;
    champs.masques = {0xFF0000, 0xFF00, 0xFF};
    EXPECT_EQ(messageDe(champs.octets()), formatInconnu);
    // A V5 header, and an OS/2 one, that the file ends inside.
    for (std::uint32_t taille : {124u, 64u}) {
        FabriqueBMP f;
        f.tailleEntete = taille;
        const Octets complet = f.octets();
        EXPECT_EQ(messageDe(Octets(complet.begin(), complet.begin() + 14 + taille - 1)),
                  formatInconnu);
    }
}

TEST(Echecs, FormesRefusees) {
    struct Cas {
        std::uint16_t bits;
        std::uint32_t compression;
        std::uint32_t tailleEntete = 40;
    };
    // Unknown depths, JPEG and PNG inside a bitmap, run lengths and bit fields at the wrong
    // depths; OS/2's Huffman 1D (3) and 24-bit run lengths (4), in whole and shortened headers.
    for (Cas cas : {Cas{2, 0}, Cas{0, 0}, Cas{48, 0}, Cas{24, 4}, Cas{24, 5}, Cas{4, 1}, Cas{8, 2},
                    Cas{24, 3}, Cas{8, 3}, Cas{8, 6}, Cas{24, 5, 124}, Cas{1, 3, 64},
                    Cas{24, 4, 64}, Cas{1, 3, 20}, Cas{32, 3, 64}}) {
        FabriqueBMP f = huitBits(4, 2);
        f.bits = cas.bits;
        f.compression = cas.compression;
        f.tailleEntete = cas.tailleEntete;
        if (cas.tailleEntete == 40 && (cas.compression == 3 || cas.compression == 6))
            f.masques = {1, 2, 4, 8};
        EXPECT_EQ(messageDe(f.octets()), conversionImpossible)
            << cas.bits << " " << cas.compression << " " << cas.tailleEntete;
    }
    FabriqueBMP plans = huitBits(4, 1);
    plans.plans = 2;
    EXPECT_EQ(messageDe(plans.octets()), conversionImpossible);
}

TEST(Echecs, TaillesImpossibles) {
    for (auto [largeur, hauteur] :
         {std::pair{0, 1}, std::pair{4, 0}, std::pair{-4, 1}, std::pair{4, INT_MIN},
          std::pair{INT_MAX, INT_MAX}, std::pair{INT_MAX, INT_MIN + 1}}) {
        FabriqueBMP f = huitBits(4, 1);
        f.largeur = largeur;
        f.hauteur = hauteur;
        EXPECT_EQ(messageDe(f.octets()), conversionImpossible) << largeur << " x " << hauteur;
    }
    // The core header's zero sizes.
    FabriqueBMP core = huitBits(4, 1);
    core.tailleEntete = 12;
    core.largeur = 0;
    EXPECT_EQ(messageDe(core.octets()), conversionImpossible);
}

TEST(Echecs, PixelsHorsDuFichier) {
    FabriqueBMP loin = huitBits(4, 2);
    loin.debutPixels = 100000;
    EXPECT_EQ(messageDe(loin.octets()), conversionImpossible);

    // One byte short of the last row's filler.
    for (int bits : {1, 4, 8, 16, 24, 32}) {
        FabriqueBMP f = huitBits(5, 3);
        f.bits = static_cast<std::uint16_t>(bits);
        const std::size_t pas = (static_cast<std::size_t>(bits) * 5 + 31) / 32 * 4;
        f.pixels.assign(pas * 3 - 1, 0);
        EXPECT_EQ(messageDe(f.octets()), conversionImpossible) << bits;
        f.pixels.push_back(0);
        EXPECT_TRUE(decoder(f.octets())) << bits;
    }
}

TEST(Echecs, FluxRLEIncomplets) {
    FabriqueBMP f = huitBits(4, 2);
    f.compression = 1;
    // Each stream stops before its picture is done and without an end-of-bitmap mark.
    for (const Octets &flux :
         {Octets{}, Octets{4}, Octets{4, 1, 0}, Octets{4, 1, 0, 2, 1}, Octets{0, 4, 1, 2},
          Octets{0, 5, 1, 2, 3, 4, 5}, Octets{2, 1, 0, 0}}) {
        f.pixels = flux;
        EXPECT_EQ(messageDe(f.octets()), conversionImpossible) << flux.size();
    }
    // Run-length pictures are never stored top-down.
    f.hauteur = -2;
    f.pixels = {0, 1};
    EXPECT_EQ(messageDe(f.octets()), conversionImpossible);
}

TEST_F(AvecAllocateurEspion, GrandesTaillesRefuseesSansAllouer) {
    // A 60-byte file claiming 20000 x 20000 pixels.
    FabriqueBMP f;
    f.largeur = 20000;
    f.hauteur = 20000;
    f.pixels.assign(6, 0);
    ASSERT_EQ(f.octets().size(), 60u);
    EXPECT_EQ(messageDe(f.octets()), conversionImpossible);
    EXPECT_LT(plusGrandeAllocation, 4096u);

    // The same with run lengths: a few bytes may not describe a picture that big.
    f.bits = 8;
    f.compression = 1;
    f.couleursUtilisees = 1;
    f.couleurs = {RVB{9, 9, 9}};
    f.pixels = {0, 1};
    EXPECT_EQ(messageDe(f.octets()), conversionImpossible);
    EXPECT_LT(plusGrandeAllocation, 4096u);
}

// A run-length picture of up to 1024 x 1024 pixels may be described by a few bytes; a bigger one
// needs at least one byte for every 256 of its pixels.
TEST_F(AvecAllocateurEspion, BorneDesImagesRLE) {
    FabriqueBMP f = huitBits(1024, 1024);
    f.compression = 1;
    f.pixels = {2, 1, 0, 1};
    EXPECT_TRUE(decoder(f.octets()));

    f.largeur = 2048;
    const std::size_t octetsNecessaires = 2048 * 1024 / 256;
    f.pixels.assign(octetsNecessaires - 1, 0);
    f.pixels[0] = 0;
    f.pixels[1] = 1;
    EXPECT_EQ(messageDe(f.octets()), conversionImpossible);
    f.pixels.push_back(0);
    EXPECT_TRUE(decoder(f.octets()));
}

// Whichever block is refused, one message, nothing returned and (under the sanitizers) nothing
// leaked.
TEST_F(AvecAllocateurEspion, ChaqueManqueDeMemoire) {
    for (int rle : {0, 1}) {
        FabriqueBMP f = huitBits(3, 2);
        if (rle) {
            f.compression = 1;
            f.pixels = {3, 7, 0, 0, 3, 8, 0, 1};
        }
        allocations = 0;
        allocationQuiEchoue = 0;
        ASSERT_TRUE(decoder(f.octets()));
        const int total = allocations;
        EXPECT_EQ(total, 3) << "table, pixel block, record";
        for (int echec = 1; echec <= total; ++echec) {
            allocations = 0;
            allocationQuiEchoue = echec;
            EXPECT_EQ(messageDe(f.octets()), manqueDeMemoire) << rle << " " << echec;
        }
    }
}
