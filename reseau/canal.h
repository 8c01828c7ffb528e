#pragma once

#include "message.h"

#include <enet/enet.h>

#include <cstdint>
#include <optional>

// Our messages over ENet: each one reliable and in order on the peer's one channel.

// A host of ours: `adresse` null for a machine that only connects out. Every datagram carries a
// checksum, so a damaged one is dropped before it is read. Null when the port cannot be had.
ENetHost *creerHoteEnet(const ENetAddress *adresse, std::size_t connexions);

void envoyer(ENetPeer *pair, const Message &message);

// The message a packet holds, if it holds one of ours whole; the packet is released.
std::optional<Recu> lire(ENetPacket *paquet);

// A peer whose machine vanished (killed, cable pulled) is given up within about 3 seconds.
void reglerAttente(ENetPeer *pair);
