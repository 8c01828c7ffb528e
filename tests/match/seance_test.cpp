#include "partie_test.h"

#include "codes_touches.h"
#include "pilotes.h"
#include "touches_joueurs.h"
#include "touches_tenues.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// What a sitting shows after a few events: where the left piece is, whether the match is paused,
// the verdict and the tally.
struct Attendu {
    int x, y;
    bool pause;
    Verdict issue;
    int victoires1, victoires2;
    std::string gauche = "Player";
};

struct Cas {
    std::string nom;
    std::function<void()> evenements;
    Attendu attendu;
};

void perdre(partie &joueur) {
    modifier(joueur, [](partieTest &t) { t.fini = true; });
}

void plusieursFois(int n, const std::function<void()> &f) {
    for (int i = 0; i < n; ++i) {
        f();
    }
}

// The left piece starts as a type 0 at (4, 10): a step shows in y, a key in x.
TEST(Seance, PauseVerdictTallyAndNextMatch) {
    const std::vector<Cas> cas = {
        {"a step and a key",
         [] {
             seconde();
             appuyerTouche('a');
         },
         {3, 9, false, Verdict::enCours, 0, 0}},
        {"p pauses steps and both players' keys",
         [] {
             appuyerTouche('p');
             seconde();
             appuyerTouche('a');
             appuyerToucheSpeciale(toucheGauche);
         },
         {4, 10, true, Verdict::enCours, 0, 0}},
        {"Escape pauses, p resumes",
         [] {
             appuyerTouche(toucheEchap);
             appuyerTouche('p');
             seconde();
         },
         {4, 9, false, Verdict::enCours, 0, 0}},
        {"Return and Space start nothing mid-match",
         [] {
             seconde();
             appuyerTouche(toucheEntree);
             appuyerTouche(' ');
         },
         {4, 9, false, Verdict::enCours, 0, 0}},
        {"a hidden window pauses and stays paused",
         [] {
             mettreEnPause();
             mettreEnPause();
             seconde();
         },
         {4, 10, true, Verdict::enCours, 0, 0}},
        {"the right player's loss counts once for the left",
         [] {
             perdre(joueur2);
             plusieursFois(3, [] {
                 seconde();
                 appuyerTouche('s');
             });
         },
         {4, 10, false, Verdict::gagneGauche, 1, 0}},
        {"the left player's loss counts for the right",
         [] {
             perdre(joueur1);
             seconde();
         },
         {4, 10, false, Verdict::gagneDroite, 0, 1}},
        {"Return after the verdict: a fresh match, the tally kept",
         [] {
             perdre(joueur1);
             seconde();
             appuyerTouche(toucheEntree);
             perdre(joueur1);
             seconde();
         },
         {4, 16, false, Verdict::gagneDroite, 0, 2}},
        {"F2 mid-match and paused: a fresh match, playing",
         [] {
             appuyerTouche('p');
             appuyerToucheSpeciale(toucheF2);
         },
         {4, 16, false, Verdict::enCours, 0, 0}},
        {"keys bound elsewhere: q moves the left piece, a no longer does",
         [] {
             lierTouche(0, Action::gauche, {Touche{false, 'q'}, "q"});
             appuyerTouche('a');
             appuyerTouche('q');
         },
         {3, 10, false, Verdict::enCours, 0, 0}},
        {"a bound key held with Caps Lock repeats, and stops at its release",
         [] {
             lierTouche(0, Action::gauche, {Touche{false, 'q'}, "q"});
             enfoncerTouche('Q', 0);
             repeterTouches(670);
             relacherTouche('q');
             repeterTouches(2000);
         },
         {2, 10, false, Verdict::enCours, 0, 0}},
        {"F3 gives the left well to the computer, deaf to its player's keys",
         [] {
             appuyerToucheSpeciale(toucheF3, 0);
             appuyerTouche('a');
         },
         {4, 10, false, Verdict::enCours, 0, 0, "Computer \u00B7 Easy"}},
        {"F3 five times gives it back",
         [] {
             plusieursFois(5, [] { appuyerToucheSpeciale(toucheF3, 0); });
             appuyerTouche('a');
         },
         {3, 10, false, Verdict::enCours, 0, 0}},
        {"paused, the computer waits",
         [] {
             plusieursFois(4, [] { appuyerToucheSpeciale(toucheF3, 0); });
             appuyerTouche('p');
             jouerOrdinateurs(10000);
         },
         {4, 10, true, Verdict::enCours, 0, 0, "Computer \u00B7 Expert"}},
        {"after the verdict, the computer waits",
         [] {
             plusieursFois(4, [] { appuyerToucheSpeciale(toucheF3, 0); });
             perdre(joueur2);
             seconde();
             jouerOrdinateurs(10000);
         },
         {4, 10, false, Verdict::gagneGauche, 1, 0, "Computer \u00B7 Expert"}},
        {"computer at both wells: the next match 5 s after the verdict",
         [] {
             appuyerToucheSpeciale(toucheF3, 0);
             appuyerToucheSpeciale(toucheF4, 0);
             perdre(joueur1);
             seconde();
             jouerOrdinateurs(1000);
             jouerOrdinateurs(1000 + attenteDemo - 1);
             EXPECT_NE(verdict(), Verdict::enCours);
             jouerOrdinateurs(1000 + attenteDemo);
         },
         {4, 16, false, Verdict::enCours, 0, 1, "Computer \u00B7 Easy"}},
        {"the computer keeps time with the step: Hard's 8 keys, the first with it",
         [] {
             plusieursFois(3, [] { appuyerToucheSpeciale(toucheF4, 0); });
             battreSeconde(1000);
             std::vector<Instant> coups;
             for (auto du = prochainCoupOrdinateur(1000); du && coups.size() < 20;
                  du = prochainCoupOrdinateur(*du)) {
                 jouerOrdinateurs(*du);
                 coups.push_back(*du);
             }
             EXPECT_EQ(coups,
                       (std::vector<Instant>{1000, 1125, 1250, 1375, 1500, 1625, 1750, 1875}));
         },
         {4, 10, false, Verdict::enCours, 0, 0}},
    };
    for (const Cas &c : cas) {
        SCOPED_TRACE(c.nom);
        choisirPilote(0, {});
        choisirPilote(1, {});
        nouveauMatch();
        matchDeTest();
        victoires1 = victoires2 = 0;
        c.evenements();
        lierTouche(0, Action::gauche, {Touche{false, 'a'}, "a"});
        EXPECT_EQ(nomPilote(0), c.attendu.gauche);
        EXPECT_EQ(joueur1.getX(), c.attendu.x);
        EXPECT_EQ(joueur1.getY(), c.attendu.y);
        EXPECT_EQ(enPause, c.attendu.pause);
        EXPECT_EQ(verdict(), c.attendu.issue);
        EXPECT_EQ(victoires1, c.attendu.victoires1);
        EXPECT_EQ(victoires2, c.attendu.victoires2);
    }
    choisirPilote(0, {});
    choisirPilote(1, {});
    remplacerHorloge(nullptr);
}

// A new match puts back everything a match changes, and keeps the sway.
TEST(Seance, ANewMatchStartsFromNothing) {
    matchDeTest();
    modifier(joueur1, [](partieTest &t) {
        t.score = 1250;
        t.penalite = 2;
        t.plateau[3][0] = casePosee;
    });
    seuil1 = 1000;
    seuil2 = 500;
    rotationActive = true;
    nouveauMatch();
    for (const partie *j : {&joueur1, &joueur2}) {
        const partieTest t(*j);
        EXPECT_EQ(t.score, 0);
        EXPECT_EQ(t.penalite, 0);
        EXPECT_FALSE(t.fini);
        EXPECT_EQ(t.basBloc(), -1) << "a fresh well holds nothing until the first drawing";
        EXPECT_EQ(t.plateau[3][0], caseVide);
        EXPECT_EQ(t.getY(), 16);
    }
    EXPECT_EQ(seuil1, 0);
    EXPECT_EQ(seuil2, 0);
    EXPECT_TRUE(rotationActive);
    remplacerHorloge(nullptr);
}

} // namespace
