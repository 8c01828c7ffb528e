#pragma once

#include <chrono>
#include <thread>

namespace harness {

// Generous on purpose: the game may start slowly on a loaded machine or under sanitizers, and a
// condition that holds returns at once anyway.
constexpr std::chrono::seconds startTimeout{60};
constexpr std::chrono::seconds eventTimeout{30};

// Polls until the condition holds or the time is up; returns the condition's last answer.
template <typename Condition>
bool waitUntil(Condition condition, std::chrono::milliseconds timeout,
               std::chrono::milliseconds poll = std::chrono::milliseconds(20)) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition()) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return condition();
        }
        std::this_thread::sleep_for(poll);
    }
}

} // namespace harness
