#pragma once

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "dib.h"
#include "fabrique_bmp.h"

// A decoded picture, released as the game releases it: the block, then the record.
struct LibererImage {
    void operator()(imageRGB *image) const {
        std::free(image->donnees);
        std::free(image);
    }
};
using Image = std::unique_ptr<imageRGB, LibererImage>;

inline Image decoder(const Octets &octets) {
    return Image(decoderImageDIB(octets.data(), octets.size()));
}

// The pixel at column x of row y, row 0 being the first delivered (the bottom one).
inline RVB pixel(const imageRGB &image, int x, int y) {
    const unsigned char *p = image.donnees + (static_cast<std::size_t>(y) * image.largeur + x) * 3;
    return RVB{p[0], p[1], p[2]};
}

// Everything written to standard error while it lives, by the decoder or anyone else.
class CaptureErreurs {
public:
    CaptureErreurs();
    ~CaptureErreurs();
    CaptureErreurs(const CaptureErreurs &) = delete;
    CaptureErreurs &operator=(const CaptureErreurs &) = delete;

    // What was written so far.
    std::string texte();

private:
    int ancienne_;
    std::FILE *fichier_;
};

// The lines of a text, each with its line feed removed.
std::vector<std::string> lignes(const std::string &texte);
