#pragma once

#include <cstddef>
#include <cstdint>

#include "entete_dib.h"

// The source pixels: from their first byte to the end of the file.
struct PixelsSource {
    const unsigned char *debut;
    std::size_t disponible;
};

// The picture that the conversion fills, as the game wants it: red, green, blue a pixel, rows of
// 3 x width bytes back to back, bottom row first.
struct ImageSortie {
    unsigned char *octets;
    std::size_t largeur;
    std::size_t lignes;
};

// Whether the picture is run-length compressed (its pixels are then one stream, not rows).
bool estRLE(const EnteteDIB &entete);

// Bytes in one stored row of an uncompressed picture, filler included.
std::size_t pasSource(const EnteteDIB &entete);

// Whether the header describes a picture that the conversion can fill from the `disponible` bytes
// that follow the start of its pixels: a form we read, sizes that make sense (the picture's bytes
// counted without overflow), and pixel data inside the file. Checked before anything big is
// allocated.
bool conversionPossible(const EnteteDIB &entete, std::size_t disponible);

// The colour table in the picture's order, red, green, blue and a spare byte an entry, so that
// an entry can be copied as one 4-byte word; black past the end of the file's table, so that any
// index a pixel may hold finds a colour.
struct Palette {
    unsigned char rvb[256][4];
};

Palette construirePalette(const EnteteDIB &entete);

// One colour channel of a 16- or 32-bit pixel, scaled to 8 bits.
struct Canal {
    std::uint32_t masque = 0;
    unsigned decalage = 0;
    std::uint32_t maximum = 0;

    Canal() = default;
    explicit Canal(std::uint32_t m);
    unsigned char extraire(std::uint32_t pixel) const {
        if (maximum == 0)
            return 0;
        const std::uint64_t valeur = (pixel & masque) >> decalage;
        if (maximum == 255)
            return static_cast<unsigned char>(valeur);
        return static_cast<unsigned char>((valeur * 255 + maximum / 2) / maximum);
    }
};

// Turns the stored rows of an uncompressed picture into rows of the delivered picture, in one
// pass, as many rows at a time as the caller has at hand (all of them from memory, a piece of
// the file at a time from disk).
class ConvertisseurLignes {
public:
    explicit ConvertisseurLignes(const EnteteDIB &entete);

    // Converts `nombre` stored rows, the first of them being stored row `premiere`, from their
    // bytes at `source` (pasSource() bytes a row). A top-down picture is turned over on the way.
    void convertir(const unsigned char *source, std::size_t premiere, std::size_t nombre,
                   const ImageSortie &image) const;

private:
    unsigned bits_;
    bool basEnHaut_;
    std::size_t pas_;
    Palette palette_;
    Canal rouge_, vert_, bleu_;
};

// The run-length forms (compression 1 with 8 bits, 2 with 4 bits), bottom-up only, into a picture
// zeroed beforehand: skipped pixels stay black. False when the stream is broken.
bool convertirRLE(const EnteteDIB &entete, const PixelsSource &source, const ImageSortie &image);
