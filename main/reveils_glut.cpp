#include "reveils_glut.h"

#include "cadence.h"
#include "horloge.h"
#include "jeu.h"
#include "scene.h"
#include "traduction.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <csignal>
#include <cstdio>

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

void repondre(const Seance::Reponse &reponse) {
    Jeu &j = jeu();
    if (reponse.pleinEcran) {
        j.pleinEcran.basculer();
    }
    for (const Changement &changement : reponse.reglages) {
        const std::string echec = j.reglages.ecrire(changement);
        if (!echec.empty()) {
            std::fprintf(
                stderr, "%s\n",
                remplir(_("cubefall: the settings could not be saved: {1}"), {echec}).c_str());
        }
    }
    for (const std::string &message : reponse.messages) {
        std::fprintf(stderr, "%s\n", message.c_str());
    }
    // Killed in the ordinary way during a network match, the game tells the other machine first.
    static bool signauxEcoutes = false;
    if (j.seance.enReseau() && !signauxEcoutes) {
        ecouterSignaux();
        signauxEcoutes = true;
    }
    planifier();
}

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
    dessinerImage({s.vue(), s.match(), s.liaisons(), j.copieSol, s.avis(), s.unJoueur(), s.saisie(),
                   s.etiquetteRejeu()});
    planifier();
}
