#pragma once

#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

// Junk at a game's UDP port on 127.0.0.1, from a thread of its own and from many ports, as anyone
// who knows the address may send it: empty datagrams, single bytes, random bytes of any length up
// to 1,400, ENet's own connection request with its checksum spoilt, and the same request whole,
// replayed from ports that never answer what comes back (connections that never complete).
// Loopback only.
class Inondation {
public:
    enum class Sorte { vides, courts, melange };
    // `parSeconde` datagrams a second, until destroyed. `demande`: a connection request as an ENet
    // game sends it (demandeConnexion()).
    Inondation(std::uint16_t port, int parSeconde, Sorte sorte,
               std::vector<std::uint8_t> demande = {});
    ~Inondation();
    Inondation(const Inondation &) = delete;
    Inondation &operator=(const Inondation &) = delete;

    std::uint64_t envoyes() const { return envoyes_; }

private:
    void tourner();

    std::uint16_t port_;
    int parSeconde_;
    Sorte sorte_;
    std::vector<std::uint8_t> demande_;
    std::atomic<bool> fin_{false};
    std::atomic<std::uint64_t> envoyes_{0};
    std::thread fil_;
};

// The first datagram a joining game sends to a host: its connection request, caught on a socket
// of ours.
std::vector<std::uint8_t> demandeConnexion();
