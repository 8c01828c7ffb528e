// From starting the game to its first frame on screen, in a fresh folder holding its pictures,
// sounds and catalogues: the time a player waits. Each game named on the command line (with the
// folder of its pictures) takes its turn, round after round, so that a change is weighed side by
// side with the build before it. The harness looks at the window every 20 ms: a figure may be up
// to 20 ms late.
//
//   bench_demarrage [ROUNDS] GAME PICTURES [GAME PICTURES]...
#include "game.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char **argv) {
    int premier = 1;
    int tours = 10;
    if (argc % 2 == 0) {
        tours = std::max(1, std::atoi(argv[1]));
        premier = 2;
    }
    if (argc - premier < 2) {
        std::fprintf(stderr, "usage: bench_demarrage [ROUNDS] GAME PICTURES [GAME PICTURES]...\n");
        return 2;
    }
    struct Jeu {
        std::string binaire, images;
        std::vector<double> ms;
    };
    std::vector<Jeu> jeux;
    for (int i = premier; i + 1 < argc; i += 2) {
        jeux.push_back({argv[i], argv[i + 1], {}});
    }
    for (int tour = 0; tour < tours; ++tour) {
        for (Jeu &jeu : jeux) {
            harness::GameFolder dossier;
            harness::putPictures(dossier, jeu.images, harness::Pictures::both);
            const auto debut = std::chrono::steady_clock::now();
            harness::Game partie(jeu.binaire, dossier);
            if (!partie.waitForFirstFrame()) {
                std::fprintf(stderr, "%s drew no frame:\n%s\n", jeu.binaire.c_str(),
                             partie.errorOutput().c_str());
                return 1;
            }
            jeu.ms.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut)
                    .count());
            partie.close();
            partie.waitForExit();
        }
    }
    for (Jeu &jeu : jeux) {
        std::sort(jeu.ms.begin(), jeu.ms.end());
        std::printf("%s: to the first frame, median %.0f ms, longest %.0f ms (%d rounds)\n",
                    jeu.binaire.c_str(), jeu.ms[jeu.ms.size() / 2], jeu.ms.back(), tours);
    }
    return 0;
}
