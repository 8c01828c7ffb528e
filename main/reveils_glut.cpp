#include "reveils_glut.h"

#include "cadence.h"
#include "evenements.h"
#include "horloge.h"
#include "jeu.h"
#include "scene.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <csignal>

namespace {

volatile std::sig_atomic_t signalRecu = 0;

void surSignal(int numero) {
    signalRecu = numero;
}

void reveiller(int jeton) {
    Jeu &j = jeu();
    if (const int numero = signalRecu; numero != 0) {
        j.seance.quitter();
        std::signal(numero, SIG_DFL);
        std::raise(numero);
    }
    repondre(j.seance.reveiller(jeton, maintenant(), j.bureau.focusPerdu()));
}

} // namespace

void ecouterSignaux() {
    struct sigaction action {};
    action.sa_handler = surSignal;
    sigemptyset(&action.sa_mask);
    for (const int numero : {SIGTERM, SIGINT, SIGHUP}) {
        sigaction(numero, &action, nullptr);
    }
}

void planifier() {
    Jeu &j = jeu();
    const std::int64_t t = maintenant();
    const Reveil::Plan plan = j.seance.planifier(t, dernierTemps);
    if (plan.imageMaintenant) {
        glutPostRedisplay();
    }
    if (plan.reveil) {
        glutTimerFunc(static_cast<unsigned>(std::max<std::int64_t>(*plan.reveil - t, 0)), reveiller,
                      plan.jeton);
    }
}

void afficherImage() {
    Jeu &j = jeu();
    Seance &s = j.seance;
    s.imageDessinee();
    dessinerImage({s.vue(), s.match(), s.liaisons(), j.copieSol, s.avis(), s.unJoueur(),
                   s.saisie(), s.etiquetteRejeu()});
    planifier();
}
