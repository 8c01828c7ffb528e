#include "reveil.h"

#include "avis.h"
#include "clavier_bureau.h"
#include "echeance.h"
#include "manettes.h"
#include "match.h"
#include "pilotes.h"
#include "scene.h"
#include "seance.h"
#include "son.h"
#include "touches_tenues.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <cstdint>
#include <optional>

namespace {

// The game starts with a picture to show.
bool imageChangee = true;
// The one wake-up armed, if any: when it is due, and the token that tells it from older ones
// (GLUT cannot take a timer back, so a wake-up overtaken by an earlier one just ends).
std::optional<Instant> reveilPrevu;
int jetonReveil = 0;

void reveiller(int jeton) {
    if (jeton != jetonReveil) {
        return;
    }
    reveilPrevu.reset();
    // Keys held while the window lost the keyboard will never see their release.
    if (focusPerdu()) {
        relacherTouches();
    }
    const Instant t = maintenant();
    const std::optional<Instant> finSons = finDesSons();
    if (finSons && *finSons <= t) {
        arreterSiSilence(t);
    }
    bool change = false;
    // The pads first: a direction pressed since the last reading may start its repeat.
    const std::optional<Instant> lecture = prochaineLectureManettes(t);
    if (lecture && *lecture <= t) {
        change = lireManettes(t);
    }
    const std::optional<Instant> repetition = prochaineRepetition();
    const std::optional<Instant> avis = finAvis();
    if (repetition && *repetition <= t) {
        repeterTouches(t);
        change = true;
    }
    change = jouerOrdinateurs(t) || change;
    // The notice's time up is a change too: a frame without it.
    if (change || (avis && *avis <= t)) {
        signalerChangement();
    } else {
        planifier();
    }
}

std::optional<Instant> auPlusTot(std::optional<Instant> a, std::optional<Instant> b) {
    if (!a || !b) {
        return a ? a : b;
    }
    return std::min(*a, *b);
}

} // namespace

Instant maintenant() {
    return glutGet(GLUT_ELAPSED_TIME);
}

void signalerChangement() {
    imageChangee = true;
    planifier();
}

void planifier() {
    const Instant t = maintenant();
    const bool balancement = rotationActive && !enPause;
    const std::optional<std::uint32_t> delai =
        delaiProchaineImage(imageChangee, balancement, static_cast<std::uint32_t>(t), dernierTemps);
    if (delai && *delai == 0) {
        glutPostRedisplay();
    }
    std::optional<Instant> echeance = auPlusTot(prochaineRepetition(), prochainCoupOrdinateur(t));
    echeance = auPlusTot(echeance, prochaineLectureManettes(t));
    if (delai && *delai > 0) {
        echeance = auPlusTot(echeance, t + *delai);
    }
    // The device sleeps once the sounds have ended; a notice past its time waits for the frame
    // already asked for.
    echeance = auPlusTot(echeance, finDesSons());
    const std::optional<Instant> avis = finAvis();
    if (avis && *avis > t) {
        echeance = auPlusTot(echeance, avis);
    }
    if (!echeance || (reveilPrevu && *reveilPrevu <= *echeance)) {
        return;
    }
    reveilPrevu = echeance;
    glutTimerFunc(static_cast<unsigned>(std::max<Instant>(*echeance - t, 0)), reveiller,
                  ++jetonReveil);
}

void afficherImage() {
    imageChangee = false;
    affichage();
    planifier();
}
