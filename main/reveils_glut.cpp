#include "reveils_glut.h"

#include "cadence.h"
#include "clavier.h"
#include "gestes_du_jeu.h"
#include "horloge.h"
#include "jeu.h"
#include "reseau_du_jeu.h"
#include "scene.h"

#include <GL/freeglut.h>

#include <algorithm>

namespace {

void reveiller(int jeton) {
    Jeu &j = jeu();
    if (!j.reveil.reveiller(jeton)) {
        return;
    }
    // Keys held while the window lost the keyboard will never see their release.
    if (j.bureau.focusPerdu()) {
        j.clavier.toutRelacher();
    }
    const std::int64_t t = maintenant();
    const std::optional<std::int64_t> finSons = j.son.fin();
    if (finSons && *finSons <= t) {
        j.son.arreterSiSilence(t);
    }
    bool change = false;
    // The pads first: a direction pressed since the last reading may start its repeat.
    const std::optional<std::int64_t> lecture = j.manettes.prochaineLecture(t);
    if (lecture && *lecture <= t) {
        const Manettes::Lecture lue = j.manettes.lire(t, j.match);
        change = lue.change;
        for (const Geste geste : lue.gestes) {
            executer(geste);
        }
    }
    const std::optional<std::int64_t> service = prochainServiceReseau(t);
    if (service && *service <= t) {
        change = servirReseau(t) || change;
    }
    change = j.match.avancer(t) || change;
    // The notice's time up is a change too: a frame without it.
    const std::optional<std::int64_t> avis = j.avis.fin();
    if (change || (avis && *avis <= t)) {
        signalerChangement();
    } else {
        planifier();
    }
}

} // namespace

void signalerChangement() {
    jeu().reveil.signalerChangement();
    planifier();
}

void planifier() {
    Jeu &j = jeu();
    const std::int64_t t = maintenant();
    // A notice past its time waits for the frame already asked for.
    std::optional<std::int64_t> avis = j.avis.fin();
    if (avis && *avis <= t) {
        avis.reset();
    }
    const Reveil::Plan plan =
        j.reveil.planifier(t, rotationActive && !j.match.enPause(), dernierTemps,
                           {j.match.prochaineEcheance(t), j.manettes.prochaineLecture(t),
                            j.son.fin(), avis, prochainServiceReseau(t)});
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
    j.reveil.imageDessinee();
    dessinerImage({j.vue, j.match, j.clavier.liaisons(), j.copieSol, j.avis, j.clavier.seul(),
                   j.champ.texte()});
    planifier();
}
