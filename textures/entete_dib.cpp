#include "entete_dib.h"
#include "dib.h"
#include "octets.h"

std::uint16_t nombreCouleursDIB(const unsigned char *entete) {
    std::uint16_t bitsParPixel = 0;
    if (lireU32(entete) == 12) {
        bitsParPixel = lireU16(entete + 10);
    } else {
        const std::uint32_t couleursUtilisees = lireU32(entete + 32);
        if (couleursUtilisees != 0)
            return static_cast<std::uint16_t>(couleursUtilisees);
        bitsParPixel = lireU16(entete + 14);
    }
    switch (bitsParPixel) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

bool normaliserEntete(const unsigned char *entete, std::size_t disponible,
                      std::uint16_t nombreCouleurs, CouleurDIB *table, EnteteDIB &normalise,
                      std::size_t &finTable) {
    normalise = EnteteDIB{};
    normalise.taille = 40;
    normalise.nombreCouleurs = nombreCouleurs;
    normalise.couleurs = table;

    if (lireU32(entete) == 12) {
        // The old core header: 16-bit sizes, never negative, and 3-byte colour entries.
        normalise.largeur = lireU16(entete + 4);
        normalise.hauteur = lireU16(entete + 6);
        normalise.plans = lireU16(entete + 8);
        normalise.bitsParPixel = lireU16(entete + 10);
        normalise.couleursUtilisees = nombreCouleurs;
        normalise.couleursImportantes = nombreCouleurs;
        finTable = 12 + 3 * static_cast<std::size_t>(nombreCouleurs);
        if (disponible < finTable)
            return false;
        for (std::size_t i = 0; i < nombreCouleurs; ++i) {
            const unsigned char *entree = entete + 12 + 3 * i;
            table[i] = CouleurDIB{entree[0], entree[1], entree[2], 0};
        }
        return true;
    }

    normalise.largeur = lireI32(entete + 4);
    normalise.hauteur = lireI32(entete + 8);
    normalise.plans = lireU16(entete + 12);
    normalise.bitsParPixel = lireU16(entete + 14);
    normalise.compression = lireU32(entete + 16);
    normalise.tailleImage = lireU32(entete + 20);
    normalise.resolutionX = lireI32(entete + 24);
    normalise.resolutionY = lireI32(entete + 28);
    normalise.couleursUtilisees = lireU32(entete + 32);
    normalise.couleursImportantes = lireU32(entete + 36);

    // Bit-field pictures keep their three masks right after the header, before any colour table.
    std::size_t debutTable = 40;
    if (normalise.compression == compressionChampsDeBits) {
        debutTable += 12;
        if (disponible < debutTable)
            return false;
        for (int i = 0; i < 3; ++i)
            normalise.masques[i] = lireU32(entete + 40 + 4 * i);
    }
    finTable = debutTable + 4 * static_cast<std::size_t>(nombreCouleurs);
    if (disponible < finTable)
        return false;
    for (std::size_t i = 0; i < nombreCouleurs; ++i) {
        const unsigned char *entree = entete + debutTable + 4 * i;
        table[i] = CouleurDIB{entree[0], entree[1], entree[2], entree[3]};
    }
    return true;
}
