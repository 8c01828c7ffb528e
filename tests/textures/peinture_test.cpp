// The pictures our build paints: they decode, have texture sizes, and keep the character the
// scene relies on (warm wood, cool grey metal that tiles without a seam).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "bmp24.h"
#include "outils_test.h"
#include "peinture.h"

namespace {
struct Moyenne {
    double r = 0, v = 0, b = 0;
};

Moyenne moyenne(const imageRGB &image) {
    Moyenne m;
    const double n = double(image.largeur) * image.hauteur;
    for (int y = 0; y < image.hauteur; ++y)
        for (int x = 0; x < image.largeur; ++x) {
            const RVB p = pixel(image, x, y);
            m.r += p.r / n;
            m.v += p.v / n;
            m.b += p.b / n;
        }
    return m;
}

int ecart(const RVB &a, const RVB &b) {
    return std::abs(a.r - b.r) + std::abs(a.v - b.v) + std::abs(a.b - b.b);
}

Image peinte(const Toile &toile) {
    return decoder(fichierBMP24(toile));
}
} // namespace

TEST(Peinture, BoisChaudEtVeine) {
    const Image bois = peinte(peindreBois(256));
    ASSERT_TRUE(bois);
    EXPECT_EQ(bois->largeur, 256);
    EXPECT_EQ(bois->hauteur, 256);
    const Moyenne m = moyenne(*bois);
    EXPECT_GT(m.r, m.v + 20);
    EXPECT_GT(m.v, m.b + 20);
    // Across the grain the rings alternate light and dark.
    int plusClair = 0, plusFonce = 255;
    for (int x = 0; x < 256; ++x) {
        const RVB p = pixel(*bois, x, 128);
        plusClair = std::max(plusClair, int(p.v));
        plusFonce = std::min(plusFonce, int(p.v));
    }
    EXPECT_GT(plusClair - plusFonce, 50);
}

TEST(Peinture, MetalGrisFroidSansCouture) {
    const Image metal = peinte(peindreMetal(256));
    ASSERT_TRUE(metal);
    EXPECT_EQ(metal->largeur, 256);
    EXPECT_EQ(metal->hauteur, 256);
    const Moyenne m = moyenne(*metal);
    EXPECT_GE(m.b, m.r);
    EXPECT_LT(m.b - m.r, 20);
    EXPECT_GT(m.v, 80);
    EXPECT_LT(m.v, 200);

    // The floor repeats the picture: its last column must meet its first as smoothly as any two
    // neighbouring columns meet, and likewise for rows.
    long interieur = 0, couture = 0;
    for (int i = 0; i < 256; ++i) {
        couture += ecart(pixel(*metal, 255, i), pixel(*metal, 0, i)) +
                   ecart(pixel(*metal, i, 255), pixel(*metal, i, 0));
        interieur += ecart(pixel(*metal, 127, i), pixel(*metal, 128, i)) +
                     ecart(pixel(*metal, i, 127), pixel(*metal, i, 128));
    }
    EXPECT_LT(couture, 2 * interieur + 256);
}

// The fuzzer's seeds are painted small: every power-of-two side must paint and decode.
TEST(Peinture, PetitesTailles) {
    for (int cote = 4; cote <= 64; cote *= 2) {
        EXPECT_TRUE(peinte(peindreBois(cote))) << cote;
        EXPECT_TRUE(peinte(peindreMetal(cote))) << cote;
    }
}
