#include "conversion.h"

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

std::uint32_t lire32(const unsigned char *p) {
    std::uint32_t mot;
    std::memcpy(&mot, p, 4);
    return mot;
}

void ecrire32(unsigned char *p, std::uint32_t mot) {
    std::memcpy(p, &mot, 4);
}

// Blue, green, red to red, green, blue. Four pixels at a time are twelve bytes, three words,
// whose bytes lie in little-endian order.
void permuter24(const unsigned char *src, unsigned char *dst, std::size_t largeur) {
    static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the word shuffle counts on it");
    std::size_t x = 0;
    for (; x + 4 <= largeur; x += 4, src += 12, dst += 12) {
        const std::uint32_t a = lire32(src), b = lire32(src + 4), c = lire32(src + 8);
        ecrire32(dst, ((a >> 16) & 0xFF) | (a & 0xFF00) | ((a & 0xFF) << 16) |
                          (((b >> 8) & 0xFF) << 24));
        ecrire32(dst + 4, (b & 0xFF) | ((a >> 24) << 8) | ((c & 0xFF) << 16) | (b & 0xFF000000u));
        ecrire32(dst + 8, ((b >> 16) & 0xFF) | ((c >> 24) << 8) | (c & 0xFF0000) |
                              (((c >> 8) & 0xFF) << 24));
    }
    for (; x < largeur; ++x, src += 3, dst += 3) {
        dst[0] = src[2];
        dst[1] = src[1];
        dst[2] = src[0];
    }
}

// Each entry is copied as a whole word, whose spare byte the next pixel then overwrites; the
// last pixel of the row takes its three bytes only, so as not to write past the row.
void indexer8(const unsigned char *src, unsigned char *dst, std::size_t largeur,
              const Palette &palette) {
    const std::size_t dernier = largeur - 1;
    for (std::size_t x = 0; x < dernier; ++x)
        std::memcpy(dst + 3 * x, palette.rvb[src[x]], 4);
    std::memcpy(dst + 3 * dernier, palette.rvb[src[dernier]], 3);
}

// Pixels narrower than a byte start from its most significant bits.
void indexerEtroit(const unsigned char *src, unsigned char *dst, std::size_t largeur, unsigned bits,
                   const Palette &palette) {
    const unsigned masqueIndex = (1u << bits) - 1;
    for (std::size_t x = 0; x < largeur; ++x, dst += 3) {
        const std::size_t bit = x * bits;
        const unsigned decalage = 8 - bits - static_cast<unsigned>(bit % 8);
        std::memcpy(dst, palette.rvb[(src[bit / 8] >> decalage) & masqueIndex], 3);
    }
}
} // namespace

Canal::Canal(std::uint32_t m) : masque(m) {
    if (masque == 0)
        return;
    while (((masque >> decalage) & 1u) == 0)
        ++decalage;
    maximum = masque >> decalage;
}

bool estRLE(const EnteteDIB &entete) {
    return (entete.compression == compressionRLE8 && entete.bitsParPixel == 8) ||
           (entete.compression == compressionRLE4 && entete.bitsParPixel == 4);
}

// Source rows are padded to whole 32-bit words.
std::size_t pasSource(const EnteteDIB &entete) {
    const std::uint64_t bits = static_cast<std::uint64_t>(entete.bitsParPixel) *
                               static_cast<std::uint64_t>(entete.largeur);
    return static_cast<std::size_t>((bits + 31) / 32 * 4);
}

Palette construirePalette(const EnteteDIB &entete) {
    Palette palette{};
    const unsigned entrees = entete.nombreCouleurs < 256 ? entete.nombreCouleurs : 256;
    for (unsigned i = 0; i < entrees; ++i) {
        palette.rvb[i][0] = entete.couleurs[i].rouge;
        palette.rvb[i][1] = entete.couleurs[i].vert;
        palette.rvb[i][2] = entete.couleurs[i].bleu;
    }
    return palette;
}

bool conversionPossible(const EnteteDIB &entete, std::size_t disponible) {
    // The height must also keep its size once made positive.
    if (entete.largeur <= 0 || entete.hauteur == 0 || entete.hauteur == INT32_MIN ||
        entete.plans != 1)
        return false;
    const auto largeur = static_cast<std::uint64_t>(entete.largeur);
    const std::uint64_t lignes = valeurAbsolue(entete.hauteur);
    std::uint64_t pixels = 0, octetsSortie = 0;
    if (!multiplier(largeur, lignes, pixels) || !multiplier(pixels, 3, octetsSortie) ||
        octetsSortie > SIZE_MAX)
        return false;

    if (estRLE(entete)) {
        // Run-length pictures are stored bottom-up only.
        if (entete.hauteur < 0)
            return false;
        std::uint64_t permis = 0;
        if (!multiplier(disponible, pixelsRLEParOctet, permis))
            return true;
        return pixels <= pixelsRLELibres || pixels <= permis;
    }
    if (!estNonCompresse(entete))
        return false;
    std::uint64_t necessaire = 0;
    return multiplier(pasSource(entete), lignes, necessaire) && necessaire <= disponible;
}

ConvertisseurLignes::ConvertisseurLignes(const EnteteDIB &entete)
    : bits_(entete.bitsParPixel), basEnHaut_(entete.hauteur > 0), pas_(pasSource(entete)),
      palette_(bits_ <= 8 ? construirePalette(entete) : Palette{}) {
    if (bits_ != 16 && bits_ != 32)
        return;
    // The masks of the file for bit fields, else 5-5-5 or 8-8-8.
    std::uint32_t masques[3] = {0x7C00, 0x03E0, 0x001F};
    if (bits_ == 32) {
        masques[0] = 0xFF0000;
        masques[1] = 0x00FF00;
        masques[2] = 0x0000FF;
    }
    if (entete.compression == compressionChampsDeBits)
        std::memcpy(masques, entete.masques, sizeof masques);
    rouge_ = Canal(masques[0]);
    vert_ = Canal(masques[1]);
    bleu_ = Canal(masques[2]);
}

void ConvertisseurLignes::convertir(const unsigned char *source, std::size_t premiere,
                                    std::size_t nombre, const ImageSortie &image) const {
    const std::size_t largeur = image.largeur;
    const std::size_t pasSortie = 3 * largeur;
    for (std::size_t i = 0; i < nombre; ++i) {
        const std::size_t ligne = premiere + i;
        const std::size_t cible = basEnHaut_ ? ligne : image.lignes - 1 - ligne;
        const unsigned char *src = source + i * pas_;
        unsigned char *dst = image.octets + cible * pasSortie;
        switch (bits_) {
        case 24:
            permuter24(src, dst, largeur);
            break;
        case 8:
            indexer8(src, dst, largeur, palette_);
            break;
        case 1:
        case 4:
            indexerEtroit(src, dst, largeur, bits_, palette_);
            break;
        case 16:
            for (std::size_t x = 0; x < largeur; ++x, src += 2, dst += 3) {
                const std::uint32_t pixel = static_cast<std::uint32_t>(src[0] | (src[1] << 8));
                dst[0] = rouge_.extraire(pixel);
                dst[1] = vert_.extraire(pixel);
                dst[2] = bleu_.extraire(pixel);
            }
            break;
        default:
            for (std::size_t x = 0; x < largeur; ++x, src += 4, dst += 3) {
                const std::uint32_t pixel = lire32(src);
                dst[0] = rouge_.extraire(pixel);
                dst[1] = vert_.extraire(pixel);
                dst[2] = bleu_.extraire(pixel);
            }
            break;
        }
    }
}
