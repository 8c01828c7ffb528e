#include "compositions.h"

namespace {

constexpr double do5 = 523.25, mi5 = 659.26, sol5 = 783.99, do6 = 1046.5;
constexpr double sol4 = 392.0, mib4 = 311.13, do4 = 261.63, la5 = 880.0;

// A bell-like note: the tone and a quieter octave above, fading.
void cloche(Son &son, double debut, double duree, double frequence, double volume) {
    son.ajouter({debut, duree, frequence, frequence, volume, Timbre::sinus, 0.003, 5});
    son.ajouter(
        {debut, duree * 0.6, frequence * 2, frequence * 2, volume * 0.3, Timbre::sinus, 0.003, 6});
}

// One, two, three or four rows: the same rising notes, one more each time, the last held longer.
Son lignes(int n) {
    const double notes[] = {do5, mi5, sol5, do6};
    Son son;
    for (int i = 0; i < n; ++i) {
        const bool derniere = i == n - 1;
        cloche(son, i * 0.07, derniere ? 0.30 : 0.12, notes[i], 0.35);
    }
    return son;
}

} // namespace

std::vector<Composition> composer() {
    std::vector<Composition> sons;
    {
        // A light tick: heard at every step sideways without tiring.
        Son s;
        s.ajouter({0, 0.03, 1400, 1100, 0.25, Timbre::sinus, 0.001, 7});
        sons.push_back({"deplacement", s});
    }
    {
        Son s;
        s.ajouter({0, 0.06, 700, 1300, 0.25, Timbre::triangle, 0.002, 4});
        sons.push_back({"rotation", s});
    }
    {
        // Low and dull: the turn did not happen.
        Son s;
        s.ajouter({0, 0.08, 170, 150, 0.3, Timbre::carre, 0.002, 4});
        sons.push_back({"rotation_refusee", s});
    }
    {
        // A wooden knock: a low thump with a short burst of noise.
        Son s;
        s.ajouter({0, 0.10, 160, 90, 0.55, Timbre::sinus, 0.001, 6});
        s.ajouter({0, 0.03, 1, 1, 0.15, Timbre::bruit, 0.001, 8});
        sons.push_back({"pose", s});
    }
    for (int n = 1; n <= 4; ++n) {
        sons.push_back({"lignes" + std::to_string(n), lignes(n)});
    }
    {
        // A rising swoosh, off towards the opponent.
        Son s;
        s.ajouter({0, 0.22, 300, 1200, 0.2, Timbre::triangle, 0.03, 3});
        s.ajouter({0, 0.22, 1, 1, 0.08, Timbre::bruit, 0.05, 3});
        sons.push_back({"lignes_envoyees", s});
    }
    {
        // A falling rumble: the well rises from below.
        Son s;
        s.ajouter({0, 0.28, 220, 70, 0.45, Timbre::carre, 0.005, 3});
        s.ajouter({0, 0.12, 1, 1, 0.1, Timbre::bruit, 0.002, 5});
        sons.push_back({"lignes_recues", s});
    }
    {
        // Three falling notes, then a low held one.
        Son s;
        const double notes[] = {sol4, mib4, do4};
        for (int i = 0; i < 3; ++i) {
            s.ajouter({i * 0.16, 0.18, notes[i], notes[i], 0.3, Timbre::triangle, 0.005, 2});
        }
        s.ajouter({0.48, 0.6, do4 / 2, do4 / 2 * 0.97, 0.35, Timbre::carre, 0.01, 3});
        sons.push_back({"debordement", s});
    }
    {
        // The fanfare: three short notes up, the octave held.
        Son s;
        const double notes[] = {do5, mi5, sol5};
        for (int i = 0; i < 3; ++i) {
            s.ajouter({i * 0.12, 0.11, notes[i], notes[i], 0.22, Timbre::carre, 0.004, 1.5});
        }
        s.ajouter({0.36, 0.7, do6, do6, 0.22, Timbre::carre, 0.01, 2.5});
        s.ajouter({0.36, 0.7, sol5, sol5, 0.15, Timbre::triangle, 0.01, 2.5});
        sons.push_back({"victoire", s});
    }
    {
        Son s;
        cloche(s, 0, 0.12, la5, 0.25);
        cloche(s, 0.09, 0.18, mi5, 0.25);
        sons.push_back({"pause", s});
    }
    {
        Son s;
        cloche(s, 0, 0.12, mi5, 0.25);
        cloche(s, 0.09, 0.18, la5, 0.25);
        sons.push_back({"reprise", s});
    }
    return sons;
}
