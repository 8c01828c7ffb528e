#pragma once

#include "partie_test.h"
#include "seance.h"

// The game's own sitting over two fresh games (partieNeuve), the pieces drawn later from a fixed
// second, with no sound device and no pad: keys as GLUT reports them, wake-ups as GLUT brings
// them, each call followed by the plan of what comes next, as the game follows it. Replays are
// kept in memory only.
struct SeanceDeTest {
    Plateaux plateaux;
    Son son;
    Manettes manettes;
    Seance seance{plateaux.gauche, plateaux.droite, plateaux.seuilGauche, plateaux.seuilDroite, son,
                  manettes};
    Match &match = seance.match();
    int jeton = 0;

    explicit SeanceDeTest(const Liaisons &liaisons = Liaisons()) {
        remplacerHorloge(secondeFixe);
        plateaux.gauche = partieNeuve();
        plateaux.droite = partieNeuve();
        rotationActive = false;
        lier(liaisons);
    }
    ~SeanceDeTest() { remplacerHorloge(nullptr); }
    SeanceDeTest(const SeanceDeTest &) = delete;
    SeanceDeTest &operator=(const SeanceDeTest &) = delete;

    // The sitting starts again with these keys, as at the game's start.
    void lier(const Liaisons &liaisons) {
        Seance::Depart depart;
        depart.liaisons = liaisons;
        depart.rejeuxGardes = 0;
        repondre(seance.demarrer(depart, nullptr, std::nullopt, 0), 0);
    }
    Seance::Reponse repondre(Seance::Reponse reponse, Instant t) {
        const Reveil::Plan plan = seance.planifier(t, 0);
        if (plan.reveil) {
            jeton = plan.jeton;
        }
        return reponse;
    }
    Seance::Reponse enfoncer(Touche touche, Instant t = 0) {
        return repondre(seance.enfoncer(touche, t), t);
    }
    void relacher(Touche touche) { seance.relacher(touche); }
    // A tap: pressed, then released.
    Seance::Reponse appuyer(Touche touche, Instant t = 0) {
        const Seance::Reponse reponse = enfoncer(touche, t);
        relacher(touche);
        return reponse;
    }
    Seance::Reponse appuyer(unsigned char touche) { return appuyer(Touche{false, touche}); }
    Seance::Reponse appuyerSpeciale(int touche) { return appuyer(Touche{true, touche}); }
    // The wake-up last armed, at `t`.
    Seance::Reponse reveiller(Instant t, bool focusPerdu = false) {
        return repondre(seance.reveiller(jeton, t, focusPerdu), t);
    }
    bool balancement() const { return rotationActive; }
};
