#include "partie_test.h"

#include <gtest/gtest.h>

#include <cstring>
#include <new>
#include <vector>

namespace {

// The match's one-second step over the two global games, as the game's timer runs it.
class Minuterie : public ::testing::Test {
protected:
    void SetUp() override { matchDeTest(); }
    void TearDown() override { remplacerHorloge(nullptr); }
    void seconde() { match.seconde(0); }

    Match match{joueur1, joueur2, seuil1, seuil2};
};

int penaliteDe(const partie &joueur) {
    return partieTest(joueur).penalite;
}

void finir(partie &joueur) {
    modifier(joueur, [](partieTest &t) { t.fini = true; });
}

void marquer(partie &joueur, int points) {
    modifier(joueur, [points](partieTest &t) { t.score = points; });
}

// A square resting on the floor of the well: the next step settles it and brings a new piece.
void poserAuFond(partie &joueur) {
    modifier(joueur, [](partieTest &t) { t.placerPiece(4, 4, 0); });
}

bool puitsPlein(const partie &joueur) {
    const partieTest t(joueur);
    for (const auto &colonne : t.plateau) {
        for (int cellule : colonne) {
            if (cellule != casePosee) {
                return false;
            }
        }
    }
    return true;
}

// Only a static game starts from zeroed memory: a game built anywhere else must start in play.
TEST_F(Minuterie, UnePartieNeuveNEstPasFinie) {
    alignas(partie) unsigned char memoire[sizeof(partie)];
    std::memset(memoire, 0xFF, sizeof memoire);
    auto *neuve = new (memoire) partie;
    EXPECT_FALSE(neuve->getFini());
    neuve->~partie();
}

struct camp {
    const char *nom;
    partie *attaquant;
    partie *cible;
    int *seuil;
};

void PrintTo(const camp &c, std::ostream *os) {
    *os << c.nom;
}

class Penalites : public Minuterie, public ::testing::WithParamInterface<camp> {};

TEST_P(Penalites, UnRangParTrancheDe500AuDessusDuSeuil) {
    const camp c = GetParam();

    marquer(*c.attaquant, 499);
    seconde();
    EXPECT_EQ(*c.seuil, 0);
    EXPECT_EQ(penaliteDe(*c.cible), 0);

    marquer(*c.attaquant, 500);
    seconde();
    EXPECT_EQ(*c.seuil, 500);
    EXPECT_EQ(penaliteDe(*c.cible), 1);

    // A four-row clear lands all its rows in one tick.
    marquer(*c.attaquant, 2000);
    seconde();
    EXPECT_EQ(*c.seuil, 2000);
    EXPECT_EQ(penaliteDe(*c.cible), 4);

    // Points short of the next 500 wait for later ticks.
    marquer(*c.attaquant, 2499);
    seconde();
    EXPECT_EQ(*c.seuil, 2000);
    EXPECT_EQ(penaliteDe(*c.cible), 4);
    marquer(*c.attaquant, 2500);
    seconde();
    EXPECT_EQ(*c.seuil, 2500);
    EXPECT_EQ(penaliteDe(*c.cible), 5);

    EXPECT_EQ(penaliteDe(*c.attaquant), 0);
}

INSTANTIATE_TEST_SUITE_P(DeuxJoueurs, Penalites,
                         ::testing::Values(camp{"Joueur1", &joueur1, &joueur2, &seuil1},
                                           camp{"Joueur2", &joueur2, &joueur1, &seuil2}),
                         [](const ::testing::TestParamInfo<camp> &info) {
                             return std::string(info.param.nom);
                         });

TEST_F(Minuterie, LesDeuxJoueursAttaquentDansLeMemeTic) {
    marquer(joueur1, 1000);
    marquer(joueur2, 500);
    seconde();
    EXPECT_EQ(seuil1, 1000);
    EXPECT_EQ(seuil2, 500);
    EXPECT_EQ(penaliteDe(joueur2), 2);
    EXPECT_EQ(penaliteDe(joueur1), 1);
}

TEST_F(Minuterie, PlusDAttaqueUneFoisUnePartieFinie) {
    for (partie *perdant : {&joueur1, &joueur2}) {
        matchDeTest();
        marquer(joueur1, 1000);
        marquer(joueur2, 1000);
        finir(*perdant);
        seconde();
        EXPECT_EQ(seuil1, 0);
        EXPECT_EQ(seuil2, 0);
        EXPECT_EQ(penaliteDe(joueur1), 0);
        EXPECT_EQ(penaliteDe(joueur2), 0);
    }
}

TEST_F(Minuterie, LesDeuxPiecesTombentDUnRang) {
    seconde();
    EXPECT_EQ(joueur1.getY(), 9);
    EXPECT_EQ(joueur2.getY(), 9);
    EXPECT_FALSE(joueur1.getFini());
    EXPECT_FALSE(joueur2.getFini());
}

// The loser's well fills at its next step while the winner's stands still.
TEST_F(Minuterie, SeulLePerdantAvanceUnePartieFinie) {
    finir(joueur1);
    const etatPartie gagnant(joueur2);
    seconde();
    EXPECT_TRUE(puitsPlein(joueur1));
    EXPECT_TRUE(etatPartie(joueur2) == gagnant);

    matchDeTest();
    finir(joueur2);
    const etatPartie autreGagnant(joueur1);
    seconde();
    EXPECT_TRUE(puitsPlein(joueur2));
    EXPECT_TRUE(etatPartie(joueur1) == autreGagnant);
}

TEST_F(Minuterie, PersonneNAvanceQuandLesDeuxSontFinies) {
    finir(joueur1);
    finir(joueur2);
    const etatPartie avant1(joueur1);
    const etatPartie avant2(joueur2);
    seconde();
    EXPECT_TRUE(etatPartie(joueur1) == avant1);
    EXPECT_TRUE(etatPartie(joueur2) == avant2);
}

// joueur1's well is full around the entry, so the piece that follows its landing overflows it.
TEST_F(Minuterie, LaPartieQueJoueur1PerdDansCeTicArreteJoueur2) {
    modifier(joueur1, [](partieTest &t) {
        for (int colonne = 3; colonne <= 6; ++colonne) {
            for (int ligne = 15; ligne < nbLignes; ++ligne) {
                t.plateau[colonne][ligne] = casePosee;
            }
        }
        t.placerPiece(4, 0, 0);
    });
    const etatPartie avant2(joueur2);

    seconde();
    EXPECT_TRUE(joueur1.getFini());
    EXPECT_TRUE(etatPartie(joueur2) == avant2);

    seconde();
    EXPECT_TRUE(puitsPlein(joueur1));
    EXPECT_TRUE(etatPartie(joueur2) == avant2);
}

std::vector<std::time_t> secondes;
std::size_t lectures = 0;
std::time_t horlogeSuivante() {
    const std::size_t i = lectures++;
    return i < secondes.size() ? secondes[i] : 0;
}

int typeTire(std::time_t seconde) {
    semerHasard(static_cast<std::uint32_t>(seconde));
    return tirerHasard() % 7;
}

// Both pieces land in the same tick; each new piece takes the shape of the second it was drawn
// in, which tells who stepped first.
TEST_F(Minuterie, Joueur1TombeAvantJoueur2) {
    std::time_t premiere = 1000;
    std::time_t suivante = premiere + 1;
    while (typeTire(suivante) == typeTire(premiere)) {
        ++suivante;
    }
    secondes = {premiere, suivante};
    lectures = 0;
    poserAuFond(joueur1);
    poserAuFond(joueur2);
    remplacerHorloge(horlogeSuivante);

    seconde();
    EXPECT_EQ(lectures, 2u);
    EXPECT_EQ(joueur1.getType(), typeTire(premiere));
    EXPECT_EQ(joueur2.getType(), typeTire(suivante));
    EXPECT_EQ(joueur1.getY(), 16);
    EXPECT_EQ(joueur2.getY(), 16);
}

} // namespace
