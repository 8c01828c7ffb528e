// Writes one message of each kind into the folder given, as seeds for the network decoder's
// fuzzing: a hello, the refusals, welcomes, answers with and without actions, an order, and
// states whole and measured from another.
#include "graine.h"
#include "miroir.h"
#include "protocole.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: graines_message FOLDER\n");
        return 2;
    }
    EtatComplet avant;
    avant.puits[1].cases[4][16] = caseTombante;
    avant.puits[1].cases[0][0] = casePosee;
    EtatComplet apres = avant;
    apres.puits[1].y = 3;
    apres.seance.pause = true;
    EtatMatch entier = difference(nullptr, avant);
    entier.faits = {{Evenement::pose, 1}, {Evenement::lignesEnvoyees, 0, 2}};
    entier.premierFait = 3;
    EtatMatch mesure = difference(&avant, apres);
    mesure.numero = 2;
    mesure.recul = 1;
    const std::vector<Message> messages = {Bonjour{},
                                           Refus{},
                                           Complet{},
                                           Accueil{true, Raison::aucune},
                                           Accueil{false, Raison::placeGardee},
                                           Retour{4, 1, {Action::gauche, Action::descendre}},
                                           Retour{},
                                           DemandeSeance{Ordre::pause},
                                           entier,
                                           mesure};
    for (std::size_t i = 0; i < messages.size(); ++i) {
        if (!ecrireGraine(std::string(argv[1]) + "/message" + std::to_string(i),
                          encoder(messages[i]))) {
            std::perror(argv[1]);
            return 1;
        }
    }
    return 0;
}
