// Replays, measured on the game's own match in one process, on a simulated clock:
//
//   bytes per minute          what a replay file takes for a minute of two players pressing 4 keys
//                             a second each, and of the computer at Expert against itself
//   seek to the verdict       a match of ten minutes, Expert against Expert, then nobody at the
//   left
//                             to its verdict: reading the file (its
//                             decoding and the player's pass for the pieces settled), then going
//                             from the start to the verdict, and back
//   playing back              the CPU a replay's playing takes for a minute of play, beside the
//                             live match's (the computer's thinking included), at 1× and at 8×
#include "enregistreur.h"
#include "lecteur.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <random>

namespace {

std::int64_t tempsSimule = 0;
std::time_t horloge() {
    return 1700000000 + tempsSimule / 1000;
}

double cpu() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

struct Partie {
    std::vector<std::uint8_t> octets;
    double cpu = 0;   // seconds the live match took
    double duree = 0; // seconds of play
    bool verdict = false;
};

// A match played for `secondes` (or to its verdict) with the computer at these levels, or
// players pressing a key every 250 ms when none.
Partie jouer(std::optional<Niveau> gauche, std::optional<Niveau> droite, int secondes,
             std::optional<int> abandon = std::nullopt) {
    tempsSimule = 0;
    remplacerHorloge(horloge);
    Plateaux plateaux;
    Match match(plateaux);
    if (gauche) {
        match.choisirPilote(0, {true, *gauche}, 0);
    }
    if (droite) {
        match.choisirPilote(1, {true, *droite}, 0);
    }
    Enregistreur enregistreur(std::nullopt, 0);
    enregistreur.suivre(match, 0);
    std::mt19937 hasard(5);
    Partie partie;
    const double avant = cpu();
    std::int64_t seconde = 1000, touche = 250;
    while (tempsSimule < secondes * 1000 && match.verdict() == Verdict::enCours) {
        tempsSimule += 5;
        enregistreur.temps(tempsSimule);
        if (tempsSimule >= seconde) {
            match.seconde(tempsSimule);
            seconde += 1000;
        }
        // Given to a player who presses nothing, the left well fills up.
        if (abandon && tempsSimule == *abandon * 1000) {
            match.choisirPilote(0, Pilote{}, tempsSimule);
        }
        if (!gauche && tempsSimule >= touche) {
            match.agir(0, static_cast<Action>(hasard() % 4));
            match.agir(1, static_cast<Action>(hasard() % 4));
            touche += 250;
        }
        match.avancer(tempsSimule);
    }
    partie.cpu = cpu() - avant;
    partie.duree = static_cast<double>(tempsSimule) / 1000;
    partie.verdict = match.verdict() != Verdict::enCours;
    partie.octets = enregistreur.octets();
    remplacerHorloge(nullptr);
    return partie;
}

double secondesDe(const std::chrono::steady_clock::duration &d) {
    return std::chrono::duration<double>(d).count();
}

} // namespace

int main() {
    const Partie joueurs = jouer(std::nullopt, std::nullopt, 300);
    std::printf(
        "two players, 4 keys a second each: %.0f bytes a minute (%.1f minutes, %zu bytes)\n",
        static_cast<double>(joueurs.octets.size()) * 60 / joueurs.duree, joueurs.duree / 60,
        joueurs.octets.size());
    const Partie experts = jouer(Niveau::expert, Niveau::expert, 300);
    std::printf("Expert against Expert: %.0f bytes a minute (%.1f minutes, %zu bytes)\n",
                static_cast<double>(experts.octets.size()) * 60 / experts.duree, experts.duree / 60,
                experts.octets.size());

    // Expert against Expert for ten minutes, then the left well left to nobody, to its verdict.
    const Partie longue = jouer(Niveau::expert, Niveau::expert, 1800, 600);
    // The best of five of each: the first pays for the memory it takes.
    double decode = 1e9, lu = 1e9, auVerdict = 1e9, auDebut = 1e9;
    for (int fois = 0; fois < 5; ++fois) {
        const auto t0 = std::chrono::steady_clock::now();
        LectureRejeu lecture = lireRejeu(longue.octets.data(), longue.octets.size());
        const auto t1 = std::chrono::steady_clock::now();
        Plateaux plateaux;
        Match match(plateaux);
        Lecteur lecteur(std::move(*lecture.rejeu), match);
        const auto t2 = std::chrono::steady_clock::now();
        lecteur.allerA(lecteur.duree());
        const auto t3 = std::chrono::steady_clock::now();
        lecteur.allerA(0);
        const auto t4 = std::chrono::steady_clock::now();
        decode = std::min(decode, secondesDe(t1 - t0));
        lu = std::min(lu, secondesDe(t2 - t1));
        auVerdict = std::min(auVerdict, secondesDe(t3 - t2));
        auDebut = std::min(auDebut, secondesDe(t4 - t3));
    }
    std::printf("a %.1f-minute match of Expert against Expert (%zu bytes, %s): decoded in %.2f ms, "
                "read by the player in %.1f ms, to the verdict in %.1f ms, back to the start in "
                "%.3f ms\n",
                longue.duree / 60, longue.octets.size(),
                longue.verdict ? "to its verdict" : "no verdict", 1000 * decode, 1000 * lu,
                1000 * auVerdict, 1000 * auDebut);

    // The live match and its replay, turn about, three times.
    double vif = 0, rejoue = 0, minutes = 0;
    for (int tour = 0; tour < 3; ++tour) {
        const Partie partie = jouer(Niveau::difficile, Niveau::expert, 120);
        LectureRejeu l = lireRejeu(partie.octets.data(), partie.octets.size());
        Plateaux p;
        Match m(p);
        Lecteur lect(*l.rejeu, m);
        const double avant = cpu();
        for (std::int64_t t = 0; t <= lect.duree(); t += 5) {
            lect.allerA(t);
        }
        rejoue += cpu() - avant;
        vif += partie.cpu;
        minutes += partie.duree / 60;
    }
    std::printf(
        "a minute of Hard against Expert: the live match %.1f ms of CPU, its replay %.2f ms; "
        "%.4f %% of a core at 1x, %.4f %% at 8x (the live match %.3f %%)\n",
        1000 * vif / minutes, 1000 * rejoue / minutes, 100 * rejoue / (minutes * 60),
        800 * rejoue / (minutes * 60), 100 * vif / (minutes * 60));
    return 0;
}
