#include "conversion_interne.h"

#include <cstring>

namespace {
// A compressed picture may describe far more pixels than it has bytes. It may claim 1024 x 1024
// pixels whatever its size, and beyond that 256 pixels for each byte of compressed data (a run
// of two bytes draws at most 255), so that a tiny file cannot make us allocate gigabytes.
constexpr std::uint64_t pixelsRLELibres = 1024 * 1024;
constexpr std::uint64_t pixelsRLEParOctet = 256;

bool multiplier(std::uint64_t a, std::uint64_t b, std::uint64_t &produit) {
    return !__builtin_mul_overflow(a, b, &produit);
}

std::uint64_t valeurAbsolue(std::int32_t n) {
    return n < 0 ? static_cast<std::uint64_t>(-static_cast<std::int64_t>(n))
                 : static_cast<std::uint64_t>(n);
}

bool estRLE(const EnteteDIB &entete) {
    return (entete.compression == compressionRLE8 && entete.bitsParPixel == 8) ||
           (entete.compression == compressionRLE4 && entete.bitsParPixel == 4);
}

bool estNonCompresse(const EnteteDIB &entete) {
    switch (entete.compression) {
    case sansCompression:
        switch (entete.bitsParPixel) {
        case 1:
        case 4:
        case 8:
        case 16:
        case 24:
        case 32:
            return true;
        default:
            return false;
        }
    case compressionChampsDeBits:
        return entete.bitsParPixel == 16 || entete.bitsParPixel == 32;
    default:
        return false;
    }
}

// Source rows are padded to whole 32-bit words.
std::uint64_t pasSource(const EnteteDIB &entete) {
    const std::uint64_t bits = static_cast<std::uint64_t>(entete.bitsParPixel) *
                               static_cast<std::uint64_t>(entete.largeur);
    return (bits + 31) / 32 * 4;
}

// One colour channel of a 16- or 32-bit pixel, scaled to 8 bits.
struct Canal {
    std::uint32_t masque = 0;
    unsigned decalage = 0;
    std::uint32_t maximum = 0;

    explicit Canal(std::uint32_t m) : masque(m) {
        if (masque == 0)
            return;
        while (((masque >> decalage) & 1u) == 0)
            ++decalage;
        maximum = masque >> decalage;
    }

    unsigned char extraire(std::uint32_t pixel) const {
        if (maximum == 0)
            return 0;
        const std::uint64_t valeur = (pixel & masque) >> decalage;
        if (maximum == 255)
            return static_cast<unsigned char>(valeur);
        return static_cast<unsigned char>((valeur * 255 + maximum / 2) / maximum);
    }
};

// Runs convertirLigne(source row, 24-bit row) over every stored row, turning a top-down picture
// over so that the 24-bit picture always starts with the bottom row.
template <typename F>
void chaqueLigne(const EnteteDIB &entete, const PixelsSource &source, const Image24 &image,
                 F convertirLigne) {
    const std::size_t pas = static_cast<std::size_t>(pasSource(entete));
    const bool basEnHaut = entete.hauteur > 0;
    for (std::size_t ligne = 0; ligne < image.lignes; ++ligne) {
        const std::size_t cible = basEnHaut ? ligne : image.lignes - 1 - ligne;
        convertirLigne(source.debut + ligne * pas, image.octets + cible * image.pas);
    }
}

void convertirNonCompresse(const EnteteDIB &entete, const PixelsSource &source,
                           const Image24 &image) {
    const std::size_t largeur = static_cast<std::size_t>(entete.largeur);
    switch (entete.bitsParPixel) {
    case 1:
    case 4:
    case 8: {
        const Palette palette = construirePalette(entete);
        const unsigned bits = entete.bitsParPixel;
        const unsigned masqueIndex = (1u << bits) - 1;
        chaqueLigne(entete, source, image, [&](const unsigned char *src, unsigned char *dst) {
            if (bits == 8) {
                for (std::size_t x = 0; x < largeur; ++x, dst += 3)
                    std::memcpy(dst, palette.bvr[src[x]], 3);
                return;
            }
            // Pixels narrower than a byte start from its most significant bits.
            for (std::size_t x = 0; x < largeur; ++x, dst += 3) {
                const std::size_t bit = x * bits;
                const unsigned decalage = 8 - bits - static_cast<unsigned>(bit % 8);
                const unsigned index = (src[bit / 8] >> decalage) & masqueIndex;
                std::memcpy(dst, palette.bvr[index], 3);
            }
        });
        return;
    }
    case 24:
        chaqueLigne(entete, source, image, [&](const unsigned char *src, unsigned char *dst) {
            std::memcpy(dst, src, largeur * 3);
        });
        return;
    default:
        break;
    }

    // 16 and 32 bits: the masks of the file for bit fields, else 5-5-5 or 8-8-8.
    std::uint32_t masques[3] = {0x7C00, 0x03E0, 0x001F};
    if (entete.bitsParPixel == 32) {
        masques[0] = 0xFF0000;
        masques[1] = 0x00FF00;
        masques[2] = 0x0000FF;
    }
    if (entete.compression == compressionChampsDeBits)
        std::memcpy(masques, entete.masques, sizeof masques);
    const Canal rouge(masques[0]), vert(masques[1]), bleu(masques[2]);
    if (entete.bitsParPixel == 16) {
        chaqueLigne(entete, source, image, [&](const unsigned char *src, unsigned char *dst) {
            for (std::size_t x = 0; x < largeur; ++x, src += 2, dst += 3) {
                const std::uint32_t pixel = static_cast<std::uint32_t>(src[0] | (src[1] << 8));
                dst[0] = bleu.extraire(pixel);
                dst[1] = vert.extraire(pixel);
                dst[2] = rouge.extraire(pixel);
            }
        });
        return;
    }
    chaqueLigne(entete, source, image, [&](const unsigned char *src, unsigned char *dst) {
        for (std::size_t x = 0; x < largeur; ++x, src += 4, dst += 3) {
            const std::uint32_t pixel = static_cast<std::uint32_t>(src[0]) |
                                        (static_cast<std::uint32_t>(src[1]) << 8) |
                                        (static_cast<std::uint32_t>(src[2]) << 16) |
                                        (static_cast<std::uint32_t>(src[3]) << 24);
            dst[0] = bleu.extraire(pixel);
            dst[1] = vert.extraire(pixel);
            dst[2] = rouge.extraire(pixel);
        }
    });
}
} // namespace

Palette construirePalette(const EnteteDIB &entete) {
    Palette palette{};
    const unsigned entrees = entete.nombreCouleurs < 256 ? entete.nombreCouleurs : 256;
    for (unsigned i = 0; i < entrees; ++i) {
        palette.bvr[i][0] = entete.couleurs[i].bleu;
        palette.bvr[i][1] = entete.couleurs[i].vert;
        palette.bvr[i][2] = entete.couleurs[i].rouge;
    }
    return palette;
}

std::size_t pasImage24(std::int32_t largeur) {
    const auto w = static_cast<std::size_t>(largeur);
    return 3 * w + w % 4;
}

bool conversionPossible(const EnteteDIB &entete, const PixelsSource &source) {
    // The height must also keep its size once made positive.
    if (entete.largeur <= 0 || entete.hauteur == 0 || entete.hauteur == INT32_MIN ||
        entete.plans != 1)
        return false;
    const auto largeur = static_cast<std::uint64_t>(entete.largeur);
    const std::uint64_t lignes = valeurAbsolue(entete.hauteur);
    std::uint64_t pixels = 0, octets24 = 0;
    if (!multiplier(largeur, lignes, pixels) ||
        !multiplier(static_cast<std::uint64_t>(pasImage24(entete.largeur)), lignes, octets24) ||
        octets24 > SIZE_MAX)
        return false;

    if (estRLE(entete)) {
        // Run-length pictures are stored bottom-up only.
        if (entete.hauteur < 0)
            return false;
        std::uint64_t permis = 0;
        if (!multiplier(source.disponible, pixelsRLEParOctet, permis))
            return true;
        return pixels <= pixelsRLELibres || pixels <= permis;
    }
    if (!estNonCompresse(entete))
        return false;
    std::uint64_t necessaire = 0;
    return multiplier(pasSource(entete), lignes, necessaire) && necessaire <= source.disponible;
}

bool convertirEn24Bits(const EnteteDIB &entete, const PixelsSource &source, const Image24 &image) {
    if (estRLE(entete))
        return convertirRLE(entete, source, image);
    convertirNonCompresse(entete, source, image);
    return true;
}
