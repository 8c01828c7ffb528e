// Decoding a 4096 x 4096 bitmap in memory, 24-bit and 8-bit, side by side with stb_image and with
// a plain copy of the same bytes into a fresh block (the least any decoder must do).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "dib.h"
#include "fabrique_bmp.h"

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_BMP
#include <stb_image.h>

namespace {
constexpr int cote = 4096;

Octets imageDeTest(int bits) {
    FabriqueBMP f;
    f.largeur = cote;
    f.hauteur = cote;
    f.bits = static_cast<std::uint16_t>(bits);
    if (bits == 8)
        for (int i = 0; i < 256; ++i)
            f.couleurs.push_back(RVB{static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i * 3),
                                     static_cast<std::uint8_t>(255 - i)});
    const std::size_t taille = static_cast<std::size_t>(cote) * cote * (bits / 8);
    f.pixels.resize(taille);
    std::uint32_t hasard = 12345;
    for (std::uint8_t &octet : f.pixels) {
        hasard = hasard * 1664525u + 1013904223u;
        octet = static_cast<std::uint8_t>(hasard >> 24);
    }
    return f.octets();
}

const Octets &image(int bits) {
    static const Octets vingtQuatre = imageDeTest(24);
    static const Octets huit = imageDeTest(8);
    return bits == 24 ? vingtQuatre : huit;
}

void Cubefall(benchmark::State &etat) {
    const Octets &octets = image(static_cast<int>(etat.range(0)));
    for (auto _ : etat) {
        imageRGB *decodee = decoderImageDIB(octets.data(), octets.size());
        if (!decodee) {
            etat.SkipWithError("decoding failed");
            break;
        }
        benchmark::DoNotOptimize(decodee->donnees);
        std::free(decodee->donnees);
        std::free(decodee);
    }
    etat.SetBytesProcessed(static_cast<std::int64_t>(etat.iterations()) * cote * cote * 3);
}

void StbImage(benchmark::State &etat) {
    const Octets &octets = image(static_cast<int>(etat.range(0)));
    for (auto _ : etat) {
        int largeur = 0, hauteur = 0, composantes = 0;
        stbi_uc *decodee = stbi_load_from_memory(octets.data(), static_cast<int>(octets.size()),
                                                 &largeur, &hauteur, &composantes, 3);
        if (!decodee) {
            etat.SkipWithError("stb_image failed");
            break;
        }
        benchmark::DoNotOptimize(decodee);
        stbi_image_free(decodee);
    }
    etat.SetBytesProcessed(static_cast<std::int64_t>(etat.iterations()) * cote * cote * 3);
}

void Memcpy(benchmark::State &etat) {
    const Octets &octets = image(static_cast<int>(etat.range(0)));
    for (auto _ : etat) {
        auto *copie = static_cast<unsigned char *>(std::malloc(octets.size()));
        std::memcpy(copie, octets.data(), octets.size());
        benchmark::DoNotOptimize(copie);
        benchmark::ClobberMemory();
        std::free(copie);
    }
    etat.SetBytesProcessed(static_cast<std::int64_t>(etat.iterations()) * cote * cote * 3);
}
} // namespace

// Argument: bits per pixel of the source picture.
BENCHMARK(Cubefall)->Arg(24)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(StbImage)->Arg(24)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(Memcpy)->Arg(24)->Arg(8)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
