#pragma once

#include <cstdint>
#include <vector>

// Short sounds made from notes and noise, mono, 48,000 samples a second, values in [-1, 1].
constexpr int echantillonsParSeconde = 48000;

enum class Timbre {
    sinus,
    triangle,
    carre, // softened: odd harmonics up to the fifth only
    bruit,
};

struct Note {
    double debut;        // seconds
    double duree;        // seconds
    double frequence;    // Hz at the start
    double frequenceFin; // Hz at the end: a glide, or the same for a held note
    double volume;       // peak, 0 to 1
    Timbre timbre = Timbre::sinus;
    double attaque = 0.004; // seconds to the peak
    double declin = 6;      // how fast it fades after the peak: e^(-declin * t / duree)
    // Seconds of the fade to silence at the note's end: a note cut where it stands clicks.
    double relache = 0.005;
};

class Son {
public:
    void ajouter(const Note &note);
    const std::vector<Note> &notes() const { return notes_; }
    // The samples as 16-bit integers, clipped, the last 2 ms faded out so the end does not click.
    std::vector<std::int16_t> echantillons() const;

private:
    std::vector<double> onde_;
    std::vector<Note> notes_;
};

// The sound as a WAV file: RIFF header, PCM, 16-bit, mono, little-endian.
std::vector<std::uint8_t> fichierWav(const std::vector<std::int16_t> &echantillons);
