#pragma once

#include "faits.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <vector>

struct Mix_Chunk;

// The game's sound effects through SDL's audio alone and SDL_mixer: 48,000 Hz, 16-bit stereo,
// buffers of about 10 ms, each player's sounds mostly on their side. Sound is optional: whatever
// fails (no device, no sound server, a missing or refused file) is said once, in one line on
// standard error, and the game goes on silent where it must. Times are the caller's clock, in
// milliseconds. SDL's audio is one for the process: one Son at a time.
class Son {
public:
    Son() = default;
    ~Son();
    Son(const Son &) = delete;
    Son &operator=(const Son &) = delete;

    // Opens the audio device and loads every event's sound from the first folder that has it,
    // NAME.ogg before NAME.wav, so a player's own file beside ours wins. True when the device
    // opened.
    bool ouvrir(const std::vector<std::filesystem::path> &dossiers);
    void fermer();
    bool ouvert() const { return ouvert_; }

    // Plays the fact's sound: from the left or the right for a player's well, from the centre for
    // the whole match. Nothing while muted.
    void jouer(const Fait &fait, std::int64_t maintenant);

    // Muting stops what plays at once and closes the device. The setting holds without a device
    // too.
    bool coupe() const { return coupe_; }
    void couper(bool coupe);

    // No mixing runs while nothing plays: the device is paused once the sounds end and resumed by
    // the next one; after two seconds of silence it is closed, and the next sound opens it. When
    // the caller should wake up and call arreterSiSilence: the last sound's end, or the closing.
    std::optional<std::int64_t> fin() const { return fin_; }
    void arreterSiSilence(std::int64_t maintenant);

private:
    bool ouvrirPeripherique();
    void fermerPeripherique();
    void chargerSons(const std::vector<std::filesystem::path> &dossiers);

    bool ouvert_ = false; // SDL's audio started and the sounds loaded
    bool coupe_ = false;
    bool peripheriqueOuvert_ = false;
    bool enSommeil_ = false; // open, but paused
    bool echecDit_ = false;
    std::uint32_t peripherique_ = 0;
    std::map<Evenement, Mix_Chunk *> sons_;
    std::optional<std::int64_t> fin_;
};
