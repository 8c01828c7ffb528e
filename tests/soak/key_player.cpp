#include "key_player.h"

#include <sstream>

namespace {

// A player's move, with how often it comes out of a hundred.
struct Move {
    const char *letter;
    const char *arrow;
    int weight;
};

constexpr Move moves[] = {
    {"s", "Down", 50}, // one gravity step
    {"a", "Left", 15},
    {"d", "Right", 15},
    {"w", "Up", 20}, // turn
};

// One key in twenty is the sway switch.
constexpr int swayOneIn = 20;

} // namespace

KeyPlayer::KeyPlayer(std::uint32_t seed) : random_(seed) {}

void KeyPlayer::playOne(harness::Game &game) {
    if (std::uniform_int_distribution<int>(1, swayOneIn)(random_) == 1) {
        tap(game, "l");
        return;
    }
    int pick = std::uniform_int_distribution<int>(0, 99)(random_);
    for (const Move &move : moves) {
        if (pick < move.weight) {
            tap(game, letterTurn_ ? move.letter : move.arrow);
            break;
        }
        pick -= move.weight;
    }
    letterTurn_ = !letterTurn_;
}

void KeyPlayer::setSway(harness::Game &game, bool on) {
    if (swayOn_ != on) {
        tap(game, "l");
    }
}

void KeyPlayer::tap(harness::Game &game, const std::string &key) {
    game.tap(key);
    ++counts_[key];
    if (key == "l") {
        swayOn_ = !swayOn_;
    }
}

long KeyPlayer::keysSent() const {
    long total = 0;
    for (const auto &[key, count] : counts_) {
        total += count;
    }
    return total;
}

std::string KeyPlayer::summary() const {
    std::ostringstream text;
    text << keysSent() << " keys (";
    const char *separator = "";
    for (const auto &[key, count] : counts_) {
        text << separator << key << " " << count;
        separator = ", ";
    }
    text << ")";
    return text.str();
}
