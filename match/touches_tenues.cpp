#include "touches_tenues.h"

#include "codes_touches.h"
#include "joueurs.h"
#include "pilotes.h"
#include "seance.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

RepetitionTouches repetition;
// Every key down, repeating or not: the system's own repeats come as presses of a key already
// down, and are ignored.
std::vector<Touche> enfoncees;

// How many pieces the player of a held down key had settled when it was pressed.
int poseesAuDepart1 = 0;
int poseesAuDepart2 = 0;
// The same for a well's held down action, apart from its player's key.
int poseesAction[2] = {};

partie &jeu(int puits) {
    return puits == 0 ? joueur1 : joueur2;
}

// A held action shares the keys' repeat under a code no key has: below zero.
Touche toucheAction(int puits, Action action) {
    return {false, -1 - (puits * 4 + static_cast<int>(action))};
}

unsigned char minuscule(unsigned char touche) {
    return touche >= 'A' && touche <= 'Z' ? static_cast<unsigned char>(touche - 'A' + 'a') : touche;
}

// Moving, turning and pushing down repeat, as the system made them repeat; l switches the sway
// once per press.
bool repete(Touche touche) {
    if (touche.speciale) {
        return touche.code == toucheGauche || touche.code == toucheDroite ||
               touche.code == toucheHaut || touche.code == toucheBas;
    }
    return touche.code != 0 && std::strchr("adws", touche.code) != nullptr;
}

void enfoncer(Touche touche, Instant maintenant) {
    if (std::find(enfoncees.begin(), enfoncees.end(), touche) != enfoncees.end()) {
        return;
    }
    enfoncees.push_back(touche);
    // Counted before the press acts: a press that settles the piece leaves nothing to repeat.
    if (touche.speciale && touche.code == toucheBas) {
        poseesAuDepart2 = joueur2.getPosees();
    } else if (!touche.speciale && touche.code == 's') {
        poseesAuDepart1 = joueur1.getPosees();
    }
    if (touche.speciale) {
        appuyerToucheSpeciale(touche.code, maintenant);
    } else {
        appuyerTouche(static_cast<unsigned char>(touche.code));
    }
    // A press during the pause did nothing, and does not start repeating when the pause ends.
    if (repete(touche) && !enPause) {
        repetition.enfoncer(touche, maintenant);
    }
}

// A held action repeats while its well is still its player's.
bool repeterAction(Touche touche) {
    const int puits = (-1 - touche.code) / 4;
    const auto action = static_cast<Action>((-1 - touche.code) % 4);
    if (pilote(puits).ordinateur ||
        (action == Action::descendre && jeu(puits).getPosees() != poseesAction[puits])) {
        return false;
    }
    agir(puits, action);
    return true;
}

// One repeat is one more key event, unless the down key's piece has settled meanwhile.
bool repeterUne(Touche touche) {
    if (!touche.speciale && touche.code < 0) {
        return repeterAction(touche);
    }
    if (touche.speciale) {
        if (touche.code == toucheBas && joueur2.getPosees() != poseesAuDepart2) {
            return false;
        }
        appuyerToucheSpeciale(touche.code);
    } else {
        if (touche.code == 's' && joueur1.getPosees() != poseesAuDepart1) {
            return false;
        }
        appuyerTouche(static_cast<unsigned char>(touche.code));
    }
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
    // Control held down makes a letter's release a control code (Ctrl+A is 1): still that letter.
    if (touche >= 1 && touche <= 26) {
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
