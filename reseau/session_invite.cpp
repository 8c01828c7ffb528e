#include "session_invite.h"
#include "traduction.h"

#include "miroir.h"

#include <algorithm>

SessionInvite::SessionInvite(AdresseJeu adresse) : adresse_(std::move(adresse)) {}

std::string SessionInvite::nomHote() const {
    return nommer(adresse_);
}

void SessionInvite::commencer(Match &miroir, std::int64_t) {
    miroir.nouveauMatch();
    nouvelles_.roles = true;
    nouvelles_.change = true;
}

std::optional<int> SessionInvite::puitsJoue() const {
    return etat_ == Etat::joueur ? std::optional<int>(puitsInvite) : std::nullopt;
}

std::array<Pilote::Reseau, 2> SessionInvite::pilotes() const {
    std::array<Pilote::Reseau, 2> pilotes{};
    pilotes[puitsHote] = Pilote::Reseau::distant;
    pilotes[puitsInvite] = etat_ == Etat::joueur ? Pilote::Reseau::ici : Pilote::Reseau::distant;
    return pilotes;
}

void SessionInvite::connexion(IdPair pair, AdressePair, std::int64_t) {
    if (etat_ != Etat::recherche || pair_) {
        couper(pair, false);
        return;
    }
    pair_ = pair;
    etat_ = Etat::connecte;
    envoyer(pair, Bonjour{});
}

// The host is gone: the mirror pauses as after any pause, nothing taken for played, and the host
// is looked for again at once.
void SessionInvite::perdre(std::int64_t maintenant, Match &miroir) {
    pair_.reset();
    if (etat_ == Etat::joueur || etat_ == Etat::spectateur) {
        Match::Seance seance = miroir.seance();
        seance.pause = true;
        miroir.adopter(seance);
        nouvelles_.fixer(remplir(_("Lost the game at {1}: trying again"), {nomHote()}));
        nouvelles_.roles = true;
        nouvelles_.change = true;
        prochainEssai_ = maintenant;
    }
    if (etat_ != Etat::refuse) {
        etat_ = Etat::recherche;
    }
}

void SessionInvite::deconnexion(IdPair pair, std::int64_t maintenant, Match &miroir) {
    if (pair_ && *pair_ == pair) {
        perdre(maintenant, miroir);
    }
}

void SessionInvite::reception(IdPair pair, const std::uint8_t *octets, std::size_t taille,
                              std::int64_t maintenant, Match &miroir) {
    if (!pair_ || *pair_ != pair) {
        rejeter();
        return;
    }
    if (!messages_.prendre(maintenant)) {
        couper(pair, false);
        perdre(maintenant, miroir);
        rejeter();
        return;
    }
    const std::optional<Recu> recu = decoder(octets, taille);
    if (!recu) {
        rejeter();
        return;
    }
    const Message &message = recu->message;
    if (std::holds_alternative<Refus>(message) && etat_ == Etat::connecte) {
        etat_ = Etat::refuse;
        nouvelles_.fixer(
            remplir(_("The game at {1} is of network version {2}; this one is version {3}"),
                    {nomHote(), std::to_string(recu->version), std::to_string(versionProtocole)}));
        nouvelles_.change = true;
        return;
    }
    if (std::holds_alternative<Complet>(message) && etat_ == Etat::connecte) {
        nouvelles_.fixer(remplir(
            _("The game at {1} is full: a player and eight watchers; trying again"), {nomHote()}));
        nouvelles_.change = true;
        return;
    }
    if (const auto *accueil = std::get_if<Accueil>(&message); accueil && etat_ == Etat::connecte) {
        etat_ = accueil->joueur ? Etat::joueur : Etat::spectateur;
        // Numbers start again: the host counts this connection's actions and states afresh.
        prediction_.emplace(puitsInvite);
        recus_.clear();
        dernierFait_ = 0;
        etatAccuse_ = 0;
        actionsEnvoyees_ = 0;
        envois_ = 0;
        envoiAttente_.reset();
        const char *spectateur[] = {N_("Watching the game at {1}"),
                                    N_("Watching the game at {1}: its right well has a player"),
                                    N_("Watching the game at {1}: its right well is kept for its "
                                       "player")};
        nouvelles_.avis =
            remplir(accueil->joueur ? (dejaAccueilli_ ? _("Back in the game at {1}")
                                                      : _("Joined the game at {1}"))
                                    : _(spectateur[static_cast<int>(accueil->raison)]),
                    {nomHote()});
        nouvelles_.fixer(std::nullopt);
        nouvelles_.roles = true;
        nouvelles_.change = true;
        dejaAccueilli_ = true;
        return;
    }
    if (const auto *etat = std::get_if<EtatMatch>(&message);
        etat && (etat_ == Etat::joueur || etat_ == Etat::spectateur)) {
        recevoirEtat(*etat, miroir, maintenant);
        return;
    }
    rejeter();
}

void SessionInvite::recevoirEtat(const EtatMatch &message, Match &miroir, std::int64_t maintenant) {
    if (message.numero <= etatTenu()) {
        // Older than the newest held, or the same one again: the newest wins.
        return;
    }
    const EtatComplet *base = nullptr;
    if (message.recul != 0) {
        const std::uint32_t numero = message.numero - message.recul;
        for (const auto &[n, etat] : recus_) {
            if (n == numero) {
                base = &etat;
            }
        }
        if (base == nullptr) {
            rejeter();
            return;
        }
    }
    const std::optional<EtatComplet> etat = reconstruire(base, message);
    if (!etat) {
        rejeter();
        return;
    }
    recus_.emplace_back(message.numero, *etat);
    while (recus_.size() > etatsGardes) {
        recus_.pop_front();
    }
    const std::uint32_t avant = prediction_->confirme();
    if (etat->confirme > avant && envoiAttente_) {
        allerRetour_.mesurer(maintenant - *envoiAttente_);
        envoiAttente_.reset();
    }
    // A state that only confirms what this machine guessed changes nothing on its screen.
    const EtatComplet vu = etatDe(miroir);
    prediction_->recevoir(miroir, *etat);
    if (prediction_->confirme() != avant && !prediction_->enAttente().empty()) {
        envoiAttente_ = maintenant;
    }
    nouvelles_.change = nouvelles_.change || !(etatDe(miroir) == vu);
    std::vector<Fait> nouveaux;
    for (std::size_t i = 0; i < message.faits.size(); ++i) {
        const std::uint32_t numero = message.premierFait + static_cast<std::uint32_t>(i);
        if (numero > dernierFait_) {
            nouveaux.push_back(message.faits[i]);
            dernierFait_ = numero;
        }
    }
    nouvelles_.faitsHote.insert(nouvelles_.faitsHote.end(), nouveaux.begin(), nouveaux.end());
    EtatComplet hote = *etat;
    hote.confirme = 0;
    nouvelles_.etatsHote.push_back({hote, std::move(nouveaux)});
}

void SessionInvite::envoyerRetour(std::int64_t maintenant) {
    Retour retour;
    retour.etatRecu = etatTenu();
    if (prediction_ && etat_ == Etat::joueur) {
        retour.premiere = prediction_->premiere();
        const std::deque<Action> &attente = prediction_->enAttente();
        retour.actions.assign(
            attente.begin(),
            attente.begin() + static_cast<std::ptrdiff_t>(std::min(attente.size(), actionsMax)));
    }
    etatAccuse_ = retour.etatRecu;
    actionsEnvoyees_ = retour.premiere + static_cast<std::uint32_t>(retour.actions.size()) - 1;
    envoyer(*pair_, retour);
    dernierEnvoi_ = maintenant;
}

void SessionInvite::agir(Action action, std::int64_t maintenant) {
    if (etat_ != Etat::joueur || !pair_ || !prediction_) {
        return;
    }
    if (!prediction_->noter(action)) {
        // Hundreds of actions and not one confirmed: the host hears no more.
        couper(*pair_, false);
        return;
    }
    if (!envoiAttente_) {
        envoiAttente_ = maintenant;
    }
    derniereActivite_ = maintenant;
    ecart_ = maintenant - dernierNouveau_;
    dernierNouveau_ = maintenant;
    envois_ = 1;
    envoyerRetour(maintenant);
    // Its second copy is due soon.
    prochainService_ = std::min(prochainService_.value_or(maintenant), maintenant + delaiDoublon);
}

bool SessionInvite::geste(Geste geste, Match &, std::int64_t) {
    if (geste == Geste::piloteGauche || geste == Geste::piloteDroite) {
        // Who plays each well is the network's.
        return true;
    }
    const std::optional<Ordre> ordre = ordreDe(geste);
    if (!ordre) {
        return false;
    }
    // The host runs the sitting; a watcher's keys change nothing.
    if (etat_ == Etat::joueur && pair_) {
        envoyer(*pair_, DemandeSeance{*ordre});
    }
    return true;
}

void SessionInvite::servir(std::int64_t maintenant, Match &) {
    if (etat_ == Etat::recherche && (!prochainEssai_ || maintenant >= *prochainEssai_)) {
        prochainEssai_ = maintenant + intervalleEssais;
        connecter();
        if (!dejaAccueilli_) {
            nouvelles_.avis = remplir(_("No game at {1} yet"), {nomHote()});
            nouvelles_.change = true;
        }
    }
    bool enAttente = false;
    if (pair_ && (etat_ == Etat::joueur || etat_ == Etat::spectateur)) {
        const bool actions = prediction_ && !prediction_->enAttente().empty();
        const bool nouvelEtat = etatTenu() != etatAccuse_;
        enAttente = actions;
        if (actions && actionsEnvoyees_ < prediction_->confirme() +
                                              static_cast<std::uint32_t>(std::min(
                                                  prediction_->enAttente().size(), actionsMax))) {
            // More waiting than the last answer could carry.
            envoyerRetour(maintenant);
            envois_ = 1;
        } else if (actions) {
            // The actions not yet confirmed, again: once soon, unless new ones come as often,
            // then once a round trip.
            const std::int64_t doublon = ecart_ < 60 ? ecart_ + 10 : delaiDoublon;
            const std::int64_t attente = envois_ == 1 ? doublon : allerRetour_.relance();
            if (maintenant - dernierEnvoi_ >= attente) {
                envoyerRetour(maintenant);
                ++envois_;
            }
        } else if (nouvelEtat && maintenant - dernierEnvoi_ >= delaiAccuse) {
            envoyerRetour(maintenant);
        } else if (nouvelEtat) {
            enAttente = true;
        }
    }
    const bool actif =
        enAttente || (derniereActivite_ && maintenant - *derniereActivite_ < activiteRecente);
    prochainService_ = maintenant + (actif ? serviceActif : serviceCalme);
}

std::optional<std::int64_t> SessionInvite::prochaineEcheance(std::int64_t maintenant,
                                                             const Match &) const {
    if (etat_ == Etat::refuse) {
        return std::nullopt;
    }
    return prochainService_.value_or(maintenant);
}
