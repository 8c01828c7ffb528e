#include "reseau_du_jeu.h"

#include "horloge.h"
#include "jeu.h"

#include <csignal>
#include <cstdio>
#include <string>

namespace {

volatile std::sig_atomic_t signalRecu = 0;

void surSignal(int numero) {
    signalRecu = numero;
}

// Killed in the ordinary way (SIGTERM, Ctrl-C) during a network match, the game tells the other
// machine as it goes: the signal is noticed at the next service, which the match has often.
void ecouterSignaux() {
    struct sigaction action {};
    action.sa_handler = surSignal;
    sigemptyset(&action.sa_mask);
    for (const int numero : {SIGTERM, SIGINT, SIGHUP}) {
        sigaction(numero, &action, nullptr);
    }
}

void dire(const std::string &texte) {
    jeu().avis.afficher(texte, maintenant() + dureeAvisReseau);
}

// Who plays each well, and what this machine's keys, pads and sound follow, as the session says.
// The player's own choices are kept aside, and stand in the settings file meanwhile.
void suivreRoles() {
    Jeu &j = jeu();
    const Session &session = j.reseau->session();
    if (!j.pilotesLocaux) {
        j.pilotesLocaux = {{j.match.pilote(0), j.match.pilote(1)}};
    }
    const std::array<Pilote::Reseau, 2> pilotes = session.pilotes();
    for (int puits = 0; puits < 2; ++puits) {
        j.match.choisirPilote(puits, Pilote{false, Niveau::facile, pilotes[puits]}, maintenant());
    }
    j.clavier.jouerSeul(session.puitsJoue());
    j.manettes.jouerSeul(session.puitsJoue(), j.match);
    j.sonDuJeu.predire(session.puitsPredit());
}

bool suivre(const Nouvelles &n) {
    Jeu &j = jeu();
    if (n.roles) {
        suivreRoles();
    }
    if (n.avisFixe) {
        j.avis.fixer(*n.avisFixe);
    }
    if (n.avis) {
        dire(*n.avis);
    }
    for (const Fait &fait : n.faitsHote) {
        j.sonDuJeu.entendreHote(fait);
    }
    return n.change || n.avis || n.avisFixe;
}

} // namespace

void jouerEnReseau(std::unique_ptr<TransportEnet> reseau) {
    Jeu &j = jeu();
    j.reseau = std::move(reseau);
    ecouterSignaux();
    j.reseau->session().commencer(j.match, maintenant());
    j.match.suivreActions([](int puits, Action action) {
        Jeu &jj = jeu();
        if (jj.reseau && jj.reseau->session().puitsPredit() == puits) {
            jj.reseau->session().agir(action, maintenant());
            jj.reseau->envoyer();
        }
    });
    suivre(j.reseau->session().prendreNouvelles());
}

bool enReseau() {
    return jeu().reseau != nullptr;
}

bool matchIci() {
    const Jeu &j = jeu();
    return !j.reseau || j.reseau->session().matchIci();
}

bool executerEnReseau(Geste geste) {
    Jeu &j = jeu();
    if (!j.reseau) {
        return false;
    }
    const bool pris = j.reseau->session().geste(geste, j.match, maintenant());
    j.reseau->envoyer();
    suivre(j.reseau->session().prendreNouvelles());
    return pris;
}

void heberger() {
    Jeu &j = jeu();
    if (enReseau()) {
        return;
    }
    std::string erreur;
    std::unique_ptr<TransportEnet> reseau = TransportEnet::heberger(j.portReseau, erreur);
    if (!reseau) {
        dire("Cannot host: " + erreur);
        return;
    }
    jouerEnReseau(std::move(reseau));
}

void ouvrirSaisie() {
    Jeu &j = jeu();
    // The match waits while the address is typed, and after: p plays on.
    if (!enReseau()) {
        j.champ.ouvrir(j.derniereAdresse);
        j.match.mettreEnPause();
    }
}

bool saisir(unsigned char touche) {
    Jeu &j = jeu();
    if (!j.champ.ouvert()) {
        return false;
    }
    if (j.champ.toucher(touche) != ChampAdresse::Suite::valider) {
        return true;
    }
    const std::string texte = *j.champ.texte();
    const std::optional<AdresseJeu> adresse = lireAdresse(texte);
    std::string erreur;
    std::unique_ptr<TransportEnet> reseau =
        adresse ? TransportEnet::rejoindre(*adresse, erreur) : nullptr;
    if (!adresse) {
        dire("Not an address: HOST or HOST:PORT");
    } else if (!reseau) {
        dire("Cannot join: " + erreur);
    } else {
        j.derniereAdresse = texte;
        const std::string echec = j.reglages.ecrire(changementAdresse(texte));
        if (!echec.empty()) {
            std::fprintf(stderr, "cubefall: the settings could not be saved: %s\n", echec.c_str());
        }
        j.champ.fermer();
        jouerEnReseau(std::move(reseau));
    }
    return true;
}

std::optional<std::int64_t> prochainServiceReseau(std::int64_t maintenant) {
    const Jeu &j = jeu();
    if (!j.reseau) {
        return std::nullopt;
    }
    return j.reseau->prochaineEcheance(maintenant, j.match);
}

bool servirReseau(std::int64_t maintenant) {
    Jeu &j = jeu();
    if (!j.reseau) {
        return false;
    }
    if (const int numero = signalRecu; numero != 0) {
        j.reseau.reset();
        std::signal(numero, SIG_DFL);
        std::raise(numero);
    }
    return suivre(j.reseau->servir(maintenant, j.match));
}
