// The forms of bitmap the decoder reads, and the pixels it delivers for each.
#include <gtest/gtest.h>

#include "entete_dib.h"
#include "outils_test.h"

namespace {
RVB motif(int x, int y) {
    return RVB{static_cast<std::uint8_t>(10 + 40 * x), static_cast<std::uint8_t>(20 + 50 * y),
               static_cast<std::uint8_t>(1 + 7 * (x + y))};
}

std::vector<RVB> paletteDe(std::size_t n) {
    std::vector<RVB> palette;
    for (std::size_t i = 0; i < n; ++i)
        palette.push_back(RVB{static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i),
                              static_cast<std::uint8_t>(i * 3)});
    return palette;
}

void verifierTaille(const Image &image, int largeur, int hauteur) {
    ASSERT_TRUE(image);
    EXPECT_EQ(image->largeur, largeur);
    EXPECT_EQ(image->hauteur, hauteur);
    ASSERT_NE(image->donnees, nullptr);
}
} // namespace

// Widths 1 to 5 give every amount of row filler; the rows come out packed, red first.
TEST(Formes, VingtQuatreBitsChaqueLargeurAvecEtSansEnteteFichier) {
    for (bool enteteFichier : {true, false}) {
        for (std::uint32_t tailleEntete : {40u, 12u}) {
            for (int largeur = 1; largeur <= 5; ++largeur) {
                SCOPED_TRACE(testing::Message() << "BM " << enteteFichier << " header "
                                                << tailleEntete << " width " << largeur);
                std::vector<std::vector<RVB>> lignes(2);
                for (int y = 0; y < 2; ++y)
                    for (int x = 0; x < largeur; ++x)
                        lignes[y].push_back(motif(x, y));
                FabriqueBMP f;
                f.enteteFichier = enteteFichier;
                f.tailleEntete = tailleEntete;
                f.largeur = largeur;
                f.hauteur = 2;
                f.pixels = lignes24(lignes);
                const Image image = decoder(f.octets());
                verifierTaille(image, largeur, 2);
                for (int y = 0; y < 2; ++y)
                    for (int x = 0; x < largeur; ++x)
                        EXPECT_EQ(pixel(*image, x, y), motif(x, y)) << x << "," << y;
            }
        }
    }
}

TEST(Formes, IndexeesUnQuatreHuitBitsChaqueLargeur) {
    for (std::uint32_t tailleEntete : {40u, 12u}) {
        for (int bits : {1, 4, 8}) {
            for (int largeur = 1; largeur <= 5; ++largeur) {
                SCOPED_TRACE(testing::Message() << "header " << tailleEntete << " bits " << bits
                                                << " width " << largeur);
                const unsigned entrees = 1u << bits;
                std::vector<std::vector<unsigned>> lignes(3);
                for (int y = 0; y < 3; ++y)
                    for (int x = 0; x < largeur; ++x)
                        lignes[y].push_back((x * 5 + y * 3 + 1) % entrees);
                FabriqueBMP f;
                f.enteteFichier = false; // the pixels must follow a table of exactly 2^bits
                f.tailleEntete = tailleEntete;
                f.largeur = largeur;
                f.hauteur = 3;
                f.bits = static_cast<std::uint16_t>(bits);
                f.couleurs = paletteDe(entrees);
                f.pixels = lignesIndexees(bits, lignes);
                const Image image = decoder(f.octets());
                verifierTaille(image, largeur, 3);
                for (int y = 0; y < 3; ++y)
                    for (int x = 0; x < largeur; ++x)
                        EXPECT_EQ(pixel(*image, x, y), f.couleurs[lignes[y][x]]) << x << "," << y;
            }
        }
    }
}

// The colours-used field sets the size of the table, and so where a bare bitmap's pixels start.
TEST(Formes, CouleursUtiliseesFixentLaTable) {
    for (std::uint32_t utilisees : {0u, 2u, 16u}) {
        SCOPED_TRACE(utilisees);
        FabriqueBMP f;
        f.enteteFichier = false;
        f.largeur = 4;
        f.bits = 8;
        f.couleursUtilisees = utilisees;
        f.couleurs = paletteDe(utilisees == 0 ? 256 : utilisees);
        f.pixels = lignesIndexees(8, {{0, 1, 1, 0}});
        const Image image = decoder(f.octets());
        verifierTaille(image, 4, 1);
        EXPECT_EQ(pixel(*image, 0, 0), f.couleurs[0]);
        EXPECT_EQ(pixel(*image, 1, 0), f.couleurs[1]);
    }
    // A 24-bit picture may carry a table it does not use: it only moves the pixels.
    for (bool enteteFichier : {true, false}) {
        FabriqueBMP f;
        f.enteteFichier = enteteFichier;
        f.couleursUtilisees = 2;
        f.couleurs = paletteDe(2);
        f.pixels = lignes24({{motif(3, 3)}});
        const Image image = decoder(f.octets());
        verifierTaille(image, 1, 1);
        EXPECT_EQ(pixel(*image, 0, 0), motif(3, 3));
    }
}

TEST(Formes, IndexHorsDeLaTableDonneNoir) {
    FabriqueBMP f;
    f.largeur = 3;
    f.bits = 4;
    f.couleursUtilisees = 2;
    f.couleurs = paletteDe(2);
    f.pixels = lignesIndexees(4, {{1, 2, 15}});
    const Image image = decoder(f.octets());
    verifierTaille(image, 3, 1);
    EXPECT_EQ(pixel(*image, 0, 0), f.couleurs[1]);
    EXPECT_EQ(pixel(*image, 1, 0), (RVB{0, 0, 0}));
    EXPECT_EQ(pixel(*image, 2, 0), (RVB{0, 0, 0}));
}

// The file header's offset is believed, whatever lies between the table and the pixels.
TEST(Formes, PixelsALaPositionDonneeParLEnteteFichier) {
    FabriqueBMP f;
    f.bits = 8;
    f.couleurs = paletteDe(256);
    f.ecart = 37;
    f.pixels = lignesIndexees(8, {{200}});
    const Image image = decoder(f.octets());
    verifierTaille(image, 1, 1);
    EXPECT_EQ(pixel(*image, 0, 0), f.couleurs[200]);
}

TEST(Formes, EnteteCoreLargeurSeizeBitsNonSignee) {
    FabriqueBMP f;
    f.tailleEntete = 12;
    f.largeur = 65535;
    f.hauteur = 1;
    f.pixels = lignes24({std::vector<RVB>(65535, RVB{1, 2, 3})});
    const Image image = decoder(f.octets());
    verifierTaille(image, 65535, 1);
    EXPECT_EQ(pixel(*image, 65534, 0), (RVB{1, 2, 3}));
}

// Rows stored top first come out bottom first, with a positive height.
TEST(Formes, ImageDeHautEnBasRetournee) {
    for (int bits : {24, 8}) {
        FabriqueBMP f;
        f.largeur = 2;
        f.hauteur = -3;
        f.bits = static_cast<std::uint16_t>(bits);
        std::vector<std::vector<RVB>> enCouleurs;
        std::vector<std::vector<unsigned>> enIndex;
        for (int y = 0; y < 3; ++y) {
            enCouleurs.push_back({motif(0, y), motif(1, y)});
            enIndex.push_back({unsigned(2 * y), unsigned(2 * y + 1)});
        }
        if (bits == 8) {
            f.couleurs = paletteDe(256);
            f.pixels = lignesIndexees(8, enIndex);
        } else {
            f.pixels = lignes24(enCouleurs);
        }
        const Image image = decoder(f.octets());
        verifierTaille(image, 2, 3);
        for (int y = 0; y < 3; ++y) {
            const int stockee = 2 - y;
            EXPECT_EQ(pixel(*image, 1, y),
                      bits == 8 ? f.couleurs[2 * stockee + 1] : motif(1, stockee));
        }
    }
}

TEST(Formes, SeizeEtTrenteDeuxBits) {
    // 5-5-5: each 5-bit channel is stretched to the full 8 bits.
    FabriqueBMP f16;
    f16.largeur = 3;
    f16.bits = 16;
    f16.pixels = lignesMots(16, {{0x7C00, 0x03E0 | 0x001F, 0x4210}});
    Image image = decoder(f16.octets());
    verifierTaille(image, 3, 1);
    EXPECT_EQ(pixel(*image, 0, 0), (RVB{255, 0, 0}));
    EXPECT_EQ(pixel(*image, 1, 0), (RVB{0, 255, 255}));
    EXPECT_EQ(pixel(*image, 2, 0), (RVB{132, 132, 132}));

    // Plain 32 bits: blue, green, red and an unused byte.
    FabriqueBMP f32;
    f32.largeur = 2;
    f32.bits = 32;
    f32.pixels = lignesMots(32, {{0xAA112233, 0x00FFFEFD}});
    image = decoder(f32.octets());
    verifierTaille(image, 2, 1);
    EXPECT_EQ(pixel(*image, 0, 0), (RVB{0x11, 0x22, 0x33}));
    EXPECT_EQ(pixel(*image, 1, 0), (RVB{0xFF, 0xFE, 0xFD}));
}

// Bit fields take their masks from the file; a bare one has its pixels right after the masks.
TEST(Formes, ChampsDeBits) {
    for (bool enteteFichier : {true, false}) {
        FabriqueBMP f;
        f.enteteFichier = enteteFichier;
        f.largeur = 2;
        f.bits = 16;
        f.compression = 3;
        f.masques = {0xF800, 0x07E0, 0x001F}; // 5-6-5
        f.pixels = lignesMots(16, {{0x07E0, 0xF81F}});
        Image image = decoder(f.octets());
        verifierTaille(image, 2, 1);
        EXPECT_EQ(pixel(*image, 0, 0), (RVB{0, 255, 0}));
        EXPECT_EQ(pixel(*image, 1, 0), (RVB{255, 0, 255}));

        f.bits = 32;
        f.masques = {0x000000FF, 0x0000FF00, 0xFF000000}; // red low, blue high
        f.pixels = lignesMots(32, {{0x30002010, 0x00000000}});
        image = decoder(f.octets());
        verifierTaille(image, 2, 1);
        EXPECT_EQ(pixel(*image, 0, 0), (RVB{0x10, 0x20, 0x30}));
    }
}

// The newer headers read as the 40-byte header they extend, their masks inside them, the colour
// table right after them, alpha ignored; OS/2 2.x headers of 16 to 64 bytes read the fields they
// leave out as zeros (a 4-byte colour table of 2^bits entries, no compression).
TEST(Formes, EntetesRecentsEtOS2) {
    struct Cas {
        std::uint32_t tailleEntete;
        std::uint16_t bits;
        std::uint32_t compression;
    };
    // Red in the second byte, green in the third, blue in the fourth, alpha in the first.
    const std::vector<std::uint32_t> masques32 = {0xFF00, 0xFF0000, 0xFF000000, 0xFF};
    for (bool enteteFichier : {true, false}) {
        for (Cas cas :
             {Cas{52, 16, 3}, Cas{56, 32, 3}, Cas{108, 32, 3}, Cas{124, 32, 3}, Cas{124, 32, 6},
              Cas{40, 32, 6}, Cas{124, 24, 0}, Cas{124, 8, 0}, Cas{124, 32, 0}, Cas{64, 8, 0},
              Cas{64, 24, 0}, Cas{16, 8, 0}, Cas{24, 4, 0}, Cas{36, 24, 0}}) {
            SCOPED_TRACE(testing::Message()
                         << "BM " << enteteFichier << " header " << cas.tailleEntete << " bits "
                         << cas.bits << " compression " << cas.compression);
            FabriqueBMP f;
            f.enteteFichier = enteteFichier;
            f.tailleEntete = cas.tailleEntete;
            f.largeur = 2;
            f.hauteur = 2;
            f.bits = cas.bits;
            f.compression = cas.compression;
            RVB attendu[2][2];
            std::vector<std::vector<std::uint32_t>> mots(2), index(2);
            std::vector<std::vector<RVB>> couleurs(2);
            if (cas.bits <= 8)
                f.couleurs = paletteDe(std::size_t{1} << cas.bits);
            for (int y = 0; y < 2; ++y) {
                for (int x = 0; x < 2; ++x) {
                    const RVB c = motif(x, y);
                    attendu[y][x] = c;
                    couleurs[y].push_back(c);
                    index[y].push_back(static_cast<unsigned>(3 + x + 2 * y));
                    if (cas.bits <= 8)
                        attendu[y][x] = f.couleurs[3 + x + 2 * y];
                    if (cas.bits == 32 && cas.compression != 0)
                        mots[y].push_back(0x7Fu | (c.r << 8) | (c.v << 16) |
                                          (std::uint32_t{c.b} << 24));
                    if (cas.bits == 32 && cas.compression == 0) // the masks are not used
                        mots[y].push_back((c.r << 16) | (c.v << 8) | c.b);
                    // 5-6-5 with each channel at its top or bottom.
                    const std::uint32_t mot16 = (x ? 0xF800 : 0) | (y ? 0x07E0 : 0) | 0x001F;
                    if (cas.bits == 16) {
                        mots[y].push_back(mot16);
                        attendu[y][x] =
                            RVB{std::uint8_t(x ? 255 : 0), std::uint8_t(y ? 255 : 0), 255};
                    }
                }
            }
            if (cas.bits == 16)
                f.masques = {0xF800, 0x07E0, 0x001F};
            if (cas.bits == 32)
                f.masques.assign(masques32.begin(),
                                 masques32.begin() + (cas.compression == 6 ? 4 : 3));
            f.pixels = cas.bits == 24  ? lignes24(couleurs)
                       : cas.bits <= 8 ? lignesIndexees(cas.bits, index)
                                       : lignesMots(cas.bits, mots);
            const Image image = decoder(f.octets());
            verifierTaille(image, 2, 2);
            for (int y = 0; y < 2; ++y)
                for (int x = 0; x < 2; ++x)
                    EXPECT_EQ(pixel(*image, x, y), attendu[y][x]) << x << "," << y;
        }
    }
}

// Every escape of the 8-bit run-length form: runs, end of line, delta, absolute runs with and
// without their word padding, end of bitmap. Pixels never reached stay black; runs and deltas
// that leave the picture are clipped.
TEST(Formes, RLE8ToutesLesSequences) {
    FabriqueBMP f;
    f.largeur = 4;
    f.hauteur = 5;
    f.bits = 8;
    f.compression = 1;
    f.couleurs = paletteDe(256);
    f.pixels = {
        3, 7,             // row 0: three of colour 7
        0, 2, 0, 1,       // delta: up one row, same column
        1, 9,             // row 1, column 3
        0, 0,             // end of line
        0, 3, 1, 2, 3, 0, // row 2: absolute 1 2 3, one padding byte
        0, 0,             // end of line
        0, 2, 1, 0,       // delta: column 1
        9, 5,             // a run of 9 from column 1: clipped at the row's end
        0, 0,             // end of line
        0, 4, 4, 5, 6, 8, // row 4: absolute of 4, no padding
        0, 2, 0, 9,       // delta far above the top: nothing more is drawn
    };
    const Image image = decoder(f.octets());
    verifierTaille(image, 4, 5);
    const RVB noir{0, 0, 0};
    const auto &c = f.couleurs;
    const RVB attendu[5][4] = {{c[7], c[7], c[7], noir},
                               {noir, noir, noir, c[9]},
                               {c[1], c[2], c[3], noir},
                               {noir, c[5], c[5], c[5]},
                               {c[4], c[5], c[6], c[8]}};
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(pixel(*image, x, y), attendu[y][x]) << x << "," << y;
}

TEST(Formes, RLE4ToutesLesSequences) {
    FabriqueBMP f;
    f.largeur = 5;
    f.hauteur = 4;
    f.bits = 4;
    f.compression = 2;
    f.couleurs = paletteDe(16);
    f.pixels = {
        5, 0x12,                      // row 0: 1 2 1 2 1
        0, 0,                         // end of line
        0, 3,    0x34, 0x50,          // row 1: absolute 3 4 5, two bytes, no padding
        0, 0,                         // end of line
        0, 5,    0x67, 0x89, 0xA0, 0, // row 2: absolute of 5 in three bytes, one padding
        0, 1,                         // end of bitmap: row 3 stays black
    };
    const Image image = decoder(f.octets());
    verifierTaille(image, 5, 4);
    const RVB noir{0, 0, 0};
    const auto &c = f.couleurs;
    const RVB attendu[4][5] = {{c[1], c[2], c[1], c[2], c[1]},
                               {c[3], c[4], c[5], noir, noir},
                               {c[6], c[7], c[8], c[9], c[10]},
                               {noir, noir, noir, noir, noir}};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(pixel(*image, x, y), attendu[y][x]) << x << "," << y;
}

// A stream that stops after the last row without an end-of-bitmap mark is complete.
TEST(Formes, RLE8FiniParLaDerniereLigne) {
    FabriqueBMP f;
    f.largeur = 2;
    f.hauteur = 2;
    f.bits = 8;
    f.compression = 1;
    f.couleurs = paletteDe(256);
    f.pixels = {2, 9, 0, 0, 2, 10, 0, 0};
    const Image image = decoder(f.octets());
    verifierTaille(image, 2, 2);
    EXPECT_EQ(pixel(*image, 1, 1), f.couleurs[10]);
}

// The colour count comes from colours used when it is set (its low 16 bits), else from the depth.
TEST(Formes, NombreDeCouleurs) {
    const auto compter = [](std::uint32_t tailleEntete, std::uint16_t bits,
                            std::uint32_t utilisees) {
        FabriqueBMP f;
        f.enteteFichier = false;
        f.tailleEntete = tailleEntete;
        f.bits = bits;
        f.couleursUtilisees = utilisees;
        return nombreCouleursDIB(f.octets().data());
    };
    EXPECT_EQ(compter(12, 1, 0), 2);
    EXPECT_EQ(compter(12, 4, 0), 16);
    EXPECT_EQ(compter(12, 8, 0), 256);
    EXPECT_EQ(compter(12, 24, 0), 0);
    EXPECT_EQ(compter(40, 8, 0), 256);
    EXPECT_EQ(compter(40, 16, 0), 0);
    EXPECT_EQ(compter(40, 8, 16), 16);
    EXPECT_EQ(compter(40, 24, 2), 2);
    EXPECT_EQ(compter(40, 8, 0x10005), 5);
    EXPECT_EQ(compter(124, 8, 16), 16);
    EXPECT_EQ(compter(16, 4, 0), 16);
    EXPECT_EQ(compter(24, 8, 16), 256); // colours used lies past the shortened header
}
