#include "seance.h"

#include "codes_touches.h"
#include "faits.h"
#include "joueurs.h"
#include "match.h"
#include "pilotes.h"
#include "touches_tenues.h"

#include <optional>

bool enPause = false;
int victoires1 = 0;
int victoires2 = 0;

namespace {

// The tally counts a finished match once, however many steps and keys come after its end.
bool issueComptee = false;

// The left player's four letters and the right player's arrows, as the actions they are.
std::optional<Action> actionLettre(unsigned char touche) {
    switch (touche) {
    case 'a':
        return Action::gauche;
    case 'd':
        return Action::droite;
    case 'w':
        return Action::pivoter;
    case 's':
        return Action::descendre;
    default:
        return std::nullopt;
    }
}

std::optional<Action> actionFleche(int touche) {
    switch (touche) {
    case toucheGauche:
        return Action::gauche;
    case toucheDroite:
        return Action::droite;
    case toucheHaut:
        return Action::pivoter;
    case toucheBas:
        return Action::descendre;
    default:
        return std::nullopt;
    }
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
    // A well the computer plays does not hear its player.
    if (const std::optional<Action> action = actionLettre(touche)) {
        if (!pilote(0).ordinateur) {
            agir(0, *action);
        }
        return;
    }
    clavier(touche, 0, 0);
    compterIssue();
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
    if (const std::optional<Action> action = actionFleche(touche)) {
        if (!pilote(1).ordinateur) {
            agir(1, *action);
        }
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
