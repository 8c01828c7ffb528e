#include "graine.h"

#include <cstdio>

bool ecrireGraine(const std::string &chemin, const std::vector<std::uint8_t> &octets) {
    std::FILE *fichier = std::fopen(chemin.c_str(), "wb");
    if (fichier == nullptr) {
        std::perror(chemin.c_str());
        return false;
    }
    const bool ecrit = std::fwrite(octets.data(), 1, octets.size(), fichier) == octets.size();
    return std::fclose(fichier) == 0 && ecrit;
}
