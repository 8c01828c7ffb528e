#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// When the game wakes up. Between events it sleeps: a frame is drawn only when the picture may
// have changed (a step, a key, a repeat, a pause), at most one every frame interval, and every
// interval while the camera sways; and it wakes when the next of everything else it waits for is
// due (a held key's repeat, the computer's key, the sound's end, a notice's, the pads' reading,
// the network). Only one wake-up is armed at a time: the earliest. Times are milliseconds on
// whatever clock the caller reads.
class Reveil {
public:
    using Instant = std::int64_t;

    // What the caller must do now: ask for a frame at once, and arm a wake-up for `reveil`,
    // under `jeton`.
    struct Plan {
        bool imageMaintenant = false;
        std::optional<Instant> reveil;
        int jeton = 0;
    };

    // The picture may have changed: a frame is due as soon as the interval allows.
    void signalerChangement() { imageChangee_ = true; }
    void imageDessinee() { imageChangee_ = false; }

    // `dernierTemps`: when the last frame began, on the same clock. `echeances`: when the others
    // are due; a wake-up already armed for no later than the earliest stands.
    Plan planifier(Instant maintenant, bool balancement, std::uint32_t dernierTemps,
                   const std::vector<std::optional<Instant>> &echeances);

    // A wake-up armed under `jeton` came: false when a later plan overtook it (a timer cannot be
    // taken back, so an old one just ends).
    bool reveiller(int jeton);

private:
    // The game starts with a picture to show.
    bool imageChangee_ = true;
    std::optional<Instant> prevu_;
    int jeton_ = 0;
};
