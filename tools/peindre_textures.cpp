// Paints the game's two pictures, "bois.bmp" and "metal.bmp", into a folder.
// Usage: peindre_textures FOLDER [SIDE], SIDE a power of two from 4 up (256 by default).

#include "bmp24.h"
#include "fichier_sortie.h"
#include "peinture.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
bool enregistrer(const std::string &chemin, const Toile &toile) {
    return ecrireFichier(chemin, fichierBMP24(toile));
}

bool puissanceDeDeux(long n) {
    return n >= 4 && (n & (n - 1)) == 0;
}
} // namespace

int main(int argc, char **argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s FOLDER [SIDE]\n", argv[0]);
        return 2;
    }
    long cote = 256;
    if (argc == 3) {
        char *fin = nullptr;
        cote = std::strtol(argv[2], &fin, 10);
        if (*fin != '\0' || !puissanceDeDeux(cote) || cote > 8192) {
            std::fprintf(stderr, "%s: SIDE must be a power of two from 4 to 8192\n", argv[0]);
            return 2;
        }
    }
    const std::string dossier = argv[1];
    const int c = static_cast<int>(cote);
    if (!enregistrer(dossier + "/bois.bmp", peindreBois(c)) ||
        !enregistrer(dossier + "/metal.bmp", peindreMetal(c)))
        return 1;
    return 0;
}
