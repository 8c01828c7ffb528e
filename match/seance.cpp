#include "seance.h"

#include "codes_touches.h"
#include "faits.h"
#include "joueurs.h"
#include "match.h"
#include "touches_tenues.h"

bool enPause = false;
int victoires1 = 0;
int victoires2 = 0;

namespace {

// The tally counts a finished match once, however many steps and keys come after its end.
bool issueComptee = false;

void compterIssue() {
    const Verdict issue = verdict();
    if (issue == Verdict::enCours) {
        issueComptee = false;
        return;
    }
    if (issueComptee) {
        return;
    }
    switch (issue) {
    case Verdict::enCours:
        return;
    case Verdict::gagneGauche:
        ++victoires1;
        break;
    case Verdict::gagneDroite:
        ++victoires2;
        break;
    case Verdict::nul:
        break;
    }
    issueComptee = true;
}

} // namespace

Verdict verdict() {
    const bool gauchePerdu = joueur1.getFini();
    const bool droitePerdu = joueur2.getFini();
    if (gauchePerdu && droitePerdu) {
        return Verdict::nul;
    }
    if (droitePerdu) {
        return Verdict::gagneGauche;
    }
    if (gauchePerdu) {
        return Verdict::gagneDroite;
    }
    return Verdict::enCours;
}

void seconde() {
    const Observation vue;
    if (enPause) {
        return;
    }
    pasMinuterie();
    compterIssue();
}

void appuyerTouche(unsigned char touche) {
    const Observation vue(intentionTouche(touche));
    if (touche == toucheSon) {
        signalerFait({Evenement::toucheSon, -1});
        return;
    }
    if (touche == 'p' || touche == 'P' || touche == toucheEchap) {
        basculerPause();
        return;
    }
    if ((touche == toucheEntree || touche == ' ') && verdict() != Verdict::enCours) {
        nouveauMatch();
        return;
    }
    if (enPause) {
        return;
    }
    clavier(touche, 0, 0);
    compterIssue();
}

void appuyerToucheSpeciale(int touche) {
    const Observation vue(intentionToucheSpeciale(touche));
    if (touche == toucheF2) {
        nouveauMatch();
        return;
    }
    if (enPause) {
        return;
    }
    clavierSpecial(touche, 0, 0);
    compterIssue();
}

void nouveauMatch() {
    // In the same order as at start-up, so both first pieces come from the clock as they did then.
    joueur1 = partie();
    joueur2 = partie();
    seuil1 = 0;
    seuil2 = 0;
    enPause = false;
    issueComptee = false;
    arreterRepetitions();
    matchRecommence();
}

// Held keys stop with the pause: after it, the players press again.
void basculerPause() {
    const Observation vue;
    enPause = !enPause;
    arreterRepetitions();
}

void mettreEnPause() {
    const Observation vue;
    enPause = true;
    arreterRepetitions();
}
