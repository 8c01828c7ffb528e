#include "hote.h"

#include "canal.h"
#include "miroir.h"

#include <enet/enet.h>

#include <algorithm>

namespace {

// How often ENet is serviced: often while the player acts (an action waits at most this long),
// rarely otherwise, when only ENet's own pings and the one-second step go by. States go out at
// most once a frame (the game draws one every 50 ms at most), what changed meanwhile together.
constexpr std::int64_t serviceActif = 20;
constexpr std::int64_t serviceCalme = 100;
constexpr std::int64_t activiteRecente = 1000;
constexpr std::int64_t intervalleEtats = 50;

// The player, the watchers, and room for machines being told the match is full or of another
// version.
constexpr std::size_t connexionsMax = 1 + Hote::spectateursMax + 3;

std::string portDit(std::uint16_t port) {
    return "port " + std::to_string(port);
}

} // namespace

std::unique_ptr<Hote> Hote::ouvrir(std::uint16_t port, std::string &erreur) {
    ENetAddress adresse{};
    adresse.host = ENET_HOST_ANY;
    adresse.port = port;
    ENetHost *hote = creerHoteEnet(&adresse, connexionsMax);
    if (hote == nullptr) {
        erreur = portDit(port) + " is already in use, or cannot be opened";
        return nullptr;
    }
    return std::unique_ptr<Hote>(new Hote(hote, port));
}

Hote::Hote(ENetHost *hote, std::uint16_t port) : hote_(hote), port_(port) {}

Hote::~Hote() {
    for (const Pair &p : pairs_) {
        enet_peer_disconnect_now(p.pair, 0);
    }
    enet_host_destroy(hote_);
}

std::size_t Hote::spectateurs() const {
    return static_cast<std::size_t>(std::count_if(
        pairs_.begin(), pairs_.end(), [](const Pair &p) { return p.accueilli && !p.joueur; }));
}

Hote::Pair *Hote::trouver(ENetPeer *pair) {
    const auto p =
        std::find_if(pairs_.begin(), pairs_.end(), [&](const Pair &x) { return x.pair == pair; });
    return p == pairs_.end() ? nullptr : &*p;
}

void Hote::entendre(const Fait &fait) {
    faits_.push_back(fait);
}

void Hote::accueillir(Pair &pair, Nouvelles &nouvelles, std::int64_t) {
    if (etat_ != Etat::enJeu) {
        pair.joueur = true;
        nouvelles.nouveau = etat_ == Etat::attente;
        nouvelles.revenu = etat_ == Etat::suspendu;
        nouvelles.avis = nouvelles.nouveau ? "A player joined: the match begins"
                                           : "The other player is back: p plays on";
        etat_ = Etat::enJeu;
        confirme_ = 0;
        depart_.reset();
    } else if (spectateurs() >= spectateursMax) {
        enet_peer_disconnect_later(pair.pair, 0);
        return;
    } else {
        nouvelles.avis = "A machine joined to watch";
    }
    envoyer(pair.pair, Accueil{pair.joueur});
    pair.accueilli = true;
    pair.envoye.reset();
}

void Hote::recevoir(Pair &pair, const Recu &recu, Match &match, Nouvelles &nouvelles,
                    std::int64_t maintenant) {
    if (std::holds_alternative<Bonjour>(recu.message) && !pair.accueilli) {
        if (recu.version != versionProtocole) {
            envoyer(pair.pair, Refus{});
            enet_peer_disconnect_later(pair.pair, 0);
            nouvelles.avis = "A game of network version " + std::to_string(recu.version) +
                             " tried to join; this one is version " +
                             std::to_string(versionProtocole);
            return;
        }
        accueillir(pair, nouvelles, maintenant);
        if (nouvelles.nouveau) {
            match.nouveauMatch();
        }
        nouvelles.change = true;
        return;
    }
    const bool duJoueur = pair.accueilli && pair.joueur && etat_ == Etat::enJeu;
    if (duJoueur) {
        derniereActivite_ = maintenant;
    }
    if (const auto *action = std::get_if<ActionJoueur>(&recu.message);
        action && duJoueur && action->numero > confirme_) {
        match.agir(1, action->action);
        confirme_ = action->numero;
        nouvelles.change = true;
        return;
    }
    if (const auto *commande = std::get_if<DemandeSeance>(&recu.message); commande && duJoueur) {
        appliquerGeste(match, gesteDe(commande->ordre), maintenant);
        nouvelles.change = true;
        return;
    }
    // A second hello, a watcher's keys, a message only a host sends.
    ++rejetes_;
}

void Hote::partir(ENetPeer *pair, Nouvelles &nouvelles, std::int64_t maintenant) {
    Pair *p = trouver(pair);
    if (p == nullptr) {
        return;
    }
    if (p->joueur && etat_ == Etat::enJeu) {
        etat_ = Etat::suspendu;
        depart_ = maintenant;
        nouvelles.parti = true;
        nouvelles.avis = "The other player is gone: the match waits for them two minutes";
    }
    pairs_.erase(pairs_.begin() + (p - pairs_.data()));
}

Hote::Nouvelles Hote::servir(std::int64_t maintenant, Match &match) {
    Nouvelles nouvelles;
    ENetEvent evenement;
    while (enet_host_service(hote_, &evenement, 0) > 0) {
        switch (evenement.type) {
        case ENET_EVENT_TYPE_CONNECT:
            reglerAttente(evenement.peer);
            pairs_.push_back({evenement.peer, false, false, std::nullopt});
            break;
        case ENET_EVENT_TYPE_RECEIVE: {
            const std::optional<Recu> recu = lire(evenement.packet);
            Pair *pair = trouver(evenement.peer);
            if (!recu || pair == nullptr) {
                ++rejetes_;
            } else {
                recevoir(*pair, *recu, match, nouvelles, maintenant);
            }
            break;
        }
        case ENET_EVENT_TYPE_DISCONNECT:
            partir(evenement.peer, nouvelles, maintenant);
            break;
        case ENET_EVENT_TYPE_NONE:
            break;
        }
    }
    if (nouvelles.parti) {
        match.mettreEnPause();
        nouvelles.change = true;
    }
    if (etat_ == Etat::suspendu && depart_ && maintenant - *depart_ >= attenteRetour) {
        etat_ = Etat::attente;
        depart_.reset();
        nouvelles.abandon = true;
        nouvelles.change = true;
    }
    if (aEnvoyer(match) && (!dernierEnvoi_ || maintenant - *dernierEnvoi_ >= intervalleEtats)) {
        envoyerEtats(match);
        dernierEnvoi_ = maintenant;
    }
    if (std::none_of(pairs_.begin(), pairs_.end(), [](const Pair &p) { return p.accueilli; })) {
        faits_.clear();
    }
    enet_host_flush(hote_);
    const bool actif = derniereActivite_ && maintenant - *derniereActivite_ < activiteRecente;
    prochainService_ = maintenant + (actif ? serviceActif : serviceCalme);
    return nouvelles;
}

bool Hote::aEnvoyer(const Match &match) const {
    if (!faits_.empty() || match.revision() != revisionEnvoyee_ || confirme_ != confirmeEnvoye_) {
        return true;
    }
    return std::any_of(pairs_.begin(), pairs_.end(),
                       [](const Pair &p) { return p.accueilli && !p.envoye; });
}

void Hote::envoyerEtats(const Match &match) {
    const EtatMatch complet = etatDe(match);
    for (Pair &p : pairs_) {
        if (!p.accueilli) {
            continue;
        }
        EtatMatch etat = complet;
        etat.confirme = p.joueur ? confirme_ : 0;
        if (p.envoye && *p.envoye == etat && faits_.empty()) {
            continue;
        }
        EtatMatch message = difference(p.envoye, etat);
        message.faits.assign(faits_.begin(), faits_.begin() + static_cast<std::ptrdiff_t>(std::min(
                                                                  faits_.size(), faitsMax)));
        envoyer(p.pair, message);
        p.envoye = etat;
    }
    faits_.clear();
    revisionEnvoyee_ = match.revision();
    confirmeEnvoye_ = confirme_;
}

std::optional<std::int64_t> Hote::prochaineEcheance(std::int64_t maintenant,
                                                    const Match &match) const {
    if (!prochainService_) {
        return maintenant;
    }
    if (aEnvoyer(match)) {
        return std::min(*prochainService_,
                        std::max(maintenant, dernierEnvoi_.value_or(0) + intervalleEtats));
    }
    return prochainService_;
}
