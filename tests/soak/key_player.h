#pragma once

#include "game.h"

#include <cstdint>
#include <map>
#include <random>
#include <string>

// Two people at one keyboard pressing keys at random: the letter player and the arrow player
// take turns, and either now and then presses l, the sway switch. Drops are the most frequent
// key, so that pieces land fast and a match ends within a minute.
class KeyPlayer {
public:
    explicit KeyPlayer(std::uint32_t seed);

    // Taps the next random key.
    void playOne(harness::Game &game);

    // Taps l when the sway is not as wanted. The player knows the sway's state because it sent
    // every l the game ever received; the game starts with the sway off.
    void setSway(harness::Game &game, bool on);
    bool swayOn() const { return swayOn_; }

    long keysSent() const;
    // "1234 keys (a 100, s 300, ...)".
    std::string summary() const;

private:
    void tap(harness::Game &game, const std::string &key);

    std::mt19937 random_;
    bool letterTurn_ = true;
    bool swayOn_ = false;
    std::map<std::string, long> counts_;
};
