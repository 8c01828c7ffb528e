#include "dib.h"
#include "conversion.h"
#include "entete_dib.h"
#include "memoire_dib.h"
#include "octets.h"

#include <cstring>

namespace {
const char *const manqueDeMemoire = "Out of memory.";
const char *const formatInconnu = "Unknown DIB file format.";
const char *const conversionImpossible = "Image file conversion error.";

imageRGB *echec(const char *message) {
    afficherErreur(message);
    return nullptr;
}

std::uint32_t lire32(const unsigned char *p) {
    std::uint32_t mot;
    std::memcpy(&mot, p, 4);
    return mot;
}

void ecrire32(unsigned char *p, std::uint32_t mot) {
    std::memcpy(p, &mot, 4);
}

// The 24-bit picture keeps the blue-green-red order and the row filler of the bitmap format;
// the game wants red, green, blue and rows back to back. The repacking is done in place: a byte
// only ever moves towards the start of the block, never past one not yet read. Four pixels at a
// time are twelve bytes, three words, whose bytes lie in little-endian order.
void reconditionner(const Image24 &image, std::size_t largeur) {
    static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the repacking counts on it");
    const std::size_t octetsParLigne = 3 * largeur;
    for (std::size_t y = 0; y < image.lignes; ++y) {
        const unsigned char *src = image.octets + y * image.pas;
        unsigned char *dst = image.octets + y * octetsParLigne;
        std::size_t x = 0;
        for (; x + 4 <= largeur; x += 4, src += 12, dst += 12) {
            const std::uint32_t a = lire32(src), b = lire32(src + 4), c = lire32(src + 8);
            ecrire32(dst, ((a >> 16) & 0xFF) | (a & 0xFF00) | ((a & 0xFF) << 16) |
                              (((b >> 8) & 0xFF) << 24));
            ecrire32(dst + 4,
                     (b & 0xFF) | ((a >> 24) << 8) | ((c & 0xFF) << 16) | (b & 0xFF000000u));
            ecrire32(dst + 8, ((b >> 16) & 0xFF) | ((c >> 24) << 8) | (c & 0xFF0000) |
                                  (((c >> 8) & 0xFF) << 24));
        }
        for (; x < largeur; ++x, src += 3, dst += 3) {
            const unsigned char bleu = src[0], vert = src[1], rouge = src[2];
            dst[0] = rouge;
            dst[1] = vert;
            dst[2] = bleu;
        }
    }
}
} // namespace

imageRGB *decoderImageDIB(const unsigned char *octets, std::size_t taille) {
    // With the "BM" file header, the bitmap header follows it and the file header says where the
    // pixels start; without it, the pixels follow the colour table.
    const bool avecEnteteFichier = taille >= 2 && octets[0] == 'B' && octets[1] == 'M';
    const std::size_t debutEntete = avecEnteteFichier ? 14 : 0;
    if (taille < debutEntete + 4)
        return echec(formatInconnu);
    const unsigned char *entete = octets + debutEntete;
    const std::size_t resteFichier = taille - debutEntete;
    // A header of another size is refused before anything else of it is read: its fields may lie
    // anywhere.
    const std::uint32_t tailleEntete = lireU32(entete);
    if ((tailleEntete != 12 && tailleEntete != 40) || resteFichier < tailleEntete)
        return echec(formatInconnu);

    const std::uint16_t nombreCouleurs = nombreCouleursDIB(entete);
    BlocDIB<CouleurDIB> table(
        static_cast<CouleurDIB *>(allouerDIB(sizeof(CouleurDIB) * (nombreCouleurs + 1u))));
    if (!table)
        return echec(manqueDeMemoire);

    EnteteDIB normalise;
    std::size_t finTable = 0;
    if (!normaliserEntete(entete, resteFichier, nombreCouleurs, table.get(), normalise, finTable))
        return echec(formatInconnu);
    if (normalise.tailleImage == 0) {
        // Unsigned 32-bit arithmetic, wrapping as it may: the conversion does not rely on it.
        normalise.tailleImage = (static_cast<std::uint32_t>(normalise.bitsParPixel) *
                                     static_cast<std::uint32_t>(normalise.largeur) +
                                 7) /
                                8 * static_cast<std::uint32_t>(normalise.hauteur);
    }
    if (normalise.couleursUtilisees == 0)
        normalise.couleursUtilisees = nombreCouleurs;

    // Nothing large is allocated before the file has been found long enough for what it claims.
    const std::size_t debutPixels =
        avecEnteteFichier ? lireU32(octets + 10) : debutEntete + finTable;
    if (debutPixels > taille)
        return echec(conversionImpossible);
    const PixelsSource source{octets + debutPixels, taille - debutPixels};
    if (!conversionPossible(normalise, source))
        return echec(conversionImpossible);

    const auto largeur = static_cast<std::size_t>(normalise.largeur);
    const std::size_t lignes =
        normalise.hauteur < 0
            ? static_cast<std::size_t>(-static_cast<std::int64_t>(normalise.hauteur))
            : static_cast<std::size_t>(normalise.hauteur);
    const std::size_t pas = pasImage24(normalise.largeur);
    BlocDIB<unsigned char> octets24(static_cast<unsigned char *>(allouerDIB(pas * lignes)));
    if (!octets24)
        return echec(manqueDeMemoire);
    const Image24 image24{octets24.get(), pas, lignes};
    if (normalise.compression == compressionRLE8 || normalise.compression == compressionRLE4)
        std::memset(image24.octets, 0, pas * lignes);

    if (!convertirEn24Bits(normalise, source, image24))
        return echec(conversionImpossible);

    // The 24-bit picture becomes the pixel block: one large block instead of two, half the
    // memory and half the fresh pages to fault in.
    reconditionner(image24, largeur);

    auto *image = static_cast<imageRGB *>(allouerDIB(sizeof(imageRGB)));
    if (!image)
        return echec(manqueDeMemoire);
    // A top-down picture has been turned over: it comes out bottom row first, like any other.
    image->largeur = normalise.largeur;
    image->hauteur = static_cast<std::int32_t>(lignes);
    image->donnees = octets24.release();
    return image;
}
