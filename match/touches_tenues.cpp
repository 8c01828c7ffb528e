#include "touches_tenues.h"

#include "joueurs.h"
#include "pilotes.h"
#include "seance.h"
#include "touches_joueurs.h"

#include <algorithm>
#include <vector>

namespace {

RepetitionTouches repetition;
// Every key down, repeating or not: the system's own repeats come as presses of a key already
// down, and are ignored.
std::vector<Touche> enfoncees;

// How many pieces each player had settled when their down key was pressed.
int poseesAuDepart[2] = {0, 0};
// The same for a well's held down action, apart from its player's key.
int poseesAction[2] = {0, 0};

partie &jeu(int puits) {
    return puits == 0 ? joueur1 : joueur2;
}

// A held action shares the keys' repeat under a code no key has: below zero.
Touche toucheAction(int puits, Action action) {
    return {false, -1 - (puits * 4 + static_cast<int>(action))};
}

// Letters count the same in either case, accented ones too (é on a French keyboard).
unsigned char minuscule(unsigned char touche) {
    const bool majuscule =
        (touche >= 'A' && touche <= 'Z') || (touche >= 0xC0 && touche <= 0xDE && touche != 0xD7);
    return majuscule ? static_cast<unsigned char>(touche + 0x20) : touche;
}

bool estDescente(const std::optional<Commande> &commande) {
    return commande && commande->action == Action::descendre;
}

void agirTouche(Touche touche) {
    if (touche.speciale) {
        appuyerToucheSpeciale(touche.code);
    } else {
        appuyerTouche(static_cast<unsigned char>(touche.code));
    }
}

void enfoncer(Touche touche, Instant maintenant) {
    if (std::find(enfoncees.begin(), enfoncees.end(), touche) != enfoncees.end()) {
        return;
    }
    enfoncees.push_back(touche);
    const std::optional<Commande> commande = commandeDe(touche);
    // Counted before the press acts: a press that settles the piece leaves nothing to repeat.
    if (estDescente(commande)) {
        poseesAuDepart[commande->puits] = jeu(commande->puits).getPosees();
    }
    if (touche.speciale) {
        appuyerToucheSpeciale(touche.code, maintenant);
    } else {
        appuyerTouche(static_cast<unsigned char>(touche.code));
    }
    // Moving, turning and pushing down repeat, as the system made them repeat; l switches the
    // sway once per press. A press during the pause did nothing, and does not start repeating
    // when the pause ends.
    if (commande && !enPause) {
        repetition.enfoncer(touche, maintenant);
    }
}

// A held action repeats while its well is still its player's, as a key does.
bool repeterAction(Touche touche) {
    const int puits = (-1 - touche.code) / 4;
    const auto action = static_cast<Action>((-1 - touche.code) % 4);
    if (pilote(puits).ordinateur || verdict() != Verdict::enCours ||
        (action == Action::descendre && jeu(puits).getPosees() != poseesAction[puits])) {
        return false;
    }
    agir(puits, action);
    return true;
}

// One repeat is one more key event, unless the down key's piece has settled meanwhile, or the
// match is over: a held key then must not start the next one (Space may be a player's key).
bool repeterUne(Touche touche) {
    if (!touche.speciale && touche.code < 0) {
        return repeterAction(touche);
    }
    const std::optional<Commande> commande = commandeDe(touche);
    if (!commande || verdict() != Verdict::enCours) {
        return false;
    }
    if (estDescente(commande) &&
        jeu(commande->puits).getPosees() != poseesAuDepart[commande->puits]) {
        return false;
    }
    agirTouche(touche);
    return true;
}

void relacher(Touche touche) {
    enfoncees.erase(std::remove(enfoncees.begin(), enfoncees.end(), touche), enfoncees.end());
    repetition.relacher(touche);
}

} // namespace

void enfoncerTouche(unsigned char touche, Instant maintenant) {
    enfoncer({false, minuscule(touche)}, maintenant);
}

void relacherTouche(unsigned char touche) {
    // Control pressed while a letter is down makes its release a control code (Ctrl+A is 1):
    // still that letter. Return, Tab and BackSpace share those codes, and are released as
    // themselves when they are the key down.
    const Touche telle{false, touche};
    if (touche >= 1 && touche <= 26 &&
        std::find(enfoncees.begin(), enfoncees.end(), telle) == enfoncees.end()) {
        touche = static_cast<unsigned char>(touche - 1 + 'a');
    }
    relacher({false, minuscule(touche)});
}

void enfoncerToucheSpeciale(int touche, Instant maintenant) {
    enfoncer({true, touche}, maintenant);
}

void relacherToucheSpeciale(int touche) {
    relacher({true, touche});
}

void enfoncerAction(int puits, Action action, Instant maintenant) {
    if (enPause || pilote(puits).ordinateur) {
        return;
    }
    poseesAction[puits] = jeu(puits).getPosees();
    agir(puits, action);
    if (action != Action::pivoter) {
        repetition.enfoncer(toucheAction(puits, action), maintenant);
    }
}

void relacherAction(int puits, Action action) {
    repetition.relacher(toucheAction(puits, action));
}

void relacherTouches() {
    for (const Touche touche : enfoncees) {
        repetition.relacher(touche);
    }
    enfoncees.clear();
}

void arreterRepetitions() {
    repetition.toutRelacher();
}

void repeterTouches(Instant maintenant) {
    if (enPause) {
        arreterRepetitions();
        return;
    }
    repetition.repeter(maintenant, repeterUne);
}

std::optional<Instant> prochaineRepetition() {
    return repetition.prochaineRepetition();
}

void reglerRepetition(ReglageRepetition reglage) {
    repetition.regler(reglage);
}
