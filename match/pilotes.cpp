#include "pilotes.h"

#include "codes_touches.h"
#include "faits.h"
#include "joueurs.h"
#include "match.h"
#include "ordinateur.h"
#include "seance.h"

#include <random>

namespace {

struct Puits {
    Pilote pilote;
    Ordinateur ordinateur;
    std::optional<Instant> prochainCoup;
};

Puits puits[2];
// When the last one-second step came, once one has.
std::optional<Instant> derniereSeconde;
// When the demo's next match is due, once its verdict has been seen.
std::optional<Instant> prochainMatch;

partie &jeu(int n) {
    return n == 0 ? joueur1 : joueur2;
}

// The computer's own slips are its own: they do not follow the pieces.
std::uint32_t nouvelleGraine() {
    static std::random_device source;
    return source();
}

bool demo() {
    return puits[0].pilote.ordinateur && puits[1].pilote.ordinateur;
}

void armer(int n, Instant maintenant) {
    Puits &p = puits[n];
    if (!p.pilote.ordinateur) {
        p.prochainCoup.reset();
        return;
    }
    p.ordinateur = Ordinateur(p.pilote.niveau, nouvelleGraine());
    p.prochainCoup = maintenant + profil(p.pilote.niveau).intervalle;
}

} // namespace

Pilote pilote(int n) {
    return puits[n].pilote;
}

void choisirPilote(int n, Pilote choix, Instant maintenant) {
    puits[n].pilote = choix;
    armer(n, maintenant);
    prochainMatch.reset();
}

void pilotSuivant(int n, Instant maintenant) {
    Pilote p = puits[n].pilote;
    if (!p.ordinateur) {
        p = {true, Niveau::facile};
    } else if (p.niveau == Niveau::expert) {
        p = {};
    } else {
        p.niveau = static_cast<Niveau>(static_cast<int>(p.niveau) + 1);
    }
    choisirPilote(n, p, maintenant);
}

std::string nomPilote(int n) {
    const Pilote p = puits[n].pilote;
    return p.ordinateur ? std::string("Computer \u00B7 ") + nomNiveau(p.niveau) : "Player";
}

void agir(int n, Action action) {
    const Observation vue(Intention{n, action});
    if (enPause) {
        return;
    }
    // Through the player's own keys, so the computer can do nothing a person cannot.
    if (n == 0) {
        constexpr unsigned char lettres[] = {'a', 'd', 'w', 's'};
        clavier(lettres[static_cast<int>(action)], 0, 0);
    } else {
        constexpr int fleches[] = {toucheGauche, toucheDroite, toucheHaut, toucheBas};
        clavierSpecial(fleches[static_cast<int>(action)], 0, 0);
    }
    compterIssue();
}

std::optional<Instant> prochainCoupOrdinateur(Instant maintenant) {
    if (enPause) {
        prochainMatch.reset();
        return std::nullopt;
    }
    if (verdict() != Verdict::enCours) {
        if (!demo()) {
            return std::nullopt;
        }
        if (!prochainMatch) {
            prochainMatch = maintenant + attenteDemo;
        }
        return prochainMatch;
    }
    std::optional<Instant> prochain;
    for (const Puits &p : puits) {
        if (p.prochainCoup && (!prochain || *p.prochainCoup < *prochain)) {
            prochain = p.prochainCoup;
        }
    }
    return prochain;
}

bool jouerOrdinateurs(Instant maintenant) {
    const std::optional<Instant> du = prochainCoupOrdinateur(maintenant);
    if (!du || *du > maintenant) {
        return false;
    }
    if (verdict() != Verdict::enCours) {
        nouveauMatch();
        return true;
    }
    bool change = false;
    for (int n = 0; n < 2; ++n) {
        Puits &p = puits[n];
        if (!p.prochainCoup || *p.prochainCoup > maintenant || verdict() != Verdict::enCours) {
            continue;
        }
        const int intervalle = profil(p.pilote.niveau).intervalle;
        // A game that could not look for a while (a stalled frame, a pause) does not get a burst.
        p.prochainCoup = std::max(*p.prochainCoup + intervalle, maintenant + intervalle / 2);
        // The key that would come with the next step waits for it, however late the step is.
        if (derniereSeconde && *p.prochainCoup > *derniereSeconde + 1000 - intervalle / 2) {
            p.prochainCoup.reset();
        }
        if (const std::optional<Action> action = p.ordinateur.prochaineAction(jeu(n))) {
            agir(n, *action);
            change = true;
        }
    }
    return change;
}

void battreSeconde(Instant maintenant) {
    derniereSeconde = maintenant;
    for (Puits &p : puits) {
        if (p.pilote.ordinateur) {
            p.prochainCoup = maintenant;
        }
    }
}

void oublierCoups() {
    prochainMatch.reset();
    for (Puits &p : puits) {
        if (p.pilote.ordinateur) {
            p.ordinateur = Ordinateur(p.pilote.niveau, nouvelleGraine());
        }
    }
}
