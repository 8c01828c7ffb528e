// Writes one message of each kind into the folder given, as seeds for the network decoder's
// fuzzing: a hello, a refusal, welcomes, actions, commands, and states with two wells, one, none.
#include "message.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

bool ecrire(const std::string &chemin, const Message &message) {
    const std::vector<std::uint8_t> octets = encoder(message);
    std::FILE *f = std::fopen(chemin.c_str(), "wb");
    if (f == nullptr) {
        return false;
    }
    const bool ecrit = std::fwrite(octets.data(), 1, octets.size(), f) == octets.size();
    return std::fclose(f) == 0 && ecrit;
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: graines_message FOLDER\n");
        return 2;
    }
    EtatMatch deux;
    deux.puits[0] = ClichePartie{};
    deux.puits[1] = ClichePartie{};
    deux.puits[1]->cases[4][16] = caseTombante;
    deux.puits[1]->cases[0][0] = casePosee;
    deux.faits = {{Evenement::pose, 1}, {Evenement::lignesEnvoyees, 0, 2}};
    EtatMatch un = deux;
    un.puits[0].reset();
    const std::vector<Message> messages = {Bonjour{},
                                           Refus{},
                                           Accueil{true},
                                           Accueil{false},
                                           ActionJoueur{1, Action::gauche},
                                           DemandeSeance{Ordre::pause},
                                           deux,
                                           un,
                                           EtatMatch{}};
    for (std::size_t i = 0; i < messages.size(); ++i) {
        if (!ecrire(std::string(argv[1]) + "/message" + std::to_string(i), messages[i])) {
            std::perror(argv[1]);
            return 1;
        }
    }
    return 0;
}
