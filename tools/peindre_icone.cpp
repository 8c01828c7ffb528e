// Paints the game's icon as PNG files, one per size, into FOLDER/SIZExSIZE/cubefall.png.
// Usage: peindre_icone FOLDER SIZE...

#include "icone.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

int main(int argc, char **argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s FOLDER SIZE...\n", argv[0]);
        return 2;
    }
    for (int i = 2; i < argc; ++i) {
        const int cote = std::atoi(argv[i]);
        if (cote < 16 || cote > 1024) {
            std::fprintf(stderr, "%s: SIZE must lie between 16 and 1024\n", argv[0]);
            return 2;
        }
        const std::string taille = std::to_string(cote) + "x" + std::to_string(cote);
        const std::filesystem::path dossier = std::filesystem::path(argv[1]) / taille;
        std::error_code erreur;
        std::filesystem::create_directories(dossier, erreur);
        const std::string chemin = (dossier / "cubefall.png").string();
        const Icone icone = peindreIcone(cote);
        if (!stbi_write_png(chemin.c_str(), cote, cote, 4, icone.rvba.data(), cote * 4)) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], chemin.c_str());
            return 1;
        }
    }
    return 0;
}
