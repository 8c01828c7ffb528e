#include "inondation.h"

#include "boucle.h"
#include "transport_enet.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <random>

std::vector<std::uint8_t> demandeConnexion() {
    const int s = socketBoucle();
    sockaddr_in adresse{};
    socklen_t taille = sizeof adresse;
    getsockname(s, reinterpret_cast<sockaddr *>(&adresse), &taille);
    std::string erreur;
    std::unique_ptr<TransportEnet> invite =
        TransportEnet::rejoindre({"127.0.0.1", ntohs(adresse.sin_port)}, erreur);
    Plateaux plateaux;
    Match miroir(plateaux);
    invite->session().commencer(miroir, 0);
    invite->servir(0, miroir);
    std::vector<std::uint8_t> demande(2048);
    pollfd attente{s, POLLIN, 0};
    const ssize_t n = poll(&attente, 1, 2000) > 0 ? recv(s, demande.data(), demande.size(), 0) : 0;
    demande.resize(static_cast<std::size_t>(std::max<ssize_t>(n, 0)));
    close(s);
    return demande;
}

Inondation::Inondation(std::uint16_t port, int parSeconde, Sorte sorte,
                       std::vector<std::uint8_t> demande)
    : port_(port), parSeconde_(parSeconde), sorte_(sorte), demande_(std::move(demande)),
      fil_([this] { tourner(); }) {}

Inondation::~Inondation() {
    fin_ = true;
    fil_.join();
}

void Inondation::tourner() {
    std::mt19937 hasard(17);
    std::vector<int> sockets;
    for (int i = 0; i < 32; ++i) {
        sockets.push_back(socketBoucle());
    }
    const sockaddr_in vers = boucle(port_);
    std::vector<std::uint8_t> octets;
    const auto debut = std::chrono::steady_clock::now();
    for (std::uint64_t n = 0; !fin_; ++n) {
        const int tirage = static_cast<int>(hasard() % 100);
        octets.clear();
        if (sorte_ == Sorte::vides || (sorte_ == Sorte::melange && tirage < 20)) {
            // Nothing at all.
        } else if (sorte_ == Sorte::courts || tirage < 35) {
            octets.push_back(static_cast<std::uint8_t>(hasard()));
        } else if (tirage < 65 || demande_.empty()) {
            octets.resize(1 + hasard() % 1400);
            for (std::uint8_t &o : octets) {
                o = static_cast<std::uint8_t>(hasard());
            }
        } else {
            octets = demande_;
            if (tirage < 85 && octets.size() > 8) {
                octets[4] ^= 0x5A;
            }
        }
        const int s = sockets[hasard() % sockets.size()];
        sendto(s, octets.data(), octets.size(), 0, reinterpret_cast<const sockaddr *>(&vers),
               sizeof vers);
        ++envoyes_;
        // Paced: the n-th datagram goes at n / parSeconde seconds, a millisecond's worth at once.
        const auto du =
            debut + std::chrono::microseconds(static_cast<std::int64_t>(n) * 1000000 / parSeconde_);
        if (du > std::chrono::steady_clock::now() + std::chrono::milliseconds(1)) {
            std::this_thread::sleep_until(du);
        }
    }
    for (const int s : sockets) {
        close(s);
    }
}
