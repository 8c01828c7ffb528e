#include "transport_enet.h"
#include "traduction.h"

#include <enet/enet.h>

#include <algorithm>

namespace {

// ENet pings an idle peer every half second and tries a datagram again after longer and longer
// waits: a peer that has answered nothing for this long, a few tries, is gone. A connection that
// never completes goes the same way.
constexpr enet_uint32 attenteMin = 1000;
constexpr enet_uint32 attenteMax = 2500;

// The player, the watchers, and room for machines being told the match is full or of another
// version.
constexpr std::size_t connexionsMax = 1 + SessionHote::spectateursMax + 3;
constexpr std::size_t canaux = 2;
constexpr enet_uint8 canalFiable = 0;
constexpr enet_uint8 canalLibre = 1;

ENetHost *creer(const ENetAddress *adresse, std::size_t connexions) {
    static const bool pret = enet_initialize() == 0;
    if (!pret) {
        return nullptr;
    }
    ENetHost *enet = enet_host_create(adresse, connexions, canaux, 0, 0);
    if (enet == nullptr) {
        return nullptr;
    }
    // A damaged or forged datagram is dropped before it is read.
    enet->checksum = enet_crc32;
    enet->duplicatePeers = SessionHote::connexionsParAdresse;
    enet->maximumPacketSize = tailleMessageMax;
    enet->maximumWaitingData = 16 * tailleMessageMax;
    return enet;
}

} // namespace

std::unique_ptr<TransportEnet> TransportEnet::heberger(std::uint16_t port, std::string &erreur) {
    ENetAddress adresse{};
    adresse.host = ENET_HOST_ANY;
    adresse.port = port;
    ENetHost *enet = creer(&adresse, connexionsMax);
    if (enet == nullptr) {
        erreur =
            remplir(_("port {1} is already in use, or cannot be opened"), {std::to_string(port)});
        return nullptr;
    }
    return std::unique_ptr<TransportEnet>(
        new TransportEnet(enet, std::make_unique<SessionHote>(port, adressesLocales())));
}

std::unique_ptr<TransportEnet> TransportEnet::rejoindre(const AdresseJeu &adresse,
                                                        std::string &erreur) {
    ENetAddress trouvee{};
    if (enet_initialize() != 0 || enet_address_set_host(&trouvee, adresse.hote.c_str()) != 0) {
        erreur = remplir(_("no such host '{1}'"), {adresse.hote});
        return nullptr;
    }
    ENetHost *enet = creer(nullptr, 1);
    if (enet == nullptr) {
        erreur = _("the network cannot be used");
        return nullptr;
    }
    return std::unique_ptr<TransportEnet>(new TransportEnet(
        enet, std::make_unique<SessionInvite>(adresse), trouvee.host, adresse.port));
}

TransportEnet::TransportEnet(ENetHost *enet, std::unique_ptr<SessionHote> session)
    : enet_(enet), sessionHote_(session.get()) {
    session_ = std::move(session);
}

TransportEnet::TransportEnet(ENetHost *enet, std::unique_ptr<SessionInvite> session,
                             std::uint32_t ip, std::uint16_t port)
    : enet_(enet), sessionInvite_(session.get()), cible_(std::make_pair(ip, port)) {
    session_ = std::move(session);
}

TransportEnet::~TransportEnet() {
    for (std::size_t i = 0; i < enet_->peerCount; ++i) {
        ENetPeer &pair = enet_->peers[i];
        if (pair.state != ENET_PEER_STATE_DISCONNECTED) {
            enet_peer_disconnect_now(&pair, 0);
        }
    }
    enet_host_destroy(enet_);
}

std::uint16_t TransportEnet::port() const {
    ENetAddress adresse{};
    enet_socket_get_address(enet_->socket, &adresse);
    return adresse.port;
}

IdPair TransportEnet::identifier(ENetPeer *pair) {
    const IdPair id = prochainId_++;
    pair->data = reinterpret_cast<void *>(static_cast<std::uintptr_t>(id));
    pairs_.emplace_back(id, pair);
    return id;
}

ENetPeer *TransportEnet::pairDe(IdPair id) const {
    for (const auto &[sonId, pair] : pairs_) {
        if (sonId == id) {
            return pair;
        }
    }
    return nullptr;
}

void TransportEnet::oublier(IdPair id) {
    const auto p = std::find_if(pairs_.begin(), pairs_.end(),
                                [&](const auto &paire) { return paire.first == id; });
    if (p != pairs_.end()) {
        p->second->data = nullptr;
        pairs_.erase(p);
    }
}

void TransportEnet::lire(std::int64_t maintenant, Match &match) {
    reprendre_.reset();
    int evenements = 0;
    int lectures = 0;
    for (;;) {
        if (evenements >= evenementsMax || lectures >= lecturesMax) {
            reprendre_ = maintenant + reprise;
            ++reportes_;
            return;
        }
        ENetEvent evenement;
        const int lu = enet_host_service(enet_, &evenement, 0);
        if (lu < 0) {
            ++erreurs_;
        }
        if (lu <= 0) {
            // ENet stops reading at an empty datagram as if the socket were empty: look.
            ++lectures;
            enet_uint32 condition = ENET_SOCKET_WAIT_RECEIVE;
            if (enet_socket_wait(enet_->socket, &condition, 0) != 0 ||
                (condition & ENET_SOCKET_WAIT_RECEIVE) == 0) {
                return;
            }
            continue;
        }
        ++evenements;
        const auto id = static_cast<IdPair>(reinterpret_cast<std::uintptr_t>(evenement.peer->data));
        switch (evenement.type) {
        case ENET_EVENT_TYPE_CONNECT: {
            // Datagrams go as they come: ENet's throttle would drop some of ours on a link that
            // loses a few, the very link where each one counts.
            enet_peer_throttle_configure(evenement.peer, ENET_PEER_PACKET_THROTTLE_INTERVAL, 0, 0);
            const IdPair nouveau = identifier(evenement.peer);
            session_->connexion(
                nouveau,
                {ENET_NET_TO_HOST_32(evenement.peer->address.host), evenement.peer->address.port},
                maintenant);
            break;
        }
        case ENET_EVENT_TYPE_RECEIVE:
            if (id != 0) {
                session_->reception(id, evenement.packet->data, evenement.packet->dataLength,
                                    maintenant, match);
            }
            enet_packet_destroy(evenement.packet);
            break;
        case ENET_EVENT_TYPE_DISCONNECT:
            if (id != 0) {
                oublier(id);
                session_->deconnexion(id, maintenant, match);
            }
            break;
        case ENET_EVENT_TYPE_NONE:
            break;
        }
        // What the session answered goes before the next datagram is read.
        envoyer();
    }
}

void TransportEnet::envoyer() {
    for (const Envoi &envoi : session_->prendreEnvois()) {
        ENetPeer *pair = pairDe(envoi.pair);
        if (pair == nullptr) {
            continue;
        }
        const std::vector<std::uint8_t> octets = encoder(envoi.message);
        const bool sur = fiable(envoi.message);
        ENetPacket *paquet =
            enet_packet_create(octets.data(), octets.size(),
                               sur ? ENET_PACKET_FLAG_RELIABLE : ENET_PACKET_FLAG_UNSEQUENCED);
        if (paquet != nullptr &&
            enet_peer_send(pair, sur ? canalFiable : canalLibre, paquet) != 0) {
            enet_packet_destroy(paquet);
        }
    }
    for (const Coupure &coupure : session_->prendreCoupures()) {
        ENetPeer *pair = pairDe(coupure.pair);
        if (pair == nullptr) {
            continue;
        }
        oublier(coupure.pair);
        if (coupure.apresEnvois) {
            enet_peer_disconnect_later(pair, 0);
        } else {
            enet_peer_disconnect_now(pair, 0);
        }
    }
    if (session_->prendreConnexion() && cible_) {
        // The one connection a joining machine has is made afresh, whatever became of the last.
        while (!pairs_.empty()) {
            oublier(pairs_.front().first);
        }
        for (std::size_t i = 0; i < enet_->peerCount; ++i) {
            if (enet_->peers[i].state != ENET_PEER_STATE_DISCONNECTED) {
                enet_peer_reset(&enet_->peers[i]);
            }
        }
        ENetAddress adresse{};
        adresse.host = cible_->first;
        adresse.port = cible_->second;
        enet_host_connect(enet_, &adresse, canaux, 0);
    }
    enet_host_flush(enet_);
}

// ENet gives each new connection its own long time-outs: ours are set on every one, whatever
// state it is in, so that a half-made connection does not hold its place long.
void TransportEnet::regler() {
    for (std::size_t i = 0; i < enet_->peerCount; ++i) {
        ENetPeer &pair = enet_->peers[i];
        if (pair.state != ENET_PEER_STATE_DISCONNECTED && pair.timeoutMaximum != attenteMax) {
            enet_peer_timeout(&pair, ENET_PEER_TIMEOUT_LIMIT, attenteMin, attenteMax);
        }
    }
}

Nouvelles TransportEnet::servir(std::int64_t maintenant, Match &match) {
    lire(maintenant, match);
    session_->servir(maintenant, match);
    envoyer();
    regler();
    return session_->prendreNouvelles();
}

std::optional<std::int64_t> TransportEnet::prochaineEcheance(std::int64_t maintenant,
                                                             const Match &match) const {
    const std::optional<std::int64_t> session = session_->prochaineEcheance(maintenant, match);
    if (reprendre_ && (!session || *reprendre_ < *session)) {
        return reprendre_;
    }
    return session;
}
