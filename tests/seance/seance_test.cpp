#include "seance_de_test.h"

#include "codes_touches.h"
#include "pilotes.h"

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
    std::function<void(SeanceDeTest &)> evenements;
    Attendu attendu;
};

void perdre(partie &joueur) {
    modifier(joueur, [](partieTest &t) { t.fini = true; });
}

// The left player's move left on q instead of a.
void lierQ(SeanceDeTest &s) {
    Liaisons liaisons;
    liaisons.lier(0, Action::gauche, {Touche{false, 'q'}, "q"});
    s.lier(liaisons);
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
         [](SeanceDeTest &s) {
             s.match.seconde(0);
             s.appuyer('a');
         },
         {3, 9, false, Verdict::enCours, 0, 0}},
        {"p pauses steps and both players' keys",
         [](SeanceDeTest &s) {
             s.appuyer('p');
             s.match.seconde(0);
             s.appuyer('a');
             s.appuyerSpeciale(toucheGauche);
         },
         {4, 10, true, Verdict::enCours, 0, 0}},
        {"Escape pauses, p resumes",
         [](SeanceDeTest &s) {
             s.appuyer(toucheEchap);
             s.appuyer('p');
             s.match.seconde(0);
         },
         {4, 9, false, Verdict::enCours, 0, 0}},
        {"Return and Space start nothing mid-match",
         [](SeanceDeTest &s) {
             s.match.seconde(0);
             s.appuyer(toucheEntree);
             s.appuyer(' ');
         },
         {4, 9, false, Verdict::enCours, 0, 0}},
        {"a hidden window pauses and stays paused",
         [](SeanceDeTest &s) {
             s.match.mettreEnPause();
             s.match.mettreEnPause();
             s.match.seconde(0);
         },
         {4, 10, true, Verdict::enCours, 0, 0}},
        {"the right player's loss counts once for the left",
         [](SeanceDeTest &s) {
             perdre(s.plateaux.droite);
             plusieursFois(3, [&] {
                 s.match.seconde(0);
                 s.appuyer('s');
             });
         },
         {4, 10, false, Verdict::gagneGauche, 1, 0}},
        {"the left player's loss counts for the right",
         [](SeanceDeTest &s) {
             perdre(s.plateaux.gauche);
             s.match.seconde(0);
         },
         {4, 10, false, Verdict::gagneDroite, 0, 1}},
        {"Return after the verdict: a fresh match, the tally kept",
         [](SeanceDeTest &s) {
             perdre(s.plateaux.gauche);
             s.match.seconde(0);
             s.appuyer(toucheEntree);
             perdre(s.plateaux.gauche);
             s.match.seconde(0);
         },
         {4, 16, false, Verdict::gagneDroite, 0, 2}},
        {"F2 mid-match and paused: a fresh match, playing",
         [](SeanceDeTest &s) {
             s.appuyer('p');
             s.appuyerSpeciale(toucheF2);
         },
         {4, 16, false, Verdict::enCours, 0, 0}},
        {"keys bound elsewhere: q moves the left piece, a no longer does",
         [](SeanceDeTest &s) {
             lierQ(s);
             s.appuyer('a');
             s.appuyer('q');
         },
         {3, 10, false, Verdict::enCours, 0, 0}},
        {"a bound key held with Caps Lock repeats, and stops at its release",
         [](SeanceDeTest &s) {
             lierQ(s);
             s.enfoncer({false, 'Q'}, 0);
             s.match.avancer(670);
             s.relacher({false, 'q'});
             s.match.avancer(2000);
         },
         {2, 10, false, Verdict::enCours, 0, 0}},
        {"F3 gives the left well to the computer, deaf to its player's keys",
         [](SeanceDeTest &s) {
             s.appuyerSpeciale(toucheF3);
             s.appuyer('a');
         },
         {4, 10, false, Verdict::enCours, 0, 0, "Computer \u00B7 Easy"}},
        {"F3 five times gives it back",
         [](SeanceDeTest &s) {
             plusieursFois(5, [&] { s.appuyerSpeciale(toucheF3); });
             s.appuyer('a');
         },
         {3, 10, false, Verdict::enCours, 0, 0}},
        {"paused, the computer waits",
         [](SeanceDeTest &s) {
             plusieursFois(4, [&] { s.appuyerSpeciale(toucheF3); });
             s.appuyer('p');
             s.match.avancer(10000);
         },
         {4, 10, true, Verdict::enCours, 0, 0, "Computer \u00B7 Expert"}},
        {"after the verdict, the computer waits",
         [](SeanceDeTest &s) {
             plusieursFois(4, [&] { s.appuyerSpeciale(toucheF3); });
             perdre(s.plateaux.droite);
             s.match.seconde(0);
             s.match.avancer(10000);
         },
         {4, 10, false, Verdict::gagneGauche, 1, 0, "Computer \u00B7 Expert"}},
        {"computer at both wells: the next match 5 s after the verdict",
         [](SeanceDeTest &s) {
             s.appuyerSpeciale(toucheF3);
             s.appuyerSpeciale(toucheF4);
             perdre(s.plateaux.gauche);
             s.match.seconde(1000);
             s.match.avancer(1000 + Match::attenteDemo - 1);
             EXPECT_NE(s.match.verdict(), Verdict::enCours);
             s.match.avancer(1000 + Match::attenteDemo);
         },
         {4, 16, false, Verdict::enCours, 0, 1, "Computer \u00B7 Easy"}},
        {"the computer keeps time with the step: Hard's 8 keys, the first with it",
         [](SeanceDeTest &s) {
             plusieursFois(3, [&] { s.appuyerSpeciale(toucheF4); });
             s.match.seconde(1000);
             std::vector<Instant> coups = {1000};
             for (auto du = s.match.prochaineEcheance(1000); du && coups.size() < 20;
                  du = s.match.prochaineEcheance(*du)) {
                 s.match.avancer(*du);
                 coups.push_back(*du);
             }
             EXPECT_EQ(coups,
                       (std::vector<Instant>{1000, 1125, 1250, 1375, 1500, 1625, 1750, 1875}));
         },
         {4, 9, false, Verdict::enCours, 0, 0}},
    };
    for (const Cas &c : cas) {
        SCOPED_TRACE(c.nom);
        SeanceDeTest s;
        c.evenements(s);
        EXPECT_EQ(s.match.nomPilote(0), c.attendu.gauche);
        EXPECT_EQ(s.plateaux.gauche.getX(), c.attendu.x);
        EXPECT_EQ(s.plateaux.gauche.getY(), c.attendu.y);
        EXPECT_EQ(s.match.enPause(), c.attendu.pause);
        EXPECT_EQ(s.match.verdict(), c.attendu.issue);
        EXPECT_EQ(s.match.victoires(0), c.attendu.victoires1);
        EXPECT_EQ(s.match.victoires(1), c.attendu.victoires2);
    }
}

// A new match puts back everything a match changes, and keeps the sway.
TEST(Seance, ANewMatchStartsFromNothing) {
    matchDeTest();
    Match match(joueur1, joueur2, seuil1, seuil2);
    modifier(joueur1, [](partieTest &t) {
        t.score = 1250;
        t.penalite = 2;
        t.plateau[3][0] = casePosee;
    });
    seuil1 = 1000;
    seuil2 = 500;
    rotationActive = true;
    match.nouveauMatch();
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

// Two matches in one process keep to their own games, pause, tally, players, held keys and
// listeners; only the pieces' generator, seeded by the clock's second, is one for the process.
TEST(Seance, TwoMatchesDoNotDisturbEachOther) {
    struct Oreille : EcouteurMatch {
        int faits = 0;
        void entendre(const Fait &) override { ++faits; }
    } oreilles[2];
    SeanceDeTest seances[2];
    seances[0].match.ecouter(oreilles[0]);
    seances[1].match.ecouter(oreilles[1]);
    const etatPartie avant(seances[1].plateaux.gauche);

    SeanceDeTest &a = seances[0];
    a.enfoncer({false, 'd'}, 0);
    a.match.avancer(690);
    a.appuyerSpeciale(toucheF4);
    a.appuyer('p');
    perdre(a.plateaux.droite);
    a.appuyer('p');
    a.match.seconde(1000);

    EXPECT_EQ(a.plateaux.gauche.getX(), 6);
    EXPECT_EQ(a.match.victoires(0), 1);
    const Match &b = seances[1].match;
    EXPECT_TRUE(etatPartie(seances[1].plateaux.gauche) == avant);
    EXPECT_FALSE(b.enPause());
    EXPECT_EQ(b.verdict(), Verdict::enCours);
    EXPECT_EQ(b.victoires(0), 0);
    EXPECT_EQ(b.nomPilote(1), "Player");
    EXPECT_GT(oreilles[0].faits, 0);
    EXPECT_EQ(oreilles[1].faits, 0);
    seances[1].match.avancer(5000);
    EXPECT_TRUE(etatPartie(seances[1].plateaux.gauche) == avant);
}

} // namespace
