// Writes replays into the folder given, as seeds for the replays' fuzzing: a match played here
// (actions, steps, a pause, the computer given a well, pieces drawn) and a joining machine's
// (the host's states).
#include "enregistreur.h"
#include "graine.h"
#include "miroir.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: graines_rejeu FOLDER\n");
        return 2;
    }
    Plateaux plateaux;
    Match match(plateaux);
    Enregistreur ici(std::nullopt, 0);
    ici.suivre(match, 0);
    std::int64_t t = 0;
    for (int i = 0; i < 40; ++i) {
        ici.temps(t += 250);
        match.agir(i % 2, static_cast<Action>(i % 4));
        if (i % 4 == 3) {
            match.seconde(t);
        }
    }
    match.basculerPause();
    match.choisirPilote(1, Pilote{true, Niveau::expert}, t);
    const std::vector<std::uint8_t> local = ici.octets();

    Enregistreur invite(std::nullopt, 0);
    const Pilote pilotes[2] = {Pilote{false, Niveau::facile, Pilote::Reseau::distant},
                               Pilote{false, Niveau::facile, Pilote::Reseau::ici}};
    EtatComplet etat = etatDe(match);
    for (int i = 0; i < 6; ++i) {
        etat.puits[1].x = i % 3;
        invite.etatHote(etat, {{Evenement::deplacement, 1}}, pilotes, 100 * i);
    }
    if (!ecrireGraine(std::string(argv[1]) + "/ici", local) ||
        !ecrireGraine(std::string(argv[1]) + "/invite", invite.octets())) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
