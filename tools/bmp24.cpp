#include "bmp24.h"

namespace {
void ecrire16(std::vector<std::uint8_t> &octets, unsigned valeur) {
    octets.push_back(static_cast<std::uint8_t>(valeur));
    octets.push_back(static_cast<std::uint8_t>(valeur >> 8));
}

void ecrire32(std::vector<std::uint8_t> &octets, std::uint32_t valeur) {
    for (int i = 0; i < 4; ++i)
        octets.push_back(static_cast<std::uint8_t>(valeur >> (8 * i)));
}
} // namespace

std::vector<std::uint8_t> fichierBMP24(const Toile &toile) {
    const std::uint32_t pas = (static_cast<std::uint32_t>(toile.largeur) * 3 + 3) / 4 * 4;
    const std::uint32_t tailleImage = pas * static_cast<std::uint32_t>(toile.hauteur);
    std::vector<std::uint8_t> octets;
    octets.reserve(54 + tailleImage);
    octets.push_back('B');
    octets.push_back('M');
    ecrire32(octets, 54 + tailleImage);
    ecrire16(octets, 0);
    ecrire16(octets, 0);
    ecrire32(octets, 54);

    ecrire32(octets, 40);
    ecrire32(octets, static_cast<std::uint32_t>(toile.largeur));
    ecrire32(octets, static_cast<std::uint32_t>(toile.hauteur));
    ecrire16(octets, 1);
    ecrire16(octets, 24);
    ecrire32(octets, 0);
    ecrire32(octets, tailleImage);
    ecrire32(octets, 2835); // 72 dots per inch
    ecrire32(octets, 2835);
    ecrire32(octets, 0);
    ecrire32(octets, 0);

    for (int y = 0; y < toile.hauteur; ++y) {
        for (int x = 0; x < toile.largeur; ++x) {
            const std::uint8_t *p = toile.pixel(x, y);
            octets.push_back(p[2]);
            octets.push_back(p[1]);
            octets.push_back(p[0]);
        }
        for (std::uint32_t i = static_cast<std::uint32_t>(toile.largeur) * 3; i < pas; ++i)
            octets.push_back(0);
    }
    return octets;
}
