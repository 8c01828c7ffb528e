// A host and a joining game in one process, over loopback through the tests' relay, which delays
// each datagram and drops some: the joining player acts 4 times a second, the host's match runs
// its one-second step. Each side is served as the game serves it, when its transport asks.
//
//   bytes up U down D per second          a minute of play, 50 ms each way, nothing dropped;
//                                         then a key held (25 actions a second) for 20 s
//   confirmed median M p99 P ms           the round trip of an action, from its key to the
//                                         host's state that takes it: 0, 50 and 150 ms each way,
//                                         5 % dropped each way
//   under a flood                         the same at 50 ms each way while 2,000 junk datagrams a
//                                         second hit the host's port, and as many the joining
//                                         game's, with the CPU each side's service took
//
// Arguments choose the rows: minute, tenue, perte, crue (all by default).
#include "inondation.h"
#include "match.h"
#include "relais.h"
#include "transport_enet.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <map>
#include <memory>
#include <thread>
#include <vector>

namespace {

using Horloge = std::chrono::steady_clock;
constexpr Action actions[] = {Action::gauche, Action::pivoter, Action::droite, Action::descendre};

// What an IPv4 datagram adds around its UDP payload: the IP and UDP headers.
constexpr double entetesIp = 28;

struct Mesure {
    double haut = 0, bas = 0;          // bytes a second, UDP payloads
    double hautIp = 0, basIp = 0;      // the same with the IP and UDP headers
    std::vector<double> confirmees;    // milliseconds
    double cpuHote = 0, cpuInvite = 0; // share of a core in each side's service
    bool tenu = true;                  // the joining player stayed in the match
};

double cpu() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

Mesure jouer(int delaiMs, double perte, std::chrono::seconds duree, int intervalleActions = 250,
             bool crue = false) {
    Mesure mesure;
    const std::uint16_t port = portLibre();
    std::string erreur;
    std::unique_ptr<TransportEnet> hote = TransportEnet::heberger(port, erreur);
    if (!hote) {
        std::fprintf(stderr, "bench_reseau: %s\n", erreur.c_str());
        return mesure;
    }
    Relais relais(port, delaiMs, perte, 7);
    std::unique_ptr<TransportEnet> invite =
        TransportEnet::rejoindre({"127.0.0.1", relais.port()}, erreur);
    Plateaux jeuxHote, jeuxMiroir;
    Match matchHote(jeuxHote), miroir(jeuxMiroir);
    const auto debut = Horloge::now();
    const auto ms = [&] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(Horloge::now() - debut)
            .count();
    };
    hote->session().commencer(matchHote, 0);
    invite->session().commencer(miroir, 0);
    std::map<std::uint32_t, Horloge::time_point> envoyees;
    std::uint32_t numero = 0;
    miroir.suivreActions([&](int, Action action) {
        invite->session().agir(action, ms());
        invite->envoyer();
        envoyees[++numero] = Horloge::now();
    });

    std::unique_ptr<Inondation> crueHote, crueInvite;
    std::int64_t seconde = 1000, action = 0;
    std::optional<Horloge::time_point> debutJeu;
    std::uint64_t hautAvant = 0, basAvant = 0, datagrammesHaut = 0, datagrammesBas = 0;
    double cpuHote = 0, cpuInvite = 0;
    std::size_t n = 0;
    while (!debutJeu || Horloge::now() - *debutJeu < duree) {
        const std::int64_t t = ms();
        const double avant = cpu();
        if (hote->prochaineEcheance(t, matchHote).value_or(t + 1) <= t) {
            hote->servir(t, matchHote);
        }
        const double milieu = cpu();
        if (invite->prochaineEcheance(t, miroir).value_or(t + 1) <= t) {
            invite->servir(t, miroir);
        }
        if (debutJeu) {
            cpuHote += milieu - avant;
            cpuInvite += cpu() - milieu;
        }
        if (invite->invite()->etat() != SessionInvite::Etat::joueur) {
            if (debutJeu) {
                mesure.tenu = false;
            }
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
            if (crue) {
                const std::vector<std::uint8_t> demande = demandeConnexion();
                crueHote =
                    std::make_unique<Inondation>(port, 2000, Inondation::Sorte::melange, demande);
                crueInvite = std::make_unique<Inondation>(invite->port(), 2000,
                                                          Inondation::Sorte::melange, demande);
            }
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
        for (auto e = envoyees.begin();
             e != envoyees.end() && e->first <= invite->invite()->confirme();) {
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
    mesure.cpuHote = 100 * cpuHote / secondes;
    mesure.cpuInvite = 100 * cpuInvite / secondes;
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

bool choisi(int argc, char **argv, const char *rang) {
    if (argc < 2) {
        return true;
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], rang) == 0) {
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char **argv) {
    if (choisi(argc, argv, "minute")) {
        const Mesure minute = jouer(50, 0, std::chrono::seconds(60));
        std::printf("a minute of play at 4 actions a second, 50 ms each way: bytes up %.0f down "
                    "%.0f per second (UDP payloads, ENet's headers included; with the IP and UDP "
                    "headers, up %.0f down %.0f); service CPU host %.2f %% joining %.2f %%\n",
                    minute.haut, minute.bas, minute.hautIp, minute.basIp, minute.cpuHote,
                    minute.cpuInvite);
    }
    if (choisi(argc, argv, "tenue")) {
        const Mesure tenue = jouer(50, 0, std::chrono::seconds(20), 40);
        std::printf("a key held, 25 actions a second, 50 ms each way: bytes up %.0f down %.0f per "
                    "second (with the IP and UDP headers, up %.0f down %.0f)\n",
                    tenue.haut, tenue.bas, tenue.hautIp, tenue.basIp);
    }
    if (choisi(argc, argv, "perte")) {
        for (const int delai : {0, 50, 150}) {
            const Mesure m = jouer(delai, 0.05, std::chrono::seconds(25));
            std::printf("%3d ms each way, 5 %% dropped: confirmed median %.0f p99 %.0f ms (%zu "
                        "actions); bytes up %.0f down %.0f per second; the player %s\n",
                        delai, rang(m.confirmees, 0.5), rang(m.confirmees, 0.99),
                        m.confirmees.size(), m.haut, m.bas, m.tenu ? "stayed" : "was lost");
            std::fflush(stdout);
        }
    }
    if (choisi(argc, argv, "crue")) {
        const Mesure calme = jouer(50, 0, std::chrono::seconds(30));
        const Mesure crue = jouer(50, 0, std::chrono::seconds(30), 250, true);
        for (const auto &[nom, m] : {std::pair{"quiet", calme}, std::pair{"flooded", crue}}) {
            std::printf("50 ms each way, %s (2,000 junk datagrams a second at each port when "
                        "flooded): confirmed median %.0f p99 %.0f ms (%zu actions); service CPU "
                        "host %.2f %% joining %.2f %% of a core; the player %s\n",
                        nom, rang(m.confirmees, 0.5), rang(m.confirmees, 0.99), m.confirmees.size(),
                        m.cpuHote, m.cpuInvite, m.tenu ? "stayed" : "was lost");
        }
    }
    return 0;
}
