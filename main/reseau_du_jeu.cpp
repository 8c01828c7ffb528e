#include "reseau_du_jeu.h"

#include "horloge.h"
#include "jeu.h"

#include <cctype>
#include <cstdio>
#include <string>

namespace {

// Long enough to read a sentence.
constexpr std::int64_t dureeAvis = 4000;
constexpr std::size_t longueurAdresseMax = 64;

void dire(const std::string &texte) {
    jeu().avis.afficher(texte, maintenant() + dureeAvis);
}

// Who plays each well over the network. The player's own choices are kept aside, and stand in
// the settings file meanwhile.
void piloter(Pilote::Reseau gauche, Pilote::Reseau droite) {
    Jeu &j = jeu();
    if (!j.pilotesLocaux) {
        j.pilotesLocaux = {{j.match.pilote(0), j.match.pilote(1)}};
    }
    const std::int64_t t = maintenant();
    j.match.choisirPilote(0, Pilote{false, Niveau::facile, gauche}, t);
    j.match.choisirPilote(1, Pilote{false, Niveau::facile, droite}, t);
}

// Every key and pad of this machine plays its well, or none.
void jouerSeul(std::optional<int> puits) {
    Jeu &j = jeu();
    j.clavier.jouerSeul(puits);
    j.manettes.jouerSeul(puits, j.match);
}

void attendreJoueur() {
    Jeu &j = jeu();
    jouerSeul(std::nullopt);
    j.avis.fixer("Waiting for a player on port " + std::to_string(j.hote->port()));
}

bool servirHote(std::int64_t t) {
    Jeu &j = jeu();
    const Hote::Nouvelles n = j.hote->servir(t, j.match);
    if (n.nouveau || n.revenu) {
        jouerSeul(0);
        j.avis.fixer(std::nullopt);
    }
    if (n.parti) {
        j.avis.fixer("The other player is gone: the match waits for them two minutes");
    }
    if (n.abandon) {
        attendreJoueur();
    }
    if (n.avis) {
        dire(*n.avis);
    }
    return n.change || n.avis.has_value();
}

bool servirInvite(std::int64_t t) {
    Jeu &j = jeu();
    const Invite::Nouvelles n = j.invite->servir(t, j.match);
    if (n.accueilli) {
        const bool joueur = j.invite->etat() == Invite::Etat::joueur;
        piloter(Pilote::Reseau::distant, joueur ? Pilote::Reseau::ici : Pilote::Reseau::distant);
        jouerSeul(joueur ? std::optional<int>(1) : std::nullopt);
        j.sonDuJeu.predire(joueur ? std::optional<int>(1) : std::nullopt);
        j.avis.fixer(std::nullopt);
    }
    for (const Fait &fait : n.faits) {
        j.sonDuJeu.entendreHote(fait);
    }
    if (n.perdu) {
        j.avis.fixer("Lost the game at " + nommer(j.invite->adresse()) + ": trying again");
    }
    if (j.invite->etat() == Invite::Etat::refuse && n.avis) {
        j.avis.fixer(*n.avis);
    } else if (n.avis) {
        dire(*n.avis);
    }
    return n.change || n.avis.has_value();
}

} // namespace

void heberger(std::unique_ptr<Hote> hote) {
    Jeu &j = jeu();
    j.hote = std::move(hote);
    j.match.ecouter(*j.hote);
    piloter(Pilote::Reseau::ici, Pilote::Reseau::distant);
    j.match.nouveauMatch();
    attendreJoueur();
    std::string adresses;
    for (const std::string &adresse : adressesLocales()) {
        adresses += (adresses.empty() ? "" : ", ") + adresse;
    }
    dire("Hosting on port " + std::to_string(j.hote->port()) +
         (adresses.empty() ? "" : ": join at " + adresses));
}

void rejoindre(std::unique_ptr<Invite> invite) {
    Jeu &j = jeu();
    j.invite = std::move(invite);
    piloter(Pilote::Reseau::distant, Pilote::Reseau::distant);
    j.match.nouveauMatch();
    jouerSeul(std::nullopt);
    j.match.suivreActions([](int puits, Action action) {
        Jeu &jj = jeu();
        if (jj.invite && puits == 1) {
            jj.invite->agir(action);
        }
    });
}

bool enReseau() {
    const Jeu &j = jeu();
    return j.hote || j.invite;
}

bool matchIci() {
    const Jeu &j = jeu();
    return !j.invite && (!j.hote || j.hote->etat() != Hote::Etat::attente);
}

bool executerEnReseau(Geste geste) {
    Jeu &j = jeu();
    if (!enReseau()) {
        return false;
    }
    if (geste == Geste::piloteGauche || geste == Geste::piloteDroite) {
        return true;
    }
    if (j.hote) {
        // The host plays on only with its player there: while it waits, the pause stays.
        const bool seance =
            geste == Geste::pause || geste == Geste::nouveauMatch || geste == Geste::matchSuivant;
        return seance && j.hote->etat() != Hote::Etat::enJeu;
    }
    if (const std::optional<Ordre> ordre = ordreDe(geste)) {
        j.invite->commander(*ordre);
        return true;
    }
    return false;
}

void heberger() {
    Jeu &j = jeu();
    if (enReseau()) {
        return;
    }
    std::string erreur;
    std::unique_ptr<Hote> hote = Hote::ouvrir(j.portReseau, erreur);
    if (!hote) {
        dire("Cannot host: " + erreur);
        return;
    }
    heberger(std::move(hote));
}

void ouvrirSaisie() {
    Jeu &j = jeu();
    // The match waits while the address is typed, and after: p plays on.
    if (!enReseau()) {
        j.saisie = j.derniereAdresse;
        j.match.mettreEnPause();
    }
}

bool saisir(unsigned char touche) {
    Jeu &j = jeu();
    if (!j.saisie) {
        return false;
    }
    std::string &texte = *j.saisie;
    if (touche == 27) {
        j.saisie.reset();
    } else if (touche == 8 || touche == 127) {
        if (!texte.empty()) {
            texte.pop_back();
        }
    } else if (touche == '\r' || touche == '\n') {
        const std::optional<AdresseJeu> adresse = lireAdresse(texte);
        std::string erreur;
        std::unique_ptr<Invite> invite = adresse ? Invite::rejoindre(*adresse, erreur) : nullptr;
        if (!adresse) {
            dire("Not an address: HOST or HOST:PORT");
        } else if (!invite) {
            dire("Cannot join: " + erreur);
        } else {
            j.derniereAdresse = texte;
            const std::string echec = j.reglages.ecrire(changementAdresse(texte));
            if (!echec.empty()) {
                std::fprintf(stderr, "cubefall: the settings could not be saved: %s\n",
                             echec.c_str());
            }
            j.saisie.reset();
            rejoindre(std::move(invite));
        }
    } else if ((std::isalnum(touche) != 0 || touche == '.' || touche == '-' || touche == ':') &&
               texte.size() < longueurAdresseMax) {
        texte += static_cast<char>(touche);
    }
    return true;
}

std::optional<std::int64_t> prochainServiceReseau(std::int64_t maintenant) {
    Jeu &j = jeu();
    if (j.hote) {
        return j.hote->prochaineEcheance(maintenant, j.match);
    }
    if (j.invite) {
        return j.invite->prochaineEcheance(maintenant);
    }
    return std::nullopt;
}

bool servirReseau(std::int64_t maintenant) {
    Jeu &j = jeu();
    if (j.hote) {
        return servirHote(maintenant);
    }
    if (j.invite) {
        return servirInvite(maintenant);
    }
    return false;
}
