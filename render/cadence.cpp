#include "cadence.h"

#include <GL/freeglut.h>

#include <chrono>
#include <thread>

std::uint32_t dernierTemps = 0;

namespace {

std::uint32_t maintenant() {
    return static_cast<std::uint32_t>(glutGet(GLUT_ELAPSED_TIME));
}

} // namespace

void attendreImage() {
    std::uint32_t t = maintenant();
    // Unsigned difference: a clock reading below the stamp (it wrapped) starts the frame at once.
    while (t - dernierTemps < intervalleImage) {
        const std::uint32_t reste = intervalleImage - (t - dernierTemps);
        std::this_thread::sleep_for(std::chrono::milliseconds(reste));
        t = maintenant();
    }
    dernierTemps = t;
}
