#include "canal.h"

namespace {

// ENet pings an idle peer every half second and tries a datagram again after longer and longer
// waits: a peer that has answered nothing for this long, a few tries, is gone.
constexpr enet_uint32 attenteMin = 1000;
constexpr enet_uint32 attenteMax = 2500;

} // namespace

ENetHost *creerHoteEnet(const ENetAddress *adresse, std::size_t connexions) {
    enet_initialize();
    ENetHost *hote = enet_host_create(adresse, connexions, 1, 0, 0);
    if (hote != nullptr) {
        hote->checksum = enet_crc32;
    }
    return hote;
}

void envoyer(ENetPeer *pair, const Message &message) {
    const std::vector<std::uint8_t> octets = encoder(message);
    ENetPacket *paquet =
        enet_packet_create(octets.data(), octets.size(), ENET_PACKET_FLAG_RELIABLE);
    if (paquet != nullptr && enet_peer_send(pair, 0, paquet) != 0) {
        enet_packet_destroy(paquet);
    }
}

std::optional<Recu> lire(ENetPacket *paquet) {
    std::optional<Recu> recu = decoder(paquet->data, paquet->dataLength);
    enet_packet_destroy(paquet);
    return recu;
}

void reglerAttente(ENetPeer *pair) {
    enet_peer_timeout(pair, ENET_PEER_TIMEOUT_LIMIT, attenteMin, attenteMax);
}
