#include "entete_dib.h"
#include "octets.h"

#include <cstring>

namespace {
// The first 64 bytes of a header, zero past its stated size: a shortened OS/2 header leaves out
// the fields it does not need, and those read as zero. The fields past 64 bytes (the rest of V4
// and V5: colour space, gamma, colour profile) are never read.
struct Champs {
    unsigned char octets[64] = {};

    explicit Champs(const unsigned char *entete) {
        const std::uint32_t taille = lireU32(entete);
        std::memcpy(octets, entete, taille < sizeof octets ? taille : sizeof octets);
    }
    std::uint16_t u16(std::size_t position) const { return lireU16(octets + position); }
    std::uint32_t u32(std::size_t position) const { return lireU32(octets + position); }
    std::int32_t i32(std::size_t position) const { return lireI32(octets + position); }
};

// The information header and the ones that extend it; every other size from 16 to 64 is OS/2's.
bool enteteWindows(std::uint32_t taille) {
    return taille == 40 || taille == 52 || taille == 56 || taille == 108 || taille == 124;
}
} // namespace

bool tailleEnteteConnue(std::uint32_t taille) {
    return taille == 12 || enteteWindows(taille) || (taille >= 16 && taille <= 64);
}

std::uint16_t nombreCouleursDIB(const unsigned char *entete) {
    std::uint16_t bitsParPixel = 0;
    if (lireU32(entete) == 12) {
        bitsParPixel = lireU16(entete + 10);
    } else {
        const Champs champs(entete);
        const std::uint32_t couleursUtilisees = champs.u32(32);
        if (couleursUtilisees != 0)
            return static_cast<std::uint16_t>(couleursUtilisees);
        bitsParPixel = champs.u16(14);
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

    const std::uint32_t taille = lireU32(entete);
    if (taille == 12) {
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

    const Champs champs(entete);
    normalise.largeur = champs.i32(4);
    normalise.hauteur = champs.i32(8);
    normalise.plans = champs.u16(12);
    normalise.bitsParPixel = champs.u16(14);
    normalise.compression = champs.u32(16);
    normalise.tailleImage = champs.u32(20);
    normalise.resolutionX = champs.i32(24);
    normalise.resolutionY = champs.i32(28);
    normalise.couleursUtilisees = champs.u32(32);
    normalise.couleursImportantes = champs.u32(36);

    std::size_t debutTable = taille;
    if (!enteteWindows(taille)) {
        // OS/2 2.x numbers its own compressions from 3 on; we read none of them.
        if (normalise.compression == 3 || normalise.compression == 4)
            normalise.compression = compressionOS2Refusee;
    } else if (normalise.compression == compressionChampsDeBits ||
               normalise.compression == compressionChampsDeBitsAlpha) {
        // The 40-byte header keeps its masks right after it, before any colour table (a fourth,
        // for alpha, with compression 6); the longer headers hold them inside. Alpha is ignored.
        const unsigned char *masques = champs.octets + 40;
        if (taille == 40) {
            debutTable += normalise.compression == compressionChampsDeBitsAlpha ? 16 : 12;
            if (disponible < debutTable)
                return false;
            masques = entete + 40;
        }
        for (int i = 0; i < 3; ++i)
            normalise.masques[i] = lireU32(masques + 4 * i);
        normalise.compression = compressionChampsDeBits;
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
