// Writes the fuzzer's seed corpus into a folder: one small file of every form the decoder reads,
// made with the tests' bitmap builder.
#include <cstdio>
#include <string>
#include <vector>

#include "fabrique_bmp.h"
#include "graine.h"

namespace {
std::vector<RVB> palette(std::size_t n) {
    std::vector<RVB> couleurs;
    for (std::size_t i = 0; i < n; ++i)
        couleurs.push_back(RVB{static_cast<std::uint8_t>(i * 37), static_cast<std::uint8_t>(i * 11),
                               static_cast<std::uint8_t>(255 - i)});
    return couleurs;
}

// A small picture of the given depth, its rows filled with a varied pattern.
FabriqueBMP forme(int bits, int largeur, int hauteur) {
    FabriqueBMP f;
    f.bits = static_cast<std::uint16_t>(bits);
    f.largeur = largeur;
    f.hauteur = hauteur;
    const std::size_t pas = (static_cast<std::size_t>(bits) * largeur + 31) / 32 * 4;
    for (std::size_t i = 0; i < pas * static_cast<std::size_t>(hauteur); ++i)
        f.pixels.push_back(static_cast<std::uint8_t>(i * 29 + 3));
    if (bits <= 8)
        f.couleurs = palette(std::size_t{1} << bits);
    return f;
}
} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::string dossier = argv[1];
    std::vector<std::pair<std::string, FabriqueBMP>> graines;
    for (int bits : {1, 4, 8, 16, 24, 32}) {
        for (int largeur : {1, 3, 5}) {
            graines.emplace_back("info" + std::to_string(bits) + "_" + std::to_string(largeur),
                                 forme(bits, largeur, 3));
            FabriqueBMP nu = forme(bits, largeur, 2);
            nu.enteteFichier = false;
            graines.emplace_back("nu" + std::to_string(bits) + "_" + std::to_string(largeur), nu);
        }
        if (bits == 16 || bits == 32) {
            continue;
        }
        FabriqueBMP core = forme(bits, 3, 2);
        core.tailleEntete = 12;
        graines.emplace_back("core" + std::to_string(bits), core);
        core.enteteFichier = false;
        graines.emplace_back("core_nu" + std::to_string(bits), core);
    }
    FabriqueBMP hautBas = forme(24, 3, 2);
    hautBas.hauteur = -2;
    graines.emplace_back("haut_en_bas", hautBas);
    FabriqueBMP peuDeCouleurs = forme(8, 4, 2);
    peuDeCouleurs.couleursUtilisees = 16;
    peuDeCouleurs.couleurs = palette(16);
    graines.emplace_back("seize_couleurs", peuDeCouleurs);
    for (int bits : {16, 32}) {
        FabriqueBMP champs = forme(bits, 3, 2);
        champs.compression = 3;
        champs.masques = bits == 16 ? std::vector<std::uint32_t>{0xF800, 0x07E0, 0x001F}
                                    : std::vector<std::uint32_t>{0xFF, 0xFF00, 0xFF0000};
        graines.emplace_back("champs" + std::to_string(bits), champs);
        champs.enteteFichier = false;
        graines.emplace_back("champs_nu" + std::to_string(bits), champs);
    }
    // The newer headers, with their masks inside, and OS/2's, whole and shortened.
    struct Recent {
        std::uint32_t tailleEntete;
        int bits;
        std::uint32_t compression;
    };
    for (Recent r : {Recent{52, 16, 3}, Recent{56, 32, 3}, Recent{108, 32, 3}, Recent{124, 24, 0},
                     Recent{124, 8, 0}, Recent{124, 32, 3}, Recent{124, 32, 6}, Recent{40, 32, 6},
                     Recent{64, 8, 0}, Recent{64, 24, 0}, Recent{16, 8, 0}, Recent{24, 4, 0},
                     Recent{64, 1, 3}}) {
        FabriqueBMP recent = forme(r.bits, 3, 2);
        recent.tailleEntete = r.tailleEntete;
        recent.compression = r.compression;
        if (r.compression == 3 || r.compression == 6)
            recent.masques = r.bits == 16
                                 ? std::vector<std::uint32_t>{0xF800, 0x07E0, 0x001F}
                                 : std::vector<std::uint32_t>{0xFF00, 0xFF0000, 0xFF000000, 0xFF};
        const std::string nom = "entete" + std::to_string(r.tailleEntete) + "_" +
                                std::to_string(r.bits) + "_" + std::to_string(r.compression);
        graines.emplace_back(nom, recent);
        recent.enteteFichier = false;
        graines.emplace_back(nom + "_nu", recent);
    }
    FabriqueBMP rle8os2 = forme(8, 6, 4);
    rle8os2.tailleEntete = 64;
    rle8os2.compression = 1;
    rle8os2.pixels = {3, 7, 0, 0, 0, 3, 1, 2, 3, 0, 0, 1};
    graines.emplace_back("rle8_os2", rle8os2);
    FabriqueBMP rle8 = forme(8, 6, 4);
    rle8.compression = 1;
    rle8.pixels = {3, 7, 0, 0, 0, 3, 1, 2, 3, 0, 0, 2, 2, 1, 9, 5, 0, 0, 0, 4, 4, 5, 6, 8, 0, 1};
    graines.emplace_back("rle8", rle8);
    FabriqueBMP rle4 = forme(4, 5, 4);
    rle4.compression = 2;
    rle4.pixels = {5, 0x12, 0, 0, 0, 3, 0x34, 0x50, 0, 2, 1, 1, 0, 5, 0x67, 0x89, 0xA0, 0, 0, 1};
    graines.emplace_back("rle4", rle4);

    for (const auto &[nom, fabrique] : graines)
        if (!ecrireGraine(dossier + "/" + nom + ".bmp", fabrique.octets()))
            return 1;
    return 0;
}
