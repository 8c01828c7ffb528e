#include "synthese.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double pi = 3.14159265358979323846;

double onde(Timbre timbre, double phase, std::uint32_t &graine) {
    switch (timbre) {
    case Timbre::sinus:
        return std::sin(2 * pi * phase);
    case Timbre::triangle: {
        const double f = phase - std::floor(phase);
        return 4 * std::abs(f - 0.5) - 1;
    }
    case Timbre::carre:
        return std::sin(2 * pi * phase) + std::sin(6 * pi * phase) / 3 +
               std::sin(10 * pi * phase) / 5;
    case Timbre::bruit:
        // The same noise at every build: a fixed linear congruential generator.
        graine = graine * 1664525u + 1013904223u;
        return static_cast<double>(graine >> 8) / (1u << 23) - 1;
    }
    return 0;
}

void poser16(std::vector<std::uint8_t> &octets, std::uint16_t valeur) {
    octets.push_back(static_cast<std::uint8_t>(valeur & 0xff));
    octets.push_back(static_cast<std::uint8_t>(valeur >> 8));
}

void poser32(std::vector<std::uint8_t> &octets, std::uint32_t valeur) {
    poser16(octets, static_cast<std::uint16_t>(valeur & 0xffff));
    poser16(octets, static_cast<std::uint16_t>(valeur >> 16));
}

void poserTexte(std::vector<std::uint8_t> &octets, const char *texte) {
    for (int i = 0; i < 4; ++i) {
        octets.push_back(static_cast<std::uint8_t>(texte[i]));
    }
}

} // namespace

void Son::ajouter(const Note &n) {
    notes_.push_back(n);
    const auto debut = static_cast<std::size_t>(n.debut * echantillonsParSeconde);
    const auto longueur = static_cast<std::size_t>(n.duree * echantillonsParSeconde);
    onde_.resize(std::max(onde_.size(), debut + longueur), 0.0);
    std::uint32_t graine = 12345;
    double phase = 0;
    for (std::size_t i = 0; i < longueur; ++i) {
        const double t = static_cast<double>(i) / echantillonsParSeconde;
        const double avance = t / n.duree;
        const double frequence = n.frequence * std::pow(n.frequenceFin / n.frequence, avance);
        phase += frequence / echantillonsParSeconde;
        const double fin = std::min(1.0, (n.duree - t) / n.relache);
        const double enveloppe =
            fin * (t < n.attaque ? t / n.attaque : std::exp(-n.declin * (t - n.attaque) / n.duree));
        onde_[debut + i] += n.volume * enveloppe * onde(n.timbre, phase, graine);
    }
}

std::vector<std::int16_t> Son::echantillons() const {
    std::vector<std::int16_t> sortie(onde_.size());
    const std::size_t fondu = echantillonsParSeconde / 500;
    for (std::size_t i = 0; i < onde_.size(); ++i) {
        double v = std::clamp(onde_[i], -1.0, 1.0);
        const std::size_t reste = onde_.size() - i;
        if (reste < fondu) {
            v *= static_cast<double>(reste) / fondu;
        }
        sortie[i] = static_cast<std::int16_t>(std::lround(v * 32767));
    }
    return sortie;
}

std::vector<std::uint8_t> fichierWav(const std::vector<std::int16_t> &echantillons) {
    const auto donnees = static_cast<std::uint32_t>(echantillons.size() * 2);
    std::vector<std::uint8_t> octets;
    octets.reserve(44 + donnees);
    poserTexte(octets, "RIFF");
    poser32(octets, 36 + donnees);
    poserTexte(octets, "WAVE");
    poserTexte(octets, "fmt ");
    poser32(octets, 16);
    poser16(octets, 1); // PCM
    poser16(octets, 1); // mono
    poser32(octets, echantillonsParSeconde);
    poser32(octets, echantillonsParSeconde * 2);
    poser16(octets, 2);
    poser16(octets, 16);
    poserTexte(octets, "data");
    poser32(octets, donnees);
    for (const std::int16_t e : echantillons) {
        poser16(octets, static_cast<std::uint16_t>(e));
    }
    return octets;
}
