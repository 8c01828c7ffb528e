#include "fabrique_bmp.h"

namespace {
void ecrire16(Octets &o, unsigned valeur) {
    o.push_back(static_cast<std::uint8_t>(valeur));
    o.push_back(static_cast<std::uint8_t>(valeur >> 8));
}

void ecrire32(Octets &o, std::uint32_t valeur) {
    for (int i = 0; i < 4; ++i)
        o.push_back(static_cast<std::uint8_t>(valeur >> (8 * i)));
}

void completerLigne(Octets &o, std::size_t debutLigne) {
    while ((o.size() - debutLigne) % 4 != 0)
        o.push_back(0);
}
} // namespace

Octets FabriqueBMP::octets() const {
    Octets o;
    if (enteteFichier) {
        o.push_back('B');
        o.push_back('M');
        ecrire32(o, 0); // file size: never read
        ecrire32(o, 0);
        ecrire32(o, 0); // pixel offset, set below
    }
    const std::size_t debutEntete = o.size();
    ecrire32(o, tailleEntete);
    if (tailleEntete == 12) {
        ecrire16(o, static_cast<unsigned>(largeur));
        ecrire16(o, static_cast<unsigned>(hauteur));
        ecrire16(o, plans);
        ecrire16(o, bits);
        for (const RVB &c : couleurs) {
            o.push_back(c.b);
            o.push_back(c.v);
            o.push_back(c.r);
        }
    } else {
        ecrire32(o, static_cast<std::uint32_t>(largeur));
        ecrire32(o, static_cast<std::uint32_t>(hauteur));
        ecrire16(o, plans);
        ecrire16(o, bits);
        ecrire32(o, compression);
        ecrire32(o, tailleImage);
        ecrire32(o, 2835);
        ecrire32(o, 2835);
        ecrire32(o, couleursUtilisees);
        ecrire32(o, 0);
        const bool masquesDedans =
            tailleEntete == 52 || tailleEntete == 56 || tailleEntete == 108 || tailleEntete == 124;
        if (masquesDedans)
            for (std::uint32_t m : masques)
                ecrire32(o, m);
        // Headers of other sizes get their declared length, cut short or padded with zeros.
        if (tailleEntete >= 16 && tailleEntete < 40)
            o.resize(debutEntete + tailleEntete);
        while (o.size() - debutEntete < tailleEntete && tailleEntete < 4096)
            o.push_back(0);
        if (!masquesDedans)
            for (std::uint32_t m : masques)
                ecrire32(o, m);
        for (const RVB &c : couleurs) {
            o.push_back(c.b);
            o.push_back(c.v);
            o.push_back(c.r);
            o.push_back(0);
        }
    }
    o.insert(o.end(), ecart, 0xEE);
    if (enteteFichier) {
        const std::uint32_t debut = debutPixels.value_or(static_cast<std::uint32_t>(o.size()));
        for (int i = 0; i < 4; ++i)
            o[10 + i] = static_cast<std::uint8_t>(debut >> (8 * i));
    }
    o.insert(o.end(), pixels.begin(), pixels.end());
    return o;
}

Octets lignesIndexees(int bits, const std::vector<std::vector<unsigned>> &lignes) {
    Octets o;
    for (const auto &ligne : lignes) {
        const std::size_t debut = o.size();
        unsigned octet = 0;
        int rempli = 0;
        for (unsigned index : ligne) {
            octet = (octet << bits) | index;
            rempli += bits;
            if (rempli == 8) {
                o.push_back(static_cast<std::uint8_t>(octet));
                octet = 0;
                rempli = 0;
            }
        }
        if (rempli > 0)
            o.push_back(static_cast<std::uint8_t>(octet << (8 - rempli)));
        completerLigne(o, debut);
    }
    return o;
}

Octets lignes24(const std::vector<std::vector<RVB>> &lignes) {
    Octets o;
    for (const auto &ligne : lignes) {
        const std::size_t debut = o.size();
        for (const RVB &p : ligne) {
            o.push_back(p.b);
            o.push_back(p.v);
            o.push_back(p.r);
        }
        completerLigne(o, debut);
    }
    return o;
}

Octets lignesMots(int bits, const std::vector<std::vector<std::uint32_t>> &lignes) {
    Octets o;
    for (const auto &ligne : lignes) {
        const std::size_t debut = o.size();
        for (std::uint32_t valeur : ligne) {
            if (bits == 16)
                ecrire16(o, valeur);
            else
                ecrire32(o, valeur);
        }
        completerLigne(o, debut);
    }
    return o;
}
