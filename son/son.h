#pragma once

#include "faits.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

// The game's sound effects through SDL's audio alone and SDL_mixer: 48,000 Hz, 16-bit stereo,
// buffers of about 10 ms, each player's sounds mostly on their side. Sound is optional: whatever
// fails (no device, no sound server, a missing or refused file) is said once, in one line on
// standard error, and the game goes on silent where it must. Times are the caller's clock, in
// milliseconds.

// Opens the audio device and loads every event's sound from the first folder that has it, NAME.ogg
// before NAME.wav, so a player's own file beside ours wins. True when the device opened.
bool ouvrirSon(const std::vector<std::filesystem::path> &dossiers);
void fermerSon();
bool sonOuvert();

// Plays the fact's sound: from the left or the right for a player's well, from the centre for
// the whole match. Nothing while muted.
void jouerSon(const Fait &fait, std::int64_t maintenant);

// Muting stops what plays at once and closes the device. The setting holds without a device too.
bool sonCoupe();
void couperSon(bool coupe);

// No mixing runs while nothing plays: the device is paused once the sounds end and resumed by the
// next one; after two seconds of silence it is closed, and the next sound opens it. When the
// caller should wake up and call arreterSiSilence: the last sound's end, or the closing.
std::optional<std::int64_t> finDesSons();
void arreterSiSilence(std::int64_t maintenant);
