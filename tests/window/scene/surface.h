#pragma once

#include "camera.h"
#include "image.h"

#include <optional>
#include <string>

namespace scene {

// What a pixel shows, told apart by colour alone: our wood is orange-brown, our metal a bluish
// grey, a shadow black, and a surface drawn without its texture white.
enum class Surface { wood, metal, black, white, other };

std::string name(Surface surface);
Surface classify(harness::Rgb colour);

// The surface that at least six of the nine pixels around the point show; a one-pixel rail
// across the point does not change the answer. Nullopt without such a majority, or at the
// window's edge.
std::optional<Surface> surfaceAround(const harness::Image &image, ScreenPoint point);

} // namespace scene
