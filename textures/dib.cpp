#include "dib.h"
#include "conversion.h"
#include "entete_dib.h"
#include "fichier.h"
#include "memoire_dib.h"
#include "message.h"
#include "octets.h"
#include "traduction.h"

#include <algorithm>
#include <cstring>
#include <sys/mman.h>
#include <utility>

namespace {
const char *const manqueDeMemoire = N_("Out of memory.");
const char *const formatInconnu = N_("Unknown DIB file format.");
const char *const conversionImpossible = N_("Image file conversion error.");

// Rows of a picture on disk are read this many bytes at a time (at least one row): few enough
// calls, and a piece that stays in the processor's cache while it is converted.
constexpr std::size_t longueurMorceau = 128 * 1024;

imageRGB *echec(const char *message) {
    afficherErreur(_(message));
    return nullptr;
}

// What the headers say, checked against the length of the file.
struct Description {
    EnteteDIB entete;
    BlocDIB<CouleurDIB> table;
    std::size_t debutPixels = 0;
    std::size_t lignes = 0;
};

// Reads the headers from the first `disponible` bytes of a file of `taille` bytes (all of it, or
// at least enough for the longest header and colour table). Null when they describe a picture we
// can make; else the message to show. Nothing large is allocated here.
const char *decrire(const unsigned char *octets, std::size_t disponible, std::size_t taille,
                    Description &description) {
    // With the "BM" file header, the bitmap header follows it and the file header says where the
    // pixels start; without it, the pixels follow the colour table.
    const bool avecEnteteFichier = disponible >= 2 && octets[0] == 'B' && octets[1] == 'M';
    const std::size_t debutEntete = avecEnteteFichier ? 14 : 0;
    if (disponible < debutEntete + 4)
        return formatInconnu;
    const unsigned char *entete = octets + debutEntete;
    const std::size_t resteEntete = disponible - debutEntete;
    // A header of another size is refused before anything else of it is read: its fields may lie
    // anywhere.
    const std::uint32_t tailleEntete = lireU32(entete);
    if (!tailleEnteteConnue(tailleEntete) || resteEntete < tailleEntete)
        return formatInconnu;

    const std::uint16_t nombreCouleurs = nombreCouleursDIB(entete);
    description.table.reset(
        static_cast<CouleurDIB *>(allouerDIB(sizeof(CouleurDIB) * (nombreCouleurs + 1u))));
    if (!description.table)
        return manqueDeMemoire;

    EnteteDIB &normalise = description.entete;
    std::size_t finTable = 0;
    if (!normaliserEntete(entete, resteEntete, nombreCouleurs, description.table.get(), normalise,
                          finTable))
        return formatInconnu;
    if (normalise.tailleImage == 0) {
        // Unsigned 32-bit arithmetic, wrapping as it may: the conversion does not rely on it.
        normalise.tailleImage = (static_cast<std::uint32_t>(normalise.bitsParPixel) *
                                     static_cast<std::uint32_t>(normalise.largeur) +
                                 7) /
                                8 * static_cast<std::uint32_t>(normalise.hauteur);
    }
    if (normalise.couleursUtilisees == 0)
        normalise.couleursUtilisees = nombreCouleurs;

    description.debutPixels = avecEnteteFichier ? lireU32(octets + 10) : debutEntete + finTable;
    if (description.debutPixels > taille ||
        !conversionPossible(normalise, taille - description.debutPixels))
        return conversionImpossible;
    description.lignes =
        normalise.hauteur < 0
            ? static_cast<std::size_t>(-static_cast<std::int64_t>(normalise.hauteur))
            : static_cast<std::size_t>(normalise.hauteur);
    return nullptr;
}

// Large pictures ask for huge pages where the system grants them on request: the block that every
// pixel is written into then costs a few hundred times fewer page faults. Such a block starts on a
// huge page; only the part of it that covers whole huge pages can have them.
constexpr std::size_t grandePage = std::size_t{2} << 20;
constexpr std::size_t tailleGrandesPages = 4 * grandePage;

void demanderGrandesPages(unsigned char *bloc, std::size_t taille) {
    if (taille < tailleGrandesPages)
        return;
    const auto adresse = reinterpret_cast<std::uintptr_t>(bloc);
    const std::uintptr_t debut = (adresse + grandePage - 1) & ~(grandePage - 1);
    const std::uintptr_t fin = (adresse + taille) & ~(grandePage - 1);
    if (fin > debut)
        madvise(reinterpret_cast<void *>(debut), fin - debut, MADV_HUGEPAGE);
}

// The pixel block of the picture described: red, green, blue, rows back to back.
BlocDIB<unsigned char> allouerPixels(const Description &description, ImageSortie &image) {
    image.largeur = static_cast<std::size_t>(description.entete.largeur);
    image.lignes = description.lignes;
    const std::size_t taille = 3 * image.largeur * image.lignes;
    BlocDIB<unsigned char> pixels(static_cast<unsigned char *>(
        taille < tailleGrandesPages ? allouerDIB(taille) : allouerAligneDIB(taille, grandePage)));
    image.octets = pixels.get();
    if (!pixels)
        return pixels;
    demanderGrandesPages(pixels.get(), taille);
    // Run lengths may skip pixels, which stay black.
    if (estRLE(description.entete))
        std::memset(pixels.get(), 0, taille);
    return pixels;
}

// Hands the pixel block over in its record. A top-down picture has been turned over: it comes
// out bottom row first, like any other.
imageRGB *livrer(const Description &description, BlocDIB<unsigned char> pixels) {
    auto *image = static_cast<imageRGB *>(allouerDIB(sizeof(imageRGB)));
    if (!image)
        return echec(manqueDeMemoire);
    image->largeur = description.entete.largeur;
    image->hauteur = static_cast<std::int32_t>(description.lignes);
    image->donnees = pixels.release();
    return image;
}
} // namespace

imageRGB *decoderImageDIB(const unsigned char *octets, std::size_t taille) {
    Description description;
    if (const char *message = decrire(octets, taille, taille, description))
        return echec(message);
    ImageSortie image{};
    BlocDIB<unsigned char> pixels = allouerPixels(description, image);
    if (!pixels)
        return echec(manqueDeMemoire);

    const PixelsSource source{octets + description.debutPixels, taille - description.debutPixels};
    if (estRLE(description.entete)) {
        if (!convertirRLE(description.entete, source, image))
            return echec(conversionImpossible);
    } else {
        ConvertisseurLignes(description.entete).convertir(source.debut, 0, image.lignes, image);
    }
    return livrer(description, std::move(pixels));
}

imageRGB *decoderFichierDIB(FichierDIB &fichier) {
    Description description;
    if (const char *message =
            decrire(fichier.debut(), fichier.longueurDebut(), fichier.taille(), description))
        return echec(message);
    ImageSortie image{};
    BlocDIB<unsigned char> pixels = allouerPixels(description, image);
    if (!pixels)
        return echec(manqueDeMemoire);

    // A run-length stream is read whole: its length bounds the picture, not the other way round.
    // The file may have become shorter since it was opened: what is missing is a broken file.
    const std::size_t reste = fichier.taille() - description.debutPixels;
    if (estRLE(description.entete)) {
        BlocDIB<unsigned char> flux(static_cast<unsigned char *>(allouerDIB(reste ? reste : 1)));
        if (!flux)
            return echec(manqueDeMemoire);
        if (!fichier.lire(description.debutPixels, flux.get(), reste) ||
            !convertirRLE(description.entete, PixelsSource{flux.get(), reste}, image))
            return echec(conversionImpossible);
        return livrer(description, std::move(pixels));
    }

    // Whole rows a piece, into the block that held the file's first bytes when it is big enough
    // (the header has been copied out of it).
    const std::size_t pas = pasSource(description.entete);
    const std::size_t lignesParMorceau =
        std::min(image.lignes, pas < longueurMorceau ? longueurMorceau / pas : 1);
    const std::size_t longueur = lignesParMorceau * pas;
    BlocDIB<unsigned char> propre;
    unsigned char *morceau = fichier.debut();
    if (longueur > fichier.longueurDebut()) {
        propre.reset(static_cast<unsigned char *>(allouerDIB(longueur)));
        if (!propre)
            return echec(manqueDeMemoire);
        morceau = propre.get();
    }
    const ConvertisseurLignes convertisseur(description.entete);
    for (std::size_t premiere = 0; premiere < image.lignes; premiere += lignesParMorceau) {
        const std::size_t nombre = std::min(lignesParMorceau, image.lignes - premiere);
        if (!fichier.lire(description.debutPixels + premiere * pas, morceau, nombre * pas))
            return echec(conversionImpossible);
        convertisseur.convertir(morceau, premiere, nombre, image);
    }
    return livrer(description, std::move(pixels));
}
