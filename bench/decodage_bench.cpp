// Decoding a 4096 x 4096 bitmap, 24-bit and 8-bit, side by side with stb_image: from a file (the
// game's own road, file name in, picture out) and from bytes in memory; with, as the floor, a
// plain copy of the picture's byte count into a fresh block, as malloc gives it and as the
// decoder places its own. The contenders take turns within each round, in an order that shifts
// from round to round, so that a change in the machine's load touches them all alike. Each line
// gives the median time of a call, its spread (fastest and slowest), the page faults of one call
// and the ratio to stb_image on the same road.
//
// Usage: bench_decodage [--rounds=N]   (other options are ignored)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <sys/mman.h>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

#include "dib.h"
#include "fabrique_bmp.h"

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_BMP
#include <stb_image.h>

namespace {
constexpr int cote = 4096;
constexpr std::size_t octetsSortie = std::size_t{cote} * cote * 3;

Octets imageDeTest(int bits) {
    FabriqueBMP f;
    f.largeur = cote;
    f.hauteur = cote;
    f.bits = static_cast<std::uint16_t>(bits);
    if (bits == 8)
        for (int i = 0; i < 256; ++i)
            f.couleurs.push_back(RVB{static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i * 3),
                                     static_cast<std::uint8_t>(255 - i)});
    f.pixels.resize(static_cast<std::size_t>(cote) * cote * (bits / 8));
    std::uint32_t hasard = 12345;
    for (std::uint8_t &octet : f.pixels) {
        hasard = hasard * 1664525u + 1013904223u;
        octet = static_cast<std::uint8_t>(hasard >> 24);
    }
    return f.octets();
}

bool ecrireFichier(const std::string &chemin, const Octets &octets) {
    std::FILE *fichier = std::fopen(chemin.c_str(), "wb");
    if (!fichier)
        return false;
    const bool ecrit = std::fwrite(octets.data(), 1, octets.size(), fichier) == octets.size();
    return std::fclose(fichier) == 0 && ecrit;
}

[[noreturn]] void abandonner(const char *quoi) {
    std::fprintf(stderr, "bench_decodage: %s failed\n", quoi);
    std::exit(1);
}

// Defeats the optimiser: the result is looked at.
volatile unsigned char temoin;

void garderCubefall(imageRGB *image, const char *quoi) {
    if (!image || image->largeur != cote || image->hauteur != cote)
        abandonner(quoi);
    temoin = image->donnees[octetsSortie - 1];
    std::free(image->donnees);
    std::free(image);
}

void garderStb(stbi_uc *pixels, int largeur, int hauteur, const char *quoi) {
    if (!pixels || largeur != cote || hauteur != cote)
        abandonner(quoi);
    temoin = pixels[octetsSortie - 1];
    stbi_image_free(pixels);
}

struct Concurrent {
    std::string nom;
    std::string route;
    std::function<void()> appel;
    std::vector<double> millisecondes;
    std::vector<long> defauts;
};

long defautsDePage() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt + usage.ru_majflt;
}

template <typename T> T mediane(std::vector<T> valeurs) {
    std::sort(valeurs.begin(), valeurs.end());
    const std::size_t n = valeurs.size();
    return n % 2 ? valeurs[n / 2] : (valeurs[n / 2 - 1] + valeurs[n / 2]) / 2;
}
} // namespace

int main(int argc, char **argv) {
    int tours = 15;
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--rounds=", 9) == 0)
            tours = std::max(1, std::atoi(argv[i] + 9));

    char modele[] = "/tmp/cubefall_bench_XXXXXX";
    const char *dossier = mkdtemp(modele);
    if (!dossier)
        abandonner("mkdtemp");
    const Octets source(octetsSortie, 0x5A); // what the plain copy copies

    struct Profondeur {
        int bits;
        Octets octets;
        std::string chemin;
        std::vector<Concurrent> concurrents;
    };
    std::vector<Profondeur> profondeurs;
    for (int bits : {24, 8}) {
        Profondeur p{bits,
                     imageDeTest(bits),
                     std::string(dossier) + "/image" + std::to_string(bits) + ".bmp",
                     {}};
        if (!ecrireFichier(p.chemin, p.octets))
            abandonner("writing the test file");
        profondeurs.push_back(std::move(p));
    }
    for (Profondeur &p : profondeurs) {
        const char *chemin = p.chemin.c_str();
        const Octets *octets = &p.octets;
        p.concurrents.push_back(
            {"Cubefall chargerImageDIB",
             "file",
             [chemin] { garderCubefall(chargerImageDIB(chemin), "chargerImageDIB"); },
             {},
             {}});
        p.concurrents.push_back({"stb_image stbi_load",
                                 "file",
                                 [chemin] {
                                     int l = 0, h = 0, c = 0;
                                     stbi_uc *pixels = stbi_load(chemin, &l, &h, &c, 3);
                                     garderStb(pixels, l, h, "stbi_load");
                                 },
                                 {},
                                 {}});
        p.concurrents.push_back({"Cubefall decoderImageDIB",
                                 "memory",
                                 [octets] {
                                     garderCubefall(decoderImageDIB(octets->data(), octets->size()),
                                                    "decoderImageDIB");
                                 },
                                 {},
                                 {}});
        p.concurrents.push_back({"stb_image stbi_load_from_memory",
                                 "memory",
                                 [octets] {
                                     int l = 0, h = 0, c = 0;
                                     stbi_uc *pixels = stbi_load_from_memory(
                                         octets->data(), static_cast<int>(octets->size()), &l, &h,
                                         &c, 3);
                                     garderStb(pixels, l, h, "stbi_load_from_memory");
                                 },
                                 {},
                                 {}});
        p.concurrents.push_back({"memcpy of 48 MiB into a fresh block",
                                 "memory",
                                 [&source] {
                                     auto *copie =
                                         static_cast<unsigned char *>(std::malloc(octetsSortie));
                                     if (!copie)
                                         abandonner("malloc");
                                     std::memcpy(copie, source.data(), octetsSortie);
                                     temoin = copie[octetsSortie - 1];
                                     std::free(copie);
                                 },
                                 {},
                                 {}});
        // The same copy into a block placed and advised as the decoder places its own: the floor
        // for a decoder that asks for huge pages.
        p.concurrents.push_back({"memcpy, the same on huge pages",
                                 "memory",
                                 [&source] {
                                     void *bloc = nullptr;
                                     if (posix_memalign(&bloc, 2 << 20, octetsSortie) != 0)
                                         abandonner("posix_memalign");
                                     madvise(bloc, octetsSortie, MADV_HUGEPAGE);
                                     auto *copie = static_cast<unsigned char *>(bloc);
                                     std::memcpy(copie, source.data(), octetsSortie);
                                     temoin = copie[octetsSortie - 1];
                                     std::free(copie);
                                 },
                                 {},
                                 {}});
    }

    // One round to warm up (files in the page cache, code and tables in memory), not counted.
    for (int tour = -1; tour < tours; ++tour) {
        for (Profondeur &p : profondeurs) {
            const std::size_t n = p.concurrents.size();
            for (std::size_t k = 0; k < n; ++k) {
                Concurrent &c = p.concurrents[(k + static_cast<std::size_t>(tour + 1)) % n];
                const long defautsAvant = defautsDePage();
                const auto debut = std::chrono::steady_clock::now();
                c.appel();
                const auto fin = std::chrono::steady_clock::now();
                if (tour < 0)
                    continue;
                c.millisecondes.push_back(
                    std::chrono::duration<double, std::milli>(fin - debut).count());
                c.defauts.push_back(defautsDePage() - defautsAvant);
            }
        }
    }

    std::printf("%d rounds, contenders interleaved; times per call in ms\n", tours);
    for (Profondeur &p : profondeurs) {
        std::printf("\n%d-bit, %d x %d (file of %.1f MiB, picture of 48 MiB)\n", p.bits, cote, cote,
                    static_cast<double>(p.octets.size()) / (1 << 20));
        std::printf("%-36s %-7s %8s %17s %13s %9s\n", "contender", "road", "median",
                    "fastest-slowest", "faults/call", "vs stb");
        for (const Concurrent &c : p.concurrents) {
            double stb = 0;
            for (const Concurrent &autre : p.concurrents)
                if (autre.route == c.route && autre.nom.rfind("stb_image", 0) == 0)
                    stb = mediane(autre.millisecondes);
            const double m = mediane(c.millisecondes);
            const auto [plusRapide, plusLent] =
                std::minmax_element(c.millisecondes.begin(), c.millisecondes.end());
            std::printf("%-36s %-7s %8.2f %8.2f-%-8.2f %13ld %8.2fx\n", c.nom.c_str(),
                        c.route.c_str(), m, *plusRapide, *plusLent, mediane(c.defauts), m / stb);
        }
    }
    for (const Profondeur &p : profondeurs)
        std::remove(p.chemin.c_str());
    rmdir(dossier);
    return 0;
}
