#include "relais.h"

#include "boucle.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <map>
#include <random>
#include <vector>

namespace {

using Horloge = std::chrono::steady_clock;

std::uint16_t portDe(int s) {
    sockaddr_in adresse{};
    socklen_t taille = sizeof adresse;
    getsockname(s, reinterpret_cast<sockaddr *>(&adresse), &taille);
    return ntohs(adresse.sin_port);
}

// One datagram on its way.
struct Envoi {
    int socket;
    sockaddr_in vers;
    std::vector<char> octets;
};

} // namespace

std::uint16_t portLibre() {
    const int s = socketBoucle();
    const std::uint16_t port = portDe(s);
    close(s);
    return port;
}

Relais::Relais(std::uint16_t portHote, int delaiMs, double perte, unsigned graine)
    : ecoute_(socketBoucle()), portHote_(portHote), port_(portDe(ecoute_)), delaiMs_(delaiMs),
      perte_(perte), graine_(graine), fil_([this] { tourner(); }) {}

Relais::~Relais() {
    fin_ = true;
    fil_.join();
    close(ecoute_);
}

void Relais::regler(int delaiMs, double perte) {
    const std::lock_guard<std::mutex> verrou(reglage_);
    delaiMs_ = delaiMs;
    perte_ = perte;
}

void Relais::tourner() {
    std::mt19937 hasard(graine_);
    std::uniform_real_distribution<double> tirage(0, 1);
    // Each joining game's port, and the socket it reaches the host through.
    std::map<std::uint16_t, int> amonts;
    std::multimap<Horloge::time_point, Envoi> enRoute;
    const sockaddr_in hote = boucle(portHote_);
    std::vector<char> tampon(65536);

    while (!fin_) {
        std::vector<pollfd> attente{{ecoute_, POLLIN, 0}};
        for (const auto &[port, s] : amonts) {
            attente.push_back({s, POLLIN, 0});
        }
        int delai = 10;
        if (!enRoute.empty()) {
            const auto reste = std::chrono::duration_cast<std::chrono::milliseconds>(
                enRoute.begin()->first - Horloge::now());
            delai = std::max(0, std::min(delai, static_cast<int>(reste.count())));
        }
        poll(attente.data(), attente.size(), delai);

        int delaiMs;
        double perte;
        {
            const std::lock_guard<std::mutex> verrou(reglage_);
            delaiMs = delaiMs_;
            perte = perte_;
        }
        const auto du = Horloge::now() + std::chrono::milliseconds(delaiMs);
        for (const pollfd &p : attente) {
            if ((p.revents & POLLIN) == 0) {
                continue;
            }
            sockaddr_in de{};
            socklen_t taille = sizeof de;
            const ssize_t n = recvfrom(p.fd, tampon.data(), tampon.size(), 0,
                                       reinterpret_cast<sockaddr *>(&de), &taille);
            if (n <= 0) {
                continue;
            }
            Envoi envoi{};
            envoi.octets.assign(tampon.begin(), tampon.begin() + n);
            if (p.fd == ecoute_) {
                versHote_ += static_cast<std::uint64_t>(n);
                ++datagrammesVersHote_;
                const std::uint16_t client = ntohs(de.sin_port);
                auto amont = amonts.find(client);
                if (amont == amonts.end()) {
                    amont = amonts.emplace(client, socketBoucle()).first;
                }
                envoi.socket = amont->second;
                envoi.vers = hote;
            } else {
                versInvites_ += static_cast<std::uint64_t>(n);
                ++datagrammesVersInvites_;
                envoi.socket = ecoute_;
                for (const auto &[port, s] : amonts) {
                    if (s == p.fd) {
                        envoi.vers = boucle(port);
                    }
                }
            }
            if (tirage(hasard) >= perte) {
                enRoute.emplace(du, std::move(envoi));
            }
        }
        while (!enRoute.empty() && enRoute.begin()->first <= Horloge::now()) {
            const Envoi &e = enRoute.begin()->second;
            sendto(e.socket, e.octets.data(), e.octets.size(), 0,
                   reinterpret_cast<const sockaddr *>(&e.vers), sizeof e.vers);
            enRoute.erase(enRoute.begin());
        }
    }
    for (const auto &[port, s] : amonts) {
        close(s);
    }
}
