#include "touches_tenues.h"

#include "joueurs.h"
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

partie &jeu(int puits) {
    return puits == 0 ? joueur1 : joueur2;
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

// One repeat is one more key event, unless the down key's piece has settled meanwhile, or the
// match is over: a held key then must not start the next one (Space may be a player's key).
bool repeterUne(Touche touche) {
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

void relacherTouches() {
    enfoncees.clear();
    repetition.toutRelacher();
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
