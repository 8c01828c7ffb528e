// The computer player, headless, on the game's own rules and generator: the clock that seeds each
// new piece is simulated as the real game would advance it, gravity once a second and the
// computer's keys at its level's rate, so pieces that arrive within one second share a shape.
//
//   bench_ordinateur solo LEVEL SEED PIECES      pieces N rows R
//   bench_ordinateur duel LEVEL_A LEVEL_B SEED   winner left|right|draw pieces N
//   bench_ordinateur temps LEVEL                 decision median M p99 P (microseconds)
#include "bareme.h"
#include "hasard.h"
#include "match.h"
#include "ordinateur.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

// Where the timed choices go, so that the compiler keeps them.
volatile int dernierChoix = 0;

// The simulated clock: the seed is the second the game starts at.
std::int64_t debut = 0;
std::int64_t millisecondes = 0;

std::time_t secondeSimulee() {
    return static_cast<std::time_t>(debut + millisecondes / 1000);
}

// One game played by one computer alone, gravity every second and its keys at its rate.
struct PartieSeule {
    partie jeu;
    Ordinateur ordinateur;
    int intervalle;
    std::int64_t gravite = 1000;
    std::int64_t coup;

    PartieSeule(Niveau niveau, std::uint32_t graine)
        : ordinateur(niveau, graine), intervalle(profil(niveau).intervalle), coup(intervalle) {}

    // What comes next: a gravity step or a key.
    void avancer() {
        if (gravite <= coup) {
            millisecondes = gravite;
            jeu.tomber();
            gravite += 1000;
        } else {
            millisecondes = coup;
            if (const std::optional<Action> action = ordinateur.prochaineAction(jeu)) {
                appliquer(jeu, *action);
            }
            coup += intervalle;
        }
    }
};

int solo(Niveau niveau, std::uint32_t graine, long limite) {
    debut = graine;
    millisecondes = 0;
    PartieSeule seule(niveau, graine);
    long rangees = 0;
    while (!seule.jeu.getFini() && seule.jeu.getPosees() < limite) {
        const int avant = seule.jeu.getScore();
        seule.avancer();
        rangees += rangeesPourPoints(seule.jeu.getScore() - avant);
    }
    std::printf("pieces %d rows %ld\n", seule.jeu.getPosees(), rangees);
    return 0;
}

// A match between two computers, each driven here at its level's rate on its own seed, through
// the match's one entry for actions; the match itself runs no computer of its own.
int duel(Niveau gauche, Niveau droite, std::uint32_t graine) {
    constexpr long piecesMax = 100000;
    debut = graine;
    millisecondes = 0;
    Plateaux plateaux;
    Match match(plateaux);
    match.nouveauMatch();
    Ordinateur ordinateurs[2] = {Ordinateur(gauche, graine), Ordinateur(droite, graine + 1)};
    const int intervalles[2] = {profil(gauche).intervalle, profil(droite).intervalle};
    std::int64_t gravite = 1000, coups[2] = {intervalles[0], intervalles[1]};
    auto pieces = [&] {
        return static_cast<long>(plateaux.gauche.getPosees()) + plateaux.droite.getPosees();
    };
    while (match.verdict() == Verdict::enCours && pieces() < piecesMax) {
        const std::int64_t prochain = std::min({gravite, coups[0], coups[1]});
        millisecondes = prochain;
        if (gravite == prochain) {
            match.seconde(millisecondes);
            gravite += 1000;
            continue;
        }
        const int n = coups[0] == prochain ? 0 : 1;
        if (const std::optional<Action> action = ordinateurs[n].prochaineAction(match.jeu(n))) {
            match.agir(n, *action);
        }
        coups[n] += intervalles[n];
    }
    const Verdict issue = match.verdict();
    const char *vainqueur = issue == Verdict::gagneGauche   ? "left"
                            : issue == Verdict::gagneDroite ? "right"
                                                            : "draw";
    std::printf("winner %s pieces %ld\n", vainqueur, pieces());
    return 0;
}

// Choices timed on wells met in real games: Expert plays solo games and each of its choices is
// timed, the level's own choice included.
int temps(Niveau niveau) {
    std::vector<double> durees;
    for (std::uint32_t graine = 1; durees.size() < 20000; ++graine) {
        debut = graine;
        millisecondes = 0;
        PartieSeule seule(Niveau::expert, graine);
        const partie &jeu = seule.jeu;
        Ordinateur chronometre(niveau, graine);
        int piece = -1;
        while (!jeu.getFini() && jeu.getPosees() < 500) {
            if (jeu.getPosees() != piece) {
                piece = jeu.getPosees();
                const auto t0 = std::chrono::steady_clock::now();
                Ordinateur essai = chronometre;
                const std::optional<Action> action = essai.prochaineAction(jeu);
                const auto t1 = std::chrono::steady_clock::now();
                durees.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
                dernierChoix = action ? static_cast<int>(*action) : -1;
            }
            seule.avancer();
        }
    }
    std::sort(durees.begin(), durees.end());
    const double mediane = durees[durees.size() / 2];
    const double p99 = durees[durees.size() * 99 / 100];
    std::printf("decision median %.1f p99 %.1f\n", mediane, p99);
    return 0;
}

int usage() {
    std::fprintf(stderr, "usage: bench_ordinateur solo LEVEL SEED PIECES\n"
                         "       bench_ordinateur duel LEVEL_A LEVEL_B SEED\n"
                         "       bench_ordinateur temps LEVEL\n"
                         "LEVEL: easy, medium, hard or expert\n");
    return 2;
}

std::optional<std::uint32_t> nombre(const char *texte) {
    char *fin = nullptr;
    const unsigned long long valeur = std::strtoull(texte, &fin, 10);
    if (fin == texte || *fin != '\0' || valeur > UINT32_MAX || texte[0] == '-') {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(valeur);
}

} // namespace

int main(int argc, char **argv) {
    remplacerHorloge(secondeSimulee);
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 4 && args[0] == "solo") {
        const auto niveau = lireNiveau(args[1]);
        const auto graine = nombre(argv[3]);
        const auto limite = nombre(argv[4]);
        if (niveau && graine && limite) {
            return solo(*niveau, *graine, static_cast<long>(*limite));
        }
    } else if (args.size() == 4 && args[0] == "duel") {
        const auto a = lireNiveau(args[1]);
        const auto b = lireNiveau(args[2]);
        const auto graine = nombre(argv[4]);
        if (a && b && graine) {
            return duel(*a, *b, *graine);
        }
    } else if (args.size() == 2 && args[0] == "temps") {
        if (const auto niveau = lireNiveau(args[1])) {
            return temps(*niveau);
        }
    }
    return usage();
}
