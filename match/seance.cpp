#include "seance.h"

#include "codes_touches.h"
#include "faits.h"
#include "joueurs.h"
#include "match.h"
#include "pilotes.h"
#include "touches_joueurs.h"
#include "touches_tenues.h"

#include <optional>

bool enPause = false;
int victoires1 = 0;
int victoires2 = 0;

namespace {

// The tally counts a finished match once, however many steps and keys come after its end.
bool issueComptee = false;

// A player's key: its action on its well, unless the computer plays that well, which does not
// hear its player.
bool jouerTouche(Touche touche) {
    const std::optional<Commande> commande = commandeDe(touche);
    if (!commande) {
        return false;
    }
    if (!pilote(commande->puits).ordinateur) {
        agir(commande->puits, commande->action);
    }
    return true;
}

// A key of a well the computer plays means nothing: not even a refused turn.
Intention intentionDuJoueur(Intention intention) {
    return intention.puits >= 0 && pilote(intention.puits).ordinateur ? Intention{} : intention;
}

} // namespace

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
    const Observation vue(intentionDuJoueur(intentionTouche(touche)));
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
    if (jouerTouche({false, touche})) {
        return;
    }
    // The players' letters act through their bindings alone: of the design's characters, only
    // the sway's is left.
    if (touche == 'l') {
        clavier(touche, 0, 0);
    }
}

void appuyerToucheSpeciale(int touche, Instant maintenant) {
    const Observation vue(intentionDuJoueur(intentionToucheSpeciale(touche)));
    if (touche == toucheF2) {
        nouveauMatch();
        return;
    }
    if (touche == toucheF3 || touche == toucheF4) {
        pilotSuivant(touche == toucheF3 ? 0 : 1, maintenant);
        return;
    }
    if (enPause) {
        return;
    }
    jouerTouche({true, touche});
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
    oublierCoups();
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
