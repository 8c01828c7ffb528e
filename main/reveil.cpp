#include "reveil.h"

#include "clavier_bureau.h"
#include "echeance.h"
#include "match.h"
#include "pilotes.h"
#include "scene.h"
#include "seance.h"
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
    bool change = false;
    const std::optional<Instant> repetition = prochaineRepetition();
    if (repetition && *repetition <= t) {
        repeterTouches(t);
        change = true;
    }
    change = jouerOrdinateurs(t) || change;
    if (change) {
        signalerChangement();
    } else {
        planifier();
    }
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
    std::optional<Instant> echeance = prochaineRepetition();
    if (const std::optional<Instant> coup = prochainCoupOrdinateur(t)) {
        echeance = std::min(echeance.value_or(*coup), *coup);
    }
    if (delai && *delai > 0) {
        echeance = std::min(echeance.value_or(t + *delai), t + *delai);
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
