#pragma once

#include <cstddef>
#include <cstdint>

// One entry of a colour table as the decoder keeps it.
struct CouleurDIB {
    unsigned char bleu;
    unsigned char vert;
    unsigned char rouge;
    unsigned char reserve;
};

// Compression codes of the information header, as Windows numbers them.
constexpr std::uint32_t sansCompression = 0;
constexpr std::uint32_t compressionRLE8 = 1;
constexpr std::uint32_t compressionRLE4 = 2;
constexpr std::uint32_t compressionChampsDeBits = 3;
// Bit fields with a fourth mask, for alpha; read as plain bit fields.
constexpr std::uint32_t compressionChampsDeBitsAlpha = 6;
// What an OS/2 2.x header's own codes (3, Huffman 1D; 4, 24-bit run lengths) become: a code no
// conversion accepts.
constexpr std::uint32_t compressionOS2Refusee = 0xFFFFFFFF;

// The decoder's own copy of a bitmap header, whichever kind the file has, in the layout of the
// 40-byte information header, with its colour table and, for bit-field pictures, the three masks.
struct EnteteDIB {
    std::uint32_t taille = 0;
    std::int32_t largeur = 0;
    std::int32_t hauteur = 0;
    std::uint16_t plans = 0;
    std::uint16_t bitsParPixel = 0;
    std::uint32_t compression = 0;
    std::uint32_t tailleImage = 0;
    std::int32_t resolutionX = 0;
    std::int32_t resolutionY = 0;
    std::uint32_t couleursUtilisees = 0;
    std::uint32_t couleursImportantes = 0;
    // Red, green, blue; read from the file only for bit fields (compression 3).
    std::uint32_t masques[3] = {0, 0, 0};
    std::uint16_t nombreCouleurs = 0;
    const CouleurDIB *couleurs = nullptr;
};

// Whether a header of this size is one the decoder reads: 12 (core), 40 (information), 52 and 56
// (information with its masks), 108 (V4), 124 (V5), and OS/2 2.x headers of 16 to 64 bytes.
bool tailleEnteteConnue(std::uint32_t taille);

// The number of colour-table entries that a bitmap header announces. The header must be readable
// in full, as long as its size field says (at most 64 bytes of it are read).
std::uint16_t nombreCouleursDIB(const unsigned char *entete);

// The most bytes that a header, its masks and its colour table may take together.
constexpr std::size_t longueurMaximaleEntete = 124 + 16 + 4 * 65535;

// Fills the decoder's header from a header of a known size that lies whole in the `disponible`
// bytes at `entete`, taking `nombreCouleurs` colour entries into `table` (room for that many).
// Gives in `finTable` the offset, from the header, of the first byte after the colour table.
// False when the file ends before the end of the table.
bool normaliserEntete(const unsigned char *entete, std::size_t disponible,
                      std::uint16_t nombreCouleurs, CouleurDIB *table, EnteteDIB &normalise,
                      std::size_t &finTable);
