#include "conversion.h"

#include <algorithm>
#include <cstring>

namespace {
// Where the next pixel goes. Pixels that fall outside the picture (a run too long for its row, a
// delta that leaves the picture) are dropped, never written.
class Pinceau {
public:
    Pinceau(const ImageSortie &image, const Palette &palette)
        : image_(image), largeur_(image.largeur), palette_(palette) {}

    bool fini() const { return y_ >= image_.lignes; }
    void finDeLigne() {
        x_ = 0;
        ++y_;
    }
    void deplacer(unsigned dx, unsigned dy) {
        x_ += dx;
        y_ += dy;
    }
    // How many of the next n pixels land inside the row.
    std::size_t visibles(std::size_t n) const {
        return x_ < largeur_ && !fini() ? std::min(n, largeur_ - x_) : 0;
    }
    // Pixel i of the next ones, already known to be visible.
    void poser(std::size_t i, unsigned index) {
        std::memcpy(image_.octets + (y_ * largeur_ + x_ + i) * 3, palette_.rvb[index], 3);
    }
    void avancer(std::size_t n) { x_ += n; }

private:
    const ImageSortie &image_;
    std::size_t largeur_;
    const Palette &palette_;
    std::size_t x_ = 0;
    std::size_t y_ = 0;
};
} // namespace

bool convertirRLE(const EnteteDIB &entete, const PixelsSource &source, const ImageSortie &image) {
    const Palette palette = construirePalette(entete);
    const bool quatreBits = entete.compression == compressionRLE4;
    Pinceau pinceau(image, palette);
    const unsigned char *d = source.debut;
    const std::size_t n = source.disponible;
    std::size_t pos = 0;

    // The stream ends with its end-of-bitmap mark or once it has moved past the top row; running
    // out of bytes before that is a broken file.
    while (!pinceau.fini()) {
        if (n - pos < 2)
            return false;
        const unsigned premier = d[pos];
        const unsigned second = d[pos + 1];
        pos += 2;
        if (premier > 0) {
            // An encoded run: one index repeated, or two alternating in 4 bits.
            const std::size_t visibles = pinceau.visibles(premier);
            for (std::size_t i = 0; i < visibles; ++i)
                pinceau.poser(i, quatreBits ? (i % 2 ? second & 15u : second >> 4) : second);
            pinceau.avancer(premier);
        } else if (second == 0) {
            pinceau.finDeLigne();
        } else if (second == 1) {
            return true;
        } else if (second == 2) {
            if (n - pos < 2)
                return false;
            pinceau.deplacer(d[pos], d[pos + 1]);
            pos += 2;
        } else {
            // An absolute run of `second` indices, padded to a whole 16-bit word.
            const std::size_t octets = quatreBits ? (second + 1) / 2 : second;
            if (n - pos < octets)
                return false;
            const unsigned char *indices = d + pos;
            const std::size_t visibles = pinceau.visibles(second);
            for (std::size_t i = 0; i < visibles; ++i)
                pinceau.poser(i, quatreBits ? (i % 2 ? indices[i / 2] & 15u : indices[i / 2] >> 4)
                                            : indices[i]);
            pinceau.avancer(second);
            pos = std::min(n, pos + octets + octets % 2);
        }
    }
    return true;
}
