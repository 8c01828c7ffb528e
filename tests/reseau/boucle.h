#pragma once

#include <netinet/in.h>

#include <cstdint>

// Loopback, where every datagram of the tests goes: the address of a port there, and a UDP
// socket bound to a port of the system's choosing.
sockaddr_in boucle(std::uint16_t port);
int socketBoucle();
