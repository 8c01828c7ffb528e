#include "seance_de_test.h"

#include "codes_touches.h"
#include "touches_liees.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

enum class Mouvement { enfonce, relache, enfonceSpeciale, relacheSpeciale, focusPerdu, horloge };

// At `t`, one gesture (horloge: the game looks for due repeats), then where both pieces are.
struct Pas {
    Instant t;
    Mouvement geste;
    int touche;
    int x1, y1, x2, y2;
    bool balance = false;
};

struct Cas {
    std::string nom;
    std::vector<Pas> pas;
    int ligneJoueur1 = 10;
};

// Both type 0 pieces start at (4, 10); the desktop repeats after 660 ms, then every 40 ms.
TEST(Repetition, ChaqueToucheTenueSeRepeteSeule) {
    remplacerHorloge(secondeFixe);
    const int entree = bloc().getY();
    using G = Mouvement;
    const std::vector<Cas> cas = {
        {"delai puis cadence, jusqu'au relachement",
         {{0, G::enfonce, 'd', 5, 10, 4, 10},
          {659, G::horloge, 0, 5, 10, 4, 10},
          {660, G::horloge, 0, 6, 10, 4, 10},
          {699, G::horloge, 0, 6, 10, 4, 10},
          {745, G::horloge, 0, 7, 10, 4, 10},
          {750, G::relache, 'd', 7, 10, 4, 10},
          {3000, G::horloge, 0, 7, 10, 4, 10}}},
        {"deux joueurs: relacher l'une n'arrete pas l'autre",
         {{0, G::enfonce, 'a', 3, 10, 4, 10},
          {300, G::enfonceSpeciale, toucheDroite, 3, 10, 5, 10},
          {660, G::horloge, 0, 2, 10, 5, 10},
          {670, G::relache, 'a', 2, 10, 5, 10},
          {960, G::horloge, 0, 2, 10, 6, 10},
          {1000, G::horloge, 0, 2, 10, 7, 10},
          {1001, G::relacheSpeciale, toucheDroite, 2, 10, 7, 10},
          {3000, G::horloge, 0, 2, 10, 7, 10}}},
        {"majuscule: A agit et se relache comme a",
         {{0, G::enfonce, 'A', 3, 10, 4, 10},
          {660, G::horloge, 0, 2, 10, 4, 10},
          {670, G::relache, 'a', 2, 10, 4, 10},
          {3000, G::horloge, 0, 2, 10, 4, 10}}},
        {"l ne se repete pas, ni par les repetitions du systeme",
         {{0, G::enfonce, 'l', 4, 10, 4, 10, true},
          {700, G::horloge, 0, 4, 10, 4, 10, true},
          {700, G::enfonce, 'l', 4, 10, 4, 10, true},
          {710, G::enfonce, 'a', 3, 10, 4, 10, true},
          {740, G::enfonce, 'a', 3, 10, 4, 10, true}}},
        {"la touche du bas s'arrete a la pose",
         {{0, G::enfonce, 's', 4, 1, 4, 10},
          {660, G::horloge, 0, 4, entree, 4, 10},
          {3000, G::horloge, 0, 4, entree, 4, 10},
          {3001, G::relache, 's', 4, entree, 4, 10},
          {3002, G::enfonce, 's', 4, entree - 1, 4, 10}},
         2},
        {"focus perdu: tout est relache",
         {{0, G::enfonce, 'a', 3, 10, 4, 10},
          {0, G::enfonceSpeciale, toucheBas, 3, 10, 4, 9},
          {660, G::horloge, 0, 2, 10, 4, 8},
          {670, G::focusPerdu, 0, 2, 10, 4, 8},
          {3000, G::horloge, 0, 2, 10, 4, 8}}},
        {"en pause rien ne se repete, ni apres",
         {{0, G::enfonce, 'd', 5, 10, 4, 10},
          {100, G::enfonce, 'p', 5, 10, 4, 10},
          {2000, G::horloge, 0, 5, 10, 4, 10},
          {2100, G::enfonce, 'p', 5, 10, 4, 10},
          {3000, G::horloge, 0, 5, 10, 4, 10}}},
        {"une image tres en retard ne rattrape que les 100 dernieres ms",
         {{0, G::enfonce, 'a', 3, 10, 4, 10}, {5000, G::horloge, 0, 0, 10, 4, 10}}},
    };

    for (const Cas &c : cas) {
        SCOPED_TRACE(c.nom);
        SeanceDeTest s;
        modifier(s.plateaux.gauche, [&](partieTest &t) { t.placerPiece(0, 4, c.ligneJoueur1); });
        s.match.reglerRepetition({true, 660, 40});
        for (const Pas &p : c.pas) {
            switch (p.geste) {
            case Mouvement::enfonce:
                s.enfoncer({false, p.touche}, p.t);
                break;
            case Mouvement::relache:
                s.relacher({false, p.touche});
                break;
            case Mouvement::enfonceSpeciale:
                s.enfoncer({true, p.touche}, p.t);
                break;
            case Mouvement::relacheSpeciale:
                s.relacher({true, p.touche});
                break;
            case Mouvement::focusPerdu:
                s.reveiller(p.t, true);
                break;
            case Mouvement::horloge:
                s.match.avancer(p.t);
                break;
            }
            EXPECT_EQ(s.plateaux.gauche.getX(), p.x1) << "t = " << p.t;
            EXPECT_EQ(s.plateaux.gauche.getY(), p.y1) << "t = " << p.t;
            EXPECT_EQ(s.plateaux.droite.getX(), p.x2) << "t = " << p.t;
            EXPECT_EQ(s.plateaux.droite.getY(), p.y2) << "t = " << p.t;
            EXPECT_EQ(s.balancement(), p.balance) << "t = " << p.t;
        }
    }
}

// Return, Tab and BackSpace share their codes with Ctrl+M, Ctrl+I and Ctrl+H: still, each tap of
// them is one press, every time. A key bound twice leaves the other player their default, or no
// key when that is taken too, and is told once.
TEST(Repetition, ReturnTabEtBackSpaceAgissentAChaqueFrappe) {
    SeanceDeTest s;
    for (int match = 0; match < 3; ++match) {
        modifier(s.plateaux.gauche, [](partieTest &t) { t.fini = true; });
        s.match.seconde(0);
        ASSERT_NE(s.match.verdict(), Verdict::enCours) << "match " << match;
        s.appuyer(Touche{false, '\r'}, 100);
        EXPECT_EQ(s.match.verdict(), Verdict::enCours) << "match " << match;
    }

    Reglages reglages;
    reglages.puits[0].touches[2] = "Up";
    reglages.puits[1].touches = {"a", "BackSpace", "Up", "Tab"};
    const NommerTouche nommer = [](const std::string &nom) -> std::optional<Touche> {
        if (nom == "BackSpace" || nom == "Tab") {
            return Touche{false, nom == "Tab" ? 9 : 8};
        }
        for (const auto &puits : touchesParDefaut) {
            for (const ToucheParDefaut &d : puits) {
                if (nom == d.nom) {
                    return d.touche;
                }
            }
        }
        return std::nullopt;
    };
    std::vector<std::string> messages;
    SeanceDeTest t;
    t.lier(lierTouches(reglages, {"a", "d", "w", "s"}, nommer, messages));
    EXPECT_EQ(messages, (std::vector<std::string>{
                            "cubefall: a is bound twice; it stays the left well's left key",
                            "cubefall: Up is bound twice; it stays the left well's turn key"}));
    t.match.reglerRepetition({true, 660, 40});
    for (const int touche : {8, 9, int{'a'}}) {
        t.appuyer(Touche{false, touche}, 0);
        t.match.avancer(2000);
    }
    t.appuyer(Touche{true, toucheGauche}, 2000);
    EXPECT_EQ(t.plateaux.droite.getX(), 4) << "BackSpace once right, the Left arrow once left";
    EXPECT_EQ(t.plateaux.droite.getY(), 9) << "Tab one step down";
    EXPECT_EQ(t.plateaux.gauche.getX(), 3);
}

} // namespace
