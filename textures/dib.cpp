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

// The 24-bit picture keeps the blue-green-red order and the row filler of the bitmap format;
// the game wants red, green, blue and rows back to back.
void reconditionner(const Image24 &image, std::size_t largeur, unsigned char *bloc) {
    const std::size_t octetsParLigne = 3 * largeur;
    for (std::size_t y = 0; y < image.lignes; ++y) {
        const unsigned char *src = image.octets + y * image.pas;
        unsigned char *dst = bloc + y * octetsParLigne;
        for (std::size_t x = 0; x < largeur; ++x, src += 3, dst += 3) {
            dst[0] = src[2];
            dst[1] = src[1];
            dst[2] = src[0];
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

    BlocDIB<unsigned char> bloc(static_cast<unsigned char *>(allouerDIB(3 * largeur * lignes)));
    if (!bloc)
        return echec(manqueDeMemoire);
    reconditionner(image24, largeur, bloc.get());

    auto *image = static_cast<imageRGB *>(allouerDIB(sizeof(imageRGB)));
    if (!image)
        return echec(manqueDeMemoire);
    // A top-down picture has been turned over: it comes out bottom row first, like any other.
    image->largeur = normalise.largeur;
    image->hauteur = static_cast<std::int32_t>(lignes);
    image->donnees = bloc.release();
    return image;
}
