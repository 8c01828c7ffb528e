#include "invite.h"

#include "canal.h"
#include "miroir.h"

#include <enet/enet.h>

namespace {

// As the host's: often while this machine's player acts, rarely otherwise.
constexpr std::int64_t serviceActif = 20;
constexpr std::int64_t serviceCalme = 100;
constexpr std::int64_t activiteRecente = 1000;

} // namespace

std::unique_ptr<Invite> Invite::rejoindre(const AdresseJeu &adresse, std::string &erreur) {
    enet_initialize();
    ENetAddress trouvee{};
    if (enet_address_set_host(&trouvee, adresse.hote.c_str()) != 0) {
        erreur = "no such host '" + adresse.hote + "'";
        return nullptr;
    }
    ENetHost *hote = creerHoteEnet(nullptr, 1);
    if (hote == nullptr) {
        erreur = "the network cannot be used";
        return nullptr;
    }
    return std::unique_ptr<Invite>(new Invite(hote, adresse, trouvee.host));
}

Invite::Invite(ENetHost *hote, const AdresseJeu &adresse, std::uint32_t ip)
    : hote_(hote), adresse_(adresse), ip_(ip) {}

Invite::~Invite() {
    if (pair_ != nullptr) {
        enet_peer_disconnect_now(pair_, 0);
    }
    enet_host_destroy(hote_);
}

void Invite::essayer(std::int64_t maintenant) {
    prochainEssai_ = maintenant + intervalleEssais;
    if (pair_ != nullptr) {
        enet_peer_reset(pair_);
    }
    ENetAddress adresse{};
    adresse.host = ip_;
    adresse.port = adresse_.port;
    pair_ = enet_host_connect(hote_, &adresse, 1, 0);
    if (pair_ != nullptr) {
        reglerAttente(pair_);
    }
}

void Invite::agir(Action action) {
    if (etat_ != Etat::joueur || pair_ == nullptr || !prediction_) {
        return;
    }
    envoyer(pair_, prediction_->noter(action));
    enet_host_flush(hote_);
    // Its answer is awaited soon.
    actionEnvoyee_ = true;
    prochainService_.reset();
}

void Invite::commander(Ordre ordre) {
    if (etat_ != Etat::joueur || pair_ == nullptr) {
        return;
    }
    envoyer(pair_, DemandeSeance{ordre});
    enet_host_flush(hote_);
}

void Invite::recevoir(const Recu &recu, Match &miroir, Nouvelles &nouvelles) {
    if (std::holds_alternative<Refus>(recu.message) && etat_ == Etat::connecte) {
        etat_ = Etat::refuse;
        nouvelles.avis = "The game at " + nommer(adresse_) + " is of network version " +
                         std::to_string(recu.version) + "; this one is version " +
                         std::to_string(versionProtocole);
        nouvelles.change = true;
        return;
    }
    if (const auto *accueil = std::get_if<Accueil>(&recu.message);
        accueil && etat_ == Etat::connecte) {
        etat_ = accueil->joueur ? Etat::joueur : Etat::spectateur;
        // Numbers start again: the host counts this connection's actions afresh.
        prediction_ = std::make_unique<Prediction>(1);
        nouvelles.accueilli = true;
        nouvelles.avis = accueil->joueur
                             ? (dejaAccueilli_ ? "Back in the game at " : "Joined the game at ") +
                                   nommer(adresse_)
                             : "Watching the game at " + nommer(adresse_);
        dejaAccueilli_ = true;
        nouvelles.change = true;
        return;
    }
    if (const auto *etat = std::get_if<EtatMatch>(&recu.message);
        etat && prediction_ && (etat_ == Etat::joueur || etat_ == Etat::spectateur)) {
        // A state that only confirms what this machine guessed changes nothing on its screen.
        const EtatMatch avant = etatDe(miroir);
        if (!prediction_->recevoir(miroir, *etat)) {
            ++rejetes_;
            return;
        }
        nouvelles.faits.insert(nouvelles.faits.end(), etat->faits.begin(), etat->faits.end());
        nouvelles.change = nouvelles.change || !(etatDe(miroir) == avant);
        return;
    }
    ++rejetes_;
}

Invite::Nouvelles Invite::servir(std::int64_t maintenant, Match &miroir) {
    Nouvelles nouvelles;
    if (etat_ == Etat::recherche && (!prochainEssai_ || maintenant >= *prochainEssai_)) {
        essayer(maintenant);
        nouvelles.avis = (dejaAccueilli_ ? "Lost the game at " : "No game at ") + nommer(adresse_) +
                         (dejaAccueilli_ ? ": trying again" : " yet");
    }
    ENetEvent evenement;
    while (enet_host_service(hote_, &evenement, 0) > 0) {
        switch (evenement.type) {
        case ENET_EVENT_TYPE_CONNECT:
            etat_ = Etat::connecte;
            envoyer(pair_, Bonjour{});
            break;
        case ENET_EVENT_TYPE_RECEIVE: {
            const std::optional<Recu> recu = lire(evenement.packet);
            if (!recu) {
                ++rejetes_;
            } else {
                recevoir(*recu, miroir, nouvelles);
            }
            break;
        }
        case ENET_EVENT_TYPE_DISCONNECT:
            pair_ = nullptr;
            if (etat_ == Etat::refuse) {
                break;
            }
            if (etat_ == Etat::joueur || etat_ == Etat::spectateur) {
                nouvelles.perdu = true;
                nouvelles.change = true;
                // As a pause on this side: the held keys stop and nothing is taken for played.
                Match::Seance seance = miroir.seance();
                seance.pause = true;
                miroir.adopter(seance);
                nouvelles.avis = "Lost the game at " + nommer(adresse_) + ": trying again";
            }
            etat_ = Etat::recherche;
            break;
        case ENET_EVENT_TYPE_NONE:
            break;
        }
    }
    enet_host_flush(hote_);
    // Only this machine's own actions count: the host's one-second step alone is no reason to
    // listen more often.
    if (actionEnvoyee_) {
        derniereActivite_ = maintenant;
    }
    actionEnvoyee_ = false;
    const bool actif = derniereActivite_ && maintenant - *derniereActivite_ < activiteRecente;
    prochainService_ = maintenant + (actif ? serviceActif : serviceCalme);
    return nouvelles;
}

std::optional<std::int64_t> Invite::prochaineEcheance(std::int64_t maintenant) const {
    if (etat_ == Etat::refuse) {
        return std::nullopt;
    }
    return prochainService_.value_or(maintenant);
}
