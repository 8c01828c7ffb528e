#include "session_hote.h"
#include "traduction.h"

#include "echeance.h"
#include "miroir.h"

#include <algorithm>

SessionHote::SessionHote(std::uint16_t port, std::vector<std::string> adresses)
    : port_(port), adresses_(std::move(adresses)) {}

std::string SessionHote::attendre() const {
    return remplir(_("Waiting for a player on port {1}"), {std::to_string(port_)});
}

void SessionHote::commencer(Match &match, std::int64_t) {
    match.ecouter(*this);
    match.nouveauMatch();
    std::string ou;
    for (const std::string &adresse : adresses_) {
        ou += (ou.empty() ? "" : ", ") + adresse;
    }
    nouvelles_.avis =
        ou.empty() ? remplir(_("Hosting on port {1}"), {std::to_string(port_)})
                   : remplir(_("Hosting on port {1}: join at {2}"), {std::to_string(port_), ou});
    nouvelles_.fixer(attendre());
    nouvelles_.roles = true;
    nouvelles_.change = true;
}

std::size_t SessionHote::spectateurs() const {
    return static_cast<std::size_t>(std::count_if(
        pairs_.begin(), pairs_.end(), [](const Pair &p) { return p.accueilli && !p.joueur; }));
}

SessionHote::Pair *SessionHote::trouver(IdPair pair) {
    const auto p =
        std::find_if(pairs_.begin(), pairs_.end(), [&](const Pair &x) { return x.id == pair; });
    return p == pairs_.end() ? nullptr : &*p;
}

SessionHote::Pair *SessionHote::joueur() {
    const auto p =
        std::find_if(pairs_.begin(), pairs_.end(), [](const Pair &x) { return x.joueur; });
    return p == pairs_.end() ? nullptr : &*p;
}

std::optional<int> SessionHote::puitsJoue() const {
    return etat_ == Etat::attente ? std::nullopt : std::optional<int>(puitsHote);
}

std::array<Pilote::Reseau, 2> SessionHote::pilotes() const {
    std::array<Pilote::Reseau, 2> pilotes{};
    pilotes[puitsHote] = Pilote::Reseau::ici;
    pilotes[puitsInvite] = Pilote::Reseau::distant;
    return pilotes;
}

std::uint32_t SessionHote::dernierFait() const {
    return premierFait_ + static_cast<std::uint32_t>(faits_.size()) - 1;
}

void SessionHote::entendre(const Fait &fait) {
    if (std::any_of(pairs_.begin(), pairs_.end(), [](const Pair &p) { return p.accueilli; })) {
        faits_.push_back(fait);
    }
}

void SessionHote::connexion(IdPair pair, AdressePair adresse, std::int64_t maintenant) {
    const auto memeAdresse = std::count_if(
        pairs_.begin(), pairs_.end(), [&](const Pair &p) { return p.adresse.ip == adresse.ip; });
    if (static_cast<std::size_t>(memeAdresse) >= connexionsParAdresse) {
        couper(pair, false);
        rejeter();
        return;
    }
    pairs_.emplace_back(pair, adresse, maintenant);
}

// A machine goes, by its own doing or ours. The player leaving while they play pauses the match,
// which waits for them.
void SessionHote::retirer(IdPair id, std::int64_t maintenant, Match &match) {
    Pair *p = trouver(id);
    if (p == nullptr) {
        return;
    }
    const bool joueurParti = p->joueur && etat_ == Etat::enJeu;
    pairs_.erase(pairs_.begin() + (p - pairs_.data()));
    if (joueurParti) {
        etat_ = Etat::suspendu;
        depart_ = maintenant;
        match.mettreEnPause();
        pauseCachee_ = Cote::aucun;
        nouvelles_.fixer(_("The other player is gone: the match waits for them two minutes"));
        nouvelles_.change = true;
    }
}

void SessionHote::deconnexion(IdPair pair, std::int64_t maintenant, Match &match) {
    retirer(pair, maintenant, match);
}

void SessionHote::accueillir(IdPair id, Match &match, std::int64_t maintenant) {
    const bool siegeLibre = etat_ == Etat::attente;
    const bool sonAdresse = adresseJoueur_ && *adresseJoueur_ == trouver(id)->adresse.ip;
    Accueil accueil;
    if (siegeLibre || sonAdresse) {
        // The player's own address takes their seat back, from a connection that is gone or not
        // yet known to be (a game killed and started again).
        if (const Pair *ancien = joueur(); ancien != nullptr && ancien->id != id) {
            const IdPair autre = ancien->id;
            couper(autre, false);
            retirer(autre, maintenant, match);
        }
        nouvelles_.avis = siegeLibre ? _("A player joined: the match begins")
                                     : _("The other player is back: p plays on");
        if (siegeLibre) {
            match.nouveauMatch();
        } else {
            match.mettreEnPause();
        }
        nouvelles_.fixer(std::nullopt);
        nouvelles_.roles = true;
        etat_ = Etat::enJeu;
        depart_.reset();
        confirme_ = 0;
        accueil.joueur = true;
    } else if (spectateurs() >= spectateursMax) {
        envoyer(id, Complet{});
        couper(id, true);
        nouvelles_.avis = _("A machine could not join: eight already watch");
        pairs_.erase(pairs_.begin() + (trouver(id) - pairs_.data()));
        return;
    } else {
        accueil.raison = etat_ == Etat::suspendu ? Raison::placeGardee : Raison::joueurPresent;
        nouvelles_.avis = _("A machine joined to watch");
    }
    Pair &pair = *trouver(id);
    if (accueil.joueur) {
        adresseJoueur_ = pair.adresse.ip;
        pair.joueur = true;
    }
    envoyer(id, accueil);
    pair.accueilli = true;
    pair.faitsAcquis = dernierFait();
    nouvelles_.change = true;
}

void SessionHote::reception(IdPair id, const std::uint8_t *octets, std::size_t taille,
                            std::int64_t maintenant, Match &match) {
    Pair *pair = trouver(id);
    if (pair == nullptr) {
        rejeter();
        return;
    }
    if (!pair->messages.prendre(maintenant)) {
        // Faster than any game sends: whatever it is, it goes.
        couper(id, false);
        retirer(id, maintenant, match);
        rejeter();
        return;
    }
    const std::optional<Recu> recu = decoder(octets, taille);
    if (!recu) {
        rejeter();
        return;
    }
    if (std::holds_alternative<Bonjour>(recu->message) && !pair->accueilli) {
        if (recu->version != versionProtocole) {
            envoyer(id, Refus{});
            couper(id, true);
            nouvelles_.avis =
                remplir(_("A game of network version {1} tried to join; this one is version {2}"),
                        {std::to_string(recu->version), std::to_string(versionProtocole)});
            pairs_.erase(pairs_.begin() + (pair - pairs_.data()));
            return;
        }
        accueillir(id, match, maintenant);
        return;
    }
    if (const auto *retour = std::get_if<Retour>(&recu->message); retour && pair->accueilli) {
        recevoirRetour(*pair, *retour, match, maintenant);
        return;
    }
    const auto *demande = std::get_if<DemandeSeance>(&recu->message);
    if (demande && pair->joueur && etat_ == Etat::enJeu) {
        derniereActivite_ = maintenant;
        ordonner(Cote::invite, gesteDe(demande->ordre), match, maintenant);
        return;
    }
    // A second hello, a watcher's orders, a message only a host sends.
    rejeter();
}

void SessionHote::recevoirRetour(Pair &pair, const Retour &retour, Match &match,
                                 std::int64_t maintenant) {
    if (retour.etatRecu > pair.acquis && retour.etatRecu <= pair.numero) {
        pair.acquis = retour.etatRecu;
        for (const EtatEnvoye &e : pair.envoyes) {
            if (e.numero == pair.acquis) {
                pair.faitsAcquis = std::max(pair.faitsAcquis, e.dernierFait);
                allerRetour_.mesurer(maintenant - e.quand);
            }
        }
    }
    if (retour.actions.empty()) {
        return;
    }
    if (!pair.joueur || etat_ != Etat::enJeu) {
        rejeter();
        return;
    }
    derniereActivite_ = maintenant;
    for (std::size_t k = 0; k < retour.actions.size(); ++k) {
        const std::uint64_t numero = std::uint64_t{retour.premiere} + k;
        if (numero <= confirme_) {
            continue;
        }
        if (numero != std::uint64_t{confirme_} + 1) {
            // One was skipped: no honest game does that.
            rejeter();
            return;
        }
        if (actions_.prendre(maintenant)) {
            match.agir(puitsInvite, retour.actions[k]);
        } else {
            ++actionsRefusees_;
        }
        confirme_ = static_cast<std::uint32_t>(numero);
        nouvelles_.change = true;
    }
}

// A gesture of the sitting, from this machine or the player's. A pause a hidden window set is
// lifted only from that side: the other cannot play on while nobody watches that window.
void SessionHote::ordonner(Cote cote, Geste geste, Match &match, std::int64_t maintenant) {
    if (geste == Geste::mettreEnPause) {
        match.mettreEnPause();
        pauseCachee_ = cote;
        nouvelles_.change = true;
        return;
    }
    if (pauseCachee_ != Cote::aucun && pauseCachee_ != cote && match.enPause()) {
        if (cote == Cote::hote) {
            nouvelles_.avis = _("The other player's window is hidden: only they can play on");
        }
        return;
    }
    appliquerGeste(match, geste, maintenant);
    if (!match.enPause()) {
        pauseCachee_ = Cote::aucun;
    }
    nouvelles_.change = true;
}

bool SessionHote::geste(Geste geste, Match &match, std::int64_t maintenant) {
    switch (geste) {
    case Geste::piloteGauche:
    case Geste::piloteDroite:
        // Who plays each well is the network's.
        return true;
    case Geste::pause:
    case Geste::mettreEnPause:
    case Geste::nouveauMatch:
    case Geste::matchSuivant:
        // Without its player the match stays as it is.
        if (etat_ == Etat::enJeu) {
            ordonner(Cote::hote, geste, match, maintenant);
        }
        return true;
    default:
        return false;
    }
}

EtatComplet SessionHote::etatPour(const Pair &pair, const EtatComplet &commun) const {
    EtatComplet etat = commun;
    etat.confirme = pair.joueur ? confirme_ : 0;
    return etat;
}

bool SessionHote::aEnvoyer(const Pair &pair, const Match &match) const {
    if (!pair.accueilli) {
        return false;
    }
    return pair.envoyes.empty() || match.revision() != pair.revision ||
           (pair.joueur && pair.envoyes.back().etat.confirme != confirme_) ||
           dernierFait() != pair.envoyes.back().dernierFait;
}

void SessionHote::envoyerEtat(Pair &pair, const EtatComplet &etat, std::int64_t maintenant) {
    const EtatEnvoye *base = nullptr;
    for (const EtatEnvoye &e : pair.envoyes) {
        if (e.numero == pair.acquis && pair.numero - pair.acquis < 255) {
            base = &e;
        }
    }
    EtatMatch message = difference(base ? &base->etat : nullptr, etat);
    message.numero = ++pair.numero;
    message.recul = static_cast<std::uint8_t>(base ? message.numero - base->numero : 0);
    const std::uint32_t dernier = dernierFait();
    const std::uint32_t premier = std::max(pair.faitsAcquis + 1, premierFait_);
    for (std::uint32_t n = premier; n <= dernier && message.faits.size() < faitsMax; ++n) {
        message.faits.push_back(faits_[n - premierFait_]);
    }
    message.premierFait = premier;
    envoyer(pair.id, message);
    pair.envoyes.push_back({message.numero, etat, dernier, maintenant});
    // The one it holds stays, to measure from; the oldest others go.
    while (pair.envoyes.size() > etatsGardes) {
        pair.envoyes.erase(pair.envoyes.front().numero == pair.acquis ? pair.envoyes.begin() + 1
                                                                      : pair.envoyes.begin());
    }
}

void SessionHote::servir(std::int64_t maintenant, Match &match) {
    std::vector<IdPair> aCouper;
    for (const Pair &p : pairs_) {
        const bool muet = !p.accueilli && maintenant - p.depuis >= attenteBonjour;
        const bool enRetard = p.accueilli && dernierFait() - p.faitsAcquis > faitsEnAttenteMax;
        if (muet || enRetard) {
            aCouper.push_back(p.id);
        }
    }
    for (const IdPair id : aCouper) {
        couper(id, false);
        retirer(id, maintenant, match);
    }
    if (etat_ == Etat::suspendu && depart_ && maintenant - *depart_ >= attenteRetour) {
        etat_ = Etat::attente;
        depart_.reset();
        adresseJoueur_.reset();
        nouvelles_.fixer(attendre());
        nouvelles_.roles = true;
        nouvelles_.change = true;
    }

    std::optional<EtatComplet> commun;
    bool attenteReponse = false;
    for (Pair &p : pairs_) {
        if (!p.accueilli) {
            continue;
        }
        if (aEnvoyer(p, match)) {
            if (!commun) {
                commun = etatDe(match);
            }
            const EtatComplet etat = etatPour(p, *commun);
            p.revision = match.revision();
            const bool nouveau = p.envoyes.empty() || !(p.envoyes.back().etat == etat) ||
                                 p.envoyes.back().dernierFait != dernierFait();
            // The player's actions are answered at once; the rest goes at most once a frame.
            const bool reponse =
                !p.envoyes.empty() && p.joueur && p.envoyes.back().etat.confirme != confirme_;
            if (nouveau &&
                (reponse || p.envois == 0 || maintenant - p.dernierEnvoi >= intervalleImage)) {
                p.ecart = maintenant - p.dernierNouveau;
                p.dernierNouveau = maintenant;
                envoyerEtat(p, etat, maintenant);
                p.dernierEnvoi = maintenant;
                p.envois = 1;
                continue;
            }
            if (nouveau) {
                attenteReponse = true;
                continue;
            }
        }
        if (p.acquis >= p.numero) {
            continue;
        }
        attenteReponse = true;
        // The newest state again, unanswered: once soon, unless new ones come as often, then
        // once a round trip.
        const std::int64_t doublon = p.ecart < 60 ? p.ecart + 10 : delaiDoublon;
        const std::int64_t attente = p.envois == 1 ? doublon : allerRetour_.relance();
        if (maintenant - p.dernierEnvoi >= attente) {
            envoyerEtat(p, p.envoyes.back().etat, maintenant);
            p.dernierEnvoi = maintenant;
            ++p.envois;
        }
    }

    // Facts every machine holds are forgotten.
    std::uint32_t tenus = dernierFait();
    for (const Pair &p : pairs_) {
        if (p.accueilli) {
            tenus = std::min(tenus, p.faitsAcquis);
        }
    }
    if (std::none_of(pairs_.begin(), pairs_.end(), [](const Pair &p) { return p.accueilli; })) {
        tenus = dernierFait();
    }
    while (!faits_.empty() && premierFait_ <= tenus) {
        faits_.pop_front();
        ++premierFait_;
    }

    const bool actif =
        attenteReponse || (derniereActivite_ && maintenant - *derniereActivite_ < activiteRecente);
    prochainService_ = maintenant + (actif ? serviceActif : serviceCalme);
}

std::optional<std::int64_t> SessionHote::prochaineEcheance(std::int64_t maintenant,
                                                           const Match &match) const {
    if (!prochainService_) {
        return maintenant;
    }
    std::int64_t echeance = *prochainService_;
    for (const Pair &p : pairs_) {
        if (aEnvoyer(p, match)) {
            const bool reponse =
                p.joueur && !p.envoyes.empty() && p.envoyes.back().etat.confirme != confirme_;
            echeance = std::min(echeance,
                                reponse ? maintenant
                                        : std::max(maintenant, p.dernierEnvoi + intervalleImage));
        }
    }
    return echeance;
}
