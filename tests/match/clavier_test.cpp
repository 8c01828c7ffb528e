#include "partie_test.h"

#include "codes_touches.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class Clavier : public ::testing::Test {
protected:
    void SetUp() override { matchDeTest(); }
    void TearDown() override { remplacerHorloge(nullptr); }
};

void finir(partie &joueur) {
    modifier(joueur, [](partieTest &t) { t.fini = true; });
}

bool touchesVides() {
    for (bool t : touches) {
        if (t) {
            return false;
        }
    }
    return true;
}

// The piece starts as a type 0 at (4, 10), rotation 0: each move shows in one field.
struct coup {
    int touche;
    int x;
    int y;
    int rotation;
};

void verifierCoup(const partie &joueur, const coup &c) {
    EXPECT_EQ(joueur.getX(), c.x) << "touche " << c.touche;
    EXPECT_EQ(joueur.getY(), c.y) << "touche " << c.touche;
    EXPECT_EQ(joueur.getRotation(), c.rotation) << "touche " << c.touche;
}

TEST_F(Clavier, LesLettresDeplacentJoueur1) {
    for (const coup c :
         {coup{'a', 3, 10, 0}, coup{'s', 4, 9, 0}, coup{'d', 5, 10, 0}, coup{'w', 4, 10, 1}}) {
        matchDeTest();
        const etatPartie autre(joueur2);
        clavier(static_cast<unsigned char>(c.touche), 0, 0);
        verifierCoup(joueur1, c);
        EXPECT_TRUE(etatPartie(joueur2) == autre);
        EXPECT_FALSE(rotationActive);
        EXPECT_TRUE(touchesVides());
    }
}

TEST_F(Clavier, LesFlechesDeplacentJoueur2) {
    for (const coup c : {coup{toucheGauche, 3, 10, 0}, coup{toucheBas, 4, 9, 0},
                         coup{toucheDroite, 5, 10, 0}, coup{toucheHaut, 4, 10, 1}}) {
        matchDeTest();
        const etatPartie autre(joueur1);
        clavierSpecial(c.touche, 0, 0);
        verifierCoup(joueur2, c);
        EXPECT_TRUE(etatPartie(joueur1) == autre);
    }
}

// Upper case included: only a, s, d, w and l mean anything.
TEST_F(Clavier, LesAutresCaracteresNeFontRien) {
    const std::string actives = "asdwl";
    for (int code = 0; code < 256; ++code) {
        if (actives.find(static_cast<char>(code)) != std::string::npos) {
            continue;
        }
        matchDeTest();
        const etatPartie avant1(joueur1);
        const etatPartie avant2(joueur2);
        clavier(static_cast<unsigned char>(code), 0, 0);
        EXPECT_TRUE(etatPartie(joueur1) == avant1) << "code " << code;
        EXPECT_TRUE(etatPartie(joueur2) == avant2) << "code " << code;
        EXPECT_FALSE(rotationActive) << "code " << code;
        EXPECT_TRUE(touchesVides()) << "code " << code;
    }
}

TEST_F(Clavier, LesAutresTouchesSpecialesNeFontRien) {
    // GLUT's F1, F12, Page Up, Home and Insert, and codes of no key.
    for (int code : {1, 12, 104, 106, 108, toucheGauche - 1, 0, -1}) {
        matchDeTest();
        const etatPartie avant1(joueur1);
        const etatPartie avant2(joueur2);
        clavierSpecial(code, 0, 0);
        EXPECT_TRUE(etatPartie(joueur1) == avant1) << "code " << code;
        EXPECT_TRUE(etatPartie(joueur2) == avant2) << "code " << code;
        EXPECT_FALSE(rotationActive) << "code " << code;
    }
}

TEST_F(Clavier, LBasculeLeBalancement) {
    clavier('l', 0, 0);
    EXPECT_TRUE(rotationActive);
    EXPECT_TRUE(touchesVides());
    clavier('l', 0, 0);
    EXPECT_FALSE(rotationActive);
}

// Once joueur2 has lost, joueur1's letters stop, but the sway still answers.
TEST_F(Clavier, LesLettresSArretentQuandJoueur2APerdu) {
    finir(joueur2);
    const etatPartie avant1(joueur1);
    const etatPartie avant2(joueur2);
    for (unsigned char touche : {'a', 's', 'd', 'w'}) {
        clavier(touche, 0, 0);
        EXPECT_TRUE(touchesVides());
    }
    EXPECT_TRUE(etatPartie(joueur1) == avant1);
    EXPECT_TRUE(etatPartie(joueur2) == avant2);

    clavier('l', 0, 0);
    EXPECT_TRUE(rotationActive);
}

TEST_F(Clavier, LesFlechesSArretentQuandJoueur1APerdu) {
    finir(joueur1);
    const etatPartie avant1(joueur1);
    const etatPartie avant2(joueur2);
    for (int touche : {toucheGauche, toucheHaut, toucheDroite, toucheBas}) {
        clavierSpecial(touche, 0, 0);
    }
    EXPECT_TRUE(etatPartie(joueur1) == avant1);
    EXPECT_TRUE(etatPartie(joueur2) == avant2);
}

// A player's own loss does not stop that player's keys: s fills the lost well.
TEST_F(Clavier, UnJoueurQuiAPerduGardeSesTouches) {
    finir(joueur1);
    clavier('a', 0, 0);
    EXPECT_EQ(joueur1.getX(), 3);
    clavier('s', 0, 0);
    const partieTest rempli(joueur1);
    EXPECT_EQ(rempli.plateau[0][0], casePosee);
    EXPECT_EQ(rempli.plateau[9][17], casePosee);

    matchDeTest();
    finir(joueur2);
    clavierSpecial(toucheDroite, 0, 0);
    EXPECT_EQ(joueur2.getX(), 5);
    clavierSpecial(toucheBas, 0, 0);
    const partieTest rempli2(joueur2);
    EXPECT_EQ(rempli2.plateau[0][0], casePosee);
    EXPECT_EQ(rempli2.plateau[9][17], casePosee);
}

} // namespace
