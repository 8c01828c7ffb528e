#include "fichier_sortie.h"

#include <cstdio>

bool ecrireFichier(const std::string &chemin, const std::vector<std::uint8_t> &octets) {
    std::FILE *fichier = std::fopen(chemin.c_str(), "wb");
    if (!fichier) {
        std::perror(chemin.c_str());
        return false;
    }
    const bool ecrit = std::fwrite(octets.data(), 1, octets.size(), fichier) == octets.size();
    if (std::fclose(fichier) != 0 || !ecrit) {
        std::fprintf(stderr, "%s: write failed\n", chemin.c_str());
        return false;
    }
    return true;
}
