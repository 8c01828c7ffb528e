// Composes the game's sound effects, one short WAV per event, into a folder.
// Usage: composer_sons FOLDER
// The game says at start-up when one is missing.

#include "compositions.h"
#include "fichier_sortie.h"

#include <cstdio>
#include <string>

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    for (const Composition &c : composer()) {
        if (!ecrireFichier(std::string(argv[1]) + "/" + c.nom + ".wav",
                           fichierWav(c.son.echantillons()))) {
            return 1;
        }
    }
    return 0;
}
