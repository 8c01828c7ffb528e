// A host and a joining game in one process, over loopback through the tests' relay, which delays
// each datagram and drops some: the joining player acts 4 times a second, the host's match runs
// its one-second step.
//
//   bytes up U down D per second          a minute of play, 50 ms each way, nothing dropped;
//                                         then a key held (25 actions a second) for 20 s
//   confirmed median M p99 P ms           the round trip of an action, from its key to the
//                                         host's state that takes it: 0, 50 and 150 ms each way,
//                                         5 % dropped
#include "hote.h"
#include "invite.h"
#include "match.h"
#include "relais.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <thread>
#include <vector>

namespace {

using Horloge = std::chrono::steady_clock;
constexpr Action actions[] = {Action::gauche, Action::pivoter, Action::droite, Action::descendre};

// What an IPv4 datagram adds around its UDP payload: the IP and UDP headers.
constexpr double entetesIp = 28;

struct Mesure {
    double haut = 0, bas = 0;       // bytes a second, UDP payloads
    double hautIp = 0, basIp = 0;   // the same with the IP and UDP headers
    std::vector<double> confirmees; // milliseconds
};

Mesure jouer(int delaiMs, double perte, std::chrono::seconds duree, int intervalleActions = 250) {
    Mesure mesure;
    const std::uint16_t port = portLibre();
    std::string erreur;
    std::unique_ptr<Hote> hote = Hote::ouvrir(port, erreur);
    if (!hote) {
        std::fprintf(stderr, "bench_reseau: %s\n", erreur.c_str());
        return mesure;
    }
    Relais relais(port, delaiMs, perte, 7);
    std::unique_ptr<Invite> invite = Invite::rejoindre({"127.0.0.1", relais.port()}, erreur);
    Plateaux jeuxHote, jeuxMiroir;
    Match matchHote(jeuxHote), miroir(jeuxMiroir);
    matchHote.ecouter(*hote);
    std::map<std::uint32_t, Horloge::time_point> envoyees;
    std::uint32_t numero = 0;
    miroir.suivreActions([&](int, Action action) {
        invite->agir(action);
        envoyees[++numero] = Horloge::now();
    });

    const auto debut = Horloge::now();
    const auto ms = [&] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(Horloge::now() - debut)
            .count();
    };
    std::int64_t seconde = 1000, action = 0;
    std::optional<Horloge::time_point> debutJeu;
    std::uint64_t hautAvant = 0, basAvant = 0, datagrammesHaut = 0, datagrammesBas = 0;
    std::size_t n = 0;
    while (!debutJeu || Horloge::now() - *debutJeu < duree) {
        const std::int64_t t = ms();
        hote->servir(t, matchHote);
        invite->servir(t, miroir);
        if (invite->etat() != Invite::Etat::joueur) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            continue;
        }
        if (!debutJeu) {
            debutJeu = Horloge::now();
            hautAvant = relais.versHote();
            basAvant = relais.versInvites();
            datagrammesHaut = relais.datagrammesVersHote();
            datagrammesBas = relais.datagrammesVersInvites();
            seconde = t + 1000;
            action = t + intervalleActions;
        }
        if (t >= seconde) {
            matchHote.seconde(t);
            if (matchHote.verdict() != Verdict::enCours) {
                matchHote.nouveauMatch();
            }
            seconde += 1000;
        }
        if (t >= action) {
            miroir.agir(1, actions[n++ % 4]);
            action += intervalleActions;
        }
        for (auto e = envoyees.begin(); e != envoyees.end() && e->first <= invite->confirme();) {
            mesure.confirmees.push_back(
                std::chrono::duration<double, std::milli>(Horloge::now() - e->second).count());
            e = envoyees.erase(e);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    const double secondes = std::chrono::duration<double>(Horloge::now() - *debutJeu).count();
    mesure.haut = static_cast<double>(relais.versHote() - hautAvant) / secondes;
    mesure.bas = static_cast<double>(relais.versInvites() - basAvant) / secondes;
    mesure.hautIp =
        mesure.haut +
        entetesIp * static_cast<double>(relais.datagrammesVersHote() - datagrammesHaut) / secondes;
    mesure.basIp =
        mesure.bas + entetesIp *
                         static_cast<double>(relais.datagrammesVersInvites() - datagrammesBas) /
                         secondes;
    return mesure;
}

double rang(std::vector<double> v, double part) {
    if (v.empty()) {
        return 0;
    }
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1,
                      static_cast<std::size_t>(part * static_cast<double>(v.size())))];
}

} // namespace

int main() {
    const Mesure minute = jouer(50, 0, std::chrono::seconds(60));
    std::printf("a minute of play at 4 actions a second, 50 ms each way: bytes up %.0f down %.0f "
                "per second (UDP payloads, ENet's headers included; with the IP and UDP headers, "
                "up %.0f down %.0f)\n",
                minute.haut, minute.bas, minute.hautIp, minute.basIp);
    const Mesure tenue = jouer(50, 0, std::chrono::seconds(20), 40);
    std::printf("a key held, 25 actions a second, 50 ms each way: bytes up %.0f down %.0f per "
                "second (with the IP and UDP headers, up %.0f down %.0f)\n",
                tenue.haut, tenue.bas, tenue.hautIp, tenue.basIp);
    for (const int delai : {0, 50, 150}) {
        const Mesure m = jouer(delai, 0.05, std::chrono::seconds(25));
        std::printf("%3d ms each way, 5 %% dropped: confirmed median %.0f p99 %.0f ms (%zu "
                    "actions); bytes up %.0f down %.0f per second\n",
                    delai, rang(m.confirmees, 0.5), rang(m.confirmees, 0.99), m.confirmees.size(),
                    m.haut, m.bas);
    }
    return 0;
}
